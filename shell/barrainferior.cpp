#include "shell/barrainferior.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>

namespace orva::shell {

TFrmBarraInferior::TFrmBarraInferior(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("FrmBarraInferior1"));
    auto* fila = new QHBoxLayout(this);
    fila->setContentsMargins(4, 4, 4, 4);
    fila->addStretch(1);
    btnPost = new QPushButton(style()->standardIcon(QStyle::SP_DialogApplyButton),
                              QStringLiteral("Aceptar"), this);
    btnPost->setObjectName(QStringLiteral("btnPost"));
    btnPost->setToolTip(QStringLiteral("Salvar cambios (F10)"));
    btnCancel = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                                QStringLiteral("Cancelar"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setToolTip(QStringLiteral("Cancelar cambios (F12)"));
    for (QPushButton* b : {btnPost, btnCancel}) {
        b->setAutoDefault(false);
        fila->addWidget(b);
    }
}

} // namespace orva::shell
