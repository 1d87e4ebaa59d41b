#pragma once
// The predefined-games window: the 600 combinations, found by number or by letters, checked for
// duplicates and replaceable. Loaded hidden with the main window; its load fills the module table.
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class frmParties : public QWidget {
    Q_OBJECT
public:
    frmParties();
    void Form_Load();

    QLabel* Label5 = nullptr;
    QListWidget* lstParties = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* txtNumPartie = nullptr;
    QPushButton* cmdChercher = nullptr;
    QPushButton* cmdChercherNom = nullptr;
    QPushButton* cmdIdentique = nullptr;
    QPushButton* cmdModifier = nullptr;
};
