#include "windows/main/frmChromalis.h"

#include "game/chromalis.h"
#include "platform/dialogs.h"
#include "platform/echelle.h"
#include "platform/program.h"
#include "platform/twips.h"
#include "storage/settings.h"
#include "windows/controls/Annonce.h"
#include "windows/controls/CadreVb.h"
#include "windows/controls/HorsChamp.h"
#include "windows/controls/WrapButton.h"
#include "windows/controls/Roles.h"
#include "windows/controls/RoundedPanel.h"
#include "windows/controls/artwork.h"
#include "windows/controls/police.h"
#include "windows/dialogs/frmParties.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

namespace {
// Borders of the window, in twips: the outer width is the client width plus these.
constexpr int bordure = 135;
constexpr int hauteur_client = 8070;
const QColor couleur_plateau(128, 64, 64);
const QColor texte_plateau(250, 232, 200);

QLabel* etiquette(QWidget* parent, const QString& texte, QRect place, const QString& bulle = QString())
{
    auto* l = new QLabel(texte, parent);
    l->setGeometry(place);
    if (!bulle.isEmpty())
        l->setToolTip(bulle);
    return l;
}

QFrame* cadre(QWidget* parent, QRect place, const QColor& fond)
{
    auto* f = new QFrame(parent);
    f->setGeometry(place);
    f->setFrameShape(QFrame::Panel);
    f->setFrameShadow(QFrame::Raised);
    f->setAutoFillBackground(true);
    QPalette pal = f->palette();
    pal.setColor(QPalette::Window, fond);
    pal.setColor(QPalette::WindowText, texte_plateau);
    f->setPalette(pal);
    return f;
}

PegImage* image(QWidget* parent, QRect place, const QString& image, const QString& tag = QString(),
                const QString& bulle = QString())
{
    auto* p = new PegImage(parent);
    p->setGeometry(place);
    p->setPicture(image.isEmpty() ? QString() : artwork::chemin(image));
    p->setTag(tag);
    if (!bulle.isEmpty())
        p->setToolTip(bulle);
    return p;
}

QPushButton* bouton(QWidget* parent, const QString& texte, QRect place, const QString& bulle = QString())
{
    auto* b = new WrapButton(texte, parent);
    b->setGeometry(place);
    if (!bulle.isEmpty())
        b->setToolTip(bulle);
    return b;
}
} // namespace

frmChromalis::frmChromalis() : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint)
{
    roles::installer();
    setWindowTitle(QStringLiteral("Ventaroc vous propose"));
    Timer1.setInterval(500);
    Timer2.setInterval(100);
    Timer3.setInterval(1000);
    Timer4.setInterval(1000);

    lblTitre = etiquette(this, QStringLiteral("SUPER CHROMALIS"), twips::rect(60, 60, 4695, 435));
    QFont titre(QStringLiteral("Arial"));
    titre.setPixelSize(police::px(22));
    titre.setBold(true);
    titre.setLetterSpacing(QFont::PercentageSpacing, 110);
    lblTitre->setFont(titre);
    lblTitre->setAlignment(Qt::AlignCenter);
    colorer(lblTitre, QColor(128, 64, 64));

    construireTableau();
    construirePalette();
    construireCommandes();
    construireColonneOptions();

    // Picture sources only: the empty hole and the drag cursor.
    Image1 = image(this, twips::rect(0, 0, 375, 360), QStringLiteral("hole"), QStringLiteral("Z"));
    Image1->hide();
    Image2 = image(this, twips::rect(0, 0, 480, 480), QStringLiteral("cursor"));
    Image2->hide();

    setWidth(6540);
    connecter();
    annonce::placer(this);
}

