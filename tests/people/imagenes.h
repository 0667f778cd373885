#pragma once
// Pictures made in the tests: gradients with noise, so that JPEG and PNG do not
// compress them to nothing.
#include <QImage>
#include <QString>

namespace orva::test {

/// A width × height picture: a gradient plus noise of the given amplitude.
QImage ImagenRuido(int ancho, int alto, int amplitud = 32);

/// Writes the picture in the format of the file's extension (quality for JPEG);
/// returns the file's size in bytes.
qint64 GuardarImagen(const QImage& imagen, const QString& path, int calidad = 75);

} // namespace orva::test
