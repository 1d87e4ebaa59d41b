// The scores window's controls and their places, in twips.
#include "windows/dialogs/frmScores.h"

#include "platform/dialogs.h"
#include "platform/twips.h"
#include "storage/records.h"
#include "windows/controls/HorsChamp.h"
#include "windows/controls/artwork.h"

#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QValidator>
#include <limits>

using twips::px;

namespace {
constexpr int largeur_client = 8400;
// Caption bar and borders: the outer height is the client height plus this.
constexpr int cadre_vertical = 405;
constexpr int hauteur_visualisation = 6990;
constexpr int cadre_visualisation = 5865;
constexpr int haut_cadre = 435;
constexpr int premiere_ligne = 600;
constexpr int pas_ligne = 360;
constexpr int haut_valider = 240;

// Left edge and width of the five columns: points, name, moves, time, date.
constexpr std::array<int, 5> gauche_colonne{600, 1575, 4545, 5355, 6765};
constexpr std::array<int, 5> largeur_colonne{900, 2895, 735, 1335, 1335};

// Takes every ";" out of what is typed, pasted or dropped into a name, with a beep: a ";" would
// split the record when it is read back. Runs once per edit over the whole text, so a very long
// paste costs one pass.
class FiltreNom : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& texte, int& curseur) const override
    {
        qsizetype retires = 0;
        qsizetype avant_curseur = 0;
        for (qsizetype k = 0; k < texte.size(); ++k) {
            if (!storage::caractere_nom_accepte(texte.at(k))) {
                ++retires;
                if (k < curseur)
                    ++avant_curseur;
            }
        }
        if (retires == 0)
            return Acceptable;
        QString garde;
        garde.reserve(texte.size() - retires);
        for (const QChar c : std::as_const(texte))
            if (storage::caractere_nom_accepte(c))
                garde.append(c);
        texte = garde;
        curseur -= static_cast<int>(avant_curseur);
        platform::Beep();
        return Acceptable;
    }
};

QLabel* etiquette(const QString& texte, QWidget* parent, const QRect& place)
{
    auto* l = new QLabel(texte, parent);
    l->setGeometry(place);
    return l;
}
} // namespace

frmScores::frmScores() :
    QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowTitle(QStringLiteral("CHROMALIS: Tableau des scores"));
    setHeight(hauteur_visualisation);
    construireTitre();
    construireTable();
    construireCommandes();
    lblAide = etiquette(QStringLiteral("Pour l'aide, appuyez sur F1..."), this, twips::rect(120, 6330, 6000, 240));
    brancher();
}

void frmScores::construireTitre()
{
    Frame3 = new QGroupBox(this);
    Frame3->setGeometry(twips::rect(90, 0, 8220, 420));
    etiquette(QStringLiteral("JEU:"), Frame3, twips::rect(240, 105, 495, 255));
    lblJeu = etiquette(QStringLiteral("INCONNU"), Frame3, twips::rect(780, 105, 1815, 255));
    lblJeu->setToolTip(QStringLiteral("type de jeu"));
    etiquette(QStringLiteral("MODE:"), Frame3, twips::rect(4200, 105, 615, 255));
    lblMode = etiquette(QStringLiteral("INCONNU"), Frame3, twips::rect(4860, 105, 1815, 255));
    lblMode->setToolTip(QStringLiteral("mode du jeu"));
    for (QLabel* l : {lblJeu, lblMode}) {
        QFont gras = l->font();
        gras.setBold(true);
        l->setFont(gras);
    }
}

