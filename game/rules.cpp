#include "game/rules.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace rules {

namespace {

// Rounds in the default (to nearest, ties to even) mode and saturates, so that an absurd
// value cannot turn into undefined behaviour on the cast.
template <typename T> T arrondi_borne(double x)
{
    if (std::isnan(x))
        return 0;
    const double v = std::nearbyint(x);
    if (v <= static_cast<double>(std::numeric_limits<T>::min()))
        return std::numeric_limits<T>::min();
    if (v >= static_cast<double>(std::numeric_limits<T>::max()))
        return std::numeric_limits<T>::max();
    return static_cast<T>(v);
}

// One-letter strings shared by reference count: a fresh allocation per work cell would cost
// more than the rest of a judgement.
QString texte_lettre(QChar c)
{
    static const std::array<QString, 256> latin1 = [] {
        std::array<QString, 256> t;
        for (int k = 0; k < 256; ++k)
            t[k] = QString(QChar(k));
        return t;
    }();
    if (c.unicode() < 256)
        return latin1[c.unicode()];
    return QString(c);
}

// Fixed and locale-free, so the start time reads back the same whatever the user's settings.
QString format_date_heure() { return QStringLiteral("dd/MM/yyyy HH:mm:ss"); }

} // namespace

std::int32_t arrondi32(double x) { return arrondi_borne<std::int32_t>(x); }
std::int16_t arrondi16(double x) { return arrondi_borne<std::int16_t>(x); }

Jugement juger(const QString& proposition, const QString& secret, int n)
{
    Jugement j;
    if (n < 0)
        n = 0;
    if (n > 5)
        n = 5;

    // Characters 1..n of each side; a missing one can match nothing, not even another missing one.
    char16_t p[6] = {};
    char16_t s[6] = {};
    bool p_present[6] = {};
    bool s_present[6] = {};
    for (int i = 1; i <= n; ++i) {
        if (i <= proposition.size()) {
            p[i] = proposition.at(i - 1).unicode();
            p_present[i] = true;
        }
        if (i <= secret.size()) {
            s[i] = secret.at(i - 1).unicode();
            s_present[i] = true;
        }
    }

    bool noir[6] = {};
    bool pris[6] = {};

    // Black pass, left to right.
    for (int i = 1; i <= n; ++i) {
        if (p_present[i] && s_present[i] && p[i] == s[i]) {
            noir[i] = true;
            j.label3[i] = texte_lettre(QChar(p[i]));
            j.marques[j.nb_marques++] = {true, static_cast<std::int16_t>(i)};
            ++j.noirs;
        }
    }

    // White pass: each unmatched proposition position takes the leftmost free secret position
    // of its letter, so every secret position serves at most once.
    for (int i = 1; i <= n; ++i) {
        if (noir[i] || !p_present[i])
            continue;
        for (int k = 1; k <= n; ++k) {
            if (!pris[k] && !noir[k] && s_present[k] && s[k] == p[i]) {
                pris[k] = true;
                j.label8[k] = texte_lettre(QChar(p[i]));
                j.marques[j.nb_marques++] = {false, static_cast<std::int16_t>(i)};
                ++j.blancs;
                break;
            }
        }
    }
    return j;
}

QString lettre_valeur(int v)
{
    static const char* const lettres[] = {"R", "B", "V", "J", "O", "I", "N", "X"};
    if (v < 1 || v > 8)
        return QString();
    return QString::fromLatin1(lettres[v - 1]);
}

QString tirer_combinaison(int nb_pions, int nb_couleurs, const QString& mode_jeu, const std::function<float()>& tirer)
{
    QString combinaison;
    const bool top = mode_jeu == QLatin1String("top");
    // Grows by the number of Z already drawn at every zero; never reset within the draw, so a
    // secret holds at most three Z (0, then 1, then 3 are below 4 or 5; 6 is not).
    std::int16_t compteur_z = 0;
    const int bornes = nb_pions; // read once, before the loop
    for (int i = 1; i <= bornes; ++i) {
        const float r = tirer();
        const float produit = r * static_cast<float>(nb_couleurs); // single precision, as drawn
        const std::int16_t v = arrondi16(produit);
        if (v == 0) {
            if (!top) {
                combinaison += QLatin1Char('R');
            } else {
                compteur_z = static_cast<std::int16_t>(compteur_z + combinaison.count(QLatin1Char('Z')));
                combinaison += compteur_z < nb_pions ? QLatin1Char('Z') : QLatin1Char('R');
            }
        } else {
            combinaison += lettre_valeur(v);
        }
    }
    return combinaison;
}

