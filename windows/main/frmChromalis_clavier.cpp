// Playing without the mouse, and the board as a screen reader hears it.
#include "windows/main/frmChromalis.h"

#include "game/chromalis.h"
#include "platform/dialogs.h"
#include "windows/controls/Annonce.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

using namespace Chromalis;

namespace {
// The palette's place (0 = R ... 7 = X) of a key: its letter, its digit 1 to 8 (keypad, or the
// top row with or without Shift, where a French keyboard gives & é " ' ( - è _), or -1.
int place_palette(int touche)
{
    static const int lettres[8] = {Qt::Key_R, Qt::Key_B, Qt::Key_V, Qt::Key_J,
                                   Qt::Key_O, Qt::Key_I, Qt::Key_N, Qt::Key_X};
    static const int azerty[8] = {Qt::Key_Ampersand, Qt::Key_Eacute, Qt::Key_QuoteDbl, Qt::Key_Apostrophe,
                                  Qt::Key_ParenLeft, Qt::Key_Minus,  Qt::Key_Egrave,   Qt::Key_Underscore};
    for (int n = 0; n < 8; ++n)
        if (touche == lettres[n] || touche == Qt::Key_1 + n || touche == azerty[n])
            return n;
    return -1;
}

// The countdown bar reads as a progress bar whose value is the percentage shown beside it.
class BarreAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    BarreAccessible(QWidget* barre, const QLabel* pourcent) :
        QAccessibleWidget(barre, QAccessible::ProgressBar),
        pourcent_(pourcent)
    {
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return widget()->toolTip();
        if (t == QAccessible::Value)
            return pourcent_->text() + QStringLiteral(" %");
        if (t == QAccessible::Description)
            return QString();
        return QAccessibleWidget::text(t);
    }
    QVariant currentValue() const override { return pourcent_->text().toInt(); }
    void setCurrentValue(const QVariant&) override { }
    QVariant maximumValue() const override { return 100; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    const QLabel* pourcent_;
};

QAccessibleInterface* fabrique_barre(const QString& classe, QObject* objet)
{
    if (classe != QLatin1String("QLabel"))
        return nullptr;
    auto* pourcent = qobject_cast<QLabel*>(objet->property("chromalis_pourcent").value<QObject*>());
    return pourcent ? new BarreAccessible(static_cast<QWidget*>(objet), pourcent) : nullptr;
}
} // namespace

void frmChromalis::placer_curseur(int trou)
{
    const bool rangee = jeu_en_cours && num_ligne >= 1 && num_ligne <= 12 && nb_pions >= 1 && nb_pions <= 5;
    curseur_ = rangee ? std::clamp(trou, 1, nb_pions + 1) : 0;
    for (int K = 1; K <= 12; ++K)
        for (int Index = 1; Index <= 5; ++Index) {
            PegImage::Marque m = PegImage::SansMarque;
            if (curseur_ && K == num_ligne && curseur_ <= nb_pions && Index == curseur_)
                m = PegImage::MarqueTrou;
            else if (curseur_ && K == num_ligne && curseur_ > nb_pions && Index == nb_pions)
                m = PegImage::MarqueApres;
            img[K][Index]->setMarqueClavier(m);
        }
}

