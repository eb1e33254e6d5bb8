#include "ui/form1/field_values.h"

#include "platform/text_file.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>

namespace ui {

core::CheckValue checkValue(const QAbstractButton* box) {
    if (const auto* check = qobject_cast<const QCheckBox*>(box)) {
        switch (check->checkState()) {
        case Qt::Unchecked:
            return 0;
        case Qt::PartiallyChecked:
            return 2;
        case Qt::Checked:
            return 1;
        }
    }
    return box->isChecked() ? 1 : 0;
}

core::ComboValue comboValue(const QComboBox* combo) {
    const int position = combo->currentIndex();
    if (position < 0)
        return {combo->placeholderText(), -1};
    return {combo->itemText(position), position};
}

QString multiLineValue(const QPlainTextEdit* text) {
    return platform::withCrLf(text->toPlainText());
}

} // namespace ui
