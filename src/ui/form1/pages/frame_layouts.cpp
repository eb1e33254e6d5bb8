#include "ui/form1/pages/frame_layouts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
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

void layOutExplanation(QGroupBox* frame, QPlainTextEdit* text, QCheckBox* hide, QPushButton* edit) {
    auto* layout = frameGrid(frame);
    layout->addWidget(text, 0, 0, 3, 1);
    layout->addWidget(hide, 0, 1);
    layout->addWidget(edit, 1, 1);
    layout->setRowStretch(2, 1);
    layout->setColumnStretch(0, 1);
}

} // namespace ui
