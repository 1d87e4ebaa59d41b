#pragma once
// The password window of the hidden solution access.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class frmPasse : public QDialog {
    Q_OBJECT
public:
    frmPasse();
    QLabel* Label1;
    QLineEdit* txtPasse;
    QLabel* Label2;
    QPushButton* cmdOK;
    QPushButton* cmdAnnuler;

    void Form_Load();
    void cmdOK_Click();
    void cmdAnnuler_Click();

protected:
    void reject() override;
};
