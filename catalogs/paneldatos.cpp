#include "catalogs/paneldatos.h"

#include "catalogs/listas.h"
#include "platform/editors/dbedit.h"
#include "platform/editors/dblookup.h"
#include "platform/editors/dbnumberedit.h"
#include "platform/editors/dbswitch.h"
#include "shell/barrainferior.h"

#include <QFormLayout>
#include <QVBoxLayout>

namespace orva::catalogs {
namespace {

QWidget* crearEditor(const DefEditor& e, QWidget* padre) {
    switch (e.tipo) {
    case TipoEditor::Lista:
        return new platform::DbLookup(e.campo, padre);
    case TipoEditor::Numero:
        return new platform::DbNumberEdit(e.campo, platform::DbNumberEdit::Kind::Integer, padre);
    case TipoEditor::Activo:
        return new platform::DbSwitch(e.campo, e.etiqueta, padre);
    case TipoEditor::Texto:
        break;
    }
    return new platform::DbEdit(e.campo, padre);
}

} // namespace

PanelCatalogo::PanelCatalogo(const DefCatalogo& def, const ListasCatalogo& listas, QWidget* parent)
    : QFrame(parent), listas_(listas) {
    setObjectName(QStringLiteral("PanelDatos"));
    setFrameShape(QFrame::StyledPanel);
    auto* columna = new QVBoxLayout(this);
    auto* campos = new QFormLayout;
    columna->addLayout(campos);

    QList<QWidget*> orden;
    if (!def.codigo.isEmpty()) {
        auto* codigo = new platform::DbEdit(def.codigo, this);
        codigo->setReadOnly(true);
        codigo->setFocusPolicy(Qt::NoFocus);
        campos->addRow(QStringLiteral("Código"), codigo);
        orden << codigo;
    }
    for (const DefEditor& e : def.editores) {
        QWidget* w = crearEditor(e, this);
        w->setObjectName(e.campo);
        if (e.tipo == TipoEditor::Activo)
            campos->addRow(QString(), w);
        else
            campos->addRow(e.etiqueta, w);
        orden << w;
    }
    for (QWidget* w : orden)
        binder_.add(dynamic_cast<platform::BoundEditor*>(w));

    FrmBarraInferior1 = new shell::TFrmBarraInferior(this);
    columna->addWidget(FrmBarraInferior1);
    columna->addStretch();
}

void PanelCatalogo::enlazarListas() {
    for (const DefLista& l : listas_.definiciones())
        if (auto* lookup = qobject_cast<platform::DbLookup*>(editor(l.campo)))
            lookup->setLookup(listas_.modelo(l.campo), l.campo, {l.muestra});
}

QWidget* PanelCatalogo::editor(const QString& campo) const {
    platform::BoundEditor* e = binder_.editor(campo);
    return e ? e->widget() : nullptr;
}

} // namespace orva::catalogs
