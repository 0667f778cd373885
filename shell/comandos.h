#pragma once
// The main window's commands as data: every tab, group and command of its ribbon, with
// the component name, caption and tag the rights code walks, and what each one does.
#include "platform/ribbon/ribboncommand.h"

#include <QList>
#include <QString>

namespace orva::platform {
class Ribbon;
}

namespace orva::shell {

/// What a command does when pressed.
enum class Accion {
    Ninguna,           ///< present, does nothing
    Abrir,             ///< opens the window `ventana` (ventanas.h), setting `modulo` first
    SeleccionEmpresa,  ///< closes the child windows after confirmation, re-applies rights
    RecargarConsultas, ///< reloads the statement catalogue
    PaginaWeb,         ///< opens the page `ventana` of the Recursos folder in the browser
    Salir,             ///< closes the main window (with the exit question)
    Acoplar,           ///< child windows as tabs or as free windows
    CerrarTodo,        ///< closes every child window
    Cascada,
    MosaicoHorizontal,
    MosaicoVertical,
    Mascaras ///< the skin gallery
};

/// Where a command sits.
enum class Lugar {
    Grupo,         ///< in the group named `contenedor`
    Submenu,       ///< in the submenu command named `contenedor`
    AccesoRapido,  ///< in the quick-access bar
    MenuAplicacion ///< in the application menu (an existing command is added there too)
};

struct DefPestana {
    const char* nombre;
    const char* titulo;
    int tag;
    QList<const char*> grupos;
};

struct DefComando {
    Lugar lugar;
    const char* contenedor;
    const char* nombre;
    const char* titulo;
    platform::RibbonCommand::Kind tipo;
    int tag;
    Accion accion = Accion::Ninguna;
    const char* ventana = nullptr; ///< form name (Abrir) or page file (PaginaWeb)
    const char* modulo = nullptr;  ///< ModuloActual key set before opening
};

/// Tag of the commands that the rights never touch.
inline constexpr int kTagSinPermisos = 100;

/// The ribbon's tabs, in order, with their groups.
const QList<DefPestana>& TablaPestanas();
/// The commands, in the order they are placed.
const QList<DefComando>& TablaComandos();
/// The definition of a command by component name (exact), nullptr when absent.
const DefComando* BuscarComando(const QString& nombre);

/// Builds the tabs, groups and commands of the tables into `ribbon`.
void ConstruirRibbon(platform::Ribbon& ribbon);

} // namespace orva::shell
