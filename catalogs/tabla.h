#pragma once
// The catalog table: one row per catalog window, in the order of the main window's
// "Catalagos" submenu.
#include "catalogs/definicion.h"

namespace orva::catalogs {

/// The fifteen catalog windows.
const QList<DefCatalogo>& TablaCatalogos();

/// The row of form `forma` (compared without regard to case); throws data::Exception
/// when there is none.
const DefCatalogo& BuscarCatalogo(const QString& forma);

} // namespace orva::catalogs
