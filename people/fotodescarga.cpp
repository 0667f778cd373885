#include "people/fotodescarga.h"

#include "data/errors.h"
#include "exchange/aws_s3.h"
#include "platform/dialogs/dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>
#include <algorithm>

namespace orva::people {
namespace {

/// The part after the last "/", "\" or ":"; the whole text when that part is empty.
QString UltimaParte(const QString& texto, const QString& separadores) {
    qsizetype corte = -1;
    for (QChar s : separadores)
        corte = std::max(corte, texto.lastIndexOf(s));
    const QString parte = texto.mid(corte + 1);
    return parte.isEmpty() ? texto : parte;
}

/// The key of an address of the configured storage: what follows its own address of the
/// bucket (a provider reached by endpoint, path-style), else ExtraerLlaveObjeto.
QString LlaveDeDireccion(const QString& direccion, const exchange::TAwsCreds& creds) {
    if (!creds.Bucket.empty()) {
        const QString propio = QString::fromStdString(exchange::S3ObjectUrl(creds, ""));
        if (!propio.isEmpty() && direccion.startsWith(propio)) {
            QString llave = direccion.mid(propio.size());
            const qsizetype pregunta = llave.indexOf(QLatin1Char('?'));
            if (pregunta >= 0)
                llave.truncate(pregunta);
            return QUrl::fromPercentEncoding(llave.toUtf8());
        }
    }
    return ExtraerLlaveObjeto(direccion);
}

} // namespace

QString ExtraerLlaveObjeto(const QString& direccion) {
    static const QString kDominio = QStringLiteral(".amazonaws.com/");
    QString llave = direccion;
    const qsizetype pos = llave.indexOf(kDominio);
    if (pos >= 0)
        llave = llave.mid(pos + kDominio.size());
    const qsizetype pregunta = llave.indexOf(QLatin1Char('?'));
    if (pregunta >= 0)
        llave.truncate(pregunta);
    return llave;
}

QString NombreArchivoSeguro(const QString& nombre, const QString& extensionPorDefecto) {
    QString texto = nombre;
    texto.replace(QLatin1Char('\\'), QLatin1Char('/'));
    texto = UltimaParte(texto, QStringLiteral("/\\:"));
    static const QRegularExpression kNoPermitidos(QStringLiteral("[^ \\-.0-9A-Z_a-z]"));
    texto.replace(kNoPermitidos, QStringLiteral("_"));
    if (QFileInfo(texto).suffix().isEmpty())
        texto += extensionPorDefecto;
    return texto;
}

QString NombreArchivoDescarga(const QString& llave, const QString& codigo) {
    // Unlike NombreArchivoSeguro, an empty last part here means "no name in the key".
    QString nombre = llave.mid(
        std::max(llave.lastIndexOf(QLatin1Char('\\')), llave.lastIndexOf(QLatin1Char(':'))) + 1);
    if (nombre.isEmpty())
        nombre = QStringLiteral("foto_") + codigo.trimmed() + QStringLiteral(".jpg");
    return NombreArchivoSeguro(nombre, QStringLiteral(".jpg"));
}

QString CarpetaRecursos() {
    const QDir datos(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    const QString carpeta = datos.filePath(QStringLiteral("Recursos"));
    if (!QDir().mkpath(carpeta))
        throw data::Exception(QStringLiteral("No se pudo crear la carpeta ") + carpeta);
    return carpeta;
}

QString MostrarFoto(const QString& sParamCodigo, const QString& sParamURL) {
    const QString direccion = sParamURL.trimmed();
    if (direccion.isEmpty()) {
        platform::dialogs().information(
            QStringLiteral("Este colaborador no tiene foto guardada. Cárgala para visualizarla."));
        return {};
    }
    const QString codigo = sParamCodigo.trimmed();
    exchange::TAwsCreds creds;
    exchange::LoadAwsCreds(creds);
    const QString llave = LlaveDeDireccion(direccion, creds);
    const QDir carpeta(CarpetaRecursos());
    const QString destino = carpeta.filePath(NombreArchivoDescarga(llave, codigo));
    try {
        if (exchange::S3GetFile(creds, llave.toStdString(), destino.toStdString()))
            return destino;
        platform::dialogs().error(QStringLiteral("No fue posible obtener la imagen: ") +
                                  QString::fromStdString(exchange::S3LastError()));
    } catch (const std::exception& error) {
        platform::dialogs().error(QStringLiteral("No fue posible obtener la imagen: ") +
                                  QString::fromUtf8(error.what()));
    }
    return {};
}

} // namespace orva::people
