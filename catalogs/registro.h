#pragma once
// Makes the catalog windows known to the main window, which opens them by form name.
namespace orva::catalogs {

/// Registers the fifteen catalog windows (frmEstados … frmTiposApoyos) with
/// shell::RegistrarVentana as single-instance child windows.
void RegistrarCatalogos();

} // namespace orva::catalogs
