// The main window's wiring: every control's event goes to its handler.
#include "windows/main/frmChromalis.h"

#include "windows/main/annonces.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWindow>

namespace {
// The key preview watches the window itself. Application filters run first, among them the
// accessibility bridge's, which holds each key back while it asks the screen reader and then posts
// a copy: the original never reaches the window, the copy does. Watched from the application, the
// preview would take the original and the copy.
class ApercuTouches : public QObject {
public:
    explicit ApercuTouches(frmChromalis* f) : QObject(f), f_(f) { }
    bool eventFilter(QObject*, QEvent* e) override
    {
        return e->type() == QEvent::KeyPress && f_->Form_Apercu(static_cast<QKeyEvent*>(e));
    }

private:
    frmChromalis* f_;
};
} // namespace

bool frmChromalis::Form_Apercu(QKeyEvent* k)
{
    // The preview sits where a key enters the window, before it is passed to the focused
    // control: there each key press is seen once. Watched on the controls instead, an ignored
    // key climbs back through their parents, and a window opened and closed by the shortcut
    // leaves no focus behind, so the window itself would take the same key a second time.
    if (!k->isAutoRepeat() || k->key() != Qt::Key_P)
        Form_KeyDown(k->key(), k->modifiers());
    return placer_au_clavier(k);
}

void frmChromalis::connecter()
{
    // The holes are one control array: they call the window's handlers with their indexes.
    for (int K = 1; K <= 12; ++K)
        for (int Index = 1; Index <= 5; ++Index)
            img[K][Index]->setTableau(this, K, Index);
    // A peg dropped by the mouse is heard; typed ones are said where the key is taken.
    for (int K = 1; K <= 12; ++K)
        for (int Index = 1; Index <= 5; ++Index)
            connect(img[K][Index], &PegImage::DragDrop, this, [K, Index] { annonces::pose(K, Index); });
    connect(cmdNouveau, &QPushButton::clicked, this, &frmChromalis::cmdNouveau_Click);
    connect(cmdValider, &QPushButton::clicked, this, &frmChromalis::cmdValider_Click);
    connect(cboJeu, &QComboBox::currentIndexChanged, this, [this](int n) {
        if (n >= 0)
            cboJeu_Click();
    });
    connect(optDebutant, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optDebutant_Click();
    });
    connect(optExpert, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optExpert_Click();
    });
    connect(optTop, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optTop_Click();
    });
    // Tab stops at the chosen mode, whichever way it was chosen; the arrows move between modes.
    const auto arret_tab = [this] {
        for (QRadioButton* o : {optDebutant, optExpert, optTop})
            o->setFocusPolicy(o->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    };
    for (QRadioButton* o : {optDebutant, optExpert, optTop})
        connect(o, &QRadioButton::toggled, this, arret_tab);
    arret_tab();
    connect(chkTemps, &QCheckBox::toggled, this, &frmChromalis::chkTemps_Click);
    connect(cboTemps, &QComboBox::currentIndexChanged, this, [this](int n) {
        if (n >= 0)
            cboTemps_Click();
    });
    connect(chkPartie, &QCheckBox::toggled, this, &frmChromalis::chkPartie_Click);
    connect(cboParties, &QComboBox::currentIndexChanged, this, [this](int n) {
        if (n >= 0)
            cboParties_Click();
    });
    connect(cmdOptions, &QPushButton::clicked, this, &frmChromalis::cmdOptions_Click);
    connect(cmdAide, &QPushButton::clicked, this, &frmChromalis::cmdAide_Click);
    connect(cmdInternet, &QPushButton::clicked, this, &frmChromalis::cmdInternet_Click);
    connect(cmdMail, &QPushButton::clicked, this, &frmChromalis::cmdMail_Click);
    connect(cmdScores, &QPushButton::clicked, this, &frmChromalis::cmdScores_Click);
    connect(cmdQuitter, &QPushButton::clicked, this, &frmChromalis::cmdQuitter_Click);
    connect(&Timer1, &VbTimer::Timer, this, &frmChromalis::Timer1_Timer);
    connect(&Timer2, &VbTimer::Timer, this, &frmChromalis::Timer2_Timer);
    connect(&Timer3, &VbTimer::Timer, this, &frmChromalis::Timer3_Timer);
    connect(&Timer4, &VbTimer::Timer, this, &frmChromalis::Timer4_Timer);
    connect(txtCombi, &QLineEdit::textEdited, this, &frmChromalis::txtCombi_TextEdited);
    connect(txtCombi, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (!txtCombi->isModified())
            texteCombiValide_ = t;
    });
    // Enter presses the focused button, as it does in a dialog.
    for (QPushButton* b : findChildren<QPushButton*>())
        b->setAutoDefault(true);
    nommer_pour_lecteurs();
    // This filter serves the solution field and the clickable labels; a second filter on them
    // would run every handler twice. The key preview is set on the window when it is shown.
    qApp->installEventFilter(this);
}

bool frmChromalis::eventFilter(QObject* objet, QEvent* e)
{
    switch (e->type()) {
    case QEvent::KeyPress: {
        auto* k = static_cast<QKeyEvent*>(e);
        // Tab and Shift+Tab move the focus before the field sees them.
        const bool tabulation = k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab;
        if (objet == txtCombi && !k->text().isEmpty() && !tabulation) {
            int KeyAscii = k->key() == Qt::Key_Backspace ? 8 : k->text().at(0).unicode();
            txtCombi_KeyPress(KeyAscii);
            if (KeyAscii == 0)
                return true;
        }
        break;
    }
    case QEvent::FocusOut: {
        // A message box taking the focus for a moment is not the player leaving the field.
        const Qt::FocusReason raison = static_cast<QFocusEvent*>(e)->reason();
        if (objet == txtCombi && raison != Qt::ActiveWindowFocusReason && raison != Qt::PopupFocusReason)
            txtCombi_LostFocus();
        break;
    }
    case QEvent::Show:
        // The focused button wears its focus ring from the start (showing the window clears it).
        if (objet == this) {
            setAttribute(Qt::WA_KeyboardFocusChange);
            if (!apercu_)
                apercu_ = new ApercuTouches(this);
            windowHandle()->installEventFilter(apercu_);
        }
        break;
    case QEvent::Resize:
        // The countdown bar grows at every tick: its new value is announced.
        if (objet == lblTemps)
            annoncer_barre();
        break;
    case QEvent::MouseButtonRelease:
        if (objet == Label7 && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton)
            Label7_Click();
        else if (objet == lblTriche && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton)
            lblTriche_Click();
        break;
    default: break;
    }
    return QWidget::eventFilter(objet, e);
}
