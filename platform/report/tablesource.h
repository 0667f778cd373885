#pragma once
// Rows held in memory as a report's source: for reports of figures the program computes
// rather than reads from a dataset.
#include "platform/grid/displayformat.h"
#include "platform/report/reportsource.h"

#include <QStringList>
#include <QVariantList>
#include <vector>

namespace orva::platform::report {

class TableSource : public ReportSource {
public:
    TableSource(QString name, QStringList fields)
        : name_(std::move(name)), fields_(std::move(fields)) {}

    /// Adds a row: one value per field, in the order of the fields.
    void addRow(QVariantList values) { rows_.push_back(std::move(values)); }

    QString name() const override { return name_; }
    int rowCount() const override { return static_cast<int>(rows_.size()); }
    int fieldIndex(const QString& field) const override {
        for (int i = 0; i < fields_.size(); ++i)
            if (fields_[i].compare(field, Qt::CaseInsensitive) == 0)
                return i;
        return -1;
    }
    QVariant value(int row, int field) const override {
        return rows_[static_cast<std::size_t>(row)].value(field);
    }
    QString text(int row, int field) const override { return formatValue(value(row, field), {}); }

private:
    QString name_;
    QStringList fields_;
    std::vector<QVariantList> rows_;
};

} // namespace orva::platform::report
