#pragma once
// The module Chromalis: the game state shared by every window, and the game's procedures.
// The procedures reach the windows through instance<T>(), which creates a window on first use
// and runs its Form_Load.
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>

namespace storage {
class ErreurStockage;
}

namespace Chromalis {

inline bool jeu_en_cours = false;
inline std::int16_t num_ligne = 0;
inline QString type_jeu;
inline QString lettre_jeu;
inline QString mode_jeu;
inline QString lettre_mode;
inline std::int16_t nb_pions = 0;
inline std::int16_t nb_couleurs = 0;
inline std::int16_t nb_lignes = 0;
inline QString combinaison;
inline QString partie_choisie;
// Indexed 1 to 600 as designed; entry 0 is never used.
inline std::array<QString, 601> parties;
inline std::array<QString, 101> noms_NI, noms_NN, noms_NE, noms_SI, noms_SN, noms_SE;
inline std::int16_t temps_coup = 0;
inline double pourcent = 0;
inline double pas_pourcent = 0;
inline double pas_barre = 0;
inline QString debut_partie;
inline QString temps_total;
inline std::int32_t facteur_points = 0;
inline std::int32_t points = 0;
inline bool dans_scores = false;
inline QString ligne_score;
inline QString ligne_lue;
inline QString msg;
inline QString titre;
inline QString dossier_appli;
// Shared loop counter; after Enregistrer_score it carries the new entry's place to the scores window.
inline std::int16_t i = 0;
// Won results that rank but that the store refused: kept for the session, oldest first, and
// written with the next write that succeeds.
struct Score_en_attente {
    QString cle, record;
    std::int32_t points = 0;
};
inline QList<Score_en_attente> scores_en_attente;

// Puts every variable back to its start value (tests).
void reinitialiser();

void Demarrer_jeu();
void Arreter_jeu();
void tirageausort();
void Valider_proposition();
void Pion_noir(std::int16_t position);
void Pion_blanc(std::int16_t position);
void Fin_partie(const QString& resultat);
void Enregistrer_score(const QString& cle);
void Remplir_parties(const QString& cle);
void Ouvrir_aide(std::int16_t origine);
void Confirmer_sortie();

// The message for a help file that is not where it should be (beside the program).
void Signaler_aide_absente();
// The error box for a score that could not be computed or stored: what the system said, what to do.
void Signaler_erreur(const storage::ErreurStockage& e);
// Writes the results kept back, oldest first, each ranked into its table as it stands now.
// Returns the place of the game just ended (ligne_score), 0 when it was not among them; a refusal
// of the store raises its error and keeps what is left.
int Inscrire_scores_en_attente();
// F1 of the dialogs: the help file opened with this window as owner, or the missing-file message.
void Aide_depuis(QWidget* proprietaire);

// The help path: the program's folder, one separator, then aide.htm.
QString chemin_aide(const QString& dossier);

// One instance per window, created on first use; creation runs its Form_Load.
template <class T> QPointer<T>& emplacement()
{
    static QPointer<T> fenetre;
    return fenetre;
}

template <class T> T* instance()
{
    QPointer<T>& f = emplacement<T>();
    if (!f) {
        f = new T;
        f->Form_Load();
    }
    return f.data();
}

template <class T> bool estCharge() { return !emplacement<T>().isNull(); }

// Unloading hides and destroys the window, so its next use loads it anew.
template <class T> void Unload()
{
    QPointer<T>& f = emplacement<T>();
    if (!f)
        return;
    T* fenetre = f.data();
    f = nullptr;
    fenetre->hide();
    fenetre->deleteLater();
}

} // namespace Chromalis
