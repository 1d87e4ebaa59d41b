#include "storage/records.h"

#include "storage/settings.h"

namespace storage {

QString construire_record(std::int32_t points, const QString& nom, std::int32_t coups, const QString& temps,
                          const QString& date)
{
    const QString sep(separateur_champs);
    return QString::number(points) + sep + nom + sep + QString::number(coups) + sep + temps + sep + date + sep;
}

QString texte_date(const QDate& jour) { return jour.toString(QStringLiteral("dd/MM/yyyy")); }

std::array<QString, 5> decouper_record(const QString& donnee)
{
    std::array<QString, 5> champs;
    qsizetype debut = 0;
    for (qsizetype pos = 0; pos < donnee.size(); ++pos) {
        if (donnee.at(pos) != separateur_champs)
            continue;
        const QString morceau = donnee.mid(debut, pos - debut);
        debut = pos + 1;
        for (QString& champ : champs) {
            if (champ.isEmpty()) {
                champ = morceau;
                break;
            }
        }
    }
    return champs;
}

double points_record(const QString& donnee)
{
    // The leading decimal number, blanks before it allowed, as a lenient numeric read does.
    const QString champ = donnee.section(separateur_champs, 0, 0);
    qsizetype pos = 0;
    while (pos < champ.size() && (champ.at(pos) == u' ' || champ.at(pos) == u'\t'))
        ++pos;
    const qsizetype debut = pos;
    if (pos < champ.size() && (champ.at(pos) == u'-' || champ.at(pos) == u'+'))
        ++pos;
    while (pos < champ.size() && champ.at(pos).isDigit() && champ.at(pos).unicode() < 128)
        ++pos;
    if (pos < champ.size() && champ.at(pos) == u'.') {
        ++pos;
        while (pos < champ.size() && champ.at(pos).unicode() < 128 && champ.at(pos).isDigit())
            ++pos;
    }
    bool ok = false;
    const double valeur = champ.mid(debut, pos - debut).toDouble(&ok);
    return ok ? valeur : 0.0;
}

bool caractere_nom_accepte(QChar c) { return c != separateur_champs; }

int inserer_record(const QString& application, const QString& section, const QString& record, double points)
{
    int place = 1;
    for (; place <= places_par_table; ++place) {
        const QString lu = GetSetting(application, section, QString::number(place));
        if (lu.isEmpty()) {
            SaveSetting(application, section, QString::number(place), record);
            return place;
        }
        if (points_record(lu) <= points)
            break;
    }
    if (place > places_par_table)
        return place;
    // The shift and the new record are written in one step: a failure moves nothing, so the
    // former last place is never dropped for a record that was not stored.
    QList<Reglage> table;
    for (int j = places_par_table - 1; j >= place; --j) {
        const QString lu = GetSetting(application, section, QString::number(j));
        if (!lu.isEmpty())
            table.append({section, QString::number(j + 1), lu});
    }
    table.append({section, QString::number(place), record});
    SaveSettings(application, table);
    return place;
}

} // namespace storage
