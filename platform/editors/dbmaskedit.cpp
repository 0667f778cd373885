#include "platform/editors/dbmaskedit.h"

namespace orva::platform {

DbMaskEdit::DbMaskEdit(QWidget* parent) : QLineEdit(parent) {}

DbMaskEdit::DbMaskEdit(const QString& field, const QString& mask, QWidget* parent)
    : QLineEdit(parent) {
    setFieldName(field);
    setEditMask(mask);
}

void DbMaskEdit::setEditMask(const QString& delphiMask) {
    mask_ = translateDelphiMask(delphiMask);
    setInputMask(mask_.qtMask);
}

QVariant DbMaskEdit::editorValue() const {
    // Nothing typed into the mask's positions stores an empty text, not bare literals.
    const QString typed = maskedValue(displayText(), EditMask{mask_.qtMask, false, mask_.blank});
    return typed.isEmpty() ? QString() : maskedValue(displayText(), mask_);
}

void DbMaskEdit::setEditorValue(const QVariant& value) {
    setText(value.isNull() ? QString() : value.toString());
    setCursorPosition(0);
}

} // namespace orva::platform