void frmScores::construireTable()
{
    Frame2 = new QGroupBox(this);
    Frame2->setGeometry(twips::rect(90, haut_cadre, 8220, cadre_visualisation));

    const QStringList titres{QStringLiteral("POINTS"), QStringLiteral("NOM"), QStringLiteral("COUPS"),
                             QStringLiteral("TEMPS"), QStringLiteral("DATE")};
    for (int k = 0; k < 5; ++k) {
        lblTitres[k] = etiquette(titres[k], Frame2, twips::rect(gauche_colonne[k], 300, largeur_colonne[k], 255));
        lblTitres[k]->setAlignment(Qt::AlignCenter);
        lblTitres[k]->setAutoFillBackground(true);
        QPalette rouge_clair = lblTitres[k]->palette();
        rouge_clair.setColor(QPalette::Window, QColor(0xFF, 0xC0, 0xC0));
        lblTitres[k]->setPalette(rouge_clair);
    }

    // Row 2 says "second" for its points and name and "deuxième" elsewhere; row 6's date tip is
    // spelled as it always was.
    struct Rang {
        const char* court;
        const char* long_;
        const char* date;
    };
    static const std::array<Rang, 11> rangs{{
        {"", "", ""},
        {"premier", "premier", "premier"},
        {"second", "deuxième", "deuxième"},
        {"troisième", "troisième", "troisième"},
        {"quatrième", "quatrième", "quatrième"},
        {"cinquième", "cinquième", "cinquième"},
        {"sixième", "sixième", "sixiième"},
        {"septième", "septième", "septième"},
        {"huitième", "huitième", "huitième"},
        {"neuvième", "neuvième", "neuvième"},
        {"dixième", "dixième", "dixième"},
    }};

    for (int r = 1; r <= 10; ++r) {
        const int haut = premiere_ligne + (r - 1) * pas_ligne;
        lblRang[r] = etiquette(QString::number(r), Frame2, twips::rect(120, haut + 30, 375, 255));
        lblRang[r]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        std::array<QLineEdit*, 5>& boites = *ligne(r);
        for (int k = 0; k < 5; ++k) {
            auto* b = new QLineEdit(Frame2);
            b->setGeometry(twips::rect(gauche_colonne[k], haut, largeur_colonne[k], 315));
            b->setReadOnly(true);
            // Read only, a cell is no Tab stop; a click still selects its text.
            b->setFocusPolicy(Qt::ClickFocus);
            b->setMaxLength(std::numeric_limits<int>::max());
            boites[k] = b;
        }
        const QString court = QString::fromUtf8(rangs[r].court);
        const QString long_ = QString::fromUtf8(rangs[r].long_);
        boites[0]->setToolTip(QStringLiteral("Points du ") + court);
        boites[1]->setToolTip(QStringLiteral("nom du ") + court);
        boites[2]->setToolTip(QStringLiteral("nombre de coups du ") + long_);
        boites[3]->setToolTip(QStringLiteral("temps du ") + long_);
        boites[4]->setToolTip(QStringLiteral("date de la partie du ") + QString::fromUtf8(rangs[r].date));
        // A screen reader names each cell by its tooltip: "nom du 1er", not a bare "texte".
        for (QLineEdit* b : boites)
            b->setAccessibleName(b->toolTip());
        boites[1]->setProperty("Tag", QStringLiteral("NOM") + QString::number(r));
        if (!filtreNom_)
            filtreNom_ = new FiltreNom(this);
        boites[1]->setValidator(filtreNom_);
    }

    // Created after the rows so that it lies over the row number it stands for.
    cmdValider = new QPushButton(Frame2);
    cmdValider->setGeometry(twips::rect(90, haut_valider, 435, 315));
    cmdValider->setIcon(artwork::icone(artwork::chemin(QStringLiteral("valider"))));
    cmdValider->setToolTip(QStringLiteral("Valider votre nom"));
    cmdValider->hide();
}

