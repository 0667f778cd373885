#include "catalogs/carga.h"

#include "data/binding.h"
#include "data/catalog.h"
#include "data/connection.h"
#include "data/errors.h"

namespace orva::catalogs {
namespace {

bool sinRestriccion(const QVariant& valor) {
    return valor.toString() == u"-1";
}

/// `dados` followed by as many -1 as the names still lack.
QVariantList completar(QVariantList dados, qsizetype nombres) {
    while (dados.size() < nombres)
        dados << -1;
    return dados;
}

} // namespace

void ArmarConsultaTabla(data::Dataset& dataset, const QString& tabla) {
    dataset.setSql(QStringLiteral("SELECT * FROM %1").arg(tabla));
}

void AgregarFiltroCampos(data::Dataset& dataset, const QString& campos,
                         const QVariantList& valores) {
    const QStringList lista = campos.split(u',');
    if (lista.size() != valores.size())
        throw data::Exception(QStringLiteral("Cantidad de campos y valores no coincide."));
    QStringList condiciones;
    QList<qsizetype> filtrados;
    for (qsizetype i = 0; i < lista.size(); ++i) {
        if (sinRestriccion(valores[i]))
            continue;
        condiciones << QStringLiteral("%1 = :%1").arg(lista[i]);
        filtrados << i;
    }
    if (condiciones.isEmpty())
        return;
    dataset.setSql(dataset.sql() + QStringLiteral(" WHERE ") +
                   condiciones.join(QStringLiteral(" AND ")));
    for (qsizetype i : filtrados)
        dataset.setParam(lista[i], valores[i]);
}

void PrepararCarga(data::Dataset& dataset, Carga carga, const QString& tabla, const QString& campos,
                   const QVariantList& valores) {
    dataset.close();
    if (carga == Carga::Consulta) {
        if (!data::AsignarConsulta(&dataset, tabla, QStringLiteral("UPDATE"), true))
            throw data::Exception(
                QStringLiteral("No se encuentra la consulta SQL \"%1\" en el catálogo.")
                    .arg(tabla));
        data::FiltrarConsulta(dataset, campos,
                              completar(valores, data::separarNombres(campos).size()));
        return;
    }
    dataset.setConnection(&data::connection().Uconnection);
    ArmarConsultaTabla(dataset, tabla);
    AgregarFiltroCampos(dataset, campos, completar(valores, campos.split(u',').size()));
}

} // namespace orva::catalogs
