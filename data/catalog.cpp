#include "data/catalog.h"

#include "data/connection.h"
#include "data/errors.h"
#include "data/prompts.h"

#include <QHash>

namespace orva::data {
namespace {

void ping(Dataset&) {
    connection().PingConexion();
}

/// Rows of the loaded catalogue by name and type, rebuilt whenever it is loaded again.
class CatalogIndex {
public:
    int find(Dataset& catalog, const QString& name, const QString& type) {
        if (catalog.generation() != generation_ || catalog.recordCount() != count_)
            rebuild(catalog);
        return rows_.value(key(name, type), -1);
    }

private:
    static QString key(const QString& name, const QString& type) {
        return name + QChar(0x1f) + type;
    }
    void rebuild(Dataset& catalog) {
        rows_.clear();
        const int nameCol = catalog.fieldByName(QStringLiteral("NombreConsulta")).index();
        const int typeCol = catalog.fieldByName(QStringLiteral("Tipo")).index();
        count_ = catalog.recordCount();
        for (int r = count_ - 1; r >= 0; --r) // the first row of a pair wins
            rows_.insert(
                key(catalog.valueAt(r, nameCol).toString(), catalog.valueAt(r, typeCol).toString()),
                r);
        generation_ = catalog.generation();
    }

    QHash<QString, int> rows_;
    quint64 generation_ = 0;
    int count_ = -1;
};

CatalogIndex& catalogIndex() {
    static CatalogIndex index;
    return index;
}

} // namespace

bool CargarConsultasSQL() {
    Dataset& catalog = connection().zConsultasSQL;
    try {
        catalog.close();
        catalog.setSql(QStringLiteral("Select * from master_consultassql"));
        catalog.hooks.beforeOpen = ping;
        catalog.hooks.beforeRefresh = ping;
        catalog.open();
        return true;
    } catch (const Exception& error) {
        if (error.message() == u"***")
            return false;
        if (ConfirmarOTerminar(QStringLiteral("No se pudo conectar debido al siguiente error:  ") +
                                   error.message(),
                               QStringLiteral("Error de Conexion")))
            connection().PingConexion();
        return false;
    }
}

bool AsignarConsulta(Dataset* dataset, const QString& NombreConsulta, const QString& Tipo,
                     bool AplicarAlGuardar) {
    if (!dataset)
        throw Exception(QStringLiteral("El componente no se encuentra creado."));
    Dataset& catalog = connection().zConsultasSQL;
    if (!catalog.isActive())
        CargarConsultasSQL();
    if (!catalog.isActive() || catalog.isEmpty())
        throw Exception(QStringLiteral(
            "No se encuentra consultas SQL definidas dentro de la tabla master_ConsultasSql"));
    const int row = catalogIndex().find(catalog, NombreConsulta, Tipo);
    if (row < 0)
        return false;
    catalog.setCurrentRow(row);
    const QString sql = catalog.fieldByName(QStringLiteral("SQL")).asString();

    dataset->close();
    dataset->setSql(sql);
    dataset->setConnection(&connection().Uconnection);
    if (!sql.trimmed().isEmpty())
        for (const QString& name : dataset->paramNames())
            dataset->setParam(name, QStringLiteral("-1"));
    dataset->hooks.beforeOpen = ping;
    dataset->hooks.beforeRefresh = ping;
    if (Tipo == u"UPDATE") {
        dataset->setReadOnly(false);
        dataset->setCachedUpdates(true);
        dataset->setLockMode(Dataset::LockMode::Pessimistic);
        dataset->hooks.afterPost = AplicarAlGuardar ? Dataset::Hook(AplicarTrasGuardar) : nullptr;
    } else if (Tipo == u"READONLY") {
        dataset->hooks.beforePost = nullptr;
        dataset->setReadOnly(true);
    }
    return true;
}

void AplicarTrasGuardar(Dataset& dataset) {
    connection().zConnection.pingOrReconnect();
    connection().PingConexion();
    dataset.applyUpdates();
}

bool ConfirmarOTerminar(const QString& texto, const QString& titulo) {
    if (prompts().okCancelError(texto, titulo))
        return true;
    prompts().quitApplication();
    return false;
}

} // namespace orva::data
