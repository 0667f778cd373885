#include "people/fotopendiente.h"

#include "data/errors.h"
#include "people/fotocompresion.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

namespace orva::people {
namespace {

QString ExtensionDe(const QString& path) {
    const QString sufijo = QFileInfo(path).suffix().toLower();
    return sufijo.isEmpty() ? QString() : QStringLiteral(".") + sufijo;
}

/// A path in the temporary folder that no file takes yet.
QString ArchivoTemporal(const QString& prefijo) {
    const QDir temporal(QDir::tempPath());
    QString path;
    for (int intento = 0;; ++intento) {
        path = temporal.filePath(prefijo + MarcaDeTiempo() +
                                 (intento ? QStringLiteral("_%1").arg(intento) : QString()) +
                                 QStringLiteral(".jpg"));
        if (!QFileInfo::exists(path))
            return path;
    }
}

void EscribirArchivo(const QString& path, const QByteArray& contenido) {
    QSaveFile archivo(path);
    if (!archivo.open(QIODevice::WriteOnly) || archivo.write(contenido) != contenido.size() ||
        !archivo.commit())
        throw data::Exception(QStringLiteral("No se pudo escribir el archivo %1: %2")
                                  .arg(path, archivo.errorString()));
}

void BorrarSiEsNuestro(const QString& trabajo, const QString& elegido) {
    if (trabajo != elegido && QFileInfo::exists(trabajo))
        QFile::remove(trabajo);
}

} // namespace

void FotoPendiente::LimpiarFotoPendiente() {
    if (!FPendingTmpPath.isEmpty() && FPendingTmpPath != FPendingSrcPath &&
        QFileInfo::exists(FPendingTmpPath))
        QFile::remove(FPendingTmpPath);
    FPendingTmpPath.clear();
    FPendingSrcPath.clear();
    FPendingExt.clear();
}

bool ComprimirFoto(const QString& archivo, double limiteKB, int altoCaja, int anchoCaja,
                   FotoPendiente& pendiente) {
    QImage decodificada;
    if (!CargarImagenComoBitmap(archivo, decodificada))
        return false;
    const QByteArray jpeg = JpegBajoLimite(decodificada, limiteKB, altoCaja, anchoCaja);
    const QString destino = ArchivoTemporal(QStringLiteral("colab_tmp_"));
    EscribirArchivo(destino, jpeg);
    pendiente.LimpiarFotoPendiente();
    pendiente.FPendingSrcPath = archivo;
    pendiente.FPendingTmpPath = destino;
    pendiente.FPendingExt = QStringLiteral(".jpg");
    return true;
}

QString ConvertirAJpeg(const QString& elegido) {
    if (!QFileInfo::exists(elegido))
        return {};
    QImageReader reader(elegido);
    reader.setAutoTransform(true);
    const QImage imagen = reader.read();
    if (imagen.isNull())
        return {};
    constexpr int kLadoMayor = 350;
    const QImage escalada = imagen.width() >= imagen.height()
                                ? imagen.scaledToWidth(kLadoMayor, Qt::SmoothTransformation)
                                : imagen.scaledToHeight(kLadoMayor, Qt::SmoothTransformation);
    QImage lienzo(escalada.size(), QImage::Format_RGB888);
    lienzo.fill(Qt::white);
    {
        QPainter painter(&lienzo);
        painter.drawImage(0, 0, escalada);
    }
    const QString destino = ArchivoTemporal(QStringLiteral("colab_conv_"));
    QImageWriter writer(destino, "jpeg");
    if (!writer.write(lienzo)) {
        QFile::remove(destino);
        return {};
    }
    return destino;
}

bool ExtensionAceptada(const QString& ext) {
    static const QStringList kAceptadas = {".jpg", ".jpeg", ".png",  ".bmp",
                                           ".gif", ".tif",  ".tiff", ".webp"};
    return kAceptadas.contains(ext);
}

PreparacionFoto PrepararFoto(const QString& elegido, FotoPendiente& pendiente) {
    QString ext = ExtensionDe(elegido);
    if (!ExtensionAceptada(ext))
        return PreparacionFoto::NoPermitida;
    QString trabajo = elegido;
    if (ext != u".jpg" && ext != u".jpeg" && ext != u".png") {
        trabajo = ConvertirAJpeg(elegido);
        ext = QStringLiteral(".jpg");
        if (trabajo.isEmpty())
            return PreparacionFoto::Fallida;
    }
    if (TamanoArchivoKB(trabajo) > kLimiteFotoKB) {
        bool lista = false;
        try {
            lista = ComprimirFoto(trabajo, kLimiteFotoKB, kCajaFoto, kCajaFoto, pendiente);
        } catch (...) {
            BorrarSiEsNuestro(trabajo, elegido);
            throw;
        }
        if (!lista) {
            BorrarSiEsNuestro(trabajo, elegido);
            return PreparacionFoto::Fallida;
        }
        // The converted copy was only a step on the way: the compressed file is pending.
        if (trabajo != elegido) {
            QFile::remove(trabajo);
            pendiente.FPendingSrcPath = elegido;
        }
        return PreparacionFoto::Lista;
    }
    pendiente.LimpiarFotoPendiente();
    pendiente.FPendingSrcPath = elegido;
    pendiente.FPendingTmpPath = trabajo;
    pendiente.FPendingExt = ext;
    return PreparacionFoto::Lista;
}

} // namespace orva::people
