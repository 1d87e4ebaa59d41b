#include "windows/controls/Roles.h"

#include "windows/controls/Shapes.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace roles {
namespace {
const char* const propriete_cache = "chromalis_cache";
const char* const propriete_lien = "chromalis_lien";

// A result slot: black, white, or empty while it is grey.
class Fente : public QAccessibleWidget {
public:
    explicit Fente(QWidget* w) : QAccessibleWidget(w, QAccessible::Graphic) { }
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const int c = static_cast<CircleShape*>(widget())->FillColor();
        return c == 0x000000 ? QStringLiteral("noir")
            : c == 0xFFFFFF  ? QStringLiteral("blanc")
                             : QStringLiteral("vide");
    }
};

// The solution and its letters: nothing to read while hidden, and no text interface, whose
// change events would carry the text to every listener even then.
class Secret : public QAccessibleWidget {
public:
    Secret(QWidget* w, QAccessible::Role r) : QAccessibleWidget(w, r) { }
    QString text(QAccessible::Text t) const override
    {
        if (widget()->isHidden())
            return QString();
        if (t == QAccessible::Name) {
            if (auto* l = qobject_cast<QLabel*>(widget()))
                return l->text();
            return widget()->toolTip();
        }
        if (t == QAccessible::Value)
            if (auto* e = qobject_cast<QLineEdit*>(widget()))
                return e->text();
        return QAccessibleWidget::text(t);
    }
};

// A label that works as a link: read as a link, and pressed by the reader's action as by a key.
class Lien : public QAccessibleWidget {
public:
    explicit Lien(QWidget* w) : QAccessibleWidget(w, QAccessible::Link) { }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<QLabel*>(widget())->text() : QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString& action) override
    {
        if (action != pressAction())
            return QAccessibleWidget::doAction(action);
        QKeyEvent appui(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QCoreApplication::sendEvent(widget(), &appui);
    }
};

QAccessibleInterface* fabrique(const QString& classe, QObject* objet)
{
    if (!objet || !objet->isWidgetType())
        return nullptr;
    auto* w = static_cast<QWidget*>(objet);
    // Asked first with the object's own class: the decision is taken there, once.
    if (classe != QLatin1String(objet->metaObject()->className()))
        return nullptr;
    if (w->property(propriete_cache).toBool())
        return new Secret(w, qobject_cast<QLineEdit*>(w) ? QAccessible::EditableText : QAccessible::StaticText);
    if (w->property(propriete_lien).toBool())
        return new Lien(w);
    if (w->isWindow() && !qobject_cast<QDialog*>(w))
        return new QAccessibleWidget(w, QAccessible::Window);
    if (classe == QLatin1String("QFrame"))
        return new QAccessibleWidget(w, QAccessible::Grouping);
    if (classe == QLatin1String("CircleShape"))
        return new Fente(w);
    return nullptr;
}
} // namespace

void installer()
{
    static const bool installee = (QAccessible::installFactory(fabrique), true);
    Q_UNUSED(installee);
}

void cacher_aux_lecteurs(QWidget* controle) { controle->setProperty(propriete_cache, true); }

void lien(QWidget* etiquette) { etiquette->setProperty(propriete_lien, true); }

} // namespace roles
