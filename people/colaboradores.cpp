#include "people/colaboradores.h"

#include "data/connection.h"
#include "people/frmmostrarfoto.h"
#include "people/listafija.h"
#include "platform/dataset/datasetmodel.h"
#include "platform/editors/dbdateedit.h"
#include "platform/editors/dbedit.h"
#include "platform/editors/dblookup.h"
#include "platform/editors/dbmaskedit.h"
#include "platform/editors/dbswitch.h"
#include "platform/focus/editorfocus.h"
#include "platform/grid/gridview.h"
#include "shell/barrainferior.h"
#include "shell/barrasuperior.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

namespace orva::people {
namespace {

platform::DbEdit* Texto(const QString& campo, const char* nombre, bool mayusculas, int maximo = 0) {
    auto* e = new platform::DbEdit(campo);
    e->setObjectName(QLatin1String(nombre));
    e->setUpperCase(mayusculas);
    if (maximo > 0)
        e->setMaxLength(maximo);
    return e;
}

platform::DbLookup* Lista(const QString& campo, const char* nombre) {
    auto* l = new platform::DbLookup(campo);
    l->setObjectName(QLatin1String(nombre));
    return l;
}

QPushButton* Boton(const QString& texto, const char* nombre) {
    auto* b = new QPushButton(texto);
    b->setObjectName(QLatin1String(nombre));
    return b;
}

/// A caption over its editor (`enfocar`, when given, is the box the caption stands for).
QWidget* ConEtiqueta(const QString& texto, QWidget* editor, QWidget* enfocar = nullptr) {
    auto* caja = new QWidget;
    auto* v = new QVBoxLayout(caja);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(2);
    auto* etiqueta = new QLabel(texto);
    etiqueta->setBuddy(enfocar ? enfocar : editor);
    v->addWidget(etiqueta);
    v->addWidget(editor);
    return caja;
}

} // namespace

TfrmColaboradores::TfrmColaboradores(QWidget* parent)
    : QWidget(parent), uColaboradores(&data::connection().Uconnection),
      zUsuariosEstructuras(&data::connection().Uconnection),
      uCodigosPostales(&data::connection().Uconnection),
      uMunicipios(&data::connection().Uconnection), uSecciones(&data::connection().Uconnection),
      uLocalidades(&data::connection().Uconnection) {
    setObjectName(QStringLiteral("frmColaboradores"));
    setWindowTitle(QStringLiteral("Colaboradores"));
    uColaboradores.setObjectName(QStringLiteral("uColaboradores"));
    zUsuariosEstructuras.setObjectName(QStringLiteral("zUsuariosEstructuras"));
    uCodigosPostales.setObjectName(QStringLiteral("uCodigosPostales"));
    uMunicipios.setObjectName(QStringLiteral("uMunicipios"));
    uSecciones.setObjectName(QStringLiteral("uSecciones"));
    uLocalidades.setObjectName(QStringLiteral("uLocalidades"));

    auto* raiz = new QVBoxLayout(this);
    raiz->setContentsMargins(4, 4, 4, 4);
    auto* encabezado = new QLabel(QStringLiteral("MÓDULO COLABORADORES"));
    encabezado->setObjectName(QStringLiteral("lblEncabezado"));
    QFont grande = encabezado->font();
    grande.setBold(true);
    grande.setPointSizeF(grande.pointSizeF() * 1.3);
    encabezado->setFont(grande);
    raiz->addWidget(encabezado);

    FrmBarraSuperior1 = new shell::TFrmBarraSuperior(this);
    FrmBarraSuperior1->setObjectName(QStringLiteral("FrmBarraSuperior1"));
    raiz->addWidget(FrmBarraSuperior1);
    crearBarraFiltro();
    auto* filtro = new QHBoxLayout;
    filtro->addWidget(cxLblEstructuras, 1);
    filtro->addWidget(cxButton2);
    filtro->addWidget(cxBuscarHuella);
    raiz->addLayout(filtro);

    crearLista();
    cxSplitDatos = new QSplitter(Qt::Vertical, this);
    cxSplitDatos->setObjectName(QStringLiteral("cxSplitDatos"));
    cxSplitDatos->setChildrenCollapsible(false);
    cxSplitDatos->addWidget(cxGridViewColaboradores);
    cxSplitDatos->addWidget(crearPanelDatos());
    raiz->addWidget(cxSplitDatos, 1);

    binder_.addAll(PanelDatos);
    conectar();
    // Enter moves on and the focused box is highlighted in the data boxes; the grid's find
    // panel and filter row keep Enter, which applies them at once.
    platform::EditorFocus::install(PanelDatos);
    mostrarPanel(false);
}

TfrmColaboradores::~TfrmColaboradores() {
    foto_.LimpiarFotoPendiente();
}

void TfrmColaboradores::crearBarraFiltro() {
    cxLblEstructuras = new QLabel(QStringLiteral("ESTRUCTURAS ASIGNADAS:"));
    cxLblEstructuras->setObjectName(QStringLiteral("cxLblEstructuras"));
    cxButton2 = Boton(QStringLiteral("Ver Foto"), "cxButton2");
    cxBuscarHuella = Boton(QStringLiteral("Validar Huella"), "cxBuscarHuella");
}

void TfrmColaboradores::crearLista() {
    cxGridViewColaboradores = new platform::GridView;
    cxGridViewColaboradores->setObjectName(QStringLiteral("cxGridViewColaboradores"));
    modelo_ = new platform::DatasetModel(&uColaboradores, this);
    cxGridViewColaboradores->setModel(modelo_);
    struct Columna {
        const char* campo;
        const char* titulo;
        bool visible;
    };
    static const Columna kColumnas[] = {
        {"SCodigo", "Código", true},
        {"FechaAlta", "Fecha de Registro", false},
        {"SINE", "INE", true},
        {"SCurp", "CURP", false},
        {"Seccion", "Sección", true},
        {"IVigencia", "Vigencia", true},
        {"DFechaNacimiento", "Fecha de Nacimiento", true},
        {"SNombre", "Nombres", true},
        {"SAPaterno", "Apellido Paterno", true},
        {"SAMaterno", "Apellido Materno", true},
        {"ESexo", "Género", true},
        {"SDomicilio", "Domicilio", true},
        {"CodigoPostal", "Código Postal", true},
        {"Municipio", "Municipio", true},
        {"Localidad", "Localidad", false},
        {"STelefono", "Teléfono", false},
        {"SCorreoElectronico", "Correo", false},
        {"Activo", "Activo", false},
        {"sHuella", "Huella", true},
        {"sFoto", "Foto", true},
        {"ETramiteINE", "Trámite", false},
    };
    QList<platform::GridColumn> columnas;
    for (const Columna& c : kColumnas) {
        platform::GridColumn g;
        g.fieldName = QLatin1String(c.campo);
        g.caption = QString::fromUtf8(c.titulo);
        g.visible = c.visible;
        columnas << g;
    }
    cxGridViewColaboradores->setColumns(columnas);
    cxGridViewColaboradores->setAutoColumnWidths(true);
    cxGridViewColaboradores->setFilterRowVisible(true);
    cxGridViewColaboradores->setRowHeightFitsContent(true);
    cxGridViewColaboradores->setDoubleClickTogglesRowHeight(true);
    instalarEstilos();
}

QWidget* TfrmColaboradores::crearPanelDatos() {
    PanelDatos = new QWidget;
    PanelDatos->setObjectName(QStringLiteral("PanelDatos"));
    cxCodigo = Texto(QStringLiteral("SCodigo"), "cxCodigo", false);
    cxCodigo->setReadOnly(true);
    cxNombre = Texto(QStringLiteral("SNombre"), "cxNombre", true);
    cxAPaterno = Texto(QStringLiteral("SAPaterno"), "cxAPaterno", true);
    cxAMaterno = Texto(QStringLiteral("SAMaterno"), "cxAMaterno", true);
    cxGenero =
        new ListaFija(QStringLiteral("ESexo"), {QStringLiteral("Hombre"), QStringLiteral("Mujer")});
    cxGenero->setObjectName(QStringLiteral("cxGenero"));
    cxFechaNacimiento = new platform::DbDateEdit(QStringLiteral("DFechaNacimiento"));
    cxFechaNacimiento->setObjectName(QStringLiteral("cxFechaNacimiento"));
    cxINE = Texto(QStringLiteral("SINE"), "cxINE", true, 18);
    cxDateVigencia =
        new platform::DbMaskEdit(QStringLiteral("IVigencia"), QStringLiteral("0000;1;_"));
    cxDateVigencia->setObjectName(QStringLiteral("cxDateVigencia"));
    cxBuscar = Boton(QStringLiteral("Encontrar Colaborador"), "cxBuscar");
    cxValidarINE = Boton(QStringLiteral("Validar INE"), "cxValidarINE");
    cxValidarINE->setEnabled(false);
    cxTramite =
        new platform::DbSwitch(QStringLiteral("ETramiteINE"), QStringLiteral("INE en Trámite"));
    cxTramite->setObjectName(QStringLiteral("cxTramite"));
    cxCurp = Texto(QStringLiteral("SCurp"), "cxCurp", true, 18);
    cxTelefono = new platform::DbMaskEdit(QStringLiteral("STelefono"),
                                          QStringLiteral("!\\(999\\)000-000 0;1;_"));
    cxTelefono->setObjectName(QStringLiteral("cxTelefono"));
    cxCorreo = Texto(QStringLiteral("SCorreoElectronico"), "cxCorreo", false);
    cxActivo = new platform::DbSwitch(QStringLiteral("Activo"), QStringLiteral("Activo"));
    cxActivo->setObjectName(QStringLiteral("cxActivo"));
    cxDomicilio = Texto(QStringLiteral("SDomicilio"), "cxDomicilio", false);
    lcbCodigoPostal = Lista(QStringLiteral("IdCodigoPostal"), "lcbCodigoPostal");
    cxButton1 = Boton(QStringLiteral("+"), "cxButton1");
    cxButton1->setMaximumWidth(28);
    lcbMunicipio = Lista(QStringLiteral("IdMunicipio"), "lcbMunicipio");
    lcbSeccion = Lista(QStringLiteral("IdSeccion"), "lcbSeccion");
    lcbLocalidad = Lista(QStringLiteral("IdLocalidad"), "lcbLocalidad");
    bImagen = new QLabel(QStringLiteral("Agregue una foto.."));
    bImagen->setObjectName(QStringLiteral("bImagen"));
    bImagen->setAlignment(Qt::AlignCenter);
    bImagen->setMinimumSize(160, 160);
    bImagen->setFrameShape(QFrame::StyledPanel);
    btnVer = Boton(QStringLiteral("Ver Foto"), "btnVer");
    btnCargar = Boton(QStringLiteral("Cargar Foto"), "btnCargar");
    cxHuella = Boton(QStringLiteral("Huella"), "cxHuella");

    auto* datos = new QGridLayout;
    datos->addWidget(ConEtiqueta(QStringLiteral("Código"), cxCodigo), 0, 0);
    datos->addWidget(ConEtiqueta(QStringLiteral("Nombres"), cxNombre), 0, 1);
    datos->addWidget(ConEtiqueta(QStringLiteral("Apellido Paterno"), cxAPaterno), 0, 2);
    datos->addWidget(ConEtiqueta(QStringLiteral("Apellido Materno"), cxAMaterno), 0, 3);
    datos->addWidget(ConEtiqueta(QStringLiteral("Género"), cxGenero), 0, 4);
    datos->addWidget(ConEtiqueta(QStringLiteral("Fecha de Nacimiento"), cxFechaNacimiento), 0, 5);
    datos->addWidget(ConEtiqueta(QStringLiteral("INE"), cxINE), 1, 0, 1, 2);
    datos->addWidget(ConEtiqueta(QStringLiteral("Fecha de Vigencia"), cxDateVigencia), 1, 2);
    datos->addWidget(cxBuscar, 1, 3, Qt::AlignBottom);
    datos->addWidget(cxValidarINE, 1, 4, Qt::AlignBottom);
    datos->addWidget(cxTramite, 1, 5, Qt::AlignBottom);
    datos->addWidget(ConEtiqueta(QStringLiteral("CURP"), cxCurp), 2, 0, 1, 2);
    datos->addWidget(ConEtiqueta(QStringLiteral("Teléfono"), cxTelefono), 2, 2);
    datos->addWidget(ConEtiqueta(QStringLiteral("Correo"), cxCorreo), 2, 3, 1, 2);
    datos->addWidget(cxActivo, 2, 5, Qt::AlignBottom);

    auto* direccion = new QGroupBox(QStringLiteral("DIRECCIÓN"));
    auto* d = new QGridLayout(direccion);
    d->addWidget(ConEtiqueta(QStringLiteral("Domicilio"), cxDomicilio), 0, 0, 1, 3);
    auto* cp = new QWidget;
    auto* cpFila = new QHBoxLayout(cp);
    cpFila->setContentsMargins(0, 0, 0, 0);
    cpFila->addWidget(lcbCodigoPostal, 1);
    cpFila->addWidget(cxButton1);
    d->addWidget(ConEtiqueta(QStringLiteral("Código Postal"), cp, lcbCodigoPostal), 0, 3);
    d->addWidget(ConEtiqueta(QStringLiteral("Municipio"), lcbMunicipio), 1, 0);
    d->addWidget(ConEtiqueta(QStringLiteral("Sección"), lcbSeccion), 1, 1);
    d->addWidget(ConEtiqueta(QStringLiteral("Localidad"), lcbLocalidad), 1, 2, 1, 2);
    datos->addWidget(direccion, 3, 0, 1, 6);

    auto* foto = new QVBoxLayout;
    foto->addWidget(bImagen, 1);
    auto* botonesFoto = new QHBoxLayout;
    botonesFoto->addWidget(btnVer);
    botonesFoto->addWidget(btnCargar);
    botonesFoto->addWidget(cxHuella);
    foto->addLayout(botonesFoto);

    auto* cuerpo = new QHBoxLayout;
    cuerpo->addLayout(datos, 1);
    cuerpo->addLayout(foto);
    auto* v = new QVBoxLayout(PanelDatos);
    v->addLayout(cuerpo);
    FrmBarraInferior1 = new shell::TFrmBarraInferior(PanelDatos);
    FrmBarraInferior1->setObjectName(QStringLiteral("FrmBarraInferior1"));
    v->addWidget(FrmBarraInferior1);
    return PanelDatos;
}

void TfrmColaboradores::conectar() {
    connect(FrmBarraSuperior1->btnAdd, &QToolButton::clicked, this,
            &TfrmColaboradores::btnAddClick);
    connect(FrmBarraSuperior1->btnEdit, &QToolButton::clicked, this,
            &TfrmColaboradores::btnEditClick);
    connect(FrmBarraSuperior1->btnDelete, &QToolButton::clicked, this,
            &TfrmColaboradores::btnDeleteClick);
    connect(FrmBarraSuperior1->btnRefresh, &QToolButton::clicked, this,
            &TfrmColaboradores::btnRefreshClick);
    connect(FrmBarraSuperior1->btnExporta, &QToolButton::clicked, this,
            &TfrmColaboradores::btnExportaClick);
    connect(FrmBarraSuperior1->btnPrinter, &QToolButton::clicked, this,
            &TfrmColaboradores::btnPrinterClick);
    connect(FrmBarraInferior1->btnPost, &QPushButton::clicked, this,
            &TfrmColaboradores::btnPostClick);
    connect(FrmBarraInferior1->btnCancel, &QPushButton::clicked, this,
            &TfrmColaboradores::btnCancelClick);
    connect(cxBuscar, &QPushButton::clicked, this, &TfrmColaboradores::cxBuscarClick);
    connect(cxButton1, &QPushButton::clicked, this, &TfrmColaboradores::cxButton1Click);
    connect(cxButton2, &QPushButton::clicked, this, &TfrmColaboradores::cxButton2Click);
    connect(btnCargar, &QPushButton::clicked, this, &TfrmColaboradores::btnCargarClick);
    connect(btnVer, &QPushButton::clicked, this, &TfrmColaboradores::btnVerClick);
    connect(cxHuella, &QPushButton::clicked, this, &TfrmColaboradores::cxHuellaClick);
    connect(cxBuscarHuella, &QPushButton::clicked, this, &TfrmColaboradores::cxBuscarHuellaClick);
    connect(cxTramite, &QCheckBox::toggled, this, &TfrmColaboradores::cxTramitePropertiesChange);
    connect(lcbMunicipio, &QComboBox::currentIndexChanged, this,
            &TfrmColaboradores::lcbMunicipioPropertiesChange);
    connect(lcbSeccion, &QComboBox::currentIndexChanged, this,
            &TfrmColaboradores::lcbSeccionPropertiesChange);
    // Leaving the voter-key and validity boxes.
    cxINE->installEventFilter(this);
    cxDateVigencia->installEventFilter(this);
}

bool TfrmColaboradores::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        if (watched == cxINE)
            cxINEExit();
        else if (watched == cxDateVigencia)
            cxDateVigenciaExit();
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmColaboradores::closeEvent(QCloseEvent* event) {
    foto_.LimpiarFotoPendiente();
    QWidget::closeEvent(event);
}

void TfrmColaboradores::mostrarPanel(bool visible) {
    PanelDatos->setVisible(visible);
    cxSplitDatos->handle(1)->setVisible(visible);
    cxGridViewColaboradores->setEnabled(!visible);
}

} // namespace orva::people
