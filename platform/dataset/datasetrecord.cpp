#include "platform/dataset/datasetrecord.h"

#include "data/dataset.h"

namespace orva::platform {

QVariant DatasetRecord::value(const QString& field) const {
    const data::Field f = dataset_.findField(field);
    return f.isValid() && dataset_.currentRow() >= 0 ? f.value() : QVariant();
}

int DatasetRecord::maxLength(const QString& field) const {
    const int index = dataset_.fieldIndex(field);
    return index < 0 ? 0 : static_cast<int>(dataset_.fieldInfo(index).maxChars);
}

void DatasetRecord::setValue(const QString& field, const QVariant& value) {
    dataset_.setValue(field, value);
}

} // namespace orva::platform
