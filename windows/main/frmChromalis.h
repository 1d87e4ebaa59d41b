#pragma once
// The main window: the board, the palette, the options column and the commands.
#include "windows/controls/PegImage.h"
#include "windows/controls/Shapes.h"
#include "windows/controls/TextBox.h"
#include "windows/controls/VbTimer.h"

#include <QWidget>
#include <array>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QFrame;
class RoundedPanel;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QKeyEvent;
class QRadioButton;

class frmChromalis : public QWidget, public TableauImages {
    Q_OBJECT
public:
    frmChromalis();

    // Outer width in twips, borders included (4965 with the options column hidden, 6540 shown).
    int Width() const;
    void setWidth(int largeur);
    int Height() const;

    // Controls, named and indexed as designed (index 0 of the 1-based arrays is unused).
    QLabel* lblTitre;
    std::array<QFrame*, 2> Frame6;
    QFrame* Frame1;
    // 0 "propositions", 1 "résultats", 2 "pions", 3 the chronometer bar's background.
    std::array<QLabel*, 4> Label2;
    // img[K][Index]: hole Index (1..5) of row K (1..12).
    std::array<std::array<PegImage*, 6>, 13> img{};
    // shaGris[K][Index]: result slot Index of row K.
    std::array<std::array<CircleShape*, 6>, 13> shaGris{};
    std::array<LineControl*, 13> Line{};
    std::array<QLabel*, 6> Label3{};
    std::array<QLabel*, 6> Label8{};
    QLabel* Label5;
    TextBox* txtCombi;
    QLabel* lblPause;
    QLabel* lblPartie;
    QLabel* Label1;
    QLabel* lblTemps_total;
    QLabel* lblInfo_Mode;
    QLabel* lblinfo_temps;
    QLabel* Label7;
    RoundedPanel* Shape1;
    RoundedPanel* Shape3;
    QFrame* Picture1;
    QPushButton* cmdValider;
    // 0 "Chrono:", 1 and 2 the legend lines, 3 "Jeu", 4 "Mode", 5 and 6 the web and mail captions.
    std::array<QLabel*, 7> Label6;
    QLabel* lblTemps;
    QLabel* lblPourcent;
    QLabel* Label4;
    QFrame* Frame2;
    PegImage* ImageR;
    PegImage* ImageB;
    PegImage* ImageV;
    PegImage* ImageJ;
    PegImage* ImageO;
    PegImage* ImageI;
    PegImage* ImageN;
    PegImage* ImageX;
    QPushButton* cmdAide;
    QPushButton* cmdOptions;
    QPushButton* cmdScores;
    QLabel* lblTriche;
    QPushButton* cmdNouveau;
    QPushButton* cmdQuitter;
    QGroupBox* Frame5;
    CircleShape* shaNoir;
    PegImage* imgNoir;
    CircleShape* shaBlanc;
    PegImage* imgBlanc;
    QGroupBox* Frame3;
    QComboBox* cboJeu;
    QCheckBox* chkTemps;
    QComboBox* cboTemps;
    QRadioButton* optDebutant;
    QRadioButton* optExpert;
    QRadioButton* optTop;
    QCheckBox* chkPartie;
    QComboBox* cboParties;
    std::array<LineControl*, 3> Line13;
    QGroupBox* Frame4;
    QPushButton* cmdInternet;
    QPushButton* cmdMail;
    PegImage* Image1;
    PegImage* Image2;
    PegImage* imgCurseur;
    VbTimer Timer1;
    VbTimer Timer2;
    VbTimer Timer3;
    VbTimer Timer4;

    // The palette in its design order R, B, V, J, O, I, N, X.
    std::array<PegImage*, 8> palette() const;
    // Every image of the window in creation order (the end dialog looks up pictures by tag).
    QList<PegImage*> images() const;

    void Form_Load();
    void Form_Resize();
    // Returns true when the close is cancelled.
    bool Form_QueryUnload();

    // Board.
    void img_Click(int K, int Index) override;
    void img_DragDrop(int K, int Index, PegImage* Source) override;
    void img_MouseMove(int K, int Index) override;

    // Commands and options.
    void cmdNouveau_Click();
    void cmdValider_Click();
    void cboJeu_Click();
    void optDebutant_Click();
    void optExpert_Click();
    void optTop_Click();
    void chkTemps_Click();
    void cboTemps_Click();
    void chkPartie_Click();
    void cboParties_Click();
    void cmdOptions_Click();
    void cmdAide_Click();
    void cmdInternet_Click();
    void cmdMail_Click();
    void Label7_Click();
    void cmdScores_Click();
    void cmdQuitter_Click();

    // Clocks.
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();

    // Keys and the hidden solution.
    void Form_KeyDown(int KeyCode, Qt::KeyboardModifiers Shift);
    void txtCombi_KeyPress(int& KeyAscii);
    void txtCombi_LostFocus();
    void txtCombi_TextEdited(const QString& texte);
    void lblTriche_Click();
    // The key preview: every key pressed in the window, once, before the focused control. Returns
    // true when the key is used up.
    bool Form_Apercu(QKeyEvent* k);
    // The keyboard cursor of the current row: a colour letter or digit fills the hole under it and
    // moves it on, Left and Right move it, Delete empties that hole, Backspace the one before it.
    // Returns true when the key is used up (the arrows, which would also move the focus).
    bool placer_au_clavier(const QKeyEvent* k);
    // Puts the cursor on that hole of the current row (after its last hole: nb_pions + 1), or
    // takes it off the board when no row is being played.
    void placer_curseur(int trou);
    int Curseur() const { return curseur_; }
    // What a screen reader hears of row K's result: its black and white pegs once it is judged.
    void noter_rangee(int K, bool jugee);

    // The chronometer bar lblTemps: width in twips and background as &HBBGGRR.
    int LargeurBarre() const { return largeurBarre_; }
    void setLargeurBarre(int largeur);
    int CouleurBarre() const { return couleurBarre_; }
    void setCouleurBarre(int bbggrr);

    // Ends a pause: the blink stops and both clocks run again.
    void finir_pause();

    // The credits banner scrolled through the caption while minimised.
    static const QString& banniere();
    std::int16_t compteur_banniere = 0;

protected:
    void closeEvent(QCloseEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void changeEvent(QEvent*) override;
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    void construireTableau();
    void construirePalette();
    void construireColonneOptions();
    void construireCommandes();
    void connecter();
    void nommer_pour_lecteurs();
    void annoncer_barre();
    QObject* apercu_ = nullptr;
    int largeurBarre_ = 15;
    int curseur_ = 0;
    QString texteCombiValide_;
    int couleurBarre_ = 0x00FF00;
};
