#include "app/rutas.h"

#include "app/equipo.h"
#include "data/errors.h"
#include "shell/carpetas.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace orva::app {
namespace {

QString& elegida() {
    static QString carpeta;
    return carpeta;
}

constexpr QFileDevice::Permissions kCarpetaPrivada =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;

void crearCarpeta(const QString& carpeta) {
    QDir dir(carpeta);
    if (!dir.exists() && !dir.mkpath(QStringLiteral(".")))
        throw data::Exception(QStringLiteral("No se pudo crear la carpeta %1.")
                                  .arg(QDir::toNativeSeparators(carpeta)));
    QFile::setPermissions(carpeta, kCarpetaPrivada);
}

} // namespace

QString ArchivoConexiones() {
    return shell::CarpetaPrograma() + QStringLiteral("ovra.ds");
}

QString CarpetaPrivada() {
    QString carpeta = elegida();
    if (carpeta.isEmpty())
        carpeta = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (carpeta.isEmpty())
        carpeta = QDir::homePath() + QStringLiteral("/.orva");
    crearCarpeta(carpeta);
    return shell::ConSeparador(carpeta);
}

void setCarpetaPrivada(const QString& carpeta) {
    elegida() = carpeta;
}

QString CopiaAcceso() {
    return CarpetaPrivada() + QStringLiteral("Recursos/quilmar_danger.ini");
}

QString CopiaRelectura() {
    return CarpetaPrivada() + QStringLiteral("orva.ini");
}

QString CopiaRegistro() {
    return CarpetaPrivada() + QStringLiteral("Reportes/quilmar") + NombreEquipo() +
           QLatin1Char('_') + DireccionMAC() + QStringLiteral(".ini");
}

void PrepararCarpetaDe(const QString& ruta) {
    crearCarpeta(QFileInfo(ruta).absolutePath());
}

} // namespace orva::app
