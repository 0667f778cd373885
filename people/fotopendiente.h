#pragma once
// The collaborator window's pending photo: the file the next save uploads, prepared from
// the file the user picked (kept as it is, converted to JPEG or compressed).
#include <QString>

namespace orva::people {

/// Empty when no photo is pending. When the prepared file differs from the source it is
/// our own temporary file and is deleted when the photo is forgotten; when they are the
/// same it is the user's file and is never deleted.
struct FotoPendiente {
    QString FPendingTmpPath; ///< prepared file the next save uploads
    QString FPendingSrcPath; ///< file the preparation started from
    QString FPendingExt;     ///< ".jpg", ".jpeg" or ".png": ends the object key

    bool vacia() const { return FPendingTmpPath.isEmpty(); }
    /// Deletes our own temporary file, if any, and clears the three fields.
    void LimpiarFotoPendiente();
};

/// Limit above which a picked photo is compressed, in kilobytes.
inline constexpr double kLimiteFotoKB = 350;
/// Box a compressed photo is fitted into.
inline constexpr int kCajaFoto = 1280;

/// Makes `pendiente` a JPEG of `archivo` of at most `limiteKB` (see JpegBajoLimite),
/// written to the temporary folder as "colab_tmp_<MarcaDeTiempo>.jpg". False, nothing
/// changed, when the extension cannot be decoded; decoding errors are raised.
bool ComprimirFoto(const QString& archivo, double limiteKB, int altoCaja, int anchoCaja,
                   FotoPendiente& pendiente);

/// A JPEG copy of a .bmp, .gif, .tif, .tiff or .webp picture whose larger side becomes
/// 350 pixels, in the temporary folder under a name of its own (the picked file is never
/// written). Empty text when the file does not exist or cannot be decoded.
QString ConvertirAJpeg(const QString& elegido);

/// Extensions accepted from the file dialog (lower case, with the dot).
bool ExtensionAceptada(const QString& ext);

enum class PreparacionFoto {
    Lista,       ///< pending; "Imagen lista para subir al guardar."
    NoPermitida, ///< not an image; "Solo se permiten imágenes."
    Fallida      ///< could not be prepared; "No se pudo preparar la imagen."
};

/// The photo the user picked, made pending: .jpg/.jpeg/.png up to 350 KB as they are,
/// bigger ones compressed, other accepted formats converted to JPEG first. A failure
/// leaves the earlier pending photo as it was; decoding errors are raised.
PreparacionFoto PrepararFoto(const QString& elegido, FotoPendiente& pendiente);

} // namespace orva::people
