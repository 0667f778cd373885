#pragma once
// INI files read and written with their errors as the program's own (data::Exception),
// so that windows show them like any other failure.
#include "platform/ini/inifile.h"

namespace orva::shell {

/// Reads `ruta` (a missing file gives an empty document). Throws data::Exception.
platform::IniFile LeerIni(const QString& ruta);
/// Writes `ini` to `ruta`. Throws data::Exception.
void EscribirIni(const platform::IniFile& ini, const QString& ruta);

} // namespace orva::shell
