#pragma once
// A frame whose caption sits on its top line, as the toolkit the windows were laid out for draws
// it: the controls placed just under the caption then stay clear of the line. The style's group
// box puts the line under the caption, across the first row of controls.
#include <QGroupBox>

class CadreVb : public QGroupBox {
public:
    using QGroupBox::QGroupBox;
    // Height of the top line inside the frame, in pixels.
    int hautBord() const;

protected:
    void paintEvent(QPaintEvent*) override;
};
