#include "catalogs/ventanacatalogo.h"

#include "catalogs/listas.h"
#include "catalogs/modelocatalogo.h"
#include "catalogs/paneldatos.h"
#include "data/dataset.h"
#include "data/errors.h"
#include "data/records.h"
#include "exchange/exportargrid.h"
#include "platform/dataset/datasetrecord.h"
#include "platform/dialogs/dialogs.h"
#include "platform/focus/editorfocus.h"
#include "platform/grid/gridview.h"
#include "platform/report/imprimirgrid.h"
#include "shell/barrainferior.h"
#include "shell/barrasuperior.h"
#include "shell/permisos.h"
#include "shell/ventanas.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

namespace orva::catalogs {
namespace {

const QString kAgrega = QStringLiteral("Agrega");
const QString kEdita = QStringLiteral("Edita");
const QString kElimina = QStringLiteral("Elimina");

bool vacio(const QVariant& valor) {
    return !valor.isValid() || valor.isNull() || valor.toString().trimmed().isEmpty();
}

} // namespace

TfrmCatalogo::TfrmCatalogo(const DefCatalogo& def, QWidget* parent) : QWidget(parent), def_(def) {
    setObjectName(def.forma);
    setWindowTitle(def.titulo);
    setAttribute(Qt::WA_DeleteOnClose);

    uDatos = new data::Dataset(nullptr, this);
    uDatos->setObjectName(QStringLiteral("uDatos"));
    listas_ = new ListasCatalogo(def.listas, this);
    modelo_ = new ModeloCatalogo(uDatos, *listas_, this);

    auto* arriba = new QWidget(this);
    arriba->setObjectName(QStringLiteral("PanelTitulo"));
    auto* fila = new QHBoxLayout(arriba);
    lblTitulo = new QLabel(def.etiqueta, arriba);
    lblTitulo->setObjectName(QStringLiteral("lblTitulo"));
    QFont grande = lblTitulo->font();
    grande.setBold(true);
    grande.setPointSizeF(grande.pointSizeF() * 1.4);
    lblTitulo->setFont(grande);
    FrmBarraSuperior1 = new shell::TFrmBarraSuperior(arriba);
    fila->addWidget(lblTitulo);
    fila->addStretch();
    fila->addWidget(FrmBarraSuperior1);

    cxSplitDatos = new QSplitter(Qt::Vertical, this);
    cxSplitDatos->setObjectName(QStringLiteral("cxSplitDatos"));
    cxSplitDatos->setChildrenCollapsible(false);
    cxGrid = new platform::GridView(cxSplitDatos);
    cxGrid->setObjectName(QStringLiteral("cxGrid"));
    cxGrid->setModel(modelo_);
    PanelDatos = new PanelCatalogo(def, *listas_, cxSplitDatos);
    cxSplitDatos->addWidget(cxGrid);
    cxSplitDatos->addWidget(PanelDatos);
    cxSplitDatos->setStretchFactor(0, 1);

    auto* columna = new QVBoxLayout(this);
    columna->addWidget(arriba);
    columna->addWidget(cxSplitDatos, 1);

    shell::TFrmBarraSuperior* b = FrmBarraSuperior1;
    connect(b->btnAdd, &QToolButton::clicked, this, &TfrmCatalogo::btnAddClick);
    connect(b->btnEdit, &QToolButton::clicked, this, &TfrmCatalogo::btnEditClick);
    connect(b->btnDelete, &QToolButton::clicked, this, &TfrmCatalogo::btnDeleteClick);
    connect(b->btnRefresh, &QToolButton::clicked, this, &TfrmCatalogo::btnRefreshClick);
    connect(b->btnExporta, &QToolButton::clicked, this, &TfrmCatalogo::btnExportaClick);
    connect(b->btnPrinter, &QToolButton::clicked, this, &TfrmCatalogo::btnPrinterClick);
    shell::TFrmBarraInferior* abajo = PanelDatos->FrmBarraInferior1;
    connect(abajo->btnPost, &QPushButton::clicked, this, &TfrmCatalogo::btnPostClick);
    connect(abajo->btnCancel, &QPushButton::clicked, this, &TfrmCatalogo::btnCancelClick);

    // Windows that move on with Enter only inside their data panel have it from the
    // start; the others attach it to the whole window when shown.
    if (def.enter == TeclaEnter::Editores)
        (new platform::EditorFocus(this))->watch(PanelDatos);
    mostrarPanel(false);
}

TfrmCatalogo::~TfrmCatalogo() = default;

QWidget* TfrmCatalogo::editor(const QString& campo) const {
    return PanelDatos->editor(campo);
}

data::Dataset* TfrmCatalogo::lista(const QString& campo) const {
    return listas_->datos(campo);
}

void TfrmCatalogo::protegido(const std::function<void()>& trabajo, const QString& prefijo) {
    try {
        trabajo();
    } catch (const std::exception& e) {
        platform::dialogs().error(prefijo + data::errorText(e));
    }
}

// Show and close -----------------------------------------------------------------------------

void TfrmCatalogo::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (mostrada_)
        return;
    mostrada_ = true;
    FormShow();
}

