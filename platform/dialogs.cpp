#include "platform/dialogs.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

namespace platform {
namespace {
DialogHooks hooks;

QMessageBox::Icon iconOf(int style)
{
    switch (style & 0x70) {
    case vbCritical: return QMessageBox::Critical;
    case vbQuestion: return QMessageBox::Question;
    case vbExclamation: return QMessageBox::Warning;
    case vbInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

// Ends a local event loop when the watched window is hidden or goes away.
class HideWatcher : public QObject {
public:
    HideWatcher(QWidget* w, QEventLoop* loop) : loop_(loop) { w->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Hide)
            loop_->quit();
        return false;
    }

private:
    QEventLoop* loop_;
};
} // namespace

void setDialogHooks(DialogHooks h) { hooks = std::move(h); }

int MsgBox(const QString& prompt, int style, const QString& title)
{
    if (hooks.msgBox)
        return hooks.msgBox(prompt, style, title);
    QMessageBox box(iconOf(style), title, prompt, QMessageBox::NoButton, QApplication::activeWindow());
    if ((style & 0x7) == vbYesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton((style & vbDefaultButton2) ? QMessageBox::No : QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? vbYes : vbNo;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return vbOK;
}

QString InputBox(const QString& prompt, const QString& title, const QString& defaut)
{
    if (hooks.inputBox)
        return hooks.inputBox(prompt, title, defaut);
    QInputDialog boite(QApplication::activeWindow());
    boite.setWindowTitle(title);
    boite.setLabelText(prompt);
    boite.setTextValue(defaut);
    // A long prompt wraps: on one line it would make the box wider than a small screen.
    for (QLabel* l : boite.findChildren<QLabel*>())
        l->setWordWrap(true);
    return boite.exec() == QDialog::Accepted ? boite.textValue() : QString();
}

void Beep()
{
    if (hooks.beep)
        return hooks.beep();
    QApplication::beep();
}

void ShowModal(QWidget* window)
{
    if (hooks.showModal)
        return hooks.showModal(window);
    QPointer<QWidget> guard(window);
    QEventLoop loop;
    HideWatcher watcher(window, &loop);
    QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    window->raise();
    window->activateWindow();
    if (guard && guard->isVisible())
        loop.exec(QEventLoop::DialogExec);
    if (guard)
        guard->setWindowModality(Qt::NonModal);
}

} // namespace platform
