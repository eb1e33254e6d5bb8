#pragma once

#include <QLineEdit>

namespace ui {

// "タイトルで絞り込み": the box that narrows a list of kept listings as the seller types.
// Ctrl+F anywhere in its window puts the caret in it; Escape empties it, and on an empty box
// goes on to the window as usual (a dialog closes), so the key keeps its old meaning there.
class TitleSearchBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TitleSearchBox(QWidget* window);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace ui
