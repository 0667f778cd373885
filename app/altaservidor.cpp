#include "app/altaservidor.h"

#include "app/archivoconexion.h"
#include "app/rutas.h"
#include "data/dbconnection.h"
#include "data/errors.h"
#include "platform/dialogs/dialogs.h"
#include "platform/focus/editorfocus.h"
#include "platform/ribbon/ribbon.h"

#include <QFile>
#include <QFormLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace orva::app {
namespace {

constexpr int kPuertoDefecto = 3306;

QLineEdit* editor(QWidget* padre, const char* nombre, int largo) {
    auto* e = new QLineEdit(padre);
    e->setObjectName(QString::fromLatin1(nombre));
    e->setMaxLength(largo);
    // A double quote would end the field early in the file and shift the ones after it.
    e->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^\"]*")), e));
    return e;
}

} // namespace

TfrmAltaServidor::TfrmAltaServidor(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAltaServidor"));
    setWindowTitle(QStringLiteral("Registro de Servidores de Conexión"));
    setModal(true);
    resize(760, 520);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 6);
    ribbon = new platform::Ribbon(this);
    crearRibbon();
    layout->addWidget(ribbon);

    mCon = new QStandardItemModel(0, Columnas, this);
    mCon->setObjectName(QStringLiteral("mCon"));
    mCon->setHorizontalHeaderLabels({QStringLiteral("Nombre de Conexión"),
                                     QStringLiteral("Servidor"), QStringLiteral("Puerto"),
                                     QStringLiteral("Usuario"), QStringLiteral("Password")});
    grid = new QTableView(this);
    grid->setObjectName(QStringLiteral("grid"));
    grid->setModel(mCon);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setColumnHidden(Password, true);                  // never shown
    grid->horizontalHeader()->moveSection(Puerto, Usuario); // name, server, account, port
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->verticalHeader()->hide();
    layout->addWidget(grid, 1);
    connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TfrmAltaServidor::mostrarFila);

    auto* panel = new QWidget(this);
    crearEditores(panel);
    layout->addWidget(panel);

    platform::EditorFocus::install(this);
    setEditando(false);
}

void TfrmAltaServidor::crearRibbon() {
    if (auto* aplicacion = ribbon->findChild<QToolButton*>(QStringLiteral("botonAplicacion")))
        aplicacion->hide(); // this window has no application menu
    platform::RibbonTab* tab =
        ribbon->addTab(QStringLiteral("tabConexiones"), QStringLiteral("Adminstrar Conexiones"), 0);
    platform::RibbonGroup* opciones = tab->addGroup(QStringLiteral("Opciones"));
    btnNuevaConexion = opciones->addLargeButton(QStringLiteral("btnNuevaConexion"),
                                                QStringLiteral("Nueva conexión"), 0);
    btnEditarConexion = opciones->addLargeButton(QStringLiteral("btnEditarConexion"),
                                                 QStringLiteral("Editar Conexión"), 0);
    btnEliminarConexion = opciones->addLargeButton(QStringLiteral("btnEliminarConexion"),
                                                   QStringLiteral("Eliminar Conexión"), 0);
    btnGuardar =
        opciones->addLargeButton(QStringLiteral("btnGuardar"), QStringLiteral("Guardar"), 0);
    btnCancelar =
        opciones->addLargeButton(QStringLiteral("btnCancelar"), QStringLiteral("Cancelar"), 0);
    platform::RibbonGroup* salida = tab->addGroup(QStringLiteral("Opciones de Salida"));
    btnGuardarSalir = salida->addLargeButton(QStringLiteral("btnGuardarSalir"),
                                             QStringLiteral("Guardar Todo y Salir"), 0);
    btnSalirSinGuardar = salida->addLargeButton(QStringLiteral("btnSalirSinGuardar"),
                                                QStringLiteral("Salir sin Guardar"), 0);

    const QStyle* s = style();
    btnNuevaConexion->setIcon(s->standardIcon(QStyle::SP_FileIcon));
    btnEditarConexion->setIcon(s->standardIcon(QStyle::SP_FileDialogDetailedView));
    btnEliminarConexion->setIcon(s->standardIcon(QStyle::SP_TrashIcon));
    btnGuardar->setIcon(s->standardIcon(QStyle::SP_DialogSaveButton));
    btnCancelar->setIcon(s->standardIcon(QStyle::SP_DialogCancelButton));
    btnGuardarSalir->setIcon(s->standardIcon(QStyle::SP_DialogApplyButton));
    btnSalirSinGuardar->setIcon(s->standardIcon(QStyle::SP_DialogCloseButton));

    connect(btnNuevaConexion, &QAction::triggered, this, &TfrmAltaServidor::NuevaConexion);
    connect(btnEditarConexion, &QAction::triggered, this, &TfrmAltaServidor::EditarConexion);
    connect(btnEliminarConexion, &QAction::triggered, this, &TfrmAltaServidor::EliminarConexion);
    connect(btnGuardar, &QAction::triggered, this, &TfrmAltaServidor::Guardar);
    connect(btnCancelar, &QAction::triggered, this, &TfrmAltaServidor::Cancelar);
    connect(btnGuardarSalir, &QAction::triggered, this, &TfrmAltaServidor::GuardarTodoYSalir);
    connect(btnSalirSinGuardar, &QAction::triggered, this, &TfrmAltaServidor::SalirSinGuardar);
}

