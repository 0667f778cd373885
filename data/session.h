#pragma once
// Who is working, on which server and on which database: filled once by the login and
// read by everyone else.
#include <QString>
#include <cstdint>

namespace orva::data {

struct SesionActual {
    std::int32_t IdUsuarioActual = 0; ///< IdUsuario of the logged-in row of master_usuarios
    QString sUsuarioActual;           ///< login name ("ADMIN" on the administrator path)
    QString sNombreUsuario;           ///< full name; "ADMINISTRADOR" for the administrator
    QString sPerfilAcceso;            ///< "ACCESO_TOTAL" for the administrator, else empty
    QString sContratoActual;          ///< always emptied by the login
    QString sBaseDatos;               ///< database chosen at login
    QString sServidor;                ///< server host in use
    std::int32_t iPuerto = 0;         ///< server port in use
    QString sUsuarioBD;               ///< database account of both connections
    QString sPasswordBD;              ///< its password
    QString sRutaSistema;             ///< the program's data folder, with trailing separator
};

/// The session of this process (all fields empty or zero before the login).
const SesionActual& sesion();

/// Replaces the session. Only the login (and tests standing in for it) call this.
void establecerSesion(const SesionActual& nueva);

} // namespace orva::data
