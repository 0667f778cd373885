#include "catalogs/modelocatalogo.h"

#include "catalogs/listas.h"
#include "data/dataset.h"

namespace orva::catalogs {

ModeloCatalogo::ModeloCatalogo(data::Dataset* dataset, const ListasCatalogo& listas,
                               QObject* parent)
    : DatasetModel(dataset, parent), listas_(listas) {}

QList<qsizetype> ModeloCatalogo::faltantes() const {
    QList<qsizetype> lista;
    if (DatasetModel::columnCount() == 0)
        return lista;
    const QList<DefLista>& defs = listas_.definiciones();
    for (qsizetype i = 0; i < defs.size(); ++i)
        if (!defs[i].columnaNombre.isEmpty() && dataset()->fieldIndex(defs[i].columnaNombre) < 0)
            lista << i;
    return lista;
}

int ModeloCatalogo::columnCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    return DatasetModel::columnCount() + static_cast<int>(faltantes().size());
}

QVariant ModeloCatalogo::data(const QModelIndex& index, int role) const {
    const int base = DatasetModel::columnCount();
    if (!index.isValid() || index.column() < base)
        return DatasetModel::data(index, role);
    const QList<qsizetype> extra = faltantes();
    const qsizetype i = index.column() - base;
    if (i >= extra.size() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const DefLista& d = listas_.definiciones()[extra[i]];
    const int llave = dataset()->fieldIndex(d.campo);
    if (llave < 0)
        return {};
    return listas_.nombrePorLlave(d.campo, DatasetModel::data(index.siblingAtColumn(llave), role));
}

QVariant ModeloCatalogo::headerData(int section, Qt::Orientation orientation, int role) const {
    const int base = DatasetModel::columnCount();
    if (orientation != Qt::Horizontal || section < base)
        return DatasetModel::headerData(section, orientation, role);
    const QList<qsizetype> extra = faltantes();
    const qsizetype i = section - base;
    if (i >= extra.size() || (role != Qt::DisplayRole && role != FieldNameRole))
        return {};
    return listas_.definiciones()[extra[i]].columnaNombre;
}

} // namespace orva::catalogs
