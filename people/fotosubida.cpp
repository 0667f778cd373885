#include "people/fotosubida.h"

#include "data/errors.h"
#include "exchange/aws_s3.h"
#include "people/fotocompresion.h"
#include "people/fotopendiente.h"

namespace orva::people {

QString LlaveFotoPerfil(const QString& codigo, const QString& marca, const QString& extension) {
    return QStringLiteral("assets/imagenes/colaboradores/%1/perfil_%2%3")
        .arg(codigo, marca, extension);
}

QString SubirFotoPendiente(const FotoPendiente& foto, const QString& codigo) {
    exchange::TAwsCreds creds;
    exchange::LoadAwsCreds(creds);
    if (creds.AccessKey.empty() || creds.SecretKey.empty() || creds.Region.empty() ||
        creds.Bucket.empty())
        throw data::Exception(QStringLiteral("Faltan credenciales AWS (revisa aws.ini)."));
    const std::string llave =
        LlaveFotoPerfil(codigo.trimmed(), MarcaDeTiempo(), foto.FPendingExt).toStdString();
    std::string direccion;
    try {
        direccion = exchange::S3PutFile(creds, llave, foto.FPendingTmpPath.toStdString(), {});
    } catch (const std::exception& error) {
        throw data::Exception(QStringLiteral("Falló la subida a S3: ") +
                              QString::fromUtf8(error.what()));
    }
    if (direccion.empty())
        throw data::Exception(QStringLiteral("Falló la subida a S3: ") +
                              QString::fromStdString(exchange::S3LastError()));
    if (direccion.rfind("http", 0) != 0)
        direccion = exchange::S3ObjectUrl(creds, llave);
    return QString::fromStdString(direccion);
}

} // namespace orva::people
