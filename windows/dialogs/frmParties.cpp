#include "windows/dialogs/frmParties.h"

#include "game/chromalis.h"
#include "game/rules.h"
#include "platform/dialogs.h"
#include "platform/twips.h"
#include "windows/controls/WrapButton.h"
#include "windows/controls/artwork.h"
#include "windows/dialogs/frmParties_liste.h"
#include "windows/main/frmChromalis.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

using platform::vbInformation;

frmParties::frmParties() :
    QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowTitle(QStringLiteral("Combi No: /"));
    setFixedSize(twips::px(2400), twips::px(6660));

    auto* titre = new QLabel(QStringLiteral("PARTIE:"), this);
    titre->setGeometry(twips::rect(120, 150, 720, 255));
    Label5 = new QLabel(QStringLiteral("?"), this);
    Label5->setGeometry(twips::rect(840, 105, 1440, 315));
    Label5->setFrameShape(QFrame::Box);
    Label5->setAlignment(Qt::AlignCenter);
    Label5->setAutoFillBackground(true);
    Label5->setBackgroundRole(QPalette::Base);
    Label5->setForegroundRole(QPalette::Text);

    lstParties = new QListWidget(this);
    lstParties->setGeometry(twips::rect(120, 540, 2160, 3135));
    lstParties->setSelectionMode(QAbstractItemView::SingleSelection);
    lstParties->setUniformItemSizes(true);
    lstParties->setAccessibleName(QStringLiteral("Parties pré-établies"));

    Label3 = new QLabel(QStringLiteral("Total:"), this);
    Label3->setGeometry(twips::rect(120, 3750, 2160, 255));

    auto* no = new QLabel(QStringLiteral("No:"), this);
    no->setGeometry(twips::rect(120, 4125, 360, 255));
    txtNumPartie = new QLineEdit(this);
    txtNumPartie->setGeometry(twips::rect(480, 4080, 1800, 315));
    txtNumPartie->setMaxLength(3);
    txtNumPartie->setAccessibleName(QStringLiteral("Numéro de la partie"));

    cmdChercher = new QPushButton(QStringLiteral("&Chercher"), this);
    cmdChercher->setGeometry(twips::rect(120, 4485, 2160, 375));
    cmdChercher->setToolTip(QStringLiteral("chercher le numéro d'une combinaison"));
    cmdChercherNom = new WrapButton(QStringLiteral("C&hercher (combinaison)"), this);
    cmdChercherNom->setGeometry(twips::rect(120, 4935, 2160, 495));
    cmdChercherNom->setToolTip(QStringLiteral("chercher une combinaison"));
    cmdIdentique = new WrapButton(QStringLiteral("C&ombinaisons identiques ?"), this);
    cmdIdentique->setGeometry(twips::rect(120, 5505, 2160, 495));
    cmdIdentique->setToolTip(QStringLiteral("recherche les combinaisons en double"));
    cmdIdentique->setIcon(artwork::icone(artwork::chemin(QStringLiteral("identique"))));
    cmdModifier = new WrapButton(QStringLiteral("&Modifier la combinaison"), this);
    cmdModifier->setGeometry(twips::rect(120, 6075, 2160, 495));
    cmdModifier->setToolTip(QStringLiteral("modifier la combinaison"));

    connect(lstParties, &QListWidget::currentRowChanged, this, [this](int k) {
        if (k >= 0)
            lstParties_Click();
    });
    connect(lstParties, &QListWidget::itemDoubleClicked, this, &frmParties::lstParties_DblClick);
    connect(txtNumPartie, &QLineEdit::textEdited, this, &frmParties::txtNumPartie_TextEdited);
    connect(cmdChercher, &QPushButton::clicked, this, &frmParties::cmdChercher_Click);
    connect(cmdChercherNom, &QPushButton::clicked, this, &frmParties::cmdChercherNom_Click);
    connect(cmdIdentique, &QPushButton::clicked, this, &frmParties::cmdIdentique_Click);
    connect(cmdModifier, &QPushButton::clicked, this, &frmParties::cmdModifier_Click);
    txtNumPartie->installEventFilter(this);
    // Enter presses the focused button; elsewhere it presses Chercher (keyPressEvent).
    for (QPushButton* b : {cmdChercher, cmdChercherNom, cmdIdentique, cmdModifier})
        b->setAutoDefault(true);

    // Window managers draw an icon and three buttons beside the caption: the window widens when the
    // desktop's title face needs it, and the controls that reach its right margin widen with it.
    const int plus = largeur_legende(QStringLiteral("Combi No: 600")) - width();
    if (plus > 0) {
        for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (qAbs(w->geometry().right() + 1 - twips::px(2280)) <= 1)
                w->resize(w->width() + plus, w->height());
        setFixedSize(width() + plus, height());
    }
}

