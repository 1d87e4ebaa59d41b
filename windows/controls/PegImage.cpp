#include "windows/controls/PegImage.h"

#include "platform/twips.h"
#include "windows/controls/artwork.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDrag>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {
// A peg or a hole as assistive technologies see it: a hole says where it is and which colour it
// holds (the value, also given as the description, which is what AT-SPI carries); a palette peg
// reads its tooltip.
class PionAccessible : public QAccessibleWidget {
public:
    explicit PionAccessible(PegImage* pion) : QAccessibleWidget(pion, QAccessible::Graphic) { }
    QString text(QAccessible::Text t) const override
    {
        auto* pion = static_cast<PegImage*>(widget());
        switch (t) {
        case QAccessible::Name: return pion->accessibleName().isEmpty() ? pion->toolTip() : pion->accessibleName();
        case QAccessible::Value:
        case QAccessible::Description: return pion->Couleur();
        default: return QAccessibleWidget::text(t);
        }
    }
};

QAccessibleInterface* fabrique(const QString& classe, QObject* objet)
{
    return classe == QLatin1String("PegImage") ? new PionAccessible(static_cast<PegImage*>(objet)) : nullptr;
}
} // namespace

PegImage::PegImage(QWidget* parent) : QWidget(parent)
{
    static const bool accessible = (QAccessible::installFactory(fabrique), true);
    Q_UNUSED(accessible);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setMouseTracking(true);
}

namespace {
std::function<void(QDrag*)> glisserHook;
// The palette peg being dragged by this program: a drop takes that peg and nothing else.
PegImage* pionGlisse = nullptr;
} // namespace

QString PegImage::formatMime() { return QStringLiteral("application/x-chromalis-pion"); }

void PegImage::setGlisserHook(std::function<void(QDrag*)> hook) { glisserHook = std::move(hook); }

bool PegImage::estUnPion(const QMimeData* data) { return data && data->hasFormat(formatMime()); }

void PegImage::setPicture(const QString& chemin)
{
    if (picture_ == chemin)
        return;
    picture_ = chemin;
    update();
}

void PegImage::setTag(const QString& tag)
{
    if (tag_ == tag)
        return;
    tag_ = tag;
    if (EstUnTrou()) {
        QAccessibleValueChangeEvent valeur(this, Couleur());
        QAccessible::updateAccessibility(&valeur);
        QAccessibleEvent description(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&description);
    }
}

QString PegImage::Couleur() const { return EstUnTrou() ? nomCouleur(tag_) : QString(); }

QString PegImage::nomCouleur(const QString& tag)
{
    static const char* const noms[][2] = {{"R", "rouge"}, {"B", "bleu"},   {"V", "vert"},   {"J", "jaune"},
                                          {"O", "rose"},  {"I", "marron"}, {"N", "violet"}, {"X", "bleu ciel"}};
    for (const auto& [lettre, nom] : noms)
        if (tag == QLatin1String(lettre))
            return QString::fromUtf8(nom);
    return QStringLiteral("vide");
}

void PegImage::setMousePointer(int pointer)
{
    mousePointer_ = pointer;
    appliquerCurseur();
}

void PegImage::setMouseIcon(const QString& chemin)
{
    mouseIcon_ = chemin;
    appliquerCurseur();
}

void PegImage::appliquerCurseur()
{
    if (mousePointer_ == vbCustom && !mouseIcon_.isEmpty()) {
        const QSize taille(twips::px(360), twips::px(360));
        setCursor(
            QCursor(artwork::rendu(mouseIcon_, taille, devicePixelRatioF()), taille.width() / 2, taille.height() / 2));
    } else {
        unsetCursor();
    }
}

void PegImage::setMarqueClavier(Marque m)
{
    if (marque_ == m)
        return;
    marque_ = m;
    update();
}

void PegImage::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!picture_.isEmpty()) {
        const QImage image = artwork::image(picture_, size(), devicePixelRatioF());
        p.drawImage(QRectF(rect()), image, QRectF(image.rect()));
    }
    if (marque_ == SansMarque)
        return;
    // White edged with black: it stands out on the board, on the empty hole and on every peg,
    // whatever colours the eye tells apart. The corners of the cell are free of the disc.
    const qreal trait = qMax<qreal>(2, width() / 12.0);
    const QRectF r = QRectF(rect()).adjusted(trait / 2 + 0.5, trait / 2 + 0.5, -trait / 2 - 0.5, -trait / 2 - 0.5);
    // Four corners round the hole; after the row, a closing bracket on the last hole's right.
    const qreal coin = r.width() / 3;
    QPainterPath forme;
    if (marque_ == MarqueTrou) {
        for (const QPointF& c : {r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()}) {
            const qreal dx = c.x() < r.center().x() ? coin : -coin, dy = c.y() < r.center().y() ? coin : -coin;
            forme.moveTo(c.x() + dx, c.y());
            forme.lineTo(c);
            forme.lineTo(c.x(), c.y() + dy);
        }
    } else {
        forme.moveTo(r.right() - coin, r.top());
        forme.lineTo(r.topRight());
        forme.lineTo(r.bottomRight());
        forme.lineTo(r.right() - coin, r.bottom());
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.strokePath(forme, QPen(Qt::black, trait + 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.strokePath(forme, QPen(Qt::white, trait, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
}

void PegImage::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(e);
    if (dragMode_ == vbAutomatic) {
        demarrerGlisser();
        return;
    }
    appuye_ = true;
}

void PegImage::mouseReleaseEvent(QMouseEvent* e)
{
    const bool clic = appuye_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    appuye_ = false;
    if (clic)
        signalerClic();
}

void PegImage::mouseMoveEvent(QMouseEvent* e)
{
    signalerSurvol();
    QWidget::mouseMoveEvent(e);
}

void PegImage::enterEvent(QEnterEvent* e)
{
    signalerSurvol();
    QWidget::enterEvent(e);
}

void PegImage::signalerClic()
{
    if (tableau_)
        tableau_->img_Click(K_, Index_);
    emit Click();
}

void PegImage::signalerSurvol()
{
    if (tableau_)
        tableau_->img_MouseMove(K_, Index_);
    emit MouseMove();
}

void PegImage::demarrerGlisser()
{
    auto* data = new QMimeData;
    data->setData(formatMime(), tag_.toUtf8());
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    // The peg travels as the pointer itself: a cursor keeps its see-through edges on any screen,
    // where a drag picture is drawn on an opaque square unless the desktop composites windows.
    drag->setPixmap(QPixmap());
    drag->setDragCursor(artwork::rendu(picture_, size(), devicePixelRatioF()), Qt::CopyAction);
    pionGlisse = this;
    if (glisserHook) {
        glisserHook(drag);
        drag->deleteLater();
    } else {
        drag->exec(Qt::CopyAction);
    }
    pionGlisse = nullptr;
}

void PegImage::dragEnterEvent(QDragEnterEvent* e)
{
    if (estUnPion(e->mimeData()))
        e->acceptProposedAction();
}

void PegImage::dragMoveEvent(QDragMoveEvent* e)
{
    if (estUnPion(e->mimeData()))
        e->acceptProposedAction();
}

void PegImage::dropEvent(QDropEvent* e)
{
    // Only a peg of this program's own palette is taken, never data from another program.
    PegImage* source = pionGlisse;
    if (!estUnPion(e->mimeData()) || !source)
        return;
    e->acceptProposedAction();
    if (tableau_)
        tableau_->img_DragDrop(K_, Index_, source);
    emit DragDrop(source);
}
