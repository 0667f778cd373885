#pragma once
// The grid's model of a catalog window: the rows of its dataset and, for a parent whose
// name the loaded table does not carry, a column with the name its lookup list gives
// for the row's key.
#include "platform/dataset/datasetmodel.h"

namespace orva::catalogs {

class ListasCatalogo;

class ModeloCatalogo : public platform::DatasetModel {
    Q_OBJECT
public:
    ModeloCatalogo(data::Dataset* dataset, const ListasCatalogo& listas, QObject* parent = nullptr);

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    /// Positions in the lists' definitions of the parents whose name column is missing.
    QList<qsizetype> faltantes() const;

    const ListasCatalogo& listas_;
};

} // namespace orva::catalogs
