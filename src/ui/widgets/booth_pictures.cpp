#include "ui/widgets/booth_pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace ui {

namespace {

const QColor kBoothOrange(0xF0, 0x8C, 0x1E);
const QColor kBoothCream(0xFF, 0xF6, 0xD8);
const QColor kBoothBrown(0x6B, 0x3A, 0x0C);

QFont pictureFont(int pixelSize) {
    QFont font;
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

} // namespace

QPixmap drawBoothBanner() {
    QPixmap banner(148, 28);
    QPainter painter(&banner);
    QLinearGradient shade(0, 0, 0, banner.height());
    shade.setColorAt(0, kBoothCream);
    shade.setColorAt(1, kBoothOrange);
    painter.fillRect(banner.rect(), shade);
    painter.setPen(kBoothBrown);
    painter.drawRect(banner.rect().adjusted(0, 0, -1, -1));
    painter.fillRect(QRect(6, 7, 14, 14), kBoothBrown);
    painter.setFont(pictureFont(13));
    painter.drawText(banner.rect().adjusted(24, 0, -4, 0), Qt::AlignCenter,
                     QStringLiteral("マイ・オークション"));
    return banner;
}

QPixmap drawBoothButton() {
    QPixmap button(55, 49);
    QPainter painter(&button);
    painter.fillRect(button.rect(), kBoothOrange);
    painter.fillRect(button.rect().adjusted(3, 3, -3, -3), kBoothCream);
    painter.setPen(kBoothBrown);
    painter.setFont(pictureFont(11));
    painter.drawText(button.rect().adjusted(3, 3, -3, -3), Qt::AlignCenter,
                     QStringLiteral("マイ・\nオーク\nション"));
    return button;
}

} // namespace ui
