#include "platform/editors/dbdateedit.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace orva::platform {
namespace {
// The day before any date the program stores stands for "no date".
const QDate kEmpty(1899, 12, 31);
} // namespace

DbDateEdit::DbDateEdit(QWidget* parent) : QDateEdit(parent) {
    setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    setCalendarPopup(true);
    setMinimumDate(kEmpty);
    setSpecialValueText(QStringLiteral(" "));
    setDate(kEmpty);
}

DbDateEdit::DbDateEdit(const QString& field, QWidget* parent) : DbDateEdit(parent) {
    setFieldName(field);
}

QVariant DbDateEdit::editorValue() const {
    return isEmpty() ? QVariant(QMetaType(QMetaType::QDate)) : QVariant(date());
}

void DbDateEdit::setEditorValue(const QVariant& value) {
    QDate d = value.toDate();
    if (!d.isValid() && value.typeId() == QMetaType::QString)
        d = QDate::fromString(value.toString(), Qt::ISODate);
    setDate(d.isValid() ? d : kEmpty);
}

void DbDateEdit::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) &&
        lineEdit()->selectedText() == lineEdit()->text()) {
        clearDate();
        return;
    }
    QDateEdit::keyPressEvent(event);
}

} // namespace orva::platform
