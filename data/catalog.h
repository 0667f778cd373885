#pragma once
// The statement catalogue: the SQL of the windows lives in the database (table
// master_consultassql, one row per name and type), is read once into memory, and is
// given to datasets by name.
#include <QString>

namespace orva::data {

class Dataset;

/// Loads (or reloads) the whole catalogue into connection().zConsultasSQL. On failure
/// shows "No se pudo conectar…" offering to retry the link or to end the program, and
/// returns false.
bool CargarConsultasSQL();

/// Gives `dataset` the statement (NombreConsulta, Tipo), compared exactly, and sets it up
/// for its type: "UPDATE" caches changes, locks the edited row and, with
/// AplicarAlGuardar, applies each post at once; "READONLY" refuses changes. Every
/// parameter starts as "-1" (no restriction). The dataset is left closed, on
/// Uconnection. False, and the dataset untouched, when the catalogue has no such
/// statement. Throws Exception when `dataset` is null or the catalogue is empty.
bool AsignarConsulta(Dataset* dataset, const QString& NombreConsulta, const QString& Tipo,
                     bool AplicarAlGuardar);

/// After-post handler of "UPDATE" datasets: pings the links, then applies the dataset's
/// cached changes.
void AplicarTrasGuardar(Dataset& dataset);

/// Shows `texto` with OK and Cancel and the error icon; OK gives true, Cancel asks the
/// application to end and gives false.
bool ConfirmarOTerminar(const QString& texto, const QString& titulo);

} // namespace orva::data
