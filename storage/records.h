#pragma once
// One place of a high-score table is stored as five fields, each followed by ";":
// points;name;moves;time;date;  Nothing is quoted, so a name may never hold ";".
#include <QDate>
#include <QString>
#include <array>
#include <cstdint>

namespace storage {

// The six tables, in the order they are created and reset.
inline const std::array<QString, 6> cles_tables{QStringLiteral("NI"), QStringLiteral("NN"), QStringLiteral("NE"),
                                                QStringLiteral("SI"), QStringLiteral("SN"), QStringLiteral("SE")};

// The name a fresh record bears until the player types one.
inline const QString nom_attente = QStringLiteral("votre nom ?");

inline constexpr QChar separateur_champs = u';';
inline constexpr int places_par_table = 10;

// The record of one place.
QString construire_record(std::int32_t points, const QString& nom, std::int32_t coups, const QString& temps,
                          const QString& date);
// The date field: dd/mm/yyyy.
QString texte_date(const QDate& jour);

// The five fields (points, name, moves, time, date): each ";" closes a piece, which fills the first
// field still empty; empty pieces leave their field empty, surplus pieces and any tail are dropped.
std::array<QString, 5> decouper_record(const QString& donnee);

// The leading number of the points field (text before the first ";"), 0 when there is none.
double points_record(const QString& donnee);

// Whether a character may be typed into a name: ";" would shift the fields when read back.
bool caractere_nom_accepte(QChar c);

// Ranks a record of the given points into the table: ties go above the older result, place 10
// falls off. Returns the place written (1 to 10), or 11 when the table kept its ten better results.
// Store failures raise ErreurStockage and leave the table as it was.
int inserer_record(const QString& application, const QString& section, const QString& record, double points);

} // namespace storage
