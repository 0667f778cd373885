#pragma once
// Module rights. A user's rights are the rows of the catalogued statement
// admin_roles_modulos_usuarios (one per module key: Acceder, Insertar, Editar, Eliminar,
// Imprimir, Exportar, each granted only by exactly "Si"), held for the session in the
// connection module's zModulosPermisos.
#include <QString>

class QWidget;

namespace orva::platform {
class Ribbon;
}

namespace orva::shell {

/// Enables and shows the main window's commands the session user may open, and shows the
/// tabs holding at least one of them. Commands tagged 100 are never touched; submenus
/// are left as they are (only their items change). The user "ADMIN" (any case) sees
/// every command and tab. Errors of the statement reach the caller.
void AplicarPermisosMenu(platform::Ribbon& ribbon);

/// Enables or disables the record operations of a module window by the rights of
/// `modulo`: the upper toolbar FrmBarraSuperior1's Agregar, Editar, Eliminar, Imprime
/// and Exportar, and every control or action of the window tagged 10 (Insertar),
/// 11 (Editar), 12 (Eliminar), 13 (Exportar) or 14 (Imprimir). Nothing changes when no
/// rights row carries that key. Rights only enable or disable; they never show or hide.
void AplicarPermisosBarras(QWidget* ventana, const QString& modulo);

/// Opens the session user's rights into zModulosPermisos (assign, bind, open).
void AbrirPermisosUsuario();

} // namespace orva::shell
