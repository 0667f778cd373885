#include "shell/archivoini.h"

#include "data/errors.h"

#include <stdexcept>

namespace orva::shell {

platform::IniFile LeerIni(const QString& ruta) {
    try {
        return platform::IniFile::load(ruta);
    } catch (const std::runtime_error& e) {
        throw data::Exception(QString::fromUtf8(e.what()));
    }
}

void EscribirIni(const platform::IniFile& ini, const QString& ruta) {
    try {
        ini.save(ruta);
    } catch (const std::runtime_error& e) {
        throw data::Exception(QString::fromUtf8(e.what()));
    }
}

} // namespace orva::shell
