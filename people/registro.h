#pragma once
// The people module's windows, made known to the main window by form name.

namespace orva::people {

/// Registers frmColaboradores (a child window of the main window).
void RegistrarPersonas();

} // namespace orva::people
