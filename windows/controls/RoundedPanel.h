#pragma once
// A plain rounded rectangle, filled or outlined, drawn behind other controls. Colours go through
// the palette rather than style sheets: the style sheet engine costs memory and time at start-up
// for a handful of coloured boxes.
#include <QColor>
#include <QWidget>

class RoundedPanel : public QWidget {
    Q_OBJECT
public:
    // An invalid colour leaves the fill or the outline out.
    RoundedPanel(QWidget* parent, const QColor& fond, const QColor& bord, qreal rayon);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor fond_;
    QColor bord_;
    qreal rayon_;
};

// Text colour, and a background colour when one is given (it may be translucent).
void colorer(QWidget* w, const QColor& texte, const QColor& fond = QColor());
