#include "ui/widgets/program_icon.h"

#include <QPainter>
#include <QPainterPath>

namespace ui {

QPixmap drawProgramIcon(int size) {
    QPixmap icon(size, size);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    // The drawing is made on the 128-unit grid of the SVG file.
    painter.scale(size / 128.0, size / 128.0);

    auto stroke = [](const QColor& colour, qreal width) {
        QPen pen(colour, width);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        return pen;
    };

    QPainterPath string(QPointF(62, 20));
    string.cubicTo(40, 6, 16, 14, 10, 34);
    painter.setPen(stroke(QColor(0x6B, 0x4A, 0x2B), 4));
    painter.drawPath(string);

    QPainterPath tag(QPointF(10, 64));
    tag.lineTo(46, 22);
    tag.lineTo(110, 22);
    tag.quadTo(120, 22, 120, 32);
    tag.lineTo(120, 96);
    tag.quadTo(120, 106, 110, 106);
    tag.lineTo(46, 106);
    tag.closeSubpath();
    painter.setPen(stroke(QColor(0xA8, 0x46, 0x1C), 4));
    painter.setBrush(QColor(0xE8, 0x74, 0x3B));
    painter.drawPath(tag);

    painter.setPen(stroke(QColor(0xA8, 0x46, 0x1C), 3));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(34, 64), 8, 8);

    QPainterPath letter(QPointF(66, 34));
    letter.lineTo(71, 56);
    letter.moveTo(98, 48);
    letter.cubicTo(86, 54, 66, 64, 66, 76);
    letter.cubicTo(66, 88, 80, 92, 102, 90);
    painter.setPen(stroke(Qt::white, 9));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(letter);
    return icon;
}

} // namespace ui