int frmParties::largeur_legende(const QString& legende)
{
    QFont face = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    face.setBold(true);
    const QFontMetrics m(face);
    // The caption, then the icon and three buttons, each a square as high as the bar, and the borders.
    return m.horizontalAdvance(legende) + 4 * (m.height() + 4) + 8;
}

void frmParties::charger_table()
{
    for (int n = 1; n <= 600; ++n)
        Chromalis::parties[n] = QLatin1String(liste_parties::combinaisons[n - 1]);
}

void frmParties::Form_Load()
{
    charger_table();
    QStringList liste;
    liste.reserve(600);
    for (int n = 1; n <= 600; ++n)
        liste << Chromalis::parties[n];
    lstParties->addItems(liste);
    Label3->setText(QStringLiteral("Total: ") + QString::number(lstParties->count()) + QStringLiteral(" parties"));
    // No entry is current until one is chosen: the list taking the focus must not make entry 1
    // current (and run the selection) on its own.
    lstParties->setCurrentIndex(QModelIndex());
    appliquer_verrou();
}

void frmParties::activer(bool actif)
{
    actif_ = actif;
    if (Chromalis::estCharge<frmParties>())
        Chromalis::instance<frmParties>()->appliquer_verrou();
}

void frmParties::appliquer_verrou()
{
    for (QWidget* w : std::initializer_list<QWidget*>{txtNumPartie, cmdChercher, cmdIdentique, cmdModifier, lstParties,
                                                      cmdChercherNom})
        w->setEnabled(actif_);
}

void frmParties::lstParties_Click()
{
    const int k = lstParties->currentRow();
    const int n = k + 1;
    setWindowTitle(QStringLiteral("Combi No: ") + QString::number(n));
    txtNumPartie->setText(QString::number(n));
    Label5->setText(rules::nom_partie(n));
}

void frmParties::lstParties_DblClick() { cmdModifier_Click(); }

void frmParties::selectionner(int k)
{
    lstParties->setCurrentRow(k);
    lstParties->scrollToItem(lstParties->item(k));
    lstParties_Click();
}

void frmParties::refuser_chiffre()
{
    platform::Beep();
    platform::MsgBox(QStringLiteral("Entrez uniquement un chiffre"), vbInformation, QStringLiteral("Erreur de saisie"));
    txtNumPartie->clear();
}

void frmParties::txtNumPartie_KeyPress(int& KeyAscii)
{
    if (KeyAscii == 8)
        return;
    if (KeyAscii < '0' || KeyAscii > '9') {
        KeyAscii = 0;
        refuser_chiffre();
    }
}

void frmParties::txtNumPartie_TextEdited(const QString& texte)
{
    // Pasted or dropped text passes no key filter: hold it to the same rule.
    for (QChar c : texte)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            refuser_chiffre();
            return;
        }
}

void frmParties::cmdChercher_Click()
{
    if (txtNumPartie->text().isEmpty()) {
        platform::MsgBox(QStringLiteral("Entrez un chiffre"), vbInformation, QStringLiteral("Erreur de saisie"));
        return;
    }
    const int n = txtNumPartie->text().toInt();
    if (n >= 1 && n <= 600)
        selectionner(n - 1);
    else
        platform::MsgBox(QStringLiteral("Entrez un numéro entre 1 et ") + QString::number(600), vbInformation,
                         QStringLiteral("Erreur"));
}

void frmParties::cmdChercherNom_Click()
{
    const QString cherche = platform::InputBox(QStringLiteral("Entrez la combinaison de la partie:"),
                                               QStringLiteral("Partie"), QString())
                                .toUpper();
    if (cherche.isEmpty())
        return;
    for (int k = 0; k < lstParties->count(); ++k) {
        if (lstParties->item(k)->text() != cherche)
            continue;
        selectionner(k);
        platform::MsgBox(QStringLiteral("Cette combinaison a été trouvée:\n\nCombinaison: ") + cherche
                             + QStringLiteral("\nNo: ") + QString::number(k + 1) + QStringLiteral("\nPartie: ")
                             + Label5->text(),
                         vbInformation, QStringLiteral("combinaison trouvée"));
        return;
    }
    platform::MsgBox(QStringLiteral("Cette combinaison n'a pas été trouvée."), vbInformation,
                     QStringLiteral("Combinaison: ") + cherche);
}

