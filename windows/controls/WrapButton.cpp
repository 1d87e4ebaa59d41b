#include "windows/controls/WrapButton.h"

#include "platform/twips.h"

#include <QStyleOptionButton>
#include <QStylePainter>

WrapButton::WrapButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) { }

void WrapButton::paintEvent(QPaintEvent*)
{
    QStylePainter p(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    const QString caption = opt.text;
    const QIcon icone = opt.icon;
    opt.text.clear();
    opt.icon = QIcon();
    p.drawControl(QStyle::CE_PushButtonBevel, opt);
    QRect zone = style()->subElementRect(QStyle::SE_PushButtonContents, &opt, this).adjusted(1, 0, -1, 0);
    if (!icone.isNull()) {
        const int cote = qMin(zone.height() - 2, twips::px(300));
        const QRect place(zone.left() + 2, zone.center().y() - cote / 2, cote, cote);
        icone.paint(&p, place);
        zone.setLeft(place.right() + 3);
    }
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.drawText(zone, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, caption);
}
