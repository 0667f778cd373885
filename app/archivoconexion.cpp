#include "app/archivoconexion.h"

#include "app/cifrado.h"
#include "app/rutas.h"
#include "data/errors.h"
#include "shell/archivoini.h"
#include "shell/carpetas.h"

#include <QFile>

namespace orva::app {
namespace {

constexpr QFileDevice::Permissions kSoloDueno = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
const QString kSystem = QStringLiteral("SYSTEM");

} // namespace

ConfiguracionSistema LeerConfiguracionSistema(const QString& copia) {
    const platform::IniFile ini = shell::LeerIni(copia);
    ConfiguracionSistema c;
    c.servAcceso = ini.value(kSystem, QStringLiteral("SERV_ACCESO"));
    c.rutaSistema = shell::ConSeparador(
        ini.value(kSystem, QStringLiteral("RUTA_SISTEMA"), shell::CarpetaPrograma()));
    if (c.rutaSistema.isEmpty())
        c.rutaSistema = shell::CarpetaPrograma();
    bool numero = false;
    const int puerto = ini.value(kSystem, QStringLiteral("PORT_ACCESO")).toInt(&numero);
    c.portAcceso = numero ? puerto : 3308;
    if (!ini.contains(kSystem, QStringLiteral("FILES")))
        c.files = shell::CarpetaPrograma() + QStringLiteral("Reportes");
    else
        c.files = ini.value(kSystem, QStringLiteral("FILES"));
    if (c.files.isEmpty())
        c.files = c.rutaSistema + QStringLiteral("files");
    const int dias = ini.value(kSystem, QStringLiteral("DIAS_ANTERIORES")).toInt(&numero);
    c.diasAnteriores = numero ? dias : 10;
    c.menuInicial = ini.value(kSystem, QStringLiteral("MENU_INICIAL"), QStringLiteral("activo"));
    return c;
}

QString MensajeCifrado(const QString& motivo) {
    return QStringLiteral("Error: No se pudo Encriptar el fichero.\rMotivo: ") + motivo;
}

bool ExisteArchivoConexiones() {
    return QFile::exists(ArchivoConexiones());
}

void DescifrarSobreCopia(const QString& copia) {
    // Writing over a longer copy would leave its old tail (older entries, in clear) after
    // the new text, where the reading would take it for entries; the copy is emptied
    // first.
    EscribirCopia(copia, {});
    CifrarArchivo(ArchivoConexiones(), copia, kSemillaConexiones, ModoCifrado::Sobrescribir);
}

void DescifrarEnCopia(const QString& copia) {
    PrepararCarpetaDe(copia);
    CifrarArchivo(ArchivoConexiones(), copia, kSemillaConexiones, ModoCifrado::Crear);
}

void CifrarCopia(const QString& copia) {
    CifrarArchivo(copia, ArchivoConexiones(), kSemillaConexiones, ModoCifrado::Crear);
}

void BorrarSecciones(const QString& copia) {
    platform::IniFile ini = shell::LeerIni(copia);
    ini.removeSection(kSystem);
    ini.removeSection(QStringLiteral("DATA_BASE"));
    EscribirCopia(copia, ini.text());
}

void EscribirCopia(const QString& copia, const QString& texto) {
    PrepararCarpetaDe(copia);
    QFile file(copia);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate, kSoloDueno))
        throw data::Exception(
            QStringLiteral("No se pudo escribir el archivo %1: %2").arg(copia, file.errorString()));
    file.setPermissions(kSoloDueno);
    const QByteArray bytes = texto.toUtf8();
    if (file.write(bytes) != bytes.size() || !file.flush())
        throw data::Exception(
            QStringLiteral("No se pudo escribir el archivo %1: %2").arg(copia, file.errorString()));
}

} // namespace orva::app