bool frmChromalis::placer_au_clavier(const QKeyEvent* k)
{
    if (!jeu_en_cours || !cmdValider->isEnabled() || curseur_ < 1)
        return false;
    if (k->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier))
        return false;
    // A text field keeps its letters and its arrows.
    if (qobject_cast<QLineEdit*>(focusWidget()))
        return false;
    const int K = num_ligne;
    const auto trou = [this, K](int Index) {
        const QString couleur = img[K][Index]->Couleur();
        return QStringLiteral("trou %1").arg(Index)
            + (couleur == QLatin1String("vide") ? QStringLiteral(", vide") : QStringLiteral(" : ") + couleur);
    };
    const QString fin = QStringLiteral("fin de la rangée");
    const auto refuser = [](const QString& phrase) {
        platform::Beep();
        annonce::dire(phrase);
    };
    switch (k->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right: {
        // The arrows move the cursor, not the focus between the buttons.
        const int avant = curseur_;
        placer_curseur(curseur_ + (k->key() == Qt::Key_Left ? -1 : 1));
        const QString bord = curseur_ == avant && curseur_ == 1 ? QStringLiteral("début de la rangée, ") : QString();
        annonce::dire(curseur_ > nb_pions ? fin : bord + trou(curseur_));
        return true;
    }
    case Qt::Key_Delete:
        if (curseur_ > nb_pions) {
            refuser(fin);
            return false;
        }
        img_Click(K, curseur_);
        annonce::dire(QStringLiteral("trou %1 : vide").arg(curseur_));
        return false;
    case Qt::Key_Backspace:
        if (curseur_ == 1) {
            refuser(QStringLiteral("début de la rangée"));
            return false;
        }
        placer_curseur(curseur_ - 1);
        img_Click(K, curseur_);
        annonce::dire(QStringLiteral("trou %1 : vide").arg(curseur_));
        return false;
    default: break;
    }
    const int n = place_palette(k->key());
    if (n < 0)
        return false;
    if (n >= nb_couleurs) {
        // The palette peg's tooltip names its colour: "Pion violet".
        refuser(QStringLiteral("pas de ") + palette()[n]->toolTip().section(u' ', 1) + QStringLiteral(" dans ce jeu"));
        return false;
    }
    if (curseur_ > nb_pions) {
        bool pleine = true;
        for (int Index = 1; Index <= nb_pions; ++Index)
            pleine = pleine && img[K][Index]->Tag() != QLatin1String("Z");
        refuser(pleine ? QStringLiteral("rangée pleine") : fin);
        return false;
    }
    const int Index = curseur_;
    img_DragDrop(K, Index, palette()[n]);
    placer_curseur(Index + 1);
    annonce::dire(trou(Index) + (curseur_ > nb_pions ? QStringLiteral(", ") + fin : QString()));
    return false;
}

void frmChromalis::noter_rangee(int K, bool jugee)
{
    if (K < 1 || K > 12)
        return;
    QString texte = QStringLiteral("Rangée ") + QString::number(K);
    if (jugee) {
        int noirs = 0;
        int blancs = 0;
        for (int n = 1; n <= 5; ++n) {
            if (shaGris[K][n]->isHidden())
                continue;
            noirs += shaGris[K][n]->FillColor() == 0x000000;
            blancs += shaGris[K][n]->FillColor() == 0xFFFFFF;
        }
        texte += QStringLiteral(" : ") + QString::number(noirs)
            + (noirs > 1 ? QStringLiteral(" noirs, ") : QStringLiteral(" noir, ")) + QString::number(blancs)
            + (blancs > 1 ? QStringLiteral(" blancs") : QStringLiteral(" blanc"));
    }
    Line[K]->setAccessibleName(texte);
}

// Names of the board for assistive technologies, given once the controls exist.
void frmChromalis::nommer_pour_lecteurs()
{
    for (int K = 1; K <= 12; ++K) {
        for (int Index = 1; Index <= 5; ++Index)
            img[K][Index]->setAccessibleName(QStringLiteral("Rangée %1, trou %2").arg(K).arg(Index));
        noter_rangee(K, false);
    }
    lblTemps->setProperty("chromalis_pourcent", QVariant::fromValue<QObject*>(lblPourcent));
    // Installed after the toolkit's own factories, so that it is asked first; an interface
    // already made for the bar is dropped so that the next query makes the new kind.
    QAccessible::installFactory(fabrique_barre);
    QAccessibleInterface* deja = QAccessible::queryAccessibleInterface(lblTemps);
    if (deja && !dynamic_cast<BarreAccessible*>(deja))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(deja));
}

void frmChromalis::annoncer_barre()
{
    QAccessibleValueChangeEvent changement(lblTemps, lblPourcent->text().toInt());
    QAccessible::updateAccessibility(&changement);
}
