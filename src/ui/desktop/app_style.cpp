#include "ui/desktop/app_style.h"

#include <QApplication>
#include <QFont>
#include <QStringList>
#include <QStyleFactory>

namespace ui {

void applyApplicationStyle(QApplication& application) {
    if (auto* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        application.setStyle(fusion);
    QFont font(QStringLiteral("Noto Sans CJK JP"), 9);
    // Where Noto CJK is missing, another Japanese face keeps the captions readable.
    font.setFamilies({QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Sans JP"),
                      QStringLiteral("IPAexGothic"), QStringLiteral("IPAGothic"),
                      QStringLiteral("VL Gothic"), QStringLiteral("TakaoPGothic")});
    font.setStyleHint(QFont::SansSerif);
    application.setFont(font);
}

} // namespace ui
