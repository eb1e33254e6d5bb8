#pragma once

#include "platform/prompter.h"

class QWidget;

namespace ui {

// The only QMessageBox user: no icon, title "TomoeA", OK or Yes/No.
class MessageBoxPrompter : public platform::Prompter {
public:
    explicit MessageBoxPrompter(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    void inform(const QString& text) override;
    bool ask(const QString& text) override;

private:
    QWidget* m_parent;
};

} // namespace ui
