#pragma once
// The connection file's settings and the plain working copies around it: ovra.ds is
// unscrambled into a copy to be read and a copy is scrambled into ovra.ds to be saved
// (see cifrado.h and listaservidores.h).
#include "app/listaservidores.h"

#include <QString>

namespace orva::app {

/// The [SYSTEM] section, with its defaults.
struct ConfiguracionSistema {
    QString servAcceso;      ///< SERV_ACCESO: the first server of the session
    QString rutaSistema;     ///< RUTA_SISTEMA, with a trailing separator
    int portAcceso = 3308;   ///< PORT_ACCESO (3308 when not a number)
    QString files;           ///< FILES
    int diasAnteriores = 10; ///< DIAS_ANTERIORES
    QString menuInicial;     ///< MENU_INICIAL
};

/// Reads the [SYSTEM] section of a plain copy; absent keys take their defaults (the
/// program's folder for RUTA_SISTEMA, its Reportes subfolder for FILES, or the files
/// subfolder of RUTA_SISTEMA when FILES is present but empty).
ConfiguracionSistema LeerConfiguracionSistema(const QString& copia);

/// The message shown when a copy cannot be scrambled or unscrambled.
QString MensajeCifrado(const QString& motivo);

/// Whether ovra.ds exists.
bool ExisteArchivoConexiones();

/// Unscrambles ovra.ds over `copia` (overwrite mode; ovra.ds stays). The copy is created
/// for the user, or emptied, first. Throws data::Exception.
void DescifrarSobreCopia(const QString& copia);

/// Unscrambles ovra.ds into `copia` (create mode, which deletes ovra.ds). Throws.
void DescifrarEnCopia(const QString& copia);

/// Scrambles `copia` into ovra.ds (create mode, which deletes the copy). Throws.
void CifrarCopia(const QString& copia);

/// Removes the sections SYSTEM and DATA_BASE from a plain copy, so that no password
/// stays readable in it. Throws data::Exception.
void BorrarSecciones(const QString& copia);

/// Writes `texto` as a plain copy readable by the user only. Throws data::Exception.
void EscribirCopia(const QString& copia, const QString& texto);

} // namespace orva::app