void TfrmCatalogo::FormShow() {
    btnPermisos = shell::ModuloActual();
    cargar();
    mostrarPanel(false);
    if (def_.enter == TeclaEnter::Ventana)
        platform::EditorFocus::install(this);
    protegido([this] { shell::AplicarPermisosBarras(this, btnPermisos); });
}

void TfrmCatalogo::cargar() {
    // A list that cannot be read leaves its editor empty; the rows still load.
    protegido([this] { listas_->Cargar(); });
    PanelDatos->enlazarListas();
    protegido([this] {
        PrepararCarga(*uDatos, def_.carga, def_.tabla, def_.filtro);
        uDatos->open();
    });
    declararColumnas();
}

void TfrmCatalogo::declararColumnas() {
    QList<platform::GridColumn> columnas;
    auto agregar = [&columnas](const QString& campo, const QString& titulo) {
        platform::GridColumn c;
        c.fieldName = campo;
        c.caption = titulo;
        columnas << c;
    };
    if (!def_.codigo.isEmpty())
        agregar(def_.codigo, QStringLiteral("Código"));
    agregar(def_.nombre, def_.tituloNombre);
    for (const DefLista& l : def_.listas)
        agregar(l.columnaNombre, l.tituloColumna);
    if (def_.tieneActivo)
        agregar(QStringLiteral("EActivo"), def_.tituloActivo);
    cxGrid->setColumns(columnas);
}

void TfrmCatalogo::closeEvent(QCloseEvent* event) {
    FormClose();
    QWidget::closeEvent(event);
}

void TfrmCatalogo::FormClose() {
    // What is still being edited is dropped with the window; its row lock goes with it.
    if (uDatos->state() == data::Dataset::State::Edit ||
        uDatos->state() == data::Dataset::State::Insert)
        uDatos->cancel();
    setAttribute(Qt::WA_DeleteOnClose);
}

// Browsing and editing ----------------------------------------------------------------------

void TfrmCatalogo::mostrarPanel(bool visible) {
    PanelDatos->setVisible(visible);
    if (cxSplitDatos->count() > 1)
        cxSplitDatos->handle(1)->setVisible(visible);
}

void TfrmCatalogo::editar(const std::function<void()>& preparar, const QString& foco,
                          const QString& opcion) {
    cxGrid->setEnabled(false);
    mostrarPanel(true);
    FrmBarraSuperior1->btnAddClick();
    try {
        preparar();
        PanelDatos->binder().load(platform::DatasetRecord(*uDatos));
    } catch (const std::exception& e) {
        uDatos->cancel();
        volverANavegar();
        platform::dialogs().error(data::errorText(e));
        return;
    }
    enfocar(foco);
    sOpcion = opcion;
}

void TfrmCatalogo::volverANavegar() {
    cxGrid->setEnabled(true);
    mostrarPanel(false);
    FrmBarraSuperior1->btnActivarClick();
    protegido([this] { shell::AplicarPermisosBarras(this, btnPermisos); });
    sOpcion.clear();
}

void TfrmCatalogo::enfocar(const QString& campo) {
    if (QWidget* w = editor(campo))
        w->setFocus(Qt::OtherFocusReason);
}

void TfrmCatalogo::nuevaLlaveYCodigo() {
    uDatos->setValue(def_.llave, data::SiguienteId(def_.tabla, def_.llave));
    if (!def_.codigo.isEmpty())
        uDatos->setValue(def_.codigo, data::GenerarFolio(def_.tabla, def_.codigo));
}

void TfrmCatalogo::btnAddClick() {
    editar(
        [this] {
            uDatos->append();
            nuevaLlaveYCodigo();
            if (def_.tieneActivo)
                uDatos->setValue(QStringLiteral("EActivo"), QStringLiteral("Si"));
            for (const DefLista& l : def_.listas)
                if (l.inicial.isValid())
                    uDatos->setValue(l.campo, l.inicial);
        },
        def_.foco.isEmpty() ? def_.nombre : def_.foco, kAgrega);
}

