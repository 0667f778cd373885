#pragma once
// The start order of the program.
class QApplication;

namespace orva::app {

/// Creates, in order, the connection module, the main window, the login window and the
/// loading window, then runs the event loop until the main window ends the
/// application. Returns the process's exit code.
int Arrancar(QApplication& aplicacion);

} // namespace orva::app
