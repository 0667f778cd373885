#include "platform/editors/dbmemo.h"

namespace orva::platform {

DbMemo::DbMemo(QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
}

DbMemo::DbMemo(const QString& field, QWidget* parent) : DbMemo(parent) {
    setFieldName(field);
}

} // namespace orva::platform
