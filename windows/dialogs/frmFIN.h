#pragma once
// The dialog that closes every game: lost, won, or won with a new high-score entry to name.
#include <QDialog>
#include <array>

class QFrame;
class QLabel;
class QPushButton;
class PegImage;

class frmFIN : public QDialog {
    Q_OBJECT
public:
    frmFIN();
    void Form_Load();
    // Returns true when the close is cancelled (a name is still to be entered).
    bool Form_QueryUnload();

    void cmdOUI_Click();
    void cmdNON_Click();
    void cmdScores_Click();
    void Form_KeyDown(int KeyCode);

    // Widths in twips; the frame's width marks the high-score state (over 5000).
    int largeurTemps() const { return largeurTemps_; }
    void setLargeurTemps(int largeur);

    QLabel* lblTexte = nullptr;
    QFrame* Frame1 = nullptr;
    QLabel* Label2 = nullptr;
    // Indexes 1 to 5; index 0 is unused.
    std::array<PegImage*, 6> imgSolution{};
    QFrame* Frame2 = nullptr;
    QFrame* fraTemps = nullptr;
    std::array<QLabel*, 3> Label3{};
    QLabel* lblTemps = nullptr;
    QLabel* lblCoups = nullptr;
    QLabel* lblpoints = nullptr;
    QPushButton* cmdScores = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* cmdOUI = nullptr;
    QPushButton* cmdNON = nullptr;
    PegImage* Image1 = nullptr;
    PegImage* Image2 = nullptr;

protected:
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;

public:
    void reject() override;
    void setVisible(bool visible) override;

protected:
private:
    // Runs the No action once per closing.
    bool fermer();
    int largeurTemps_ = 2415;
    bool fermeture_en_cours_ = false;
};