void TfrmAltaServidor::crearEditores(QWidget* panel) {
    auto* form = new QFormLayout(panel);
    tsConexion = editor(panel, "tsConexion", 45);
    tsServidor = editor(panel, "tsServidor", 45);
    tsPuerto = new QSpinBox(panel);
    tsPuerto->setObjectName(QStringLiteral("tsPuerto"));
    tsPuerto->setRange(0, 65535);
    tsPuerto->setValue(kPuertoDefecto);
    tsUsuario = editor(panel, "tsUsuario", 20);
    tsPassword = editor(panel, "tsPassword", 20);
    tsPassword->setEchoMode(QLineEdit::Password);
    btnProbar = new QPushButton(QStringLiteral("Probar Conexión"), panel);
    btnProbar->setObjectName(QStringLiteral("btnProbar"));
    btnProbar->setAutoDefault(false);
    form->addRow(QStringLiteral("Nombre de Conexión:"), tsConexion);
    form->addRow(QStringLiteral("Servidor"), tsServidor);
    form->addRow(QStringLiteral("Puerto:"), tsPuerto);
    form->addRow(QStringLiteral("Usuario:"), tsUsuario);
    form->addRow(QStringLiteral("Password:"), tsPassword);
    form->addRow(QString(), btnProbar);
    connect(btnProbar, &QPushButton::clicked, this, &TfrmAltaServidor::ProbarConexion);
}

void TfrmAltaServidor::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Cargar();
}

void TfrmAltaServidor::Cargar() {
    mCon->removeRows(0, mCon->rowCount());
    setEditando(false);
    if (!ExisteArchivoConexiones()) {
        mostrarFila();
        return;
    }
    QString copia;
    bool descifrado = false;
    try {
        copia = CopiaRegistro();
        DescifrarEnCopia(copia);
        descifrado = true;
    } catch (const std::exception& e) {
        platform::dialogs().error(MensajeCifrado(data::errorText(e)));
    }
    if (copia.isEmpty() || !QFile::exists(copia))
        return;
    if (descifrado) {
        ListaServidores lista;
        try {
            LeerListaServidores(copia, lista);
        } catch (const std::exception& e) {
            platform::dialogs().error(data::errorText(e));
        }
        for (const EntradaServidor& e : lista) {
            QList<QStandardItem*> fila;
            for (const QString& v : {e.conexion, e.servidor, e.puerto, e.usuario, e.password})
                fila << new QStandardItem(v);
            mCon->appendRow(fila);
        }
    }
    try {
        CifrarCopia(copia);
    } catch (const std::exception& e) {
        platform::dialogs().error(MensajeCifrado(data::errorText(e)));
    }
    if (mCon->rowCount() > 0)
        grid->setCurrentIndex(mCon->index(0, Conexion));
    mostrarFila();
}

ListaServidores TfrmAltaServidor::conexiones() const {
    ListaServidores lista;
    const QHeaderView* cabecera = grid->verticalHeader();
    for (int visual = 0; visual < mCon->rowCount(); ++visual) {
        const int r = cabecera->logicalIndex(visual);
        auto celda = [this, r](int c) { return mCon->item(r, c)->text(); };
        lista.append(
            {celda(Conexion), celda(Servidor), celda(Puerto), celda(Usuario), celda(Password)});
    }
    return lista;
}

int TfrmAltaServidor::filaActual() const {
    const QModelIndex i = grid->currentIndex();
    return i.isValid() ? i.row() : -1;
}

