#include "ui/widgets/focus_events.h"

#include <QEvent>
#include <QWidget>
#include <utility>

namespace ui {

namespace {

// Lives as long as the widget it watches.
class FocusWatch : public QObject {
public:
    FocusWatch(QWidget* widget, QEvent::Type type, std::function<void()> action)
        : QObject(widget), m_type(type), m_action(std::move(action)) {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == m_type)
            m_action();
        return QObject::eventFilter(watched, event);
    }

private:
    QEvent::Type m_type;
    std::function<void()> m_action;
};

} // namespace

void onFocusIn(QWidget* widget, std::function<void()> action) {
    new FocusWatch(widget, QEvent::FocusIn, std::move(action));
}

void onFocusOut(QWidget* widget, std::function<void()> action) {
    new FocusWatch(widget, QEvent::FocusOut, std::move(action));
}

} // namespace ui
