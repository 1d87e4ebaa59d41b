#include "windows/controls/HorsChamp.h"

#include <QWidget>

namespace hors_champ {

void suivre(QWidget* conteneur)
{
    static const char* const cache = "chromalis_hors_champ";
    for (QWidget* w : conteneur->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w->isWindow())
            continue;
        const bool dehors = !conteneur->rect().intersects(w->geometry());
        if (dehors && !w->isHidden()) {
            w->setProperty(cache, true);
            w->hide();
        } else if (!dehors && w->property(cache).toBool()) {
            w->setProperty(cache, false);
            w->show();
        }
    }
}

} // namespace hors_champ
