#include "app/equipo.h"

#include <QNetworkInterface>
#include <QRegularExpression>
#include <QSysInfo>

namespace orva::app {
namespace {

const QString kCeros = QStringLiteral("00-00-00-00-00-00");

/// "aa:bb:cc:dd:ee:ff" as "AA-BB-CC-DD-EE-FF"; empty when it is not six bytes.
QString formatear(const QString& direccion) {
    static const QRegularExpression seisBytes(
        QStringLiteral("^[0-9A-Fa-f]{2}([:-][0-9A-Fa-f]{2}){5}$"));
    if (!seisBytes.match(direccion).hasMatch())
        return {};
    QString texto = direccion.toUpper();
    texto.replace(QLatin1Char(':'), QLatin1Char('-'));
    return texto;
}

} // namespace

QString NombreEquipo() {
    return QSysInfo::machineHostName();
}

QString ElegirDireccionMAC(const QStringList& direcciones) {
    QString ultima;
    for (const QString& d : direcciones) {
        const QString texto = formatear(d);
        if (texto.isEmpty())
            continue; // adapters without a six-byte address (tunnels and the like)
        ultima = texto;
        if (ultima != kCeros)
            break;
    }
    return ultima;
}

QString DireccionMAC() {
    QStringList direcciones;
    for (const QNetworkInterface& i : QNetworkInterface::allInterfaces())
        if (!(i.flags() & QNetworkInterface::IsLoopBack))
            direcciones << i.hardwareAddress();
    return ElegirDireccionMAC(direcciones);
}

} // namespace orva::app