void frmScores::construireCommandes()
{
    lblConsigne = etiquette(QStringLiteral("Pour voir les autres scores,  sélectionnez un jeu et le mode voulus et "
                                           "appuyez sur le bouton VOIR:"),
                            Frame2, twips::rect(120, 4335, 7980, 435));
    lblConsigne->setWordWrap(true);

    lblChoixJeu = etiquette(QStringLiteral("Jeu:"), Frame2, twips::rect(120, 4845, 495, 255));
    optNormal = new QRadioButton(QStringLiteral("Normal"), Frame2);
    optNormal->setGeometry(twips::rect(660, 4815, 1095, 315));
    optNormal->setToolTip(QStringLiteral("Jeu Normal"));
    optSuper = new QRadioButton(QStringLiteral("Super"), Frame2);
    optSuper->setGeometry(twips::rect(1800, 4815, 1095, 315));
    optSuper->setToolTip(QStringLiteral("Jeu super"));

    lblChoixMode = etiquette(QStringLiteral("Mode:"), Frame2, twips::rect(3060, 4845, 615, 255));
    cboMode = new QComboBox(Frame2);
    cboMode->setGeometry(twips::rect(3720, 4800, 1935, 315));
    cboMode->addItems({QStringLiteral("INITIATION"), QStringLiteral("NORMAL"), QStringLiteral("EXPERT")});
    // Nothing is chosen until the load or the player picks an entry.
    cboMode->setCurrentIndex(-1);
    cboMode->setToolTip(QStringLiteral("Mode du jeu"));

    cmdVoir = new QPushButton(QStringLiteral("&VOIR"), Frame2);
    cmdVoir->setGeometry(twips::rect(6000, 4755, 2055, 435));
    cmdVoir->setToolTip(QStringLiteral("Voir les scores du jeu sélectionné"));
    cmdVoir->setDefault(true);

    cmdRAZ[0] = new QPushButton(QStringLiteral("&Remise à zéro de ce jeu"), Frame2);
    cmdRAZ[0]->setGeometry(twips::rect(120, 5325, 3135, 435));
    cmdRAZ[0]->setToolTip(QStringLiteral("Remise à zéro des scores du jeu sélectionné"));
    cmdRAZ[0]->setEnabled(false);
    cmdRAZ[1] = new QPushButton(QStringLiteral("&Remise à zéro de tous les jeux"), Frame2);
    cmdRAZ[1]->setGeometry(twips::rect(3360, 5325, 3135, 435));
    cmdRAZ[1]->setToolTip(QStringLiteral("Remise à zéro des scores de tous les jeux"));

    cmdFermer = new QPushButton(QStringLiteral("&Fermer"), Frame2);
    cmdFermer->setGeometry(twips::rect(6600, 5325, 1455, 435));
    cmdFermer->setToolTip(QStringLiteral("Fermer la fenêtre des scores"));
}

void frmScores::brancher()
{
    connect(cmdValider, &QPushButton::clicked, this, &frmScores::cmdValider_Click);
    connect(cmdVoir, &QPushButton::clicked, this, &frmScores::cmdVoir_Click);
    connect(cmdRAZ[0], &QPushButton::clicked, this, [this] { cmdRAZ_Click(0); });
    connect(cmdRAZ[1], &QPushButton::clicked, this, [this] { cmdRAZ_Click(1); });
    connect(cmdFermer, &QPushButton::clicked, this, &frmScores::cmdFermer_Click);
    // Selecting an option or an entry from the code runs the same handling as a click.
    connect(optNormal, &QRadioButton::toggled, this, [this](bool choisi) {
        if (choisi)
            optNormal_Click();
    });
    connect(optSuper, &QRadioButton::toggled, this, [this](bool choisi) {
        if (choisi)
            optSuper_Click();
    });
    connect(cboMode, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            cboMode_Click();
    });
    // Key preview: the window sees each key before the control that has the focus.
    installEventFilter(this);
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
}

std::array<QLineEdit*, 5>* frmScores::ligne(int p)
{
    switch (p) {
    case 1: return &txtPremier;
    case 2: return &txtSecond;
    case 3: return &txtTrois;
    case 4: return &txtQuatre;
    case 5: return &txtCinq;
    case 6: return &txtSix;
    case 7: return &txtSept;
    case 8: return &txtHuit;
    case 9: return &txtNeuf;
    case 10: return &txtDix;
    default: return nullptr;
    }
}

int frmScores::Height() const { return twips::tw(height()) + cadre_vertical; }

// Shortened for the name, the window cuts its lower commands off: out of sight, they take no Tab
// and no Alt key (a reset while a name is typed).
void frmScores::setHeight(int hauteur)
{
    setFixedSize(px(largeur_client), px(hauteur - cadre_vertical));
    hors_champ::suivre(this);
}

int frmScores::hauteurCadre() const { return twips::tw(Frame2->height()); }

void frmScores::setHauteurCadre(int hauteur)
{
    Frame2->resize(Frame2->width(), px(hauteur));
    hors_champ::suivre(Frame2);
}
