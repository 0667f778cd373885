#pragma once
// The program's folder: where ovra.ds, image.ini (by default) and the Recursos folder
// sit beside the program file.
#include <QString>

namespace orva::shell {

/// The folder of the program file, with a trailing separator (or the one set below).
QString CarpetaPrograma();
/// Makes another folder the program's folder (tests; empty text restores the default).
void setCarpetaPrograma(const QString& carpeta);

/// `carpeta` with a trailing "/" (empty stays empty).
QString ConSeparador(const QString& carpeta);

} // namespace orva::shell
