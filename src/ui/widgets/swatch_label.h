#pragma once

#include "platform/colour.h"

#include <QLabel>

namespace ui {

// A label that shows a colour: either as its background (the colour scheme swatches) or as
// the colour of its caption (the font colour samples). A clickable one reports clicks and,
// for keyboard users, takes the focus and acts on Space and Enter like a button.
class SwatchLabel : public QLabel {
    Q_OBJECT
public:
    enum class Paints { Background, Caption };

    SwatchLabel(Paints paints, QWidget* parent = nullptr);

    platform::ColourValue colour() const { return m_colour; }
    void setColour(platform::ColourValue colour);
    // The colour as "#RRGGBB", as it is read out.
    QString colourName() const;

    bool isClickable() const { return m_clickable; }
    void setClickable(bool clickable);
    // What a mouse click, Space or Enter does on a clickable swatch.
    void click();

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    Paints m_paints;
    platform::ColourValue m_colour = platform::kBlack;
    bool m_clickable = false;
};

} // namespace ui
