#include "people/fotocompresion.h"

#include "data/errors.h"

#include <QBuffer>
#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace orva::people {
namespace {

constexpr int kCalidades[] = {90, 80, 70, 60, 50};
constexpr double kFactorReduccion = 0.85;
constexpr int kLadoMinimo = 320;

/// A white 24-bit canvas with the picture drawn at (0, 0) (transparent parts on white).
QImage Lienzo24(const QImage& source, int ancho, int alto) {
    QImage lienzo(ancho, alto, QImage::Format_RGB888);
    lienzo.fill(Qt::white);
    QPainter painter(&lienzo);
    if (source.width() == ancho && source.height() == alto) {
        painter.drawImage(0, 0, source);
    } else {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(0, 0, ancho, alto), source);
    }
    return lienzo;
}

bool CabeEnLimite(const QByteArray& stream, double limiteKB) {
    return static_cast<double>(stream.size()) / 1024.0 <= limiteKB;
}

} // namespace

double TamanoArchivoKB(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        return 0;
    return static_cast<double>(info.size()) / 1024.0;
}

bool CargarImagenComoBitmap(const QString& path, QImage& bitmap) {
    static const QStringList kDecodificables = {"jpg", "jpeg", "png", "bmp", "gif", "tif", "tiff"};
    const QString ext = QFileInfo(path).suffix().toLower();
    if (!kDecodificables.contains(ext))
        return false;
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    if (image.isNull())
        throw data::Exception(QStringLiteral("No se pudo leer la imagen %1: %2")
                                  .arg(QFileInfo(path).fileName(), reader.errorString()));
    bitmap = Lienzo24(image, image.width(), image.height());
    return true;
}

QImage EscalarBitmap(const QImage& source, int anchoCaja, int altoCaja) {
    if (anchoCaja < 1 || altoCaja < 1 || source.isNull())
        return source.copy();
    const double escala = std::min(static_cast<double>(anchoCaja) / source.width(),
                                   static_cast<double>(altoCaja) / source.height());
    if (escala < 1) {
        const int ancho = std::max(1, RedondearPar(source.width() * escala));
        const int alto = std::max(1, RedondearPar(source.height() * escala));
        return Lienzo24(source, ancho, alto);
    }
    return Lienzo24(source, source.width(), source.height());
}

void GuardarJPEG(const QImage& bitmap, int calidad, QByteArray& stream) {
    stream.clear();
    QBuffer buffer(&stream);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(std::clamp(calidad, 10, 100));
    writer.setProgressiveScanWrite(true);
    writer.setOptimizedWrite(true);
    if (!writer.write(bitmap))
        throw data::Exception(QStringLiteral("No se pudo codificar la imagen: ") +
                              writer.errorString());
}

QByteArray JpegBajoLimite(const QImage& decodificada, double limiteKB, int altoCaja,
                          int anchoCaja) {
    QImage actual = EscalarBitmap(decodificada, anchoCaja, altoCaja);
    QByteArray stream;
    for (;;) {
        for (int calidad : kCalidades) {
            GuardarJPEG(actual, calidad, stream);
            if (CabeEnLimite(stream, limiteKB))
                return stream;
        }
        const int ancho = RedondearPar(actual.width() * kFactorReduccion);
        const int alto = RedondearPar(actual.height() * kFactorReduccion);
        actual = EscalarBitmap(actual, ancho, alto);
        if (actual.width() <= kLadoMinimo || actual.height() <= kLadoMinimo) {
            GuardarJPEG(actual, 50, stream);
            return stream;
        }
    }
}

int RedondearPar(double valor) {
    // std::nearbyint rounds with the default mode: to nearest, halves to even.
    return static_cast<int>(std::nearbyint(valor));
}

QString MarcaDeTiempo() {
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddhhmmsszzz"));
}

} // namespace orva::people
