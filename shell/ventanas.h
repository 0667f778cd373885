#pragma once
// The main window's child windows, as every module reaches them: the current module key,
// the single-instance opening of a module's window, and the helpers that count and close
// the open ones. Windows of later modules register how they are created, so the main
// window opens them by form name without knowing their classes.
#include <QString>
#include <functional>

class QMdiArea;
class QWidget;

namespace orva::shell {

/// The module key the last command set before opening its window; the window copies it
/// when it is shown and looks its rights up with it.
QString ModuloActual();
void setModuloActual(const QString& modulo);

/// Makes `area` the place of the child windows (the main window does this when it is
/// created; nullptr when it goes).
void RegistrarAreaVentanas(QMdiArea* area);
QMdiArea* AreaVentanas();

/// If a child window whose form name (object name) equals `nombreForm`, compared
/// without regard to case, is open, brings it to the front and returns true.
bool MostrarSiAbierta(const QString& nombreForm);
/// The number of open child windows.
int VentanasAbiertas();
/// Asks every open child window to close, in the order they were opened.
void CerrarVentanas();

/// How a module's window is made. `mdi` windows are single-instance children of the
/// main window that free themselves when closed; the others are ordinary windows, a new
/// one at every opening.
struct FabricaVentana {
    std::function<QWidget*()> crear;
    bool mdi = true;
};

/// Registers the window of form `nombreForm` (replacing an earlier registration).
void RegistrarVentana(const QString& nombreForm, std::function<QWidget*()> crear, bool mdi = true);
bool VentanaRegistrada(const QString& nombreForm);

/// Opens a module's window: brings it to the front when already open; otherwise sets
/// ModuloActual to `modulo` (when not empty), creates the window and shows it. Returns
/// the window shown, or nullptr when no window of that name is registered yet.
QWidget* AbrirVentana(const QString& nombreForm, const QString& modulo = {});

} // namespace orva::shell
