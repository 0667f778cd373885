#include "platform/dataset/datasetmodel.h"

#include "data/dataset.h"
#include "data/errors.h"
#include "platform/dialogs/dialogs.h"

namespace orva::platform {

DatasetModel::DatasetModel(data::Dataset* dataset, QObject* parent)
    : CursorModel(parent), dataset_(dataset) {
    reset();
    connect(dataset, &data::Dataset::rowsReset, this, [this] {
        beginResetModel();
        reset();
        endResetModel();
    });
    connect(dataset, &data::Dataset::rowInserted, this, [this](int row) {
        inserting_ = row;
        beginInsertRows({}, row, row);
        ++rows_;
        inserting_ = -1;
        endInsertRows();
    });
    connect(dataset, &data::Dataset::rowRemoved, this, [this](int row) {
        removing_ = row;
        beginRemoveRows({}, row, row);
        --rows_;
        removing_ = -1;
        endRemoveRows();
    });
    connect(dataset, &data::Dataset::rowChanged, this, [this](int row) {
        if (row >= 0 && row < rows_ && columns_ > 0)
            emit dataChanged(index(row, 0), index(row, columns_ - 1));
    });
    connect(dataset, &data::Dataset::currentRowChanged, this, &CursorModel::currentRowChanged);
}

void DatasetModel::reset() {
    const bool active = dataset_ && dataset_->isActive();
    rows_ = active ? dataset_->recordCount() : 0;
    columns_ = active ? dataset_->fieldCount() : 0;
}

int DatasetModel::datasetRow(int row) const {
    if (removing_ >= 0)
        return row == removing_ ? -1 : (row > removing_ ? row - 1 : row);
    if (inserting_ >= 0)
        return row >= inserting_ ? row + 1 : row;
    return row;
}

int DatasetModel::currentRow() const {
    return dataset_ ? dataset_->currentRow() : -1;
}

void DatasetModel::setCurrentRow(int row) {
    if (!dataset_ || row == dataset_->currentRow())
        return;
    try {
        dataset_->setCurrentRow(row);
    } catch (const std::exception& e) {
        dialogs().error(data::errorText(e));
        emit currentRowChanged(dataset_->currentRow()); // the grid goes back to it
    }
}

int DatasetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int DatasetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns_;
}

QVariant DatasetModel::data(const QModelIndex& index, int role) const {
    if (!dataset_ || !index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const int row = datasetRow(index.row());
    if (row < 0 || row >= dataset_->recordCount() || index.column() >= dataset_->fieldCount())
        return {};
    if (role == Qt::DisplayRole &&
        dataset_->fieldInfo(index.column()).type == data::FieldType::Blob)
        return {};
    return dataset_->valueAt(row, index.column());
}

QVariant DatasetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (!dataset_ || orientation != Qt::Horizontal || section < 0 || section >= columns_ ||
        (role != Qt::DisplayRole && role != FieldNameRole))
        return {};
    return dataset_->fieldInfo(section).name;
}

} // namespace orva::platform
