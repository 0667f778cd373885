#include "imagenes.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QRandomGenerator>
#include <stdexcept>

namespace orva::test {

QImage ImagenRuido(int ancho, int alto, int amplitud) {
    QImage imagen(ancho, alto, QImage::Format_RGB32);
    QRandomGenerator azar(7);
    for (int y = 0; y < alto; ++y) {
        auto* linea = reinterpret_cast<QRgb*>(imagen.scanLine(y));
        for (int x = 0; x < ancho; ++x) {
            const int n = static_cast<int>(azar.bounded(amplitud));
            linea[x] = qRgb((x * 255 / ancho + n) & 255, (y * 255 / alto + n) & 255,
                            ((x + y) / 16 + n) & 255);
        }
    }
    return imagen;
}

qint64 GuardarImagen(const QImage& imagen, const QString& path, int calidad) {
    QImageWriter writer(path);
    writer.setQuality(calidad);
    if (!writer.write(imagen))
        throw std::runtime_error("no se pudo escribir " + path.toStdString() + ": " +
                                 writer.errorString().toStdString());
    return QFileInfo(path).size();
}

} // namespace orva::test
