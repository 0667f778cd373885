#include "data/errorcatalog.h"

#include "data/connection.h"
#include "data/errors.h"
#include "data/prompts.h"

#include <QDateTime>

namespace orva::data {
namespace {

const QString duplicateText = QStringLiteral("SQL Error: Duplicate entry for key");
const QString lostLink = QStringLiteral("Se ha perdido la conexión con la base de datos.");
const QString noServer = QStringLiteral("No se encontró la base de datos.");

struct KnownFailure {
    const char* text;
    const QString* warning;
};

// Searched in this order. Older clients word the failures as in the first two lines;
// the connector installed with the program as in the others.
const KnownFailure knownFailures[] = {
    {"connect to MySQL server on", &noServer},    {"MySQL server has gone away", &lostLink},
    {"Can't connect to server on", &noServer},    {"Can't connect to local server", &noServer},
    {"Can't connect to MySQL server", &noServer}, {"Server has gone away", &lostLink},
    {"Lost connection to server", &lostLink},     {"Lost connection to MySQL server", &lostLink},
};

bool isDatabaseKind(const QString& clase) {
    return clase == u"EZSQLException" || clase == u"EZDatabaseError" || clase == u"EDatabaseError";
}

void warnUnmanaged(const QString& mensaje, const QString& formulario, const QString& descripcion,
                   int codigo, int clase) {
    prompts().warning(QStringLiteral("Error en la aplicación.\n\nInforme al Administrador del "
                                     "sistema del siguiente mensaje de error:\n\n") +
                      mensaje);
    if (!RegistrarError(mensaje, formulario, descripcion, codigo, clase))
        prompts().warning(QStringLiteral("No fue posible registrar el error en la base de "
                                         "datos.\n\nInformelo al Administrador del sistema."));
}

/// The catalogue search, where a failure to search counts as nothing found: the error
/// being handled is still shown and recording it is still tried.
bool searchCatalogue(const QString& mensaje, const QString& formulario, const QString& descripcion,
                     int codigo, int clase) {
    try {
        return BuscarMensajeError(mensaje, formulario, descripcion, codigo, clase);
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace

QString NormalizarMensajeError(const QString& mensaje) {
    // The server words it "Duplicate entry '…' for key '…'"; older clients put
    // "SQL Error: " in front.
    return mensaje.contains(u"Duplicate entry") ? duplicateText : mensaje;
}

std::optional<QString> AvisoConexion(const QString& mensaje) {
    for (const KnownFailure& k : knownFailures)
        if (mensaje.contains(QLatin1String(k.text)))
            return *k.warning;
    return std::nullopt;
}

bool MensajeErrorConocido(const QString& mensaje) {
    const std::optional<QString> aviso = AvisoConexion(mensaje);
    if (aviso)
        prompts().warning(*aviso);
    return aviso.has_value();
}

bool BuscarMensajeError(const QString& mensaje, const QString& formulario,
                        const QString& descripcion, int codigo, int clase) {
    Dataset& q = connection().QryBusca;
    q.close();
    q.setSql(QStringLiteral("SELECT idcatalogodeerrores, sError, sMensaje FROM catalogodeerrores "
                            "WHERE iClase = :clase AND sFormulario = :formulario AND "
                            "sDescripcion = :descripcion AND iCodigoError = :codigo AND "
                            "sMensaje <> \"\""));
    q.setParam(QStringLiteral("clase"), clase);
    q.setParam(QStringLiteral("formulario"), formulario);
    q.setParam(QStringLiteral("descripcion"), descripcion);
    q.setParam(QStringLiteral("codigo"), codigo);
    q.open();
    const int sError = q.fieldByName(QStringLiteral("sError")).index();
    const int sMensaje = q.fieldByName(QStringLiteral("sMensaje")).index();
    for (int r = 0; r < q.recordCount(); ++r) {
        if (mensaje.contains(q.valueAt(r, sError).toString())) {
            prompts().information(q.valueAt(r, sMensaje).toString());
            q.close();
            return true;
        }
    }
    q.close();
    return false;
}

bool RegistrarError(const QString& mensaje, const QString& formulario, const QString& descripcion,
                    int codigo, int clase) {
    Dataset& c = connection().zCommand;
    const QDateTime fecha = QDateTime::currentDateTime();
    auto insert = [&](const QString& sql, bool withClass) {
        c.close();
        c.setSql(sql);
        c.setParam(QStringLiteral("error"), mensaje);
        c.setParam(QStringLiteral("formulario"), formulario);
        c.setParam(QStringLiteral("descripcion"), descripcion);
        c.setParam(QStringLiteral("fecha"), fecha);
        c.setParam(QStringLiteral("codigo"), codigo);
        if (withClass)
            c.setParam(QStringLiteral("clase"), clase);
        c.execSql();
    };
    const QString head = QStringLiteral(
        "INSERT INTO catalogodeerrores (sError, sMensaje, sFormulario, sDescripcion, iClase, "
        "dFecha, iCodigoError) VALUES (:error, ");
    try {
        insert(head + QStringLiteral("\"\", :formulario, :descripcion, 2, :fecha, :codigo)"),
               false);
    } catch (const std::exception&) {
        return false;
    }
    try {
        insert(head + QStringLiteral("\"Este mensaje de error fue generado automaticamente por el "
                                     "sistema.\", :formulario, :descripcion, :clase, :fecha, "
                                     ":codigo)"),
               true);
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

bool ManejarError(const QString& mensaje, const QString& clase, const QString& formulario,
                  const QString& descripcion, int codigo) {
    if (clase == u"Exception") {
        prompts().information(mensaje);
        return false;
    }
    const QString texto = NormalizarMensajeError(mensaje);
    if (isDatabaseKind(clase)) {
        if (MensajeErrorConocido(texto))
            return true;
        if (!searchCatalogue(texto, formulario, descripcion, codigo, 0))
            warnUnmanaged(texto, formulario, descripcion, codigo, 0);
        return true;
    }
    if (!searchCatalogue(texto, formulario, descripcion, codigo, 1))
        warnUnmanaged(texto, formulario, descripcion, codigo, 1);
    return false;
}

bool ManejarError(const std::exception& error, const QString& formulario,
                  const QString& descripcion, int codigo) {
    return ManejarError(errorText(error), errorKind(error), formulario, descripcion, codigo);
}

} // namespace orva::data
