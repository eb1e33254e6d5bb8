#pragma once

class QGridLayout;
class QGroupBox;
class QVBoxLayout;
class QWidget;

namespace ui {

// The frames of a tab page, top to bottom.
QVBoxLayout* pageColumn(QWidget* page);

// A grid inside a frame with the margins every frame of the main window uses.
QGridLayout* frameGrid(QGroupBox* frame);

// The grid of `frame`: the one it has, else a new frameGrid.
QGridLayout* frameGridOf(QGroupBox* frame);

// The explanation frames of pages 1 to 3 share one shape: the text, and beside it the
// "表示不要" switch above the edit button; the text takes the room that is left.
void stretchExplanation(QGroupBox* frame);

} // namespace ui
