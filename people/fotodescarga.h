#pragma once
// Fetching a person's stored photo back from object storage into a local file.
#include <QString>

namespace orva::people {

/// The object key of a stored address: what follows ".amazonaws.com/" (when present),
/// without a query ("?…").
QString ExtraerLlaveObjeto(const QString& direccion);

/// A plain local file name from a key or name: only its last part after "/", "\" or ":",
/// characters other than blanks, "-", ".", "_", digits and ASCII letters turned into "_",
/// and `extensionPorDefecto` appended when it has no extension.
QString NombreArchivoSeguro(const QString& nombre, const QString& extensionPorDefecto);

/// The local name of a downloaded photo: the key's part after its last "\" or ":" (a key
/// separated by "/" only is taken whole), "foto_<code>.jpg" when that part is empty, made
/// safe by NombreArchivoSeguro.
QString NombreArchivoDescarga(const QString& llave, const QString& codigo);

/// The folder downloaded photos go to: "Recursos" under the user's data folder (the
/// program's own folder may be read-only), created when missing.
QString CarpetaRecursos();

/// Downloads the photo stored at `sParamURL` of the person `sParamCodigo` into
/// CarpetaRecursos() and returns the local path; tells the user and returns empty text
/// when the person has no photo or the download fails.
QString MostrarFoto(const QString& sParamCodigo, const QString& sParamURL);

} // namespace orva::people