void frmChromalis::construireTableau()
{
    Frame6[0] = cadre(this, twips::rect(60, 540, 3975, 135), couleur_plateau.darker(140));
    Frame1 = cadre(this, twips::rect(60, 540, 3975, 6975), couleur_plateau);
    Frame6[0]->raise();

    Label2[0] = etiquette(Frame1, QStringLiteral("propositions"), twips::rect(360, 180, 1600, 255));
    Label2[1] = etiquette(Frame1, QStringLiteral("résultats"), twips::rect(2700, 180, 1200, 255));

    for (int K = 1; K <= 12; ++K) {
        for (int Index = 1; Index <= 5; ++Index) {
            img[K][Index] = image(Frame1, twips::rect(360 + 420 * (Index - 1), 540 + 420 * (K - 1), 405, 405),
                                  QString());
            img[K][Index]->setAccepteDepot(true);
            shaGris[K][Index] = new CircleShape(Frame1);
            shaGris[K][Index]->move(twips::px(2760 + 240 * (Index - 1)), twips::px(660 + 420 * (K - 1)));
            shaGris[K][Index]->setTailleTwips(135, 135);
        }
        Line[K] = new LineControl(Frame1);
        Line[K]->setGeometry(twips::rect(2460, 720 + 420 * (K - 1) - 15, 180, 30));
    }

    static const int gauches3[6] = {0, 180, 420, 660, 960, 1260};
    static const int gauches8[6] = {0, 2400, 2700, 3000, 3300, 3600};
    for (int n = 1; n <= 5; ++n) {
        Label3[n] = etiquette(Frame1, QString(), twips::rect(gauches3[n], 180, 285, 255),
                              QStringLiteral("lettre à la bonne place"));
        Label8[n] = etiquette(Frame1, QString(), twips::rect(gauches8[n], 180, 285, 255),
                              QStringLiteral("lettre dans le mot mais, pas à la bonne place"));
        for (QLabel* l : {Label3[n], Label8[n]}) {
            l->setAlignment(Qt::AlignCenter);
            colorer(l, Qt::black, QColor(250, 232, 200));
            l->hide();
        }
    }
    Label5 = etiquette(Frame1, QString(), twips::rect(1560, 180, 795, 255), QStringLiteral("solution initiale"));
    colorer(Label5, Qt::black, QColor(250, 232, 200));
    Label5->hide();
    txtCombi = new TextBox(Frame1);
    roles::cacher_aux_lecteurs(txtCombi);
    txtCombi->setGeometry(twips::rect(1560, 420, 795, 285));
    txtCombi->setToolTip(QStringLiteral("solution changeable"));
    txtCombi->setReadOnly(true);
    txtCombi->hide();
    roles::cacher_aux_lecteurs(Label5);
    for (int n = 1; n <= 5; ++n)
        roles::cacher_aux_lecteurs(Label3[n]), roles::cacher_aux_lecteurs(Label8[n]);

    lblPause = etiquette(Frame1, QStringLiteral("PAUSE"), twips::rect(1380, 2820, 1335, 615));
    // Where the heavy poster face is missing, fontconfig may hand out a dingbats font for it: the
    // narrow sans in bold is the stand-in.
    QFont impact;
    impact.setFamilies(
        {QStringLiteral("Impact"), QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Arial Narrow")});
    impact.setPointSizeF(24 * twips::echelle);
    impact.setBold(true);
    lblPause->setFont(impact);
    lblPause->setAlignment(Qt::AlignCenter);
    colorer(lblPause, QColor(255, 230, 0), QColor(0, 0, 0, 150));
    lblPause->hide();

    lblPartie = etiquette(Frame1, QStringLiteral("Partie: NON"), twips::rect(60, 5700, 1700, 255));
    Label1 = etiquette(Frame1, QStringLiteral("temps: "), twips::rect(60, 5940, 480, 255));
    lblTemps_total = etiquette(Frame1, QStringLiteral("00h00mn00s"), twips::rect(540, 5940, 1200, 255),
                               QStringLiteral("temps total de jeu"));
    lblInfo_Mode = etiquette(Frame1, QStringLiteral("Mode: NORMAL"), twips::rect(2700, 5700, 1245, 255));
    lblinfo_temps = etiquette(Frame1, QStringLiteral("Chrono: NON"), twips::rect(2940, 5940, 1005, 255));

    Shape1 = new RoundedPanel(Frame1, QColor(), QColor(250, 232, 200), 6);
    Shape1->setGeometry(twips::rect(1740, 5715, 795, 375));
    Shape3 = new RoundedPanel(Frame1, QColor(96, 40, 40), QColor(), 4);
    Shape3->setGeometry(twips::rect(1770, 5745, 735, 315));
    Label7 = etiquette(Frame1, QStringLiteral("Ventaroc"), twips::rect(1800, 5760, 675, 285));
    Label7->setAlignment(Qt::AlignCenter);
    Label7->setCursor(Qt::PointingHandCursor);

    Picture1 = new QFrame(Frame1);
    Picture1->setGeometry(twips::rect(0, 6180, 3975, 795));
    Picture1->setFrameShape(QFrame::Panel);
    Picture1->setFrameShadow(QFrame::Sunken);
    Picture1->setAutoFillBackground(true);
    Picture1->setPalette(QApplication::palette());
    cmdValider = bouton(Picture1, QStringLiteral("&Valider la proposition"), twips::rect(60, 60, 3795, 375),
                        QStringLiteral("Valider votre proposition"));
    cmdValider->setEnabled(false);
    Label6[0] = etiquette(Picture1, QStringLiteral("Chrono:"), twips::rect(60, 480, 600, 195));
    Label2[3] = etiquette(Picture1, QString(), twips::rect(660, 480, 2595, 195),
                          QStringLiteral("Barre de chronometrage"));
    colorer(Label2[3], Qt::white, Qt::black);
    lblTemps = etiquette(Picture1, QString(), twips::rect(660, 480, 15, 195), QStringLiteral("Barre de chronometrage"));
    setCouleurBarre(0x00FF00);
    // Right-aligned against the "%": wide enough on its left for "100".
    lblPourcent = etiquette(Picture1, QStringLiteral("0"), twips::rect(3420, 480, 300, 195),
                            QStringLiteral("Pourcentage d'avancement"));
    Label4 = etiquette(Picture1, QStringLiteral("%"), twips::rect(3720, 480, 200, 195));
    // Digits and sign on one baseline, level with the bar.
    lblPourcent->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label4->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    imgCurseur = image(Frame1, twips::rect(60, 660, 285, 225), QStringLiteral("pointer"));
    imgCurseur->hide();
}

void frmChromalis::construirePalette()
{
    Frame6[1] = cadre(this, twips::rect(4140, 540, 615, 135), couleur_plateau.darker(140));
    Frame2 = cadre(this, twips::rect(4140, 540, 615, 4755), couleur_plateau);
    Frame6[1]->raise();
    Label2[2] = etiquette(Frame2, QStringLiteral("pions"), twips::rect(60, 180, 500, 255));
    struct Pion {
        PegImage** controle;
        const char* lettre;
        int gauche;
        int haut;
        const char* bulle;
    };
    const Pion pions[] = {
        {&ImageR, "R", 120, 480, "Pion rouge"},   {&ImageB, "B", 120, 960, "Pion bleu"},
        {&ImageV, "V", 120, 1500, "Pion vert"},   {&ImageJ, "J", 120, 2040, "Pion jaune"},
        {&ImageO, "O", 120, 2580, "Pion rose"},   {&ImageI, "I", 120, 3120, "Pion marron"},
        {&ImageN, "N", 135, 3645, "Pion violet"}, {&ImageX, "X", 120, 4200, "Pion bleu ciel"},
    };
    for (const Pion& p : pions)
        *p.controle = image(Frame2, twips::rect(p.gauche, p.haut, 405, 405),
                            QStringLiteral("peg_") + QLatin1String(p.lettre), QLatin1String(p.lettre),
                            QString::fromUtf8(p.bulle));
}

void frmChromalis::construireCommandes()
{
    cmdAide = bouton(this, QStringLiteral("&Aide"), twips::rect(4140, 5340, 615, 555),
                     QStringLiteral("Affiche l'aide..."));
    cmdOptions = bouton(this, QStringLiteral("&Options >>>"), twips::rect(4140, 5940, 615, 555),
                        QStringLiteral("Options"));
    cmdScores = bouton(this, QStringLiteral("&Scores"), twips::rect(4140, 6540, 615, 375));
    lblTriche = etiquette(this, QStringLiteral("A. Ferrand\nVentaroc\nnov. 2026"), twips::rect(4140, 6960, 615, 1035),
                          QStringLiteral("Informations"));
    QFont petite = lblTriche->font();
    petite.setPixelSize(police::px(9));
    lblTriche->setFont(petite);
    lblTriche->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblTriche->setWordWrap(true);
    cmdNouveau = bouton(this, QStringLiteral("&Nouveau jeu"), twips::rect(60, 7560, 1935, 435),
                        QStringLiteral("Démarrer/Arrêter le jeu"));
    cmdQuitter = bouton(this, QStringLiteral("&Quitter..."), twips::rect(2100, 7560, 1935, 435),
                        QStringLiteral("Quitter le programme..."));
}

void frmChromalis::construireColonneOptions()
{
    Frame5 = new CadreVb(QStringLiteral("Légende:"), this);
    Frame5->setGeometry(twips::rect(4920, 0, 1395, 1575));
    shaNoir = new CircleShape(Frame5);
    shaNoir->setFillColor(0x000000);
    shaNoir->setGeometry(twips::rect(120, 360, 240, 240));
    imgNoir = image(Frame5, twips::rect(120, 360, 240, 240), QStringLiteral("noir"));
    Label6[1] = etiquette(Frame5, QStringLiteral("Couleur à la bonne place"), twips::rect(420, 270, 915, 480));
    shaBlanc = new CircleShape(Frame5);
    shaBlanc->setFillColor(0xFFFFFF);
    shaBlanc->setGeometry(twips::rect(120, 960, 240, 240));
    imgBlanc = image(Frame5, twips::rect(120, 960, 240, 240), QStringLiteral("blanc"));
    Label6[2] = etiquette(Frame5, QStringLiteral("Couleur éxistante mais pas à la bonne place"),
                          twips::rect(420, 750, 915, 780));
    // The second caption wraps into four lines of 13 pixels: its label is 52 pixels tall.
    for (QLabel* l : {Label6[1], Label6[2]})
        l->setWordWrap(true);

    Frame3 = new CadreVb(QStringLiteral("Options"), this);
    Frame3->setGeometry(twips::rect(4920, 1620, 1395, 3675));
    Label6[3] = etiquette(Frame3, QStringLiteral("Jeu"), twips::rect(120, 240, 600, 195));
    cboJeu = new QComboBox(Frame3);
    cboJeu->setAccessibleName(QStringLiteral("Jeu"));
    cboJeu->setGeometry(twips::rect(120, 420, 1155, 315));
    chkTemps = new QCheckBox(QStringLiteral("Chrono"), Frame3);
    chkTemps->setGeometry(twips::rect(120, 960, 1155, 240));
    cboTemps = new QComboBox(Frame3);
    cboTemps->setGeometry(twips::rect(120, 1200, 1155, 315));
    cboTemps->setToolTip(QStringLiteral("Temps par coup"));
    cboTemps->setAccessibleName(QStringLiteral("Temps par coup"));
    cboTemps->setEnabled(false);
    Label6[4] = etiquette(Frame3, QStringLiteral("Mode"), twips::rect(120, 1740, 600, 195));
    optDebutant = new QRadioButton(QStringLiteral("Initiation"), Frame3);
    optDebutant->setGeometry(twips::rect(120, 1980, 1200, 240));
    optDebutant->setToolTip(QStringLiteral("Mode: jeu d'initiation"));
    optExpert = new QRadioButton(QStringLiteral("Normal"), Frame3);
    optExpert->setGeometry(twips::rect(120, 2220, 1200, 240));
    optExpert->setToolTip(QStringLiteral("Mode: jeu normal"));
    optExpert->setChecked(true);
    optTop = new QRadioButton(QStringLiteral("Expert"), Frame3);
    optTop->setGeometry(twips::rect(120, 2460, 1200, 240));
    chkPartie = new QCheckBox(QStringLiteral("Parties"), Frame3);
    chkPartie->setGeometry(twips::rect(120, 2940, 1155, 240));
    chkPartie->setToolTip(QStringLiteral("Parties pré-établies"));
    cboParties = new QComboBox(Frame3);
    cboParties->setGeometry(twips::rect(120, 3180, 1155, 315));
    cboParties->setToolTip(QStringLiteral("Parties pré-établies"));
    cboParties->setEnabled(false);
    cboParties->setAccessibleName(QStringLiteral("Parties"));
    cboParties->setMaxVisibleItems(15);
    static const int hauteurs[3] = {1620, 840, 2760};
    for (int n = 0; n < 3; ++n) {
        Line13[n] = new LineControl(Frame3, Qt::white);
        Line13[n]->setGeometry(twips::rect(120, hauteurs[n] - 15, 1140, 30));
    }

    Frame4 = new CadreVb(this);
    Frame4->setGeometry(twips::rect(4920, 5340, 1395, 2655));
    // Three wrapped lines of 13 pixels: the label reaches from the frame's top to the button.
    Label6[5] = etiquette(Frame4, QStringLiteral("Retrouvez Ventaroc sur Internet:"), twips::rect(120, 75, 1155, 585));
    cmdInternet = bouton(Frame4, QStringLiteral("Site Web"), twips::rect(120, 660, 1155, 495),
                         QStringLiteral("rendez-vous sur le site de Ventaroc..."));
    cmdInternet->setIcon(artwork::icone(artwork::chemin(QStringLiteral("web"))));
    Label6[6] = etiquette(Frame4, QStringLiteral("Envoyez un mail à Ventaroc"), twips::rect(120, 1380, 1155, 480));
    cmdMail = bouton(Frame4, QStringLiteral("E-mail"), twips::rect(120, 1890, 1155, 495),
                     QStringLiteral("envoyez un e-mail au créateur du jeu..."));
    cmdMail->setIcon(artwork::icone(artwork::chemin(QStringLiteral("mail"))));
    // The column is narrow: its wrapped captions use the narrow cut of the face to stay whole.
    QFont etroite(QStringLiteral("Arial Narrow"));
    etroite.setPixelSize(police::px(11));
    for (QLabel* l : {Label6[1], Label6[2], Label6[5], Label6[6]}) {
        l->setWordWrap(true);
        l->setFont(etroite);
    }
    // So are the status lines under the board, "Mode: INITIATION" and "temps: " with its blank.
    for (QLabel* l : {Label1, lblInfo_Mode, lblinfo_temps})
        l->setFont(etroite);
}

std::array<PegImage*, 8> frmChromalis::palette() const
{
    return {ImageR, ImageB, ImageV, ImageJ, ImageO, ImageI, ImageN, ImageX};
}

QList<PegImage*> frmChromalis::images() const { return findChildren<PegImage*>(); }

int frmChromalis::Width() const { return twips::tw(width()) + bordure; }

void frmChromalis::setWidth(int largeur)
{
    setFixedSize(twips::px(largeur - bordure), twips::px(hauteur_client));
    // The options column beyond the right edge takes no Tab and no key.
    hors_champ::suivre(this);
}

int frmChromalis::Height() const { return twips::tw(height()) + bordure; }

namespace {
// A message told once the window is on screen: over the start-up window it would be hidden by
// the board and lost with the start-up window.
class AvisAuPremierAffichage : public QObject {
public:
    AvisAuPremierAffichage(QWidget* fenetre, const QString& texte) : QObject(fenetre), texte_(texte)
    {
        fenetre->installEventFilter(this);
    }
    bool eventFilter(QObject* fenetre, QEvent* e) override
    {
        if (e->type() == QEvent::Show) {
            fenetre->removeEventFilter(this);
            QTimer::singleShot(0, fenetre, [texte = texte_] { platform::MsgBox(texte, platform::vbInformation); });
            deleteLater();
        }
        return false;
    }

private:
    QString texte_;
};
} // namespace

void frmChromalis::Form_Load()
{
    using namespace Chromalis;
    setWidth(4965);
    echelle::centrer(this);
    for (int K = 1; K <= 12; ++K)
        for (int Index = 1; Index <= 5; ++Index)
            img[K][Index]->setPicture(Image1->Picture());
    const std::pair<std::array<QString, 101>*, const char*> tables[] = {
        {&noms_NI, "NI"}, {&noms_NN, "NN"}, {&noms_NE, "NE"}, {&noms_SI, "SI"}, {&noms_SN, "SN"}, {&noms_SE, "SE"}};
    for (int n = 1; n <= 100; ++n)
        for (const auto& [table, cle] : tables)
            (*table)[n] = QLatin1String(cle) + QString::number(n);
    lettre_jeu = QStringLiteral("S");
    lettre_mode = QStringLiteral("N");
    Remplir_parties(QStringLiteral("SN"));
    {
        const QSignalBlocker bloque(cboTemps);
        for (int s = 5; s <= 60; s += 5)
            cboTemps->addItem(QString::number(s));
        cboTemps->setCurrentIndex(3);
    }
    cboTemps_Click();
    {
        const QSignalBlocker bloque(cboJeu);
        cboJeu->addItem(QStringLiteral("Normal"));
        cboJeu->addItem(QStringLiteral("Super"));
        cboJeu->setCurrentIndex(1);
    }
    cboJeu_Click();
    // The predefined-games window itself waits for the solution access, which few players open.
    frmParties::charger_table();
    nb_pions = 5;
    try {
        storage::InitialiserReglages(QStringLiteral("Chromalis"), platform::App_Path());
    } catch (const storage::ErreurStockage&) {
        // A store that cannot be written must not keep anyone from playing; a score that cannot
        // be recorded is reported when it happens.
    }
    // A store found damaged at this start was set aside: the player learns once where it is kept.
    if (const QString avis = storage::avisMiseDeCote(); !avis.isEmpty())
        new AvisAuPremierAffichage(this, avis);
    partie_choisie = QString();
}

void frmChromalis::Form_Resize()
{
    if (isMinimized()) {
        Timer2.setEnabled(true);
    } else {
        Timer2.setEnabled(false);
        setWindowTitle(QStringLiteral("Ventaroc vous propose:"));
    }
}

bool frmChromalis::Form_QueryUnload()
{
    Chromalis::Confirmer_sortie();
    return true;
}

void frmChromalis::closeEvent(QCloseEvent* e)
{
    if (Form_QueryUnload())
        e->ignore();
}

void frmChromalis::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    Form_Resize();
}

void frmChromalis::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange)
        Form_Resize();
}

void frmChromalis::setLargeurBarre(int largeur)
{
    largeurBarre_ = largeur;
    // Even a 1-twip bar shows as a sliver, as it always did.
    lblTemps->resize(qMax(1, twips::px(largeur)), lblTemps->height());
}

void frmChromalis::setCouleurBarre(int bbggrr)
{
    couleurBarre_ = bbggrr;
    colorer(lblTemps, Qt::black, couleurVb(bbggrr));
}
