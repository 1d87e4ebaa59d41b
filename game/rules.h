#pragma once
// The pure rules of the game: no widget here. Judging, the draw, points, time text, rounding.
#include <QDateTime>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>

namespace rules {

// Conversions to whole numbers round to the nearest, halves to the even neighbour.
std::int32_t arrondi32(double x);
std::int16_t arrondi16(double x);

// The judgement of one row, position by position (indexes 1 to n; 0 unused).
struct Jugement {
    // The judge's work cells: right letter at the right place; letter matched elsewhere.
    std::array<QString, 6> label3;
    std::array<QString, 6> label8;
    // The result pegs in the order they are drawn: all black ones first, then the white ones,
    // each with the proposition position it is about.
    struct Marque {
        bool noir;
        std::int16_t position;
    };
    std::array<Marque, 5> marques{};
    int nb_marques = 0;
    int noirs = 0;
    int blancs = 0;
};
// proposition and secret are compared character by character over n positions; a missing
// character of the secret matches nothing.
Jugement juger(const QString& proposition, const QString& secret, int n);

// The draw of a secret: one number in [0, 1) per position from tirer() (re-seeding is the
// caller's business, done inside tirer). mode_jeu is "debutant", "expert" or "top".
QString tirer_combinaison(int nb_pions, int nb_couleurs, const QString& mode_jeu, const std::function<float()>& tirer);
// The letter of a draw value 1..8 ("" outside 1..8); 0 is decided by the caller's Z counter.
QString lettre_valeur(int v);

// Points factor of a game key, 0 for an unknown key.
std::int32_t facteur(const QString& cle);
// Block of the predefined games of a key (NI 0 ... SE 5), -1 for an unknown key.
int bloc(const QString& cle);
// Whether a text is a combination of a block of predefined games (0 NI ... 5 SE): 4 letters of
// RBVJOI in the N blocks, 5 of RBVJOINX in the S blocks, Z (an empty place) also in NE and SE.
bool combinaison_du_bloc(int bloc, const QString& texte);
// The name of list entry n (1 to 600) of the predefined games: NI1 ... SE100, "" outside.
QString nom_partie(int n);

// Points of a won game: (rows allowed - rows used) x factor - 10 x seconds, rounded; 0 below 1.
std::int32_t calculer_points(std::int16_t nb_lignes, std::int16_t num_ligne, std::int32_t facteur_points,
                             double secondes);

// 01h02mn05s: each part at least two digits; hours keep all theirs.
QString texte_temps(qint64 secondes);
// Second boundaries between two date-times (a pause only freezes the display).
qint64 secondes_ecoulees(const QDateTime& debut, const QDateTime& maintenant);
// The text form of a start time, and its reading back.
QString texte_date_heure(const QDateTime& t);
QDateTime lire_date_heure(const QString& texte);

} // namespace rules
