#pragma once
// Where a report's rows come from: a named source of rows and fields, read by position.
// Expressions name it as the templates do: [frxDBDataSet1."SNombre"].
#include <QString>
#include <QVariant>

namespace orva::platform::report {

class ReportSource {
public:
    virtual ~ReportSource() = default;
    /// The name expressions and bands use.
    virtual QString name() const = 0;
    virtual int rowCount() const = 0;
    /// Index of a field (case-insensitive), -1 when absent.
    virtual int fieldIndex(const QString& field) const = 0;
    /// The typed value of a cell (number, date, text); invalid for NULL.
    virtual QVariant value(int row, int field) const = 0;
    /// The cell as a list shows it when no display format applies.
    virtual QString text(int row, int field) const = 0;
};

} // namespace orva::platform::report
