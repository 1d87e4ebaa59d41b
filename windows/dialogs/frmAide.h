#pragma once
// The help page shown by the game itself, for a desktop that has no program to open it.
// Built on first use only, so that a game that never needs it does not pay for it.
#include <QString>
#include <QWidget>

class QTextBrowser;

class frmAide : public QWidget {
    Q_OBJECT
public:
    // Shows the page read from chemin, in front of every other window of the game. False, with
    // nothing shown, when the file cannot be read.
    static bool Afficher(const QString& chemin);
    // The window on view, or nullptr.
    static frmAide* ouverte();

    QTextBrowser* txtAide = nullptr;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    frmAide();
    void charger(const QString& html, const QString& chemin);
    void lien_Click(const QUrl& lien);
};
