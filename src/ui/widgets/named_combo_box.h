#pragma once

#include <QComboBox>

namespace ui {

// A combo box that assistive technology reads by its accessible name, with the chosen text
// as its value and as its text. Qt's own reading on Linux names a combo box by its chosen
// text, so several lists showing "標準" would all sound alike and none would say what it
// chooses.
class NamedComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit NamedComboBox(QWidget* parent = nullptr);

    // What the closed list shows: the chosen entry, or the prompt while none is chosen.
    QString shownEntry() const;

private:
    // Tells assistive technology that the text changed, from what to what.
    void announceShownEntry();

    QString m_announced;
};

} // namespace ui
