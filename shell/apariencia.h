#pragma once
// The appearance file image.ini (section "Configuración": wallpaper, estado, skincolor)
// and the skins: each skin name of the gallery is a Qt style with a palette.
#include <QString>
#include <QStringList>

namespace orva::shell {

/// The values the main window holds for the session.
struct Apariencia {
    QString wallpaper;                           ///< full path of a .jpg or .bmp, or empty
    QString estado = QStringLiteral("bmCenter"); ///< "bmCenter" or "bmStretch"
    QString skincolor;                           ///< skin name, or empty
};

/// The file name inside a folder.
QString ArchivoApariencia(const QString& carpeta);

/// Reads `archivo` into `actual` (each key defaulting to the value held). Returns the
/// wallpaper to load: its path when it ends in ".jpg" or ".bmp" (any case) and exists;
/// otherwise empty text, and then the defaults are written back: wallpaper empty,
/// estado "bmCenter", skincolor as held (the file is created when missing). Throws
/// data::Exception when the file cannot be read or written.
QString RestaurarApariencia(const QString& archivo, Apariencia& actual);

/// Writes only `skincolor` into `archivo` (creating it when missing), keeping the other
/// keys as they are. Throws data::Exception.
void GuardarSkin(const QString& archivo, const QString& skin);

/// The skins of the gallery, light ones first.
QStringList NombresSkins();
/// Applies a skin to the whole application; false (nothing changed) for an unknown name.
bool AplicarSkin(const QString& skin);
/// The skin applied last ("Office2013White" until another is).
QString SkinActual();

} // namespace orva::shell
