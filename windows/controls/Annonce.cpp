#include "windows/controls/Annonce.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTimer>

namespace annonce {
namespace {
QString phrase_dite;
QPointer<QLabel> etiquette;
// An action that changes the whole board (a new game) sends a flood of change events; the reader
// drops what comes while it has a hundred of them waiting. The sentence is shown once they are
// read: a little later, and only the last sentence of a quick succession.
constexpr int delai_ms = 300;

// A notification is what the reader speaks as it appears, wherever the focus is: the label is
// hidden, given its text and shown again for each sentence. Qt has no announcement event of its
// own, and a changed name of an unfocused object reaches the reader without its text.
class Notification : public QAccessibleWidget {
public:
    explicit Notification(QWidget* w) : QAccessibleWidget(w, QAccessible::Notification) { }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* fabrique(const QString&, QObject* objet)
{
    return objet == etiquette.data() && objet ? new Notification(etiquette) : nullptr;
}
} // namespace

void placer(QWidget* fenetre)
{
    static const bool installee = (QAccessible::installFactory(fabrique), true);
    Q_UNUSED(installee);
    delete etiquette.data();
    etiquette = new QLabel(fenetre);
    etiquette->setObjectName(QStringLiteral("annonce"));
    // One pixel in the window's corner, its text see-through: heard, never seen.
    etiquette->setGeometry(0, 0, 1, 1);
    QPalette p = etiquette->palette();
    p.setColor(QPalette::WindowText, Qt::transparent);
    etiquette->setPalette(p);
    etiquette->lower();
    etiquette->hide();
}

void dire(const QString& phrase)
{
    phrase_dite = phrase;
    if (!etiquette || !QAccessible::isActive())
        return;
    static QTimer* minuterie = nullptr;
    if (!minuterie) {
        minuterie = new QTimer(qApp);
        minuterie->setSingleShot(true);
        minuterie->setInterval(delai_ms);
        QObject::connect(minuterie, &QTimer::timeout, [] {
            if (!etiquette)
                return;
            etiquette->hide();
            etiquette->setText(phrase_dite);
            etiquette->show();
        });
    }
    if (!minuterie->isActive())
        minuterie->start();
}

QString derniere() { return phrase_dite; }

} // namespace annonce
