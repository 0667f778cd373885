#include "data/records.h"

#include "data/binding.h"
#include "data/catalog.h"
#include "data/connection.h"
#include "data/errors.h"
#include "data/session.h"

#include <QTime>

namespace orva::data {
namespace {

const QString bitacoraStatement = QStringLiteral("insert_kardex_sistema");

/// `text` as the body of a LIKE pattern that matches exactly that text.
QString likeLiteral(const QString& text) {
    QString out = text;
    out.replace(u'\\', QStringLiteral("\\\\"));
    out.replace(u'%', QStringLiteral("\\%"));
    out.replace(u'_', QStringLiteral("\\_"));
    return out;
}

} // namespace

void RegistrarBitacora(const QString& descripcion) {
    Dataset& command = connection().zUCommand;
    command.close();
    command.setSql(QString());
    if (!AsignarConsulta(&command, bitacoraStatement, QStringLiteral("UPDATE"), true))
        throw Exception(QStringLiteral("No se encontró la consulta SQL %1 en el catálogo: no se "
                                       "pudo registrar la bitácora.")
                            .arg(bitacoraStatement));
    const SesionActual& s = sesion();
    FiltrarConsulta(command, QStringLiteral("Usuario, Fecha, Hora, Descripcion, Nombre"),
                    {s.IdUsuarioActual, FechaSQL(QDate::currentDate()),
                     QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz")), descripcion,
                     s.sNombreUsuario});
    command.execSql();
}

QString FechaSQL(const QDate& fecha) {
    return QStringLiteral("%1-%2-%3").arg(fecha.year()).arg(fecha.month()).arg(fecha.day());
}

QDate PrimerDiaMes() {
    const QDate today = QDate::currentDate();
    return QDate(today.year(), today.month(), 1);
}

qlonglong SiguienteId(const QString& tabla, const QString& campo) {
    Dataset query(&connection().Uconnection);
    query.setSql(QStringLiteral("select max(%1) as Maximo from %2 ")
                     .arg(QString::fromUtf8(quoteIdentifier(campo)),
                          QString::fromUtf8(quoteIdentifier(tabla))));
    query.open();
    if (query.isEmpty())
        return 1;
    return query.fieldByName(QStringLiteral("Maximo")).asInteger() + 1;
}

QString GenerarFolio(const QString& tabla, const QString& campo) {
    Dataset config(&connection().Uconnection);
    config.setSql(
        QStringLiteral("Select * from master_cnf_folios where Tabla=:Tabla and Campo=:Campo"));
    config.setParam(QStringLiteral("Tabla"), tabla);
    config.setParam(QStringLiteral("Campo"), campo);
    config.open();
    if (config.isEmpty() || config.fieldByName(QStringLiteral("Aplicar")).asString() != u"Si")
        return {};
    const QString prefijo = config.fieldByName(QStringLiteral("Prefijo")).asString();
    const int numDig = static_cast<int>(config.fieldByName(QStringLiteral("NumDig")).asInteger());
    const QString complemento = config.fieldByName(QStringLiteral("complemento")).asString();

    // Names go in as quoted identifiers and texts as parameters escaped by the connector;
    // the prefix and complement are matched literally, even with % or _ in them.
    const QString column = QString::fromUtf8(quoteIdentifier(campo));
    QString sql = QStringLiteral("Select MAX(%1) as Campo from %2 where %1 Like :prefijo")
                      .arg(column, QString::fromUtf8(quoteIdentifier(tabla)));
    if (!complemento.isEmpty())
        sql += QStringLiteral(" and %1 Like :complemento").arg(column);
    Dataset maximo(&connection().Uconnection);
    maximo.setSql(sql);
    maximo.setParam(QStringLiteral("prefijo"), likeLiteral(prefijo) + u'%');
    if (!complemento.isEmpty())
        maximo.setParam(QStringLiteral("complemento"), u'%' + likeLiteral(complemento));
    maximo.open();

    QString ultimo =
        maximo.isEmpty() ? QString() : maximo.fieldByName(QStringLiteral("Campo")).asString();
    if (!complemento.trimmed().isEmpty()) {
        const qsizetype at = ultimo.indexOf(complemento);
        ultimo = at < 0 ? QString() : ultimo.left(at);
    }
    qlonglong n = 1;
    if (!ultimo.isEmpty()) {
        // With no digit count, the number is all that follows the prefix.
        const QString digits = numDig > 0 ? ultimo.right(numDig) : ultimo.mid(prefijo.size());
        bool ok = false;
        n = digits.toLongLong(&ok) + 1;
        if (!ok)
            throw Exception(
                QStringLiteral("El último folio de %1.%2, «%3», no termina en un "
                               "número; revise la configuración de folios.")
                    .arg(tabla, campo, maximo.fieldByName(QStringLiteral("Campo")).asString()));
    }
    const QString number =
        numDig > 0 ? QStringLiteral("%1").arg(n, numDig, 10, QChar(u'0')) : QString::number(n);
    return prefijo + number + complemento;
}

} // namespace orva::data
