#include "shell/barrasuperior.h"

#include "shell/tag.h"

#include <QHBoxLayout>
#include <QStyle>
#include <QToolButton>

namespace orva::shell {
namespace {

QToolButton* boton(QWidget* padre, const char* nombre, const QString& titulo,
                   const QString& sugerencia, QStyle::StandardPixmap icono, int tag) {
    auto* b = new QToolButton(padre);
    b->setObjectName(QString::fromLatin1(nombre));
    b->setText(titulo);
    b->setToolTip(sugerencia);
    b->setIcon(padre->style()->standardIcon(icono));
    b->setIconSize(QSize(32, 32));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setAutoRaise(true);
    if (tag)
        setTag(b, tag);
    return b;
}

} // namespace

TFrmBarraSuperior::TFrmBarraSuperior(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("FrmBarraSuperior1"));
    auto* fila = new QHBoxLayout(this);
    fila->setContentsMargins(0, 0, 0, 0);
    fila->setSpacing(0);

    btnActivar =
        boton(this, "btnActivar", QStringLiteral("Activar"), {}, QStyle::SP_DialogApplyButton, 0);
    btnActivar->hide();
    fila->addWidget(btnActivar);

    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("pnlBotones"));
    auto* botones = new QHBoxLayout(panel);
    botones->setContentsMargins(0, 0, 0, 0);
    botones->setSpacing(2);
    btnAdd = boton(panel, "btnAdd", QStringLiteral("Agregar"), QStringLiteral("Nuevo Registro"),
                   QStyle::SP_FileIcon, 10);
    btnEdit = boton(panel, "btnEdit", QStringLiteral("Editar"), QStringLiteral("Editar Registro"),
                    QStyle::SP_FileDialogDetailedView, 11);
    btnDelete = boton(panel, "btnDelete", QStringLiteral("Eliminar"),
                      QStringLiteral("Eliminar Registro"), QStyle::SP_TrashIcon, 12);
    btnRefresh = boton(panel, "btnRefresh", QStringLiteral("Refresca"),
                       QStringLiteral("Refrescar Datos"), QStyle::SP_BrowserReload, 0);
    btnExporta = boton(panel, "btnExporta", QStringLiteral("Exportar"),
                       QStringLiteral("Exportar a Excel"), QStyle::SP_DialogSaveButton, 13);
    btnPrinter =
        boton(panel, "btnPrinter", QStringLiteral("Imprime"),
              QStringLiteral("Imprimir en Pantalla"), QStyle::SP_FileDialogContentsView, 14);
    btnDetalle =
        boton(panel, "btnDetalle", QStringLiteral("Detalle"),
              QStringLiteral("Detalle de Registro Seleccionado"), QStyle::SP_FileDialogInfoView, 0);
    btnDetalle->hide();
    for (QToolButton* b :
         {btnAdd, btnEdit, btnDelete, btnRefresh, btnExporta, btnPrinter, btnDetalle})
        botones->addWidget(b);
    fila->addWidget(panel);
}

QList<QToolButton*> TFrmBarraSuperior::botonesDeRegistro() const {
    return {btnAdd, btnEdit, btnDelete, btnRefresh, btnExporta, btnPrinter, btnDetalle};
}

void TFrmBarraSuperior::habilitar(bool habilitados) {
    for (QToolButton* b : botonesDeRegistro())
        b->setEnabled(habilitados);
}

void TFrmBarraSuperior::btnAddClick() {
    habilitar(false);
}

void TFrmBarraSuperior::btnEditClick() {
    habilitar(false);
}

void TFrmBarraSuperior::btnActivarClick() {
    habilitar(true);
}

} // namespace orva::shell
