#pragma once
// The predefined-games window: the 600 combinations, found by number or by letters, checked for
// duplicates and replaceable. Built the first time it is needed: the main window's load only fills
// the module table from the same list, and a running game's lock is kept until the window exists.
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QKeyEvent;
class QShowEvent;

class frmParties : public QWidget {
    Q_OBJECT
public:
    frmParties();
    void Form_Load();

    // The module table of the 600 combinations, as the window's load fills it.
    static void charger_table();
    // Enables (true) or disables the search and the changes: a running game disables them,
    // whether the window is built yet or not.
    static void activer(bool actif);
    // The width a title bar needs for this caption beside an icon and three buttons.
    static int largeur_legende(const QString& legende);

    void lstParties_Click();
    void lstParties_DblClick();
    void txtNumPartie_KeyPress(int& KeyAscii);
    void txtNumPartie_TextEdited(const QString& texte);
    void cmdChercher_Click();
    void cmdChercherNom_Click();
    void cmdIdentique_Click();
    void cmdModifier_Click();

    QLabel* Label5 = nullptr;
    QListWidget* lstParties = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* txtNumPartie = nullptr;
    QPushButton* cmdChercher = nullptr;
    QPushButton* cmdChercherNom = nullptr;
    QPushButton* cmdIdentique = nullptr;
    QPushButton* cmdModifier = nullptr;

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void selectionner(int k);
    void refuser_chiffre();
    void appliquer_verrou();
    bool place_ = false;
    static inline bool actif_ = true;
};
