#include "app/listaservidores.h"

#include "data/errors.h"

#include <QFile>

namespace orva::app {
namespace {

bool esBlanco(QChar c) {
    return c.unicode() >= 1 && c.unicode() <= 32;
}

QString entreComillas(const QString& texto) {
    return QLatin1Char('"') + texto + QLatin1Char('"');
}

} // namespace

QStringList SepararElementos(const QString& linea) {
    QStringList elementos;
    const qsizetype n = linea.size();
    qsizetype p = 0;
    auto saltarBlancos = [&] {
        while (p < n && esBlanco(linea[p]))
            ++p;
    };
    saltarBlancos();
    while (p < n) {
        QString elemento;
        if (linea[p] == QLatin1Char('"')) {
            ++p;
            while (p < n) {
                if (linea[p] == QLatin1Char('"')) {
                    if (p + 1 < n && linea[p + 1] == QLatin1Char('"')) {
                        elemento += QLatin1Char('"');
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                elemento += linea[p++];
            }
        } else {
            const qsizetype inicio = p;
            while (p < n && !esBlanco(linea[p]) && linea[p] != QLatin1Char(','))
                ++p;
            elemento = linea.mid(inicio, p - inicio);
        }
        elementos << elemento;
        saltarBlancos();
        if (p < n && linea[p] == QLatin1Char(',')) {
            if (p + 1 == n)
                elementos << QString();
            do
                ++p;
            while (p < n && esBlanco(linea[p]));
        }
    }
    return elementos;
}

void LeerListaServidoresDeTexto(const QString& texto, ListaServidores& lista) {
    QString seccion;
    int numeroLinea = 0;
    for (QString linea : texto.split(QLatin1Char('\n'))) {
        ++numeroLinea;
        if (linea.endsWith(QLatin1Char('\r')))
            linea.chop(1);
        if (linea.trimmed().isEmpty())
            continue;
        if (linea.startsWith(QLatin1Char('['))) {
            const qsizetype cierre = linea.indexOf(QLatin1Char(']'));
            seccion = cierre < 0 ? linea : linea.left(cierre + 1);
            continue;
        }
        if (seccion != u"[DATA_BASE]")
            continue;
        if (lista.size() >= kMaxServidores)
            break;
        const QStringList e =
            SepararElementos(QString(linea).replace(QLatin1Char('='), QLatin1Char(',')));
        if (e.size() < 6)
            throw data::Exception(
                QStringLiteral("La línea %1 del archivo de conexiones no tiene los seis datos de "
                               "una conexión (número, nombre, puerto, usuario, contraseña y "
                               "servidor): %2")
                    .arg(numeroLinea)
                    .arg(linea));
        lista.append({e[1], e[5], e[2], e[3], e[4]});
    }
}

void LeerListaServidores(const QString& archivo, ListaServidores& lista) {
    QFile file(archivo);
    if (!file.open(QIODevice::ReadOnly))
        throw data::Exception(QStringLiteral("No se pudo leer el archivo de conexiones %1: %2")
                                  .arg(archivo, file.errorString()));
    LeerListaServidoresDeTexto(QString::fromUtf8(file.readAll()), lista);
}

QString LineaConexion(int n, const EntradaServidor& entrada) {
    return QString::number(n) + QLatin1Char('=') + entreComillas(entrada.conexion) +
           QLatin1Char('=') + entrada.puerto + QLatin1Char('=') + entreComillas(entrada.usuario) +
           QLatin1Char('=') + entreComillas(entrada.password) + QLatin1Char('=') +
           entreComillas(entrada.servidor);
}

QString TextoArchivoConexiones(const ListaServidores& lista) {
    const QString fin = QStringLiteral("\r\n");
    QString texto = QStringLiteral("[SYSTEM]") + fin + QStringLiteral("data_name=Orva") + fin +
                    fin + QStringLiteral("[DATA_BASE]") + fin;
    for (int i = 0; i < lista.size(); ++i)
        texto += LineaConexion(i + 1, lista[i]) + fin;
    return texto;
}

} // namespace orva::app
