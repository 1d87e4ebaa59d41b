#pragma once
// The predefined-games window: the 600 combinations, found by number or by letters, checked for
// duplicates and replaceable. Loaded hidden with the main window; its load fills the module table.
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
    bool place_ = false;
};
