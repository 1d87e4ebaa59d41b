#pragma once
// A push button whose caption wraps onto several lines when the button is narrow, as the
// side buttons of the main window need; text() keeps the caption as written.
#include <QPushButton>

class WrapButton : public QPushButton {
    Q_OBJECT
public:
    explicit WrapButton(const QString& caption, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent*) override;
};