void TfrmCatalogo::btnEditClick() {
    if (!uDatos->isActive() || uDatos->isEmpty())
        return; // nothing to edit
    editar([this] { uDatos->edit(); }, def_.nombre, kEdita);
}

bool TfrmCatalogo::validar() {
    for (const DefValidacion& v : def_.validaciones) {
        if (!vacio(uDatos->value(v.campo)))
            continue;
        platform::dialogs().message(v.mensaje);
        enfocar(v.campo);
        return false;
    }
    return true;
}

QString TfrmCatalogo::textoBitacora(const QString& opcion) {
    return opcion + def_.bitacora + uDatos->fieldByName(def_.valorBitacora).asString() +
           QStringLiteral(" - ") + uDatos->fieldByName(def_.nombre).asString();
}

void TfrmCatalogo::recuperarEdicion(bool agregando, int fila) {
    if (!uDatos->updatesPending())
        return; // refused before it was kept: the row is still being edited
    // Kept in the cache but refused by the server: drop it and edit again what the user
    // typed, which the editors still show.
    uDatos->cancelUpdates();
    if (agregando) {
        uDatos->append();
    } else {
        uDatos->setCurrentRow(fila);
        uDatos->edit();
    }
    platform::DatasetRecord registro(*uDatos);
    PanelDatos->binder().store(registro);
}

void TfrmCatalogo::btnPostClick() {
    const bool agregando = uDatos->state() == data::Dataset::State::Insert;
    if (!agregando && uDatos->state() != data::Dataset::State::Edit)
        return;
    const int fila = uDatos->currentRow();
    try {
        platform::DatasetRecord registro(*uDatos);
        PanelDatos->binder().store(registro);
        if (!validar())
            return;
        // The key and code shown when the add began may have been taken meanwhile.
        if (sOpcion == kAgrega)
            nuevaLlaveYCodigo();
        uDatos->post();
    } catch (const std::exception& e) {
        const QString texto = data::errorText(e);
        protegido([&] { recuperarEdicion(agregando, fila); });
        platform::dialogs().error(texto);
        return;
    }
    // The row is saved: whatever fails now, the window goes back to browsing.
    protegido([this] { data::RegistrarBitacora(textoBitacora(sOpcion)); });
    protegido([this] { uDatos->refresh(); });
    volverANavegar();
}

void TfrmCatalogo::btnCancelClick() {
    protegido([this] {
        uDatos->cancel();
        if (uDatos->updatesPending())
            uDatos->cancelUpdates();
    });
    volverANavegar();
}

// Delete, refresh, export, print -------------------------------------------------------------

void TfrmCatalogo::btnDeleteClick() {
    if (!uDatos->isActive() || uDatos->isEmpty())
        return;
    if (!platform::dialogs().confirm(QStringLiteral("¿Desea eliminar el registro seleccionado?")))
        return;
    try {
        sOpcion = kElimina;
        const QString texto = textoBitacora(kElimina);
        // Sent to the server here when the dataset writes at once (table text).
        uDatos->deleteRecord();
        data::RegistrarBitacora(texto);
    } catch (const std::exception& e) {
        platform::dialogs().error(QStringLiteral("Error inesperado: ") + data::errorText(e));
        return;
    }
    if (!uDatos->updatesPending())
        return;
    try {
        uDatos->applyUpdates();
    } catch (const std::exception& e) {
        const QString texto = data::errorText(e);
        protegido([this] {
            uDatos->cancelUpdates();
            uDatos->refresh();
        });
        if (!def_.avisoEliminar.isEmpty() &&
            texto.toLower().contains(u"foreign key constraint fails"))
            platform::dialogs().warning(def_.avisoEliminar);
        else
            platform::dialogs().error(QStringLiteral("Error al eliminar: ") + texto);
    }
}

void TfrmCatalogo::btnRefreshClick() {
    protegido([this] {
        if (uDatos->isActive())
            uDatos->refresh();
    });
}

void TfrmCatalogo::btnExportaClick() {
    protegido([this] { exchange::ExportarGridExcel(*cxGrid); });
}

void TfrmCatalogo::btnPrinterClick() {
    if (def_.tituloImpresion.isEmpty())
        return;
    protegido([this] { platform::ImprimirGrid(*cxGrid, def_.tituloImpresion); });
}

} // namespace orva::catalogs