std::int32_t facteur(const QString& cle)
{
    if (cle == QLatin1String("NI"))
        return 1000;
    if (cle == QLatin1String("NN"))
        return 2500;
    if (cle == QLatin1String("NE"))
        return 5000;
    if (cle == QLatin1String("SI"))
        return 10000;
    if (cle == QLatin1String("SN"))
        return 30000;
    if (cle == QLatin1String("SE"))
        return 50000;
    return 0;
}

int bloc(const QString& cle)
{
    if (cle == QLatin1String("NI"))
        return 0;
    if (cle == QLatin1String("NN"))
        return 1;
    if (cle == QLatin1String("NE"))
        return 2;
    if (cle == QLatin1String("SI"))
        return 3;
    if (cle == QLatin1String("SN"))
        return 4;
    if (cle == QLatin1String("SE"))
        return 5;
    return -1;
}

bool combinaison_du_bloc(int bloc, const QString& texte)
{
    if (bloc < 0 || bloc > 5)
        return false;
    const bool super = bloc >= 3;
    const bool expert = bloc == 2 || bloc == 5;
    QString lettres = super ? QStringLiteral("RBVJOINX") : QStringLiteral("RBVJOI");
    if (expert)
        lettres += QLatin1Char('Z');
    if (texte.size() != (super ? 5 : 4))
        return false;
    for (QChar c : texte)
        if (!lettres.contains(c))
            return false;
    return true;
}

QString nom_partie(int n)
{
    static const char* const cles[] = {"NI", "NN", "NE", "SI", "SN", "SE"};
    if (n < 1 || n > 600)
        return QString();
    return QLatin1String(cles[(n - 1) / 100]) + QString::number((n - 1) % 100 + 1);
}

std::int32_t calculer_points(std::int16_t nb_lignes, std::int16_t num_ligne, std::int32_t facteur_points,
                             double secondes)
{
    // At most 11 rows x 50000: the product stays well inside 32 bits.
    const std::int32_t produit = static_cast<std::int32_t>(nb_lignes - num_ligne) * facteur_points;
    const std::int32_t points = arrondi32(static_cast<double>(produit) - 10.0 * secondes);
    return points < 1 ? 0 : points;
}

QString texte_temps(qint64 secondes)
{
    const qint64 h = secondes / 3600;
    const qint64 m = (secondes % 3600) / 60;
    const qint64 s = secondes % 60;
    auto deux = [](qint64 x) {
        QString t = QString::number(x);
        if (t.size() < 2)
            t.prepend(QLatin1Char('0'));
        return t;
    };
    return deux(h) + QLatin1String("h") + deux(m) + QLatin1String("mn") + deux(s) + QLatin1String("s");
}

qint64 secondes_ecoulees(const QDateTime& debut, const QDateTime& maintenant)
{
    if (!debut.isValid() || !maintenant.isValid())
        return 0;
    // Whole seconds on the absolute time line (floor, also before 1970), so a change of
    // daylight saving time during a game neither adds nor removes an hour.
    auto seconde = [](const QDateTime& t) {
        const qint64 ms = t.toMSecsSinceEpoch();
        return ms >= 0 ? ms / 1000 : -((-ms + 999) / 1000);
    };
    return seconde(maintenant) - seconde(debut);
}

QString texte_date_heure(const QDateTime& t) { return QLocale::c().toString(t, format_date_heure()); }

QDateTime lire_date_heure(const QString& texte)
{
    return QLocale::c().toDateTime(texte.trimmed(), format_date_heure());
}

} // namespace rules
