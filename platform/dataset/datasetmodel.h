#pragma once
// The grid's view of a Dataset: its visible rows and fields, and its cursor as the
// model's current row, so that the grid's focused record and the dataset's current row
// stay the same both ways.
#include "data/dataset.h"
#include "platform/grid/cursormodel.h"

#include <QPointer>

namespace orva::platform {

class DatasetModel : public CursorModel {
    Q_OBJECT
public:
    explicit DatasetModel(data::Dataset* dataset, QObject* parent = nullptr);

    data::Dataset* dataset() const { return dataset_; }

    /// The dataset's current row.
    int currentRow() const override;
    /// Moves the dataset's cursor (a row being edited is posted first, as the dataset
    /// does); an error is shown through the dialogs service and the cursor stays.
    void setCurrentRow(int row) override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    /// Display and edit roles: the typed value (number, date, text); null for NULL.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    /// The field names, for Qt::DisplayRole and FieldNameRole.
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    void reset();
    /// The dataset's row shown at a model row: while a row comes or goes, the views are
    /// told before the model changes, and until then they see the rows as they were.
    int datasetRow(int row) const;

    QPointer<data::Dataset> dataset_;
    // The dataset has already changed when it signals; the model keeps its own counts so
    // that the views see the change happen between "about to" and "done".
    int rows_ = 0;
    int columns_ = 0;
    int inserting_ = -1;
    int removing_ = -1;
};

} // namespace orva::platform
