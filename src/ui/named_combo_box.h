#pragma once

#include <QComboBox>

namespace ui {

// A combo box that assistive technology reads by its accessible name, with the chosen text
// as its value. Qt's own reading on Linux names a combo box by its chosen text, so several
// lists showing "標準" would all sound alike and none would say what it chooses.
class NamedComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit NamedComboBox(QWidget* parent = nullptr);
};

} // namespace ui
