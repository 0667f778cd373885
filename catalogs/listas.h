#pragma once
// The lookup lists of a catalog window: one read-only dataset per parent catalog, loaded
// when the window is shown and not refreshed while it stays open.
#include "catalogs/definicion.h"

#include <QHash>
#include <QObject>
#include <vector>

class QAbstractItemModel;

namespace orva::data {
class Dataset;
}

namespace orva::catalogs {

class ListasCatalogo : public QObject {
    Q_OBJECT
public:
    ListasCatalogo(const QList<DefLista>& definiciones, QObject* parent = nullptr);

    /// Loads every list (statement or table text, key -1). Errors reach the caller; the
    /// lists loaded before the failure stay loaded.
    void Cargar();

    /// The list of a row field (IdPais), nullptr when the window has none for it.
    QAbstractItemModel* modelo(const QString& campo) const;
    data::Dataset* datos(const QString& campo) const;
    const QList<DefLista>& definiciones() const { return defs_; }

    /// The name the list shows for `llave` (compared as text); empty when not listed.
    QString nombrePorLlave(const QString& campo, const QVariant& llave) const;

private:
    struct Lista {
        data::Dataset* datos;
        QAbstractItemModel* modelo;
        QHash<QString, QString> nombres; ///< key as text -> shown name
    };
    const Lista* buscar(const QString& campo) const;

    QList<DefLista> defs_;
    std::vector<Lista> listas_;
};

} // namespace orva::catalogs
