#pragma once
// Turning a picture into an upload-ready JPEG of limited size: decoding, fitting into a
// box without enlarging, and encoding at falling qualities and sizes until it fits.
#include <QByteArray>
#include <QImage>
#include <QString>

namespace orva::people {

/// Size of the file in kilobytes (bytes / 1024, not rounded); 0 when it does not exist.
double TamanoArchivoKB(const QString& path);

/// Decodes a .jpg, .jpeg, .png, .bmp, .gif, .tif or .tiff file (any letter case) into a
/// 24-bit picture. False for any other extension (.webp included: it is converted
/// first). Raises data::Exception with the decoder's text when the file cannot be read.
bool CargarImagenComoBitmap(const QString& path, QImage& bitmap);

/// A 24-bit copy shrunk to fit the box, keeping its proportions; never enlarged. A box
/// side below 1 gives a plain copy.
QImage EscalarBitmap(const QImage& source, int anchoCaja, int altoCaja);

/// Encodes as progressive, optimised JPEG with the quality clamped to 10..100; the
/// stream is emptied first.
void GuardarJPEG(const QImage& bitmap, int calidad, QByteArray& stream);

/// The JPEG of a decoded picture: fitted into the box, then qualities 90, 80, 70, 60
/// and 50 until it takes at most `limiteKB`; when none fits, 0.85 of the size and the
/// qualities again, until a side is 320 pixels or less, which is taken at quality 50
/// whatever its size.
QByteArray JpegBajoLimite(const QImage& decodificada, double limiteKB, int altoCaja, int anchoCaja);

/// The nearest integer, halves to the even one (2.5 gives 2, 3.5 gives 4).
int RedondearPar(double valor);

/// Local time as "yyyyMMddhhmmsszzz", for file names and object keys.
QString MarcaDeTiempo();

} // namespace orva::people
