#include "windows/main/annonces.h"

#include "game/chromalis.h"
#include "game/rules.h"
#include "windows/controls/Annonce.h"
#include "windows/main/frmChromalis.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

using namespace Chromalis;

namespace annonces {
namespace {
QString prefixe;

frmChromalis* principal() { return instance<frmChromalis>(); }

void dire(const QString& phrase)
{
    annonce::dire(prefixe + phrase);
    prefixe.clear();
}

QString pluriel(int n, const char* mot)
{
    return QString::number(n) + QLatin1Char(' ') + QLatin1String(mot) + (n > 1 ? QStringLiteral("s") : QString());
}

// Seconds left of the current proposition, from the share of the countdown gone by.
int secondes_restantes() { return temps_coup - rules::arrondi32(pourcent * temps_coup / 100.0); }

// Points grouped by thousands with a blank, as French writes them.
QString en_chiffres(std::int32_t n)
{
    QString s = QString::number(n);
    for (int p = s.size() - 3; p > (n < 0 ? 1 : 0); p -= 3)
        s.insert(p, QLatin1Char(' '));
    return s;
}
} // namespace

QString trou(int Index)
{
    const int K = num_ligne;
    if (K < 1 || K > 12 || Index < 1 || Index > 5)
        return QString();
    return QStringLiteral("trou ") + QString::number(Index) + QStringLiteral(" : ")
        + principal()->img[K][Index]->Couleur();
}

void pose(int K, int Index)
{
    if (!jeu_en_cours || K != num_ligne)
        return;
    QString phrase = trou(Index);
    bool pleine = true;
    for (int n = 1; n <= nb_pions && n <= 5; ++n)
        pleine = pleine && principal()->img[K][n]->Tag() != QLatin1String("Z");
    if (pleine)
        phrase += QStringLiteral(", rangée pleine");
    dire(phrase);
}

void nouvelle_partie()
{
    QString phrase = QStringLiteral("Nouvelle partie, ") + pluriel(nb_pions, "trou") + QStringLiteral(", rangée 1");
    if (principal()->chkTemps->isChecked())
        phrase += QStringLiteral(", ") + pluriel(temps_coup, "seconde") + QStringLiteral(" par coup");
    dire(phrase);
}

void partie_arretee() { dire(QStringLiteral("Partie arrêtée")); }

void rangee_jugee(int K)
{
    frmChromalis* f = principal();
    // Initiation marks each hole: the player hears which holes are black and which white.
    QStringList trous;
    if (mode_jeu == QLatin1String("debutant")) {
        for (int n = 1; n <= nb_pions && n <= 5; ++n) {
            const int c = f->shaGris[K][n]->FillColor();
            if (c == 0x000000 || c == 0xFFFFFF)
                trous << QStringLiteral("trou ") + QString::number(n)
                        + (c == 0 ? QStringLiteral(" noir") : QStringLiteral(" blanc"));
        }
    }
    const QString resultat = trous.isEmpty()
        ? f->Line[K]->accessibleName()
        : QStringLiteral("Rangée ") + QString::number(K) + QStringLiteral(" : ") + trous.join(QStringLiteral(", "));
    dire(resultat + QStringLiteral(". Rangée ") + QString::number(K + 1) + QLatin1Char('.'));
}

void prefixer(const QString& debut) { prefixe = debut; }

void compte_a_rebours()
{
    const int reste = secondes_restantes();
    if (reste > 0 && reste < temps_coup && (reste == 5 || reste == temps_coup / 2))
        dire(pluriel(reste, "seconde") + (reste > 1 ? QStringLiteral(" restantes") : QStringLiteral(" restante")));
}

void pause(bool en_pause)
{
    if (en_pause)
        dire(QStringLiteral("Pause"));
    else
        dire(QStringLiteral("Reprise, ") + pluriel(secondes_restantes(), "seconde")
             + (secondes_restantes() > 1 ? QStringLiteral(" restantes") : QStringLiteral(" restante")));
}

void gagnee()
{
    QString phrase = QStringLiteral("Gagné en ") + pluriel(num_ligne, "coup") + QStringLiteral(", ")
        + en_chiffres(points) + (points > 1 ? QStringLiteral(" points") : QStringLiteral(" point"));
    if (dans_scores)
        phrase += QStringLiteral(". Vous figurez dans les high-scores, place ") + QString::number(i);
    dire(phrase);
}

void perdue()
{
    const QString secret = principal()->txtCombi->text();
    QStringList couleurs;
    for (int k = 0; k < nb_pions && k < secret.size(); ++k)
        couleurs << PegImage::nomCouleur(secret.mid(k, 1));
    dire(QStringLiteral("Perdu, la combinaison était ") + couleurs.join(QStringLiteral(", ")));
}

void nom_attendu(int place) { dire(QStringLiteral("Entrez votre nom, place ") + QString::number(place)); }

void nom_enregistre(const QString& nom, int place)
{
    dire(QStringLiteral("Nom enregistré : ") + nom + QStringLiteral(", place ") + QString::number(place));
}

} // namespace annonces
