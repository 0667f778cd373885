#pragma once
// Where the connection file and its plain working copies live. The scrambled file
// ovra.ds sits beside the program; the plain copies, which hold the passwords in clear
// while they are read or written, live in a folder of the user's own that only the user
// can open, and every copy is readable by the user only.
#include <QString>

namespace orva::app {

/// The scrambled connection file beside the program.
QString ArchivoConexiones();

/// The user's private folder of working copies (created with mode 0700 when missing),
/// with a trailing separator. Throws data::Exception when it cannot be created.
QString CarpetaPrivada();
/// Makes another folder the private one (tests; empty text restores the default).
void setCarpetaPrivada(const QString& carpeta);

/// The login's working copy: Recursos/quilmar_danger.ini in the private folder.
QString CopiaAcceso();
/// The copy used to read the list again after the registration window saved it.
QString CopiaRelectura();
/// The registration window's copy: Reportes/quilmar<computer>_<address>.ini.
QString CopiaRegistro();

/// Creates `ruta`'s folder for the user only when it is missing. Throws data::Exception.
void PrepararCarpetaDe(const QString& ruta);

} // namespace orva::app
