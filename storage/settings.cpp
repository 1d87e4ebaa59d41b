#include "storage/settings.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QStringList>
#include <memory>

namespace storage {
namespace {
// One QSettings for the whole run: the file is parsed once, and every write is synced.
std::unique_ptr<QSettings> magasin;
QString cheminOuvert;

// The store is written as UTF-8: bytes that do not decode could not be written back as they were.
bool pasEnUtf8(const QString& chemin)
{
    // No file yet is a first run, not a fault (a failed open would also fetch an error text).
    QFile fichier(chemin);
    if (!fichier.exists() || !fichier.open(QIODevice::ReadOnly))
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString texte = utf8(fichier.readAll());
    return utf8.hasError();
}

// A damaged file would be rewritten with whatever could be parsed from it: its bytes are kept
// aside, untouched, and a fresh store starts in its place.
void mettreDeCote(const QString& chemin)
{
    const QString copie = chemin + QStringLiteral(".illisible-")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    if (QFile::rename(chemin, copie))
        qWarning("Chromalis: settings file unreadable, kept as %s", qPrintable(copie));
}

QSettings& ouvrir()
{
    const QString chemin = cheminReglages();
    if (!magasin || cheminOuvert != chemin) {
        cheminOuvert = chemin;
        if (!pasEnUtf8(chemin)) {
            magasin = std::make_unique<QSettings>(chemin, QSettings::IniFormat);
            // Sections are parsed lazily: parse them all once so that the file's status is known.
            (void)magasin->allKeys();
            if (magasin->status() != QSettings::FormatError)
                return *magasin;
            magasin.reset();
        }
        mettreDeCote(chemin);
        magasin = std::make_unique<QSettings>(chemin, QSettings::IniFormat);
    }
    return *magasin;
}

QString cle(const QString& section, const QString& nom) { return section + QLatin1Char('/') + nom; }
} // namespace

QString cheminReglages()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return base + QStringLiteral("/Chromalis/Chromalis.ini");
}

QString GetSetting(const QString&, const QString& section, const QString& nom)
{
    return ouvrir().value(cle(section, nom)).toString();
}

void SaveSetting(const QString&, const QString& section, const QString& nom, const QString& valeur)
{
    QSettings& s = ouvrir();
    QDir().mkpath(QFileInfo(cheminOuvert).absolutePath());
    const QString k = cle(section, nom);
    const QVariant avant = s.value(k);
    s.setValue(k, valeur);
    s.sync();
    if (s.status() == QSettings::AccessError) {
        // What was not written must not be read back as if it had been. Qt keeps unsynced changes
        // in a per-file cache that outlives this object, so the old value is put back first.
        if (avant.isValid())
            s.setValue(k, avant);
        else
            s.remove(k);
        magasin.reset();
        throw ErreurStockage(75, QStringLiteral("Erreur d'accès au fichier des scores: ") + cheminOuvert);
    }
}

void InitialiserReglages(const QString& application, const QString& dossier_programme)
{
    static const QStringList sections = {QStringLiteral("NI"), QStringLiteral("NN"), QStringLiteral("NE"),
                                         QStringLiteral("SI"), QStringLiteral("SN"), QStringLiteral("SE")};
    if (GetSetting(application, QStringLiteral("scores"), QStringLiteral("OK")).isEmpty()) {
        for (int place = 1; place <= 10; ++place)
            for (const QString& section : sections)
                SaveSetting(application, section, QString::number(place), QString());
        SaveSetting(application, QStringLiteral("scores"), QStringLiteral("OK"), QStringLiteral("OUI"));
    }
    SaveSetting(application, QStringLiteral("parametres"), QStringLiteral("dossier application"), dossier_programme);
}

void oublierCache()
{
    magasin.reset();
    cheminOuvert.clear();
}

} // namespace storage

