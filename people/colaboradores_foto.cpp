// The photo buttons of the collaborator window: picking a photo for the next save,
// showing the stored one in the panel, and the viewer window.
#include "data/errors.h"
#include "people/colaboradores.h"
#include "people/fotodescarga.h"
#include "people/fotopendiente.h"
#include "people/frmmostrarfoto.h"
#include "platform/dialogs/dialogs.h"

#include <QImageReader>
#include <QLabel>

namespace orva::people {

void TfrmColaboradores::mostrarImagen(const QString& path) {
    QImageReader lector(path);
    lector.setAutoTransform(true);
    const QImage imagen = lector.read();
    if (imagen.isNull())
        return; // a photo that cannot be shown is still uploaded
    bImagen->setPixmap(QPixmap::fromImage(
        imagen.scaled(bImagen->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void TfrmColaboradores::limpiarImagen() {
    bImagen->clear();
    bImagen->setText(QStringLiteral("Agregue una foto.."));
}

void TfrmColaboradores::btnCargarClick() {
    limpiarImagen();
    const QString elegido = platform::dialogs().openFileName(
        QStringLiteral("Selecciona imagen del colaborador"),
        QStringLiteral("Imágenes|*.jpg;*.jpeg;*.png;*.bmp;*.gif;*.tif;*.tiff;*.webp"));
    if (elegido.isEmpty())
        return;
    try {
        switch (PrepararFoto(elegido, foto_)) {
        case PreparacionFoto::NoPermitida:
            platform::dialogs().warning(QStringLiteral("Solo se permiten imágenes."));
            return;
        case PreparacionFoto::Fallida:
            platform::dialogs().error(QStringLiteral("No se pudo preparar la imagen."));
            return;
        case PreparacionFoto::Lista:
            mostrarImagen(foto_.FPendingTmpPath);
            platform::dialogs().information(QStringLiteral("Imagen lista para subir al guardar."));
            return;
        }
    } catch (const std::exception& error) {
        platform::dialogs().error(data::errorText(error));
    }
}

QString TfrmColaboradores::MostrarFoto(const QString& sParamCodigo, const QString& sParamURL) {
    try {
        return people::MostrarFoto(sParamCodigo, sParamURL);
    } catch (const std::exception& error) {
        platform::dialogs().error(data::errorText(error));
        return {};
    }
}

void TfrmColaboradores::btnVerClick() {
    if (!uColaboradores.isActive() || uColaboradores.isEmpty())
        return;
    const QString path =
        MostrarFoto(uColaboradores.fieldByName(QStringLiteral("SCodigo")).asString(),
                    uColaboradores.fieldByName(QStringLiteral("SURL_Foto")).asString());
    if (!path.isEmpty())
        mostrarImagen(path);
}

void TfrmColaboradores::cxButton2Click() {
    if (!visor_)
        visor_ = new TfrmMostrarFoto(this);
    visor_->exec();
}

} // namespace orva::people
