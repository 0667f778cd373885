#include "catalogs/listas.h"

#include "data/dataset.h"
#include "platform/dataset/datasetmodel.h"

namespace orva::catalogs {

ListasCatalogo::ListasCatalogo(const QList<DefLista>& definiciones, QObject* parent)
    : QObject(parent), defs_(definiciones) {
    for (const DefLista& d : defs_) {
        auto* datos = new data::Dataset(nullptr, this);
        datos->setObjectName(QStringLiteral("u") + d.campo.mid(2));
        listas_.push_back({datos, new platform::DatasetModel(datos, this), {}});
    }
}

void ListasCatalogo::Cargar() {
    for (std::size_t i = 0; i < listas_.size(); ++i) {
        const DefLista& d = defs_[static_cast<qsizetype>(i)];
        Lista& l = listas_[i];
        PrepararCarga(*l.datos, d.carga, d.origen, d.filtro, d.valores);
        l.datos->setReadOnly(true);
        l.datos->open();
        l.nombres.clear();
        const int llave = l.datos->fieldIndex(d.campo);
        const int muestra = l.datos->fieldIndex(d.muestra);
        if (llave < 0 || muestra < 0)
            continue;
        for (int fila = 0; fila < l.datos->recordCount(); ++fila)
            l.nombres.insert(l.datos->valueAt(fila, llave).toString(),
                             l.datos->valueAt(fila, muestra).toString());
    }
}

const ListasCatalogo::Lista* ListasCatalogo::buscar(const QString& campo) const {
    for (std::size_t i = 0; i < listas_.size(); ++i)
        if (defs_[static_cast<qsizetype>(i)].campo.compare(campo, Qt::CaseInsensitive) == 0)
            return &listas_[i];
    return nullptr;
}

QAbstractItemModel* ListasCatalogo::modelo(const QString& campo) const {
    const Lista* l = buscar(campo);
    return l ? l->modelo : nullptr;
}

data::Dataset* ListasCatalogo::datos(const QString& campo) const {
    const Lista* l = buscar(campo);
    return l ? l->datos : nullptr;
}

QString ListasCatalogo::nombrePorLlave(const QString& campo, const QVariant& llave) const {
    const Lista* l = buscar(campo);
    return l && llave.isValid() ? l->nombres.value(llave.toString()) : QString();
}

} // namespace orva::catalogs
