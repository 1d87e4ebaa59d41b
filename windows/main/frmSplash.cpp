#include "windows/main/frmSplash.h"

#include "game/chromalis.h"
#include "platform/dialogs.h"
#include "platform/echelle.h"
#include "platform/instance.h"
#include "platform/program.h"
#include "platform/twips.h"
#include "windows/controls/HaloLabel.h"
#include "windows/controls/PegImage.h"
#include "windows/controls/Roles.h"
#include "windows/controls/RoundedPanel.h"
#include "windows/controls/artwork.h"
#include "windows/controls/police.h"
#include "windows/main/frmChromalis.h"

#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

frmSplash::frmSplash() : QWidget(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowTitle(QStringLiteral("Chromalis"));
    roles::installer();
    // The game's icon for every window that has none of its own (scores, password, message boxes).
    QApplication::setWindowIcon(artwork::icone(artwork::chemin(QStringLiteral("icon"))));
    setFixedSize(twips::px(6225), twips::px(3405));
    Frame1 = new QFrame(this);
    Frame1->setGeometry(twips::rect(120, 60, 6000, 3210));
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setMouseTracking(true);
    Frame1->installEventFilter(this);

    imgLogo = new PegImage(Frame1);
    imgLogo->setGeometry(twips::rect(240, 360, 5595, 2385));
    imgLogo->setPicture(artwork::chemin(QStringLiteral("logo")));
    imgLogo->installEventFilter(this);

    auto placer = [](QLabel* l, QRect place) {
        l->setGeometry(place);
        // The logo beneath takes the clicks: a click anywhere closes the window.
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
        return l;
    };
    auto label = [this, placer](const QString& texte, QRect place) { return placer(new QLabel(texte, Frame1), place); };
    // The maker's lines straddle the logo's edge: a dark halo keeps the pale letters readable on
    // the light frame as well as on the logo.
    const QColor halo(60, 24, 24);
    Label1 = placer(new HaloLabel(QStringLiteral("Ventaroc"), halo, Frame1), twips::rect(120, 180, 1800, 315));
    Label2 = placer(new HaloLabel(QStringLiteral("vous offre"), halo, Frame1), twips::rect(420, 555, 1440, 255));
    Label3 = label(QStringLiteral("CHROMALIS"), twips::rect(1560, 1320, 3135, 540));
    lblVersion = label(QString(), twips::rect(4020, 1860, 1100, 240));
    Label5 = label(QStringLiteral("Rappel des paramêtres par défaut du jeu, des conditions d'utilisation, cliquez"),
                   twips::rect(120, 2880, 5385, 255));
    QFont f1 = Label1->font();
    f1.setBold(true);
    f1.setPixelSize(police::px(16));
    Label1->setFont(f1);
    QFont f3(QStringLiteral("Arial"));
    f3.setPixelSize(police::px(30));
    f3.setBold(true);
    Label3->setFont(f3);
    Label3->setAlignment(Qt::AlignCenter);
    for (QLabel* l : {Label1, Label2, lblVersion})
        colorer(l, QColor(250, 232, 200));
    // The reminder line is as long as the window is wide: letters a shade closer keep it whole in
    // the face every other label uses (each further face costs its own memory at start-up).
    QFont serree = Label5->font();
    serree.setLetterSpacing(QFont::AbsoluteSpacing, -0.25 * twips::echelle);
    Label5->setFont(serree);
    colorer(Label3, QColor(255, 244, 214));
    auto* plaque = new RoundedPanel(Frame1, QColor(60, 24, 24, 140), QColor(), 6);
    plaque->setGeometry(Label3->geometry());
    plaque->stackUnder(Label3);

    // Marked a link before any accessibility event can make the toolkit's own interface for it.
    Label4 = new QLabel(Frame1);
    roles::lien(Label4);
    Label4->setText(QStringLiteral("ICI"));
    Label4->setGeometry(twips::rect(5640, 2880, 255, 255));
    Label4->setToolTip(QStringLiteral("Affiche l'aide (html)"));
    Label4->setCursor(Qt::PointingHandCursor);
    Label4->setMouseTracking(true);
    Label4->installEventFilter(this);
    colorerLien(false);

    Timer1.setInterval(1000);
    connect(&Timer1, &VbTimer::Timer, this, &frmSplash::Timer1_Timer);
}

