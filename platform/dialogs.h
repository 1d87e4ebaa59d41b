#pragma once
// Message box, input box, beep and modal display. Every window goes through here so that a test
// can answer in place of the player.
#include <QString>
#include <functional>

class QWidget;

namespace platform {

// Buttons, icon and default button, combined by addition as the message box flags always were.
enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbYesNo = 4,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton2 = 256,
};
// The button pressed.
enum MsgBoxResult : int { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

// The title every message box bears when its caller gives none.
inline const QString titre_application = QStringLiteral("Chromalis");

int MsgBox(const QString& prompt, int style = vbOKOnly, const QString& title = titre_application);
// Returns "" when cancelled.
QString InputBox(const QString& prompt, const QString& title = titre_application, const QString& defaut = QString());
void Beep();
// Shows the window modally and returns once it is hidden or destroyed.
void ShowModal(QWidget* window);

// What a test puts in place of the real dialogs; an empty function keeps the real one.
struct DialogHooks {
    std::function<int(const QString& prompt, int style, const QString& title)> msgBox;
    std::function<QString(const QString& prompt, const QString& title, const QString& defaut)> inputBox;
    std::function<void()> beep;
    std::function<void(QWidget* window)> showModal;
};
void setDialogHooks(DialogHooks hooks);

} // namespace platform
