#pragma once
// Shared by the window suites of the program: scripted dialogs for the length of a test,
// and the users, roles and rights they log in with.
#include "platform/dialogs/scripteddialogs.h"
#include "shell/avisosdatos.h"

#include <QString>
#include <memory>
#include <string>

namespace orva::test {

/// Installs a scripted dialogs service (and routes the data layer's messages to it) until
/// it goes out of scope.
class Guion {
public:
    Guion();
    ~Guion();
    Guion(const Guion&) = delete;
    Guion& operator=(const Guion&) = delete;

    platform::ScriptedDialogs& dialogos() { return *dialogos_; }
    /// Times the application was asked to end through the data layer.
    int terminaciones() const { return terminaciones_; }

private:
    platform::ScriptedDialogs* dialogos_;
    std::unique_ptr<platform::Dialogs> previo_;
    int terminaciones_ = 0;
    shell::AvisosDialogos avisos_;
};

/// The users of the suites (password in brackets):
///   1 admin [Admin2026], kept as typed; role 1, every option granted
///   2 capturista [Captura2026]; role 2, only dxOptEstados granted (tab 3)
///   3 partidos [Partidos1]; role 3, dxOptPartidos granted but Insertar "No"
///   4 minusculas [Minusculas1]; role 4, dxOptEstados with Acceder "si" (lower case),
///     dxColaboradores "Si"
///   5 inactivo [Inactivo1], EActivo "No"; role 2
/// Ordinary passwords are stored with AES_ENCRYPT and the program's key.
void CargarUsuarios(const std::string& baseDatos);

/// Sets the session as a successful login of that user would (the administrator path
/// for "admin").
void SesionDe(int idUsuario, const QString& usuario, const std::string& baseDatos);

/// Points the connection module at `baseDatos`, connected, with the catalogue unloaded.
void Conectar(const std::string& baseDatos);

} // namespace orva::test
