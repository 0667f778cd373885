#include "people/frmmostrarfoto.h"

#include "people/colaboradores.h"
#include "platform/dialogs/dialogs.h"

#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QVBoxLayout>

namespace orva::people {

TfrmMostrarFoto::TfrmMostrarFoto(TfrmColaboradores* colaboradores, QWidget* parent)
    : QDialog(parent ? parent : colaboradores), colaboradores_(colaboradores) {
    setObjectName(QStringLiteral("frmMostrarFoto"));
    setWindowTitle(QStringLiteral("Imagen Colaborador"));
    bImagen = new QLabel(QStringLiteral("No se encontró una foto.."));
    bImagen->setObjectName(QStringLiteral("bImagen"));
    bImagen->setAlignment(Qt::AlignCenter);
    bImagen->setMinimumSize(360, 360);
    auto* v = new QVBoxLayout(this);
    v->addWidget(bImagen);
    resize(420, 440);
}

void TfrmMostrarFoto::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TfrmMostrarFoto::FormShow() {
    bImagen->clear();
    bImagen->setText(QStringLiteral("No se encontró una foto.."));
    data::Dataset* lista = colaboradores_ ? &colaboradores_->uColaboradores : nullptr;
    if (!lista || !lista->isActive() || lista->isEmpty() || lista->recNo() < 1) {
        platform::dialogs().information(
            QStringLiteral("No hay colaborador seleccionado para mostrar la foto."));
        return;
    }
    const QString path =
        colaboradores_->MostrarFoto(lista->fieldByName(QStringLiteral("SCodigo")).asString(),
                                    lista->fieldByName(QStringLiteral("SURL_Foto")).asString());
    if (path.isEmpty() || !QFileInfo::exists(path)) {
        platform::dialogs().error(QStringLiteral("No se pudo obtener la imagen del colaborador."));
        return;
    }
    QImageReader lector(path);
    lector.setAutoTransform(true);
    const QImage imagen = lector.read();
    if (imagen.isNull()) {
        platform::dialogs().error(QStringLiteral("No se pudo cargar la imagen: ") +
                                  lector.errorString());
        return;
    }
    bImagen->setPixmap(QPixmap::fromImage(
        imagen.scaled(bImagen->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

} // namespace orva::people
