#include "ui/form1/pages/frame_layouts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

namespace ui {

QVBoxLayout* pageColumn(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    return layout;
}

QGridLayout* frameGrid(QGroupBox* frame) {
    auto* layout = new QGridLayout(frame);
    layout->setContentsMargins(6, 2, 6, 4);
    layout->setVerticalSpacing(3);
    return layout;
}

QGridLayout* frameGridOf(QGroupBox* frame) {
    if (auto* grid = qobject_cast<QGridLayout*>(frame->layout()))
        return grid;
    return frameGrid(frame);
}

void stretchExplanation(QGroupBox* frame) {
    auto* layout = frameGridOf(frame);
    layout->setRowStretch(2, 1);
    layout->setColumnStretch(0, 1);
}

} // namespace ui
