#pragma once
// The circle shape of a result slot and the thin line joining a row to its slots.
#include <QWidget>

// Colours are kept as &HBBGGRR values, the form the slots' states are told by.
QColor couleurVb(int bbggrr);

class CircleShape : public QWidget {
    Q_OBJECT
public:
    explicit CircleShape(QWidget* parent = nullptr);
    int FillColor() const { return fillColor_; }
    void setFillColor(int bbggrr);
    // Size in twips, keeping the top-left corner.
    void setTailleTwips(int largeur, int hauteur);
    int LargeurTwips() const { return largeur_; }
    int HauteurTwips() const { return hauteur_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int fillColor_ = 0x808080;
    int largeur_ = 0;
    int hauteur_ = 0;
};

class LineControl : public QWidget {
    Q_OBJECT
public:
    explicit LineControl(QWidget* parent = nullptr, const QColor& couleur = Qt::black);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor couleur_;
};