void frmParties::cmdIdentique_Click()
{
    using Chromalis::parties;
    // Each block of 100 is a game key of its own: a combination may come back in another block.
    int compte = 0;
    for (int debut = 1; debut <= 501; debut += 100)
        for (int a = debut; a < debut + 100; ++a)
            for (int b = a + 1; b < debut + 100; ++b)
                if (parties[a] == parties[b]) {
                    platform::MsgBox(QStringLiteral("Combinaisons identiques trouvées:\nnom: ") + parties[a]
                                         + QStringLiteral("\npositions: ") + QString::number(a)
                                         + QStringLiteral(" ---> ") + QString::number(b),
                                     vbInformation, QStringLiteral("Erreur..."));
                    ++compte;
                }
    platform::MsgBox(compte > 0 ? QString::number(compte) + QStringLiteral(" combinaisons identiques ont été trouvées.")
                                : QStringLiteral("Aucunes combinaisons identiques n'ont été trouvées..."),
                     vbInformation, QStringLiteral("Fin du contrôle"));
}

void frmParties::cmdModifier_Click()
{
    const QList<QListWidgetItem*> choix = lstParties->selectedItems();
    if (choix.isEmpty()) {
        platform::MsgBox(QStringLiteral("Sélectionnez une combinaison dans la liste."), vbInformation,
                         QStringLiteral("Donnée manquante"));
        return;
    }
    const int k = lstParties->row(choix.first());
    const QString reponse = platform::InputBox(QStringLiteral("Entrez la nouvelle valeur de la combinaison:"),
                                               QStringLiteral("Modification de la combinaison"), choix.first()->text())
                                .toUpper();
    if (reponse.isEmpty())
        return;
    // A predefined game must stay winnable: the right length, only the colours of its game.
    const int bloc = k / 100;
    if (!rules::combinaison_du_bloc(bloc, reponse)) {
        const bool super = bloc >= 3;
        QString regle = QStringLiteral("Une combinaison des parties ") + rules::nom_partie(k + 1).left(2)
            + QStringLiteral(" compte ") + QString::number(super ? 5 : 4) + QStringLiteral(" lettres parmi ")
            + (super ? QStringLiteral("R - B - V - J - O - I - N - X") : QStringLiteral("R - B - V - J - O - I"));
        if (bloc == 2 || bloc == 5)
            regle += QStringLiteral(", ou Z pour une place vide");
        platform::MsgBox(regle + QStringLiteral(".\nLa combinaison n'a pas été modifiée."), vbInformation,
                         QStringLiteral("Combinaison non valide"));
        return;
    }
    choix.first()->setText(reponse);
    Chromalis::parties[k + 1] = reponse;
}

// The window has no close box, but not every window manager leaves Alt+F4 or its own button out:
// a close asked from outside is refused. Only the solution access hides it.
void frmParties::closeEvent(QCloseEvent* e)
{
    if (e->spontaneous())
        e->ignore();
    else
        QWidget::closeEvent(e);
}

bool frmParties::eventFilter(QObject* objet, QEvent* e)
{
    if (objet == txtNumPartie && e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (!k->text().isEmpty() && k->text().at(0).isPrint()) {
            int KeyAscii = k->text().at(0).unicode();
            txtNumPartie_KeyPress(KeyAscii);
            if (KeyAscii == 0)
                return true;
        }
    }
    return QWidget::eventFilter(objet, e);
}

void frmParties::keyPressEvent(QKeyEvent* e)
{
    // Chercher is the window's default button: Enter anywhere in the window presses it.
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && cmdChercher->isEnabled()) {
        cmdChercher->click();
        return;
    }
    QWidget::keyPressEvent(e);
}

void frmParties::showEvent(QShowEvent* e)
{
    // The first time it is shown, the window takes its place beside the board, on screen.
    if (!place_) {
        place_ = true;
        const QWidget* f = Chromalis::instance<frmChromalis>();
        const QRect ecran = screen() ? screen()->availableGeometry() : QRect(0, 0, 1024, 768);
        // Against the screen's edge when the gap does not fit; on the left when the window does not.
        QPoint coin(qMin(f->frameGeometry().right() + 8, ecran.right() + 1 - frameGeometry().width()),
                    f->frameGeometry().top());
        if (coin.x() <= f->frameGeometry().right())
            coin.setX(qMax(ecran.left(), f->frameGeometry().left() - frameGeometry().width() - 8));
        move(coin);
    }
    setAttribute(Qt::WA_KeyboardFocusChange);
    QWidget::showEvent(e);
}
