#pragma once
#include <QAbstractTableModel>

namespace orva::platform {

/// A table model whose rows have a current one (a dataset's cursor). A grid shown over
/// it keeps its focused record and the current row the same, both ways.
class CursorModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    /// Field name of a column, for header data role FieldNameRole.
    static constexpr int FieldNameRole = Qt::UserRole + 100;

    /// The current row, -1 when there is none.
    virtual int currentRow() const = 0;
    /// Moves the current row; the model emits currentRowChanged when it moved.
    virtual void setCurrentRow(int row) = 0;

signals:
    void currentRowChanged(int row);
};

} // namespace orva::platform
