// Writes the connection file ovra.ds with one entry, as the registration window would:
//
//   orva_conexion FILE NAME HOST PORT ACCOUNT PASSWORD
//
// ./run.sh uses it on the first run to register the private database server as "Local".
#include "app/cifrado.h"
#include "app/listaservidores.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <exception>
#include <stdexcept>

int main(int argc, char** argv) {
    QCoreApplication aplicacion(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 7) {
        std::fprintf(stderr, "uso: orva_conexion ARCHIVO NOMBRE SERVIDOR PUERTO USUARIO "
                             "CONTRASEÑA\n");
        return 2;
    }
    const orva::app::EntradaServidor entrada{args[2], args[3], args[4], args[5], args[6]};
    QTemporaryDir carpeta; // private to the user (0700)
    if (!carpeta.isValid()) {
        std::fprintf(stderr, "No se pudo crear una carpeta temporal.\n");
        return 1;
    }
    const QString copia = carpeta.filePath(QStringLiteral("orva.ini"));
    try {
        QFile plano(copia);
        if (!plano.open(QIODevice::WriteOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner) ||
            plano.write(orva::app::TextoArchivoConexiones({entrada}).toUtf8()) < 0)
            throw std::runtime_error("No se pudo escribir la copia de trabajo.");
        plano.close();
        orva::app::CifrarArchivo(copia, args[1], orva::app::kSemillaConexiones,
                                 orva::app::ModoCifrado::Crear);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    std::printf("Conexión \"%s\" registrada en %s\n", qPrintable(args[2]), qPrintable(args[1]));
    return 0;
}
