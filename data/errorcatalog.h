#pragma once
// The error catalogue: database errors become managed messages. A new error is shown
// with a request to tell the administrator and recorded in catalogodeerrores (on
// zConnection); the next time the same error happens in the same place the recorded
// message is shown instead, which the administrator may rewrite in plain words.
#include <QString>
#include <exception>
#include <optional>

namespace orva::data {

/// Handles an error with its kind name ("Exception" for plain program errors,
/// "EDatabaseError", "EZSQLException" or "EZDatabaseError" for database errors, anything
/// else for other errors), the window and the action where it happened and a code.
/// Plain errors are only shown. True for database errors. Never throws.
bool ManejarError(const QString& mensaje, const QString& clase, const QString& formulario,
                  const QString& descripcion, int codigo);
/// The same for a caught error, its kind and text taken from it.
bool ManejarError(const std::exception& error, const QString& formulario,
                  const QString& descripcion, int codigo);

/// Every duplicate-key error reads "SQL Error: Duplicate entry for key", whatever key.
QString NormalizarMensajeError(const QString& mensaje);

/// The warning for a known connection failure in the text, if any: "No se encontró la
/// base de datos." or "Se ha perdido la conexión con la base de datos.".
std::optional<QString> AvisoConexion(const QString& mensaje);
/// Shows the warning of a known connection failure; false when the text is not one.
bool MensajeErrorConocido(const QString& mensaje);

/// Shows the catalogued message of the first recorded error of that class, window,
/// action and code whose text occurs in `mensaje`; false when none matched.
bool BuscarMensajeError(const QString& mensaje, const QString& formulario,
                        const QString& descripcion, int codigo, int clase);

/// Records a new error as two rows: the raw text (class 2, empty message) and one of
/// its class with the automatic message. False when the database refused either.
bool RegistrarError(const QString& mensaje, const QString& formulario, const QString& descripcion,
                    int codigo, int clase);

} // namespace orva::data