void frmSplash::Form_Load()
{
    using namespace Chromalis;
    if (platform::AutreInstanceEnCours()) {
        platform::MsgBox(QStringLiteral("Le jeu est déja en cours d'utilisation."), platform::vbInformation,
                         QStringLiteral("Information..."));
        platform::TerminerProgramme();
        return;
    }
    Timer1.setEnabled(true);
    compteur = 0;
    echelle::centrer(this);
    dossier_appli = chemin_aide(platform::App_Path());
    // The board is loaded as soon as this window is on screen, not before: it is hidden behind it
    // for three seconds anyway. Anything that needs it earlier loads it on first use.
    QTimer::singleShot(0, this, [] { instance<frmChromalis>(); });
    lblVersion->setText(QStringLiteral("Version ") + QString::number(platform::versionMajor()) + QLatin1Char('.')
                        + QString::number(platform::versionMinor()) + QLatin1Char('.')
                        + QString::number(platform::versionRevision()));
}

void frmSplash::fermer()
{
    Timer1.setEnabled(false);
    // Centred again now that this window's frame tells how thick the window manager draws one.
    if (!Chromalis::instance<frmChromalis>()->isVisible())
        echelle::centrer(Chromalis::instance<frmChromalis>());
    Chromalis::Unload<frmSplash>();
    Chromalis::instance<frmChromalis>()->show();
}

void frmSplash::Timer1_Timer()
{
    compteur += 1;
    // Under a box opened from here, the window closes once the box is answered, never beneath it.
    if (compteur == 3 && !dans_boite)
        fermer();
}

void frmSplash::Form_Click() { fermer(); }
void frmSplash::Frame1_Click() { fermer(); }
void frmSplash::imgLogo_Click() { fermer(); }
void frmSplash::Form_KeyPress(int) { fermer(); }

void frmSplash::Label4_Click()
{
    using namespace Chromalis;
    // Either way a box may open, whose event loop lets the timer run out.
    dans_boite = true;
    if (QFile::exists(dossier_appli)) {
        Ouvrir_aide(1);
    } else {
        Signaler_aide_absente();
        Label4->setEnabled(false);
        instance<frmChromalis>()->cmdAide->setEnabled(false);
    }
    dans_boite = false;
    if (compteur >= 3)
        fermer();
}

void frmSplash::colorerLien(bool survol)
{
    QFont f = Label4->font();
    survol = survol || Label4->hasFocus(); // the keyboard's focus shows as the mouse's hover does
    f.setUnderline(survol);
    f.setBold(true);
    Label4->setFont(f);
    QPalette couleurs = Label4->palette();
    couleurs.setColor(QPalette::WindowText, survol ? QColor(255, 0, 0) : QColor(0, 0, 255));
    Label4->setPalette(couleurs);
}

void frmSplash::Label4_MouseMove() { colorerLien(true); }
void frmSplash::Frame1_MouseMove() { colorerLien(false); }
void frmSplash::imgLogo_MouseMove() { colorerLien(false); }

void frmSplash::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        Form_Click();
}

void frmSplash::keyPressEvent(QKeyEvent* e)
{
    // A link the keyboard reaches too: Tab, then Enter or Space. It takes no focus by itself, so that
    // any other key still closes the window as before (and the window shows no sooner for it).
    if (e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab)
        Label4->setFocus(Qt::TabFocusReason);
    else if (!e->text().isEmpty())
        Form_KeyPress(e->text().at(0).unicode());
}

bool frmSplash::eventFilter(QObject* objet, QEvent* e)
{
    const bool clic = e->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton;
    if (objet == Label4 && (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut))
        colorerLien(e->type() == QEvent::FocusIn);
    if (objet == Label4 && e->type() == QEvent::KeyPress) {
        const int touche = static_cast<QKeyEvent*>(e)->key();
        if (touche == Qt::Key_Return || touche == Qt::Key_Enter || touche == Qt::Key_Space) {
            if (Label4->isEnabled())
                Label4_Click();
            return true;
        }
    }
    if (e->type() == QEvent::MouseMove || e->type() == QEvent::Enter) {
        if (objet == Label4) {
            Label4_MouseMove();
            return true; // the frame beneath would paint it blue again
        }
        if (objet == Frame1)
            Frame1_MouseMove();
        else if (objet == imgLogo)
            imgLogo_MouseMove();
    } else if (clic) {
        if (objet == Label4) {
            if (Label4->isEnabled())
                Label4_Click();
            return true;
        }
        if (objet == Frame1) {
            Frame1_Click();
            return true;
        }
        if (objet == imgLogo) {
            imgLogo_Click();
            return true;
        }
    }
    return QWidget::eventFilter(objet, e);
}
