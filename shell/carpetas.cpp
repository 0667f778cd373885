#include "shell/carpetas.h"

#include <QCoreApplication>

namespace orva::shell {
namespace {

QString& elegida() {
    static QString carpeta;
    return carpeta;
}

} // namespace

QString ConSeparador(const QString& carpeta) {
    if (carpeta.isEmpty() || carpeta.endsWith(QLatin1Char('/')) ||
        carpeta.endsWith(QLatin1Char('\\')))
        return carpeta;
    return carpeta + QLatin1Char('/');
}

QString CarpetaPrograma() {
    if (!elegida().isEmpty())
        return elegida();
    return ConSeparador(QCoreApplication::applicationDirPath());
}

void setCarpetaPrograma(const QString& carpeta) {
    elegida() = ConSeparador(carpeta);
}

} // namespace orva::shell
