// The main window's wiring: every control's event goes to its handler.
#include "windows/main/frmChromalis.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

void frmChromalis::connecter()
{
    // The holes are one control array: they call the window's handlers with their indexes.
    for (int K = 1; K <= 12; ++K)
        for (int Index = 1; Index <= 5; ++Index)
            img[K][Index]->setTableau(this, K, Index);
    connect(cmdNouveau, &QPushButton::clicked, this, &frmChromalis::cmdNouveau_Click);
    connect(cmdValider, &QPushButton::clicked, this, &frmChromalis::cmdValider_Click);
    connect(cboJeu, &QComboBox::currentIndexChanged, this, [this](int n) { if (n >= 0) cboJeu_Click(); });
    connect(optDebutant, &QRadioButton::toggled, this, [this](bool on) { if (on) optDebutant_Click(); });
    connect(optExpert, &QRadioButton::toggled, this, [this](bool on) { if (on) optExpert_Click(); });
    connect(optTop, &QRadioButton::toggled, this, [this](bool on) { if (on) optTop_Click(); });
    connect(chkTemps, &QCheckBox::toggled, this, &frmChromalis::chkTemps_Click);
    connect(cboTemps, &QComboBox::currentIndexChanged, this, [this](int n) { if (n >= 0) cboTemps_Click(); });
    connect(chkPartie, &QCheckBox::toggled, this, &frmChromalis::chkPartie_Click);
    connect(cboParties, &QComboBox::currentIndexChanged, this, [this](int n) { if (n >= 0) cboParties_Click(); });
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
        if (!txtCombi->isModified()) texteCombiValide_ = t;
    });
    // Key preview: the window sees every key before the focused control does. This one filter
    // also serves the solution field and the clickable labels; a second filter on them would
    // run every handler twice.
    qApp->installEventFilter(this);
}

bool frmChromalis::eventFilter(QObject* objet, QEvent* e)
{
    switch (e->type()) {
    case QEvent::KeyPress: {
        // The same key travels up from the focused control; handle it once, at the control.
        auto* w = qobject_cast<QWidget*>(objet);
        if (w && w->window() == this && (w == QApplication::focusWidget() || (!QApplication::focusWidget() && w == this))) {
            auto* k = static_cast<QKeyEvent*>(e);
            if (!k->isAutoRepeat() || k->key() != Qt::Key_P)
                Form_KeyDown(k->key(), k->modifiers());
            if (objet == txtCombi && !k->text().isEmpty()) {
                int KeyAscii = k->key() == Qt::Key_Backspace ? 8 : k->text().at(0).unicode();
                txtCombi_KeyPress(KeyAscii);
                if (KeyAscii == 0)
                    return true;
            }
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
    case QEvent::MouseButtonRelease:
        if (objet == Label7 && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton)
            Label7_Click();
        else if (objet == lblTriche && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton)
            lblTriche_Click();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(objet, e);
}
