#include "swatch_label.h"

#include <QColor>
#include <QMouseEvent>
#include <QPalette>

namespace ui {

namespace {

QColor toQColor(platform::ColourValue colour) {
    return QColor(platform::redOf(colour), platform::greenOf(colour), platform::blueOf(colour));
}

} // namespace

SwatchLabel::SwatchLabel(Paints paints, QWidget* parent) : QLabel(parent), m_paints(paints) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::PointingHandCursor);
    if (m_paints == Paints::Background) {
        setAutoFillBackground(true);
        setFrameShape(QFrame::Box);
    }
    setColour(m_paints == Paints::Background ? platform::kWhite : platform::kBlack);
}

void SwatchLabel::setColour(platform::ColourValue colour) {
    m_colour = colour;
    QPalette colours = palette();
    colours.setColor(m_paints == Paints::Background ? QPalette::Window : QPalette::WindowText,
                     toQColor(colour));
    // Captions on a swatch stay black, whatever background the scheme has.
    if (m_paints == Paints::Background)
        colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
}

void SwatchLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace ui
