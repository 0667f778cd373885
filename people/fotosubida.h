#pragma once
// Uploading the pending photo of a person when the person is saved.
#include <QString>

namespace orva::people {

struct FotoPendiente;

/// The object key of a person's photo: "assets/imagenes/colaboradores/<code>/perfil_
/// <timestamp><ext>".
QString LlaveFotoPerfil(const QString& codigo, const QString& marca, const QString& extension);

/// Uploads the pending photo under the person's key and returns the address to store.
/// Raises data::Exception "Faltan credenciales AWS (revisa aws.ini)." when the access
/// key, secret, region or bucket is missing, and "Falló la subida a S3: …" when the
/// upload is refused.
QString SubirFotoPendiente(const FotoPendiente& foto, const QString& codigo);

} // namespace orva::people
