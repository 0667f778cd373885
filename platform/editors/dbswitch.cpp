#include "platform/editors/dbswitch.h"

namespace orva::platform {

DbSwitch::DbSwitch(QWidget* parent) : QCheckBox(parent) {}

DbSwitch::DbSwitch(const QString& field, const QString& caption, QWidget* parent)
    : QCheckBox(caption, parent) {
    setFieldName(field);
}

} // namespace orva::platform
