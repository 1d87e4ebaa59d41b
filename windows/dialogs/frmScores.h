#pragma once
// The scores window: one of the six tables at a time, the resets, and the name of a new entry.
#include <QDialog>
#include <QString>
#include <array>
#include <cstdint>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QValidator;

class frmScores : public QDialog {
    Q_OBJECT
public:
    frmScores();
    void Form_Load();

    void VoirScores(const QString& section);
    void Extraire_donnees(std::int16_t place, const QString& donnee);
    void Afficher_scores(std::int16_t p, const QString& S, const QString& n, const QString& c, const QString& t,
                         const QString& j);

    void cmdValider_Click();
    void cmdVoir_Click();
    void cmdRAZ_Click(int Index);
    void cmdFermer_Click();
    void optNormal_Click();
    void optSuper_Click();
    void cboMode_Click();
    void Form_KeyDown(int KeyCode);

    // Outer height of the window and height of the table frame, in twips.
    int Height() const;
    void setHeight(int hauteur);
    int hauteurCadre() const;
    void setHauteurCadre(int hauteur);

    // The five boxes of row p (1 to 10), or nullptr outside the table.
    std::array<QLineEdit*, 5>* ligne(int p);

    QGroupBox* Frame3 = nullptr;
    QLabel* lblJeu = nullptr;
    QLabel* lblMode = nullptr;
    QGroupBox* Frame2 = nullptr;
    // Headings POINTS, NOM, COUPS, TEMPS, DATE.
    std::array<QLabel*, 5> lblTitres{};
    // Row numbers, indexes 1 to 10 (0 unused).
    std::array<QLabel*, 11> lblRang{};
    // Boxes 0 to 4: points, name, moves, time, date.
    std::array<QLineEdit*, 5> txtPremier{}, txtSecond{}, txtTrois{}, txtQuatre{}, txtCinq{}, txtSix{}, txtSept{},
        txtHuit{}, txtNeuf{}, txtDix{};
    QPushButton* cmdValider = nullptr;
    QLabel* lblConsigne = nullptr;
    QLabel* lblChoixJeu = nullptr;
    QRadioButton* optNormal = nullptr;
    QRadioButton* optSuper = nullptr;
    QLabel* lblChoixMode = nullptr;
    QComboBox* cboMode = nullptr;
    QPushButton* cmdVoir = nullptr;
    std::array<QPushButton*, 2> cmdRAZ{};
    QPushButton* cmdFermer = nullptr;
    QLabel* lblAide = nullptr;

    // "NORMAL" or "SUPER", "" until a game type is chosen; the text of the chosen mode, or "".
    QString jeu_choisi;
    QString mode_choisi;

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void reject() override;

private:
    void construireTitre();
    void construireTable();
    void construireCommandes();
    void brancher();
    // Name entry: the box of row i takes the name (black background, red text, editable).
    void marquerNom(QLineEdit* boite);
    void restaurerNom(QLineEdit* boite);
    // The focus to the name box, its text selected.
    void donnerNom(QLineEdit* boite);
    QLineEdit* boiteMarquee();

    QValidator* filtreNom_ = nullptr;
};
