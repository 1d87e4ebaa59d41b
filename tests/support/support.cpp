#include "support/support.h"

#include "windows/controls/police.h"

namespace support {

Environnement::Environnement()
{
    qputenv("XDG_CONFIG_HOME", dir_.path().toUtf8());
    // The windows are measured in the face the game sets at start-up.
    police::appliquer();
    storage::oublierCache();
    platform::libererVerrou();
    platform::reinitialiserFin();
    platform::DialogHooks hooks;
    hooks.msgBox = [this](const QString& texte, int style, const QString& titre) {
        appels.append({QStringLiteral("MsgBox"), texte, style, titre, {}});
        pendantMessage();
        return reponsesMsgBox.isEmpty() ? int(platform::vbOK) : reponsesMsgBox.takeFirst();
    };
    hooks.inputBox = [this](const QString& texte, const QString& titre, const QString& defaut) {
        appels.append({QStringLiteral("InputBox"), texte, 0, titre, defaut});
        pendantMessage();
        return reponsesInputBox.isEmpty() ? QString() : reponsesInputBox.takeFirst();
    };
    hooks.beep = [this] { appels.append({QStringLiteral("Beep"), {}, 0, {}, {}}); };
    hooks.showModal = [this](QWidget* w) {
        appels.append({QStringLiteral("ShowModal"), w->metaObject()->className(), 0, w->windowTitle(), {}});
        w->show();
        // Real keys in the window run its deferred deletions: it may be gone when the script ends.
        QPointer<QWidget> garde(w);
        if (dansModal)
            dansModal(w);
        if (garde && garde->isVisible())
            garde->hide();
    };
    platform::setDialogHooks(hooks);
    platform::setShellHook([this](const QString& cible) {
        ouvertures.append(cible);
        return shellAccepte;
    });
    platform::setEndHook([this] { finDemandee = true; });
}

Environnement::~Environnement()
{
    dechargerFenetres();
    platform::setDialogHooks({});
    platform::setShellHook({});
    platform::setEndHook({});
    platform::setClockHook({});
    platform::setRandomHook({});
    platform::setAppPathHook({});
    platform::libererVerrou();
    storage::oublierCache();
}

QList<Appel> Environnement::messages() const
{
    QList<Appel> m;
    std::copy_if(appels.begin(), appels.end(), std::back_inserter(m),
                 [](const Appel& a) { return a.genre == "MsgBox"; });
    return m;
}

void dechargerFenetres()
{
    using namespace Chromalis;
    Unload<frmScores>(), Unload<frmFIN>(), Unload<frmPasse>(), Unload<frmSplash>(), Unload<frmParties>();
    Unload<frmChromalis>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the unloaded windows go now
    reinitialiser();
}

} // namespace support
