#pragma once
// Small operations the record windows call around their database work: the action log,
// dates for SQL, new keys and codes. The error catalogue and the progress helpers are
// reached through this header too.
#include "data/errorcatalog.h"
#include "data/progress.h"

#include <QDate>
#include <QString>

namespace orva::data {

/// Writes one action-log entry for the session user (catalogued statement
/// "insert_kardex_sistema" with Usuario, Fecha, Hora, Descripcion, Nombre). Errors
/// reach the caller.
void RegistrarBitacora(const QString& descripcion);

/// Year, month and day without leading zeros: 5 March 2024 gives "2024-3-5".
QString FechaSQL(const QDate& fecha);

/// The first day of the current month.
QDate PrimerDiaMes();

/// The largest value of `campo` in `tabla` plus one (1 on an empty table). Names are
/// quoted as identifiers. Errors reach the caller.
qlonglong SiguienteId(const QString& tabla, const QString& campo);

/// The next code for `campo` of `tabla` from its row in master_cnf_folios (Prefijo, a
/// number of NumDig digits, complemento), or empty text when no folio applies. Codes are
/// compared as text: once the number outgrows NumDig digits the same folio comes back.
/// Errors (a code whose number part is not a number among them) reach the caller.
QString GenerarFolio(const QString& tabla, const QString& campo);

} // namespace orva::data
