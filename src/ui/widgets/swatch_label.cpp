#include "ui/widgets/swatch_label.h"

#include "ui/widgets/accessible_interfaces.h"
#include "ui/widgets/qt_colour.h"

#include <QAccessible>
#include <QColor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPen>

namespace ui {

SwatchLabel::SwatchLabel(Paints paints, QWidget* parent) : QLabel(parent), m_paints(paints) {
    installAccessibleInterfaces();
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignCenter);
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
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent changed(this, colourName());
        QAccessible::updateAccessibility(&changed);
    }
}

QString SwatchLabel::colourName() const {
    return toQColor(m_colour).name(QColor::HexRgb).toUpper();
}

void SwatchLabel::setClickable(bool clickable) {
    m_clickable = clickable;
    setFocusPolicy(clickable ? Qt::StrongFocus : Qt::NoFocus);
    if (clickable)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void SwatchLabel::click() {
    if (m_clickable)
        emit clicked();
}

void SwatchLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        click();
}

void SwatchLabel::keyPressEvent(QKeyEvent* event) {
    const bool pressKey = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                          event->key() == Qt::Key_Enter;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (!m_clickable || !pressKey || !plain) {
        QLabel::keyPressEvent(event);
        return;
    }
    click();
}

void SwatchLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // A label draws no focus of its own; without this a keyboard user cannot see where
    // Space would act. An outline only, so the colour itself stays as it is.
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(contentsRect().adjusted(2, 2, -2, -2));
}

} // namespace ui
