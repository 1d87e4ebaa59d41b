#pragma once
// Shared by the window tests: an isolated settings store, scripted dialogs, the windows and Qt.
#include "game/chromalis.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/instance.h"
#include "platform/program.h"
#include "platform/random.h"
#include "platform/shell.h"
#include "storage/records.h"
#include "storage/settings.h"
#include "windows/dialogs/frmAide.h"
#include "windows/dialogs/frmFIN.h"
#include "windows/dialogs/frmParties.h"
#include "windows/dialogs/frmScores.h"
#include "windows/main/frmChromalis.h"
#include "windows/main/frmPasse.h"
#include "windows/main/frmSplash.h"

#include <QtTest>
#include <QtWidgets>
#include <functional>

namespace support {

// One call of a message or input box, as the program made it.
struct Appel {
    QString genre; // "MsgBox", "InputBox", "Beep", "ShowModal"
    QString texte;
    int style = 0;
    QString titre;
    QString defaut;
};

// A temporary settings store, scripted dialogs, a recording shell and an end flag, undone when destroyed.
class Environnement {
public:
    Environnement();
    ~Environnement();

    QString dossierReglages() const { return dir_.path(); }

    // Answers given in order to message boxes (vbOK when none left) and input boxes ("" when none left).
    QList<int> reponsesMsgBox;
    QList<QString> reponsesInputBox;
    // Runs inside a modal display; when empty, the window is simply hidden again.
    std::function<void(QWidget*)> dansModal;
    // Runs while a message or input box is up (a real one takes the activation meanwhile).
    std::function<void()> pendantMessage = [] {};
    // What the shell was asked to open, and what it answers.
    QList<QString> ouvertures;
    bool shellAccepte = true;
    bool finDemandee = false;

    QList<Appel> appels;
    QList<Appel> messages() const;

private:
    QTemporaryDir dir_;
};

// Unloads every window and puts the game state back to its start (each test starts afresh).
void dechargerFenetres();

} // namespace support
