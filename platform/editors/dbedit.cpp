#include "platform/editors/dbedit.h"

namespace orva::platform {

DbEdit::DbEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!upperCase_)
            return;
        const QString upper = text.toUpper();
        if (upper != text) {
            const int cursor = cursorPosition();
            setText(upper);
            setCursorPosition(cursor);
        }
    });
}

DbEdit::DbEdit(const QString& field, QWidget* parent) : DbEdit(parent) {
    setFieldName(field);
}

void DbEdit::setUpperCase(bool on) {
    upperCase_ = on;
}

void DbEdit::setEditorValue(const QVariant& value) {
    setText(value.isNull() ? QString() : value.toString());
    setCursorPosition(0);
}

} // namespace orva::platform
