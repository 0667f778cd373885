#pragma once
// A Dataset as a report's source: its visible rows in its order, or the chosen ones.
#include "platform/report/reportsource.h"

#include <vector>

namespace orva::data {
class Dataset;
}

namespace orva::platform::report {

class DatasetSource : public ReportSource {
public:
    /// Every visible row of `dataset`, under the name `name`.
    DatasetSource(const data::Dataset& dataset, QString name);
    /// Only these dataset rows, in this order.
    void setRows(std::vector<int> rows) {
        rows_ = std::move(rows);
        allRows_ = false;
    }

    QString name() const override { return name_; }
    int rowCount() const override;
    int fieldIndex(const QString& field) const override;
    QVariant value(int row, int field) const override;
    QString text(int row, int field) const override;

private:
    int datasetRow(int row) const;

    const data::Dataset& dataset_;
    QString name_;
    std::vector<int> rows_;
    bool allRows_ = true;
};

} // namespace orva::platform::report
