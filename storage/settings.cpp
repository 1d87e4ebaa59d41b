#include "storage/settings.h"

#include "storage/records.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

// The file is the INI dialect the earlier version wrote through QSettings, read so that a line
// written by hand in the record format (";" and all, unquoted) keeps its whole value: a value is
// everything after the first "=". Values are written as QSettings wrote them, so an earlier copy
// of the game still reads the file.

namespace storage {
namespace {
struct Section {
    QString nom;
    QList<std::pair<QString, QString>> valeurs;
    QHash<QString, qsizetype> index; // key -> its place in valeurs, so a large file loads in linear time
};
struct Magasin {
    QList<Section> sections;
    QHash<QString, qsizetype> index; // section name -> its place in sections
};

// What tells a file changed behind our back: another inode, size or time.
struct Empreinte {
    dev_t disque = 0;
    ino_t inode = 0;
    off_t taille = -1;
    timespec modifie{}, change{};
    bool operator==(const Empreinte& e) const
    {
        return disque == e.disque && inode == e.inode && taille == e.taille && modifie.tv_sec == e.modifie.tv_sec
            && modifie.tv_nsec == e.modifie.tv_nsec && change.tv_sec == e.change.tv_sec
            && change.tv_nsec == e.change.tv_nsec;
    }
};

Empreinte empreinte(const QString& chemin)
{
    struct stat st;
    if (stat(QFile::encodeName(chemin), &st) != 0)
        return {};
    return {st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_ctim};
}

struct Etat {
    bool charge = false;
    QString chemin;
    // Where writes land: the file itself when the store is a symbolic link to it.
    QString cible;
    // Something stands at the store's place that may not be overwritten: every write is refused.
    bool bloque = false;
    int cause = 0; // the errno that blocked it

