#include "platform/dataset/datasetrecord.h"

#include "data/dataset.h"

namespace orva::platform {

QVariant DatasetRecord::value(const QString& field) const {
    const data::Field f = dataset_.findField(field);
    return f.isValid() && dataset_.currentRow() >= 0 ? f.value() : QVariant();
}

void DatasetRecord::setValue(const QString& field, const QVariant& value) {
    dataset_.setValue(field, value);
}

} // namespace orva::platform
