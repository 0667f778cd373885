#include "app/cifrado.h"

#include "data/errors.h"

#include <QFile>

namespace orva::app {
namespace {

constexpr std::uint64_t kModulo = 2147483647u; // 2^31 - 1
constexpr std::uint64_t kMultiplicador = 48271u;
constexpr qint64 kBloque = 4096;

constexpr QFileDevice::Permissions kSoloDueno = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

[[noreturn]] void fallo(const QString& accion, const QFile& archivo) {
    QString motivo;
    switch (archivo.error()) {
    case QFileDevice::NoError:
    case QFileDevice::OpenError:
        if (accion == u"crear")
            motivo = QStringLiteral("la carpeta no existe o no permite escribir");
        else
            motivo = QFile::exists(archivo.fileName()) ? QStringLiteral("acceso denegado")
                                                       : QStringLiteral("el archivo no existe");
        break;
    case QFileDevice::PermissionsError:
        motivo = QStringLiteral("acceso denegado");
        break;
    case QFileDevice::ReadError:
        motivo = QStringLiteral("error de lectura");
        break;
    case QFileDevice::WriteError:
    case QFileDevice::ResizeError:
        motivo = QStringLiteral("error de escritura (¿disco lleno?)");
        break;
    case QFileDevice::RemoveError:
        motivo = QStringLiteral("no se pudo borrar");
        break;
    default:
        motivo = archivo.errorString();
        break;
    }
    throw data::Exception(
        QStringLiteral("No se pudo %1 el archivo %2: %3.").arg(accion, archivo.fileName(), motivo));
}

} // namespace

GeneradorCifrado::GeneradorCifrado(std::uint32_t semilla)
    : estado_(static_cast<std::uint32_t>(semilla % kModulo)) {
    if (estado_ == 0)
        estado_ = 1;
}

std::uint8_t GeneradorCifrado::siguiente() {
    estado_ = static_cast<std::uint32_t>(estado_ * kMultiplicador % kModulo);
    return static_cast<std::uint8_t>(estado_ >> 23);
}

void CifrarArchivo(const QString& origen, const QString& destino, std::uint32_t semilla,
                   ModoCifrado modo) {
    {
        QFile entrada(origen);
        if (!entrada.exists() || !entrada.open(QIODevice::ReadOnly))
            fallo(QStringLiteral("abrir"), entrada);

        QFile salida(destino);
        if (modo == ModoCifrado::Crear) {
            if (!salida.open(QIODevice::WriteOnly | QIODevice::Truncate, kSoloDueno))
                fallo(QStringLiteral("crear"), salida);
            salida.setPermissions(kSoloDueno); // also when it existed before
        } else {
            if (!salida.exists() || !salida.open(QIODevice::ReadWrite))
                fallo(QStringLiteral("abrir"), salida);
        }

        GeneradorCifrado generador(semilla);
        QByteArray bloque;
        for (;;) {
            bloque = entrada.read(kBloque);
            if (entrada.error() != QFileDevice::NoError)
                fallo(QStringLiteral("leer"), entrada);
            for (char& c : bloque)
                c = static_cast<char>(static_cast<std::uint8_t>(c) ^ generador.siguiente());
            if (salida.write(bloque) != bloque.size())
                fallo(QStringLiteral("escribir"), salida);
            if (bloque.size() < kBloque)
                break;
        }
        if (!salida.flush())
            fallo(QStringLiteral("escribir"), salida);
    }
    if (modo == ModoCifrado::Crear && QFile::exists(origen)) {
        QFile entrada(origen);
        if (!entrada.remove())
            fallo(QStringLiteral("borrar"), entrada);
    }
}

} // namespace orva::app