    Magasin magasin;
    // The file as it was when last read or written.
    Empreinte vu;
    QString avis;
};
Etat etat;

const char hexa[] = "0123456789ABCDEF";

bool blanc(QChar c) { return c == u' ' || c == u'\t'; }

QStringView sansBlancs(QStringView s)
{
    while (!s.isEmpty() && blanc(s.front()))
        s = s.sliced(1);
    while (!s.isEmpty() && blanc(s.back()))
        s.chop(1);
    return s;
}

int chiffre(QChar c, int base)
{
    const int v = c.unicode() >= u'0' && c.unicode() <= u'9' ? c.unicode() - u'0'
        : c.unicode() >= u'a' && c.unicode() <= u'f'         ? c.unicode() - u'a' + 10
        : c.unicode() >= u'A' && c.unicode() <= u'F'         ? c.unicode() - u'A' + 10
                                                             : 99;
    return v < base ? v : -1;
}

// Keys and section names: "%XX" and "%UXXXX" stand for a character, "\" for "/".
QString cleLue(QStringView s)
{
    if (!s.contains(u'%') && !s.contains(u'\\'))
        return s.toString();
    QString r;
    for (qsizetype i = 0; i < s.size();) {
        if (s[i] == u'\\') {
            r += u'/';
            ++i;
            continue;
        }
        const qsizetype n = s[i] == u'%' && i + 1 < s.size() && s[i + 1] == u'U' ? 4 : 2;
        const qsizetype debut = i + 1 + (n == 4);
        bool ok = s[i] == u'%' && debut + n <= s.size();
        const ushort code = ok ? s.sliced(debut, n).toUShort(&ok, 16) : 0;
        if (!ok) {
            r += s[i++];
            continue;
        }
        r += QChar(code);
        i = debut + n;
    }
    return r;
}

void cleEcrite(const QString& cle, QByteArray& r)
{
    for (QChar c : cle) {
        const ushort ch = c.unicode();
        if (ch == u'/') {
            r += '\\';
        } else if ((ch >= u'a' && ch <= u'z') || (ch >= u'A' && ch <= u'Z') || (ch >= u'0' && ch <= u'9') || ch == u'_'
                   || ch == u'-' || ch == u'.') {
            r += char(ch);
        } else if (ch <= 0xFF) {
            r += '%';
            r += hexa[ch >> 4];
            r += hexa[ch & 15];
        } else {
            r += "%U";
            for (int d = 12; d >= 0; d -= 4)
                r += hexa[(ch >> d) & 15];
        }
    }
}

// A value: surrounding blanks dropped, a pair of enclosing quotes dropped, C escapes decoded
// (only what a line cannot hold is escaped), and the "@" forms QSettings wrote undone.
QString valeurLue(QStringView s)
{
    s = sansBlancs(s);
    if (s.size() >= 2 && s.front() == u'"' && s.back() == u'"') {
        qsizetype obliques = 0;
        while (obliques < s.size() - 2 && s[s.size() - 2 - obliques] == u'\\')
            ++obliques;
        if (obliques % 2 == 0)
            s = s.sliced(1, s.size() - 2);
    }
    if (!s.contains(u'\\') && !s.startsWith(u'@'))
        return s.toString();
    static const char echappes[] = "a\ab\bf\fn\nr\rt\tv\v\"\"?\?''\\\\";
    QString r;
    r.reserve(s.size());
    for (qsizetype i = 0; i < s.size();) {
        const QChar c = s[i++];
        if (c != u'\\' || i == s.size()) {
            r += c;
            continue;
        }
        const QChar e = s[i];
        const char* connu = e.unicode() < 128 && e.unicode() ? std::strchr(echappes, char(e.unicode())) : nullptr;
        if (connu && (connu - echappes) % 2 == 0) {
            r += QLatin1Char(connu[1]);
            ++i;
            continue;
        }
        const int base = e == u'x' ? 16 : chiffre(e, 8) >= 0 ? 8 : 0;
        qsizetype j = i + (base == 16);
        char32_t code = 0;
        while (base && j < s.size() && chiffre(s[j], base) >= 0 && code <= 0xFFFF)
            code = code * base + char32_t(chiffre(s[j++], base));
        if (base && j > i + (base == 16)) {
            r += QChar(ushort(code));
            i = j;
        } else {
            r += c; // an unknown escape is kept as it was typed
        }
    }
    if (r.startsWith(QLatin1String("@@")))
        r.remove(0, 1);
    else if (r.startsWith(QLatin1String("@String(")) && r.endsWith(u')'))
        r = r.mid(8, r.size() - 9);
    else if (r == QLatin1String("@Invalid()"))
        r.clear();
    return r;
}

void valeurEcrite(const QString& valeur, QByteArray& r)
{
    const qsizetype debut = r.size();
    QStringEncoder utf8(QStringEncoder::Utf8);
    bool guillemets = false;
    bool echapperChiffre = false;
    const QString v = valeur.startsWith(u'@') ? QLatin1Char('@') + valeur : valeur;
    for (qsizetype i = 0; i < v.size(); ++i) {
        const ushort ch = v[i].unicode();
        guillemets |= ch == u';' || ch == u',' || ch == u'=';
        // After "\x1" or "\0", a hex digit would be read as part of the escape.
        if (echapperChiffre && chiffre(v[i], 16) >= 0) {
            r += "\\x" + QByteArray::number(ch, 16);
            continue;
        }
        echapperChiffre = false;
        static const char lettres[] = "0......abtnvfr";
        if (ch < sizeof lettres - 1 && lettres[ch] != '.') {
            r += '\\';
            r += lettres[ch];
            echapperChiffre = ch == 0;
        } else if (ch == u'"' || ch == u'\\') {
            r += '\\';
            r += char(ch);
        } else if (ch <= 0x1F) {
            r += "\\x" + QByteArray::number(ch, 16);
            echapperChiffre = true;
        } else {
            r += utf8(QStringView(v).sliced(i, 1));
        }
    }
    if (guillemets || (r.size() > debut && (r.at(debut) == ' ' || r.back() == ' '))) {
        r.insert(debut, '"');
        r += '"';
    }
}

Section& section(Magasin& m, const QString& nom)
{
    auto s = m.index.constFind(nom);
    if (s == m.index.cend()) {
        s = m.index.insert(nom, m.sections.size());
        m.sections.append(Section{nom, {}, {}});
    }
    return m.sections[*s];
}

void poser(Section& x, const QString& cle, const QString& valeur)
{
    const auto c = x.index.constFind(cle);
    if (c != x.index.cend()) {
        x.valeurs[*c].second = valeur;
        return;
    }
    x.index.insert(cle, x.valeurs.size());
    x.valeurs.append({cle, valeur});
}

void poser(Magasin& m, const QString& nom, const QString& cle, const QString& valeur)
{
    poser(section(m, nom), cle, valeur);
}

const QString* trouver(const Magasin& m, const QString& section, const QString& cle)
{
    const auto s = m.index.constFind(section);
    if (s == m.index.cend())
        return nullptr;
    const Section& x = m.sections[*s];
    const auto c = x.index.constFind(cle);
    return c == x.index.cend() ? nullptr : &x.valeurs[*c].second;
}

// Reads every line it understands into m; false when some line was not understood.
bool analyser(QStringView texte, Magasin& m)
{
    bool propre = true;
    Section* courante = &section(m, QString());
    qsizetype debut = 0;
    for (qsizetype i = 0; i <= texte.size(); ++i) {
        if (i < texte.size() && texte[i] != u'\r' && texte[i] != u'\n')
            continue;
        const QStringView ligne = sansBlancs(texte.sliced(debut, i - debut));
        debut = i + 1;
        if (ligne.isEmpty() || ligne.front() == u';' || ligne.front() == u'#')
            continue;
        if (ligne.front() == u'[') {
            propre &= ligne.back() == u']';
            courante = &section(m, cleLue(sansBlancs(ligne.sliced(1, ligne.size() - 1 - (ligne.back() == u']')))));
            continue;
        }
        const qsizetype egal = ligne.indexOf(u'=');
        if (egal <= 0) {
            propre = false;
            continue;
        }
        poser(*courante, cleLue(sansBlancs(ligne.first(egal))), valeurLue(ligne.sliced(egal + 1)));
    }
    return propre;
}

QByteArray serialiser(const Magasin& m)
{
    QByteArray r;
    for (const bool racine : {true, false})
        for (const Section& s : m.sections) {
            if (s.nom.isEmpty() != racine || s.valeurs.isEmpty())
                continue;
            if (!racine) {
                r += r.isEmpty() ? "[" : "\n[";
                cleEcrite(s.nom, r);
                r += "]\n";
            }
            for (const auto& [c, v] : s.valeurs) {
                cleEcrite(c, r);
                r += '=';
                valeurEcrite(v, r);
                r += '\n';
            }
        }
    return r;
}

// From a damaged file, only the game's own keys are taken over: the rest may be noise.
Magasin clesDuJeu(const Magasin& lu)
{
    Magasin m;
    for (const QString& t : cles_tables)
        for (int place = 1; place <= places_par_table; ++place)
            if (const QString* v = trouver(lu, t, QString::number(place)))
                poser(m, t, QString::number(place), *v);
    for (const auto& [s, c] : {std::pair{QStringLiteral("scores"), QStringLiteral("OK")},
                               std::pair{QStringLiteral("parametres"), QStringLiteral("dossier application")}})
        if (const QString* v = trouver(lu, s, c))
            poser(m, s, c, *v);
    return m;
}

// Error 75, with the errno of the call that failed.
ErreurStockage erreur(int code)
{
    return ErreurStockage(75, QStringLiteral("Erreur d'accès au fichier des scores: ") + etat.chemin, code);
}

// Temporary files are hidden beside the file they replace, under a name only the game makes.
QString prefixeTemporaire(const QString& cible)
{
    return QLatin1Char('.') + QFileInfo(cible).fileName() + QStringLiteral(".chromalis-");
}
constexpr int longueur_suffixe = 6;

// Removes what a killed write left: our own temporary names only, never a file of the player's.
void nettoyer()
{
    const QFileInfo cible(etat.cible);
    const QString prefixe = prefixeTemporaire(etat.cible);
    QDir dossier = cible.absoluteDir();
    const QStringList restes = dossier.entryList({prefixe + QString(longueur_suffixe, u'?')},
                                                 QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& nom : restes) {
        const QStringView suffixe = QStringView(nom).sliced(prefixe.size());
        struct stat st;
        const QByteArray chemin = QFile::encodeName(dossier.filePath(nom));
        if (std::all_of(suffixe.begin(), suffixe.end(),
                        [](QChar c) { return c.isLetterOrNumber() && c.unicode() < 128; })
            && lstat(chemin, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == geteuid())
            unlink(chemin);
    }
    // The earlier version's fixed names, in the game's own folder only.
    if (etat.cible == etat.chemin) {
        const QByteArray nom = QFile::encodeName(etat.chemin);
        unlink(nom + ".tmp");
        unlink(nom + ".lock");
    }
}

// Something at the store's place that the game may not replace: no write is made, and the
// player is told once what and where.
void bloquer(const QString& quoi, int cause)
{
    etat.bloque = true;
    etat.cause = cause;
    etat.avis += quoi + QStringLiteral("\nAucun score ne pourra être enregistré tant que ce sera le cas.");
}

// What cannot be taken as it is keeps its bytes under another name, never replacing anything;
// when it cannot be moved, it is left alone and no write may replace it.
void mettreDeCote(bool partiel)
{
    const QString base = etat.chemin + QStringLiteral(".illisible-")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    QString copie = base;
    int r = -1;
    for (int n = 2; n < 100; ++n) {
        r = renameat2(AT_FDCWD, QFile::encodeName(etat.chemin), AT_FDCWD, QFile::encodeName(copie), RENAME_NOREPLACE);
        if (r != 0 && errno == EINVAL && !QFileInfo::exists(copie))
            r = ::rename(QFile::encodeName(etat.chemin), QFile::encodeName(copie));
        if (r == 0 || errno != EEXIST)
            break;
        copie = base + QLatin1Char('-') + QString::number(n);
    }
    const QString etatFichier = partiel ? QStringLiteral("Le fichier des scores est endommagé")
                                        : QStringLiteral("Le fichier des scores ne peut pas être lu");
    if (r != 0)
        return bloquer(etatFichier + QStringLiteral(" et ne peut pas être mis de côté (") + raisonSysteme(errno)
                           + QStringLiteral(") :\n") + etat.chemin + QLatin1Char('\n')
                           + (partiel ? QStringLiteral("Les scores qui ont pu y être lus sont affichés.") : QString()),
                       errno);
    etat.cible = etat.chemin;
    etat.avis += etatFichier + QStringLiteral(". Il est gardé tel quel sous le nom :\n") + copie + QLatin1Char('\n')
        + (partiel
               ? QStringLiteral("Les scores qui ont pu y être lus sont repris ; les autres restent dans cette copie.")
               : QStringLiteral("Les tableaux de scores repartent à vide."));
}

void ecrire(Magasin nouveau);

void charger()
{
    const QString avis = etat.avis; // a notice not yet given survives a reload
    etat = Etat{};
    etat.charge = true;
    etat.avis = avis;
    etat.chemin = etat.cible = cheminReglages();
    etat.vu = empreinte(etat.chemin);
    const QByteArray nom = QFile::encodeName(etat.chemin);
    struct stat st;
    if (lstat(nom, &st) != 0) {
        // Nothing there is a first run; a folder we may not even look into cannot be written either.
        if (errno != ENOENT)
            bloquer(QStringLiteral("Le dossier des scores ne peut pas être lu (") + raisonSysteme(errno)
                        + QStringLiteral(") :\n") + QFileInfo(etat.chemin).absolutePath(),
                    errno);
        else
            nettoyer(); // a kill during the very first write
        return;
    }
    if (S_ISLNK(st.st_mode))
        if (char* vrai = realpath(nom, nullptr)) {
            etat.cible = QFile::decodeName(vrai);
            free(vrai);
        }
    nettoyer();
    // Non-blocking, so that a named pipe does not wait for a writer.
    const int fd = open(nom, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        if (errno != ENOENT)
            mettreDeCote(false);
        return;
    }
    QByteArray octets;
    bool lisible = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= taille_max_reglages;
    const bool dossier = S_ISDIR(st.st_mode);
    if (lisible) {
        // One byte more than the size tells a file that grew while it was read.
        octets.resize(qsizetype(st.st_size) + 1);
        qsizetype lu = 0;
        for (;;) {
            if (lu == octets.size()) {
                if (lu > taille_max_reglages) {
                    lisible = false;
                    break;
                }
                octets.resize(std::min<qsizetype>(lu * 2, taille_max_reglages + 1));
            }
            const ssize_t n = read(fd, octets.data() + lu, size_t(octets.size() - lu));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                lisible = n == 0;
                break;
            }
            lu += n;
        }
        octets.truncate(lu);
    }
    close(fd);
    // A folder is not a file the game wrote: it stays where it is, and nothing is stored.
    if (dossier)
        return bloquer(QStringLiteral("Un dossier se trouve à la place du fichier des scores :\n") + etat.chemin,
                       EISDIR);
    Magasin lu;
    if (lisible) {
        if (octets.startsWith("\xEF\xBB\xBF"))
            octets.remove(0, 3);
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString texte = utf8(octets);
        if (analyser(texte, lu) && !utf8.hasError()) {
            etat.magasin = std::move(lu);
            return;
        }
        etat.magasin = clesDuJeu(lu);
    }
    mettreDeCote(lisible);
    if (etat.bloque)
        return;
    // What was taken over becomes the store at once, so that it is still there at the next start.
    try {
        ecrire(etat.magasin);
    } catch (const ErreurStockage& e) {
        etat.avis += QStringLiteral("\nIls n'ont pas encore pu être enregistrés (") + raisonSysteme(e.systeme())
            + QStringLiteral(") : ils le seront au prochain score enregistré.");
    }
}

Etat& ouvert()
{
    // A file changed by someone else since it was read is read again, so a write goes on top of it.
    if (!etat.charge || etat.chemin != cheminReglages() || (!etat.bloque && !(empreinte(etat.chemin) == etat.vu)))
        charger();
    return etat;
}

bool toutEcrit(int fd, const QByteArray& octets)
{
    for (qsizetype fait = 0; fait < octets.size();) {
        const ssize_t n = write(fd, octets.constData() + fait, size_t(octets.size() - fait));
        if (n == 0)
            errno = EIO; // no progress and no word why
        if (n <= 0 && !(n < 0 && errno == EINTR))
            return false;
        fait += std::max<ssize_t>(n, 0);
    }
    return true;
}

// A new file under a name of our own that nothing else holds.
int creerTemporaire(QByteArray& nom)
{
    static const char alphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    const QString prefixe = QFileInfo(etat.cible).absolutePath() + QLatin1Char('/') + prefixeTemporaire(etat.cible);
    for (int essai = 0; essai < 100; ++essai) {
        QString suffixe;
        for (int k = 0; k < longueur_suffixe; ++k)
            suffixe += QLatin1Char(alphabet[QRandomGenerator::system()->bounded(int(sizeof alphabet - 1))]);
        nom = QFile::encodeName(prefixe + suffixe);
        const int fd = open(nom, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// The whole store goes to a temporary file beside the store, reaches the disk, and only then
// replaces the store in one rename; any failure before that leaves the store as it was.
void ecrire(Magasin nouveau)
{
    const QByteArray octets = serialiser(nouveau);
    if (etat.bloque)
        throw erreur(etat.cause);
    if (octets.size() > taille_max_reglages)
        throw erreur(EFBIG);
    if (!QDir().mkpath(QFileInfo(etat.cible).absolutePath()))
        throw erreur(errno);
    const QByteArray cible = QFile::encodeName(etat.cible);
    QByteArray temporaire;
    const int fd = creerTemporaire(temporaire);
    if (fd < 0)
        throw erreur(errno);
    struct stat st;
    if (stat(cible, &st) == 0 && S_ISREG(st.st_mode))
        fchmod(fd, st.st_mode & 07777);
    // The first step that fails gives its errno.
    int code = toutEcrit(fd, octets) && fsync(fd) == 0 && fstat(fd, &st) == 0 ? 0 : std::max(errno, 1);
    if (!code && st.st_size != octets.size())
        code = EIO;
    if (close(fd) != 0 && !code)
        code = errno;
    if (!code && ::rename(temporaire, cible) != 0)
        code = errno;
    if (code) {
        unlink(temporaire);
        throw erreur(code);
    }
    etat.magasin = std::move(nouveau);
    etat.vu = empreinte(etat.chemin);
    // The rename itself reaches the disk with the folder. The new file is in place by now, so it
    // is what this run reads, even when the folder's flush fails and that failure is reported.
    const int d = open(QFile::encodeName(QFileInfo(etat.cible).absolutePath()), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (d >= 0) {
        const bool synchronise = fsync(d) == 0 || errno == EINVAL;
        const int code = errno;
        close(d);
        errno = code;
        if (!synchronise)
            throw erreur(errno);
    }
}
} // namespace

QString raisonSysteme(int code)
{
    switch (code) {
    case EACCES:
    case EPERM: return QStringLiteral("accès refusé");
    case EROFS: return QStringLiteral("disque en lecture seule");
    case ENOSPC:
    case EDQUOT: return QStringLiteral("disque plein");
    case EIO: return QStringLiteral("erreur de lecture du disque");
    case ENOTDIR: return QStringLiteral("un fichier se trouve à la place d'un dossier");
    default: return QStringLiteral("erreur système ") + QString::number(code);
    }
}

QString cheminReglages()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return base + QStringLiteral("/Chromalis/Chromalis.ini");
}

QString GetSetting(const QString&, const QString& section, const QString& nom)
{
    const QString* v = trouver(ouvert().magasin, section, nom);
    return v ? *v : QString();
}

void SaveSetting(const QString& application, const QString& section, const QString& nom, const QString& valeur)
{
    SaveSettings(application, {{section, nom, valeur}});
}

void SaveSettings(const QString&, const QList<Reglage>& reglages)
{
    Magasin nouveau = ouvert().magasin;
    bool change = false;
    for (const Reglage& r : reglages) {
        const QString* avant = trouver(nouveau, r.section, r.cle);
        change |= !avant || *avant != r.valeur;
        poser(nouveau, r.section, r.cle, r.valeur);
    }
    // A value written again as it is needs no write (the folder is recorded at every start).
    if (change)
        ecrire(std::move(nouveau));
}

void InitialiserReglages(const QString& application, const QString& dossier_programme)
{
    if (GetSetting(application, QStringLiteral("scores"), QStringLiteral("OK")).isEmpty()) {
        // Only the places that do not exist yet: a store cut before its marker, or records written
        // by hand, keep every record they hold.
        QList<Reglage> tables;
        for (int place = 1; place <= places_par_table; ++place)
            for (const QString& section : cles_tables)
                if (!trouver(etat.magasin, section, QString::number(place)))
                    tables.append({section, QString::number(place), QString()});
        tables.append({QStringLiteral("scores"), QStringLiteral("OK"), QStringLiteral("OUI")});
        SaveSettings(application, tables);
    }
    SaveSetting(application, QStringLiteral("parametres"), QStringLiteral("dossier application"), dossier_programme);
}

QString avisMiseDeCote() { return std::exchange(ouvert().avis, QString()); }

void oublierCache() { etat = Etat{}; }

} // namespace storage
