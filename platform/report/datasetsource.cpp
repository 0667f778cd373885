#include "platform/report/datasetsource.h"

#include "data/dataset.h"

namespace orva::platform::report {

DatasetSource::DatasetSource(const data::Dataset& dataset, QString name)
    : dataset_(dataset), name_(std::move(name)) {}

int DatasetSource::rowCount() const {
    return allRows_ ? dataset_.recordCount() : static_cast<int>(rows_.size());
}

int DatasetSource::datasetRow(int row) const {
    return allRows_ ? row : rows_[static_cast<std::size_t>(row)];
}

int DatasetSource::fieldIndex(const QString& field) const {
    return dataset_.fieldIndex(field);
}

QVariant DatasetSource::value(int row, int field) const {
    return dataset_.valueAt(datasetRow(row), field);
}

QString DatasetSource::text(int row, int field) const {
    return dataset_.displayTextAt(datasetRow(row), field);
}

} // namespace orva::platform::report