void TfrmAltaServidor::setEditando(bool editando) {
    editando_ = editando;
    btnNuevaConexion->setEnabled(!editando);
    btnEditarConexion->setEnabled(!editando);
    btnEliminarConexion->setEnabled(!editando);
    btnGuardar->setEnabled(editando);
    btnCancelar->setEnabled(editando);
    grid->setEnabled(!editando);
    for (QLineEdit* e : {tsConexion, tsServidor, tsUsuario, tsPassword})
        e->setReadOnly(!editando);
    tsPuerto->setReadOnly(!editando);
}

void TfrmAltaServidor::mostrarFila() {
    const int r = filaActual();
    auto celda = [this, r](int c) { return r >= 0 ? mCon->item(r, c)->text() : QString(); };
    tsConexion->setText(celda(Conexion));
    tsServidor->setText(celda(Servidor));
    bool numero = false;
    const int puerto = celda(Puerto).toInt(&numero);
    tsPuerto->setValue(numero ? puerto : (r >= 0 ? 0 : kPuertoDefecto));
    tsUsuario->setText(celda(Usuario));
    tsPassword->setText(celda(Password));
}

void TfrmAltaServidor::NuevaConexion() {
    if (editando_)
        return;
    QList<QStandardItem*> fila;
    for (int c = 0; c < Columnas; ++c)
        fila << new QStandardItem(c == Puerto ? QString::number(kPuertoDefecto) : QString());
    mCon->appendRow(fila);
    grid->setCurrentIndex(mCon->index(mCon->rowCount() - 1, Conexion));
    mostrarFila();
    nueva_ = true;
    setEditando(true);
    tsConexion->setFocus();
}

void TfrmAltaServidor::EditarConexion() {
    if (editando_ || filaActual() < 0)
        return;
    nueva_ = false;
    setEditando(true);
    tsConexion->setFocus();
}

void TfrmAltaServidor::EliminarConexion() {
    const int r = filaActual();
    if (editando_ || r < 0)
        return;
    if (!platform::dialogs().confirm(QStringLiteral("Desea eliminar la Conexión seleccionada?")))
        return;
    mCon->removeRow(r);
    mostrarFila();
}

void TfrmAltaServidor::Guardar() {
    const int r = filaActual();
    if (!editando_ || r < 0)
        return;
    mCon->item(r, Conexion)->setText(tsConexion->text());
    mCon->item(r, Servidor)->setText(tsServidor->text());
    mCon->item(r, Puerto)->setText(QString::number(tsPuerto->value()));
    mCon->item(r, Usuario)->setText(tsUsuario->text());
    mCon->item(r, Password)->setText(tsPassword->text());
    nueva_ = false;
    setEditando(false);
    grid->setFocus();
}

void TfrmAltaServidor::Cancelar() {
    if (!editando_)
        return;
    if (nueva_ && filaActual() >= 0)
        mCon->removeRow(filaActual());
    nueva_ = false;
    setEditando(false);
    mostrarFila();
    grid->setFocus();
}

void TfrmAltaServidor::ProbarConexion() {
    data::DbConnection prueba(QStringLiteral("prueba"));
    prueba.setServer(tsServidor->text());
    prueba.setPort(static_cast<unsigned>(tsPuerto->value()));
    prueba.setUsername(tsUsuario->text());
    prueba.setPassword(tsPassword->text());
    prueba.setConnectTimeout(15);
    try {
        prueba.connect();
        prueba.disconnect();
        platform::dialogs().information(
            QStringLiteral("Conexión exitosa con el servidor especificado."));
    } catch (const std::exception& e) {
        platform::dialogs().error(
            QStringLiteral("No ha sido posible establecer conexión con el servidor "
                           "especificado.\rMotivo: ") +
            data::errorText(e));
    }
}

void TfrmAltaServidor::GuardarTodoYSalir() {
    Cancelar();
    QString copia;
    try {
        copia = CopiaRegistro();
        EscribirCopia(copia, TextoArchivoConexiones(conexiones()));
    } catch (const std::exception& e) {
        if (!copia.isEmpty())
            QFile::remove(copia);
        platform::dialogs().error(MensajeCifrado(data::errorText(e)));
        return;
    }
    try {
        CifrarCopia(copia); // replaces ovra.ds and deletes the copy
    } catch (const std::exception& e) {
        // The passwords must not stay in clear; the window stays open to try again.
        QFile::remove(copia);
        platform::dialogs().error(MensajeCifrado(data::errorText(e)));
        return;
    }
    accept();
}

void TfrmAltaServidor::SalirSinGuardar() {
    QDialog::reject();
}

void TfrmAltaServidor::reject() {
    SalirSinGuardar();
}

} // namespace orva::app
