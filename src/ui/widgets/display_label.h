#pragma once

#include <QLabel>

namespace ui {

// A label whose text the program writes (a counter, a composed summary). Its accessible name
// says what it shows and its accessible value is the text itself, so a screen reader gives
// both instead of only the name.
class DisplayLabel : public QLabel {
    Q_OBJECT
public:
    explicit DisplayLabel(const QString& text = {}, QWidget* parent = nullptr);
};

} // namespace ui
