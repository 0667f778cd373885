#pragma once
// The binder's record over a dataset's current row.
#include "platform/editors/boundeditor.h"

namespace orva::data {
class Dataset;
}

namespace orva::platform {

/// Reads and writes the dataset's current row by field name. A field the dataset does
/// not have reads as an invalid QVariant; writing one raises the dataset's error.
class DatasetRecord : public Record {
public:
    explicit DatasetRecord(data::Dataset& dataset) : dataset_(dataset) {}
    QVariant value(const QString& field) const override;
    /// The dataset must be in edit or insert state.
    void setValue(const QString& field, const QVariant& value) override;
    int maxLength(const QString& field) const override;

private:
    data::Dataset& dataset_;
};

} // namespace orva::platform
