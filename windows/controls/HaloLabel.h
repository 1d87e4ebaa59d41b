#pragma once
// A one-line label whose letters are ringed with a dark edge, so that pale text stays readable over
// a picture as well as over a light background. Drawn directly: a graphics effect would render the
// label off screen and blur it, at a cost in memory and start-up time out of scale with two words.
#include <QColor>
#include <QLabel>

class HaloLabel : public QLabel {
    Q_OBJECT
public:
    HaloLabel(const QString& texte, const QColor& halo, QWidget* parent);
    QColor halo() const { return halo_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor halo_;
};
