#include "windows/controls/police.h"

#include "platform/twips.h"

#include <QApplication>
#include <QFont>
#include <QProxyStyle>

// Rounded down: a face a shade small keeps every caption inside a box scaled exactly.
int police::px(double pixels) { return qMax(1, static_cast<int>(std::floor(pixels * twips::echelle + 0.01))); }

namespace {
// Check boxes and radio buttons at the windows' scale: the style draws them at one size for every
// scale, too big beside the captions of a small board and too small beside those of a large one.
class IndicateursAEchelle : public QProxyStyle {
public:
    // Over the style in use, the one the desktop or the player chose.
    IndicateursAEchelle() : QProxyStyle(QApplication::style()->name()) { }
    int pixelMetric(PixelMetric m, const QStyleOption* o, const QWidget* w) const override
    {
        const int base = QProxyStyle::pixelMetric(m, o, w);
        switch (m) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_CheckBoxLabelSpacing:
        case PM_RadioButtonLabelSpacing: return police::px(base);
        default: return base;
        }
    }
};
} // namespace

void police::appliquer()
{
    QFont face(QStringLiteral("Arial"));
    face.setPixelSize(px(11));
    QApplication::setFont(face);
    // At scale 1 the style's own sizes are the ones the layout was drawn for.
    if (twips::echelle != 1 && !dynamic_cast<IndicateursAEchelle*>(QApplication::style()))
        QApplication::setStyle(new IndicateursAEchelle);
}
