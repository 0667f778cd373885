#include "app/acceso.h"

#include "app/altaservidor.h"
#include "app/archivoconexion.h"
#include "app/rutas.h"
#include "data/binding.h"
#include "data/catalog.h"
#include "data/connection.h"
#include "data/errors.h"
#include "data/records.h"
#include "data/session.h"
#include "platform/dialogs/dialogs.h"
#include "shell/principal.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <functional>

namespace orva::app {
namespace {

const QString kTitulo = QStringLiteral("Orva");
const QColor kColorFoco(0x00, 0xBD, 0xCD);

const QString kNoConecta = QStringLiteral(
    "No se Puede Conectar al Servidor.\r\nError %1: Verificar que los datos de conexión sean "
    "correctos.");
const QString kSinComunicacion = QStringLiteral(
    "No se Logra tener Comunicacion con este Servidor.\r\nNotifiquelo al Administrador del "
    "Sistema, para verificar los parametros de Conexion.");
const QString kNoExiste = QStringLiteral("Ese Usuario No EXISTE");
const QString kPasswordIncorrecto = QStringLiteral("PASSWORD INCORRECTO ");

/// Schemas of the server that are never offered.
const QStringList kExcluidas = {QStringLiteral("mysql"),      QStringLiteral("information_schema"),
                                QStringLiteral("test"),       QStringLiteral("chat"),
                                QStringLiteral("chat_php"),   QStringLiteral("lm_drovek"),
                                QStringLiteral("joomla"),     QStringLiteral("phpmyadmin"),
                                QStringLiteral("adminzelta"), QStringLiteral("performance_schema")};

void error(const QString& texto) {
    platform::dialogs().error(texto, kTitulo);
}
void aviso(const QString& texto) {
    platform::dialogs().warning(texto, kTitulo);
}
void informacion(const QString& texto) {
    platform::dialogs().information(texto, kTitulo);
}

/// Changes the session through a copy (it is replaced whole).
void cambiarSesion(const std::function<void(data::SesionActual&)>& cambio) {
    data::SesionActual s = data::sesion();
    cambio(s);
    data::establecerSesion(s);
}

/// The schemas of the server the link is on.
QStringList esquemas(data::DbConnection& enlace) {
    data::Dataset ds(&enlace);
    ds.setSql(QStringLiteral("show databases"));
    ds.open();
    QStringList nombres;
    for (int fila = 0; fila < ds.recordCount(); ++fila)
        nombres << ds.valueAt(fila, 0).toString();
    return nombres;
}

bool excluida(const QString& esquema) {
    return kExcluidas.contains(esquema, Qt::CaseInsensitive);
}

} // namespace

Tfrmacceso::Tfrmacceso(shell::TfrmPrincipal* principal, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      principal_(principal) {
    setObjectName(QStringLiteral("frmacceso"));
    setWindowTitle(QStringLiteral("Login a Orva"));
    setFixedSize(794, 531);
    setModal(true);
    crearControles();
    DBs->clear();
    if (principal_)
        principal_->setCerrarSinConfirmar(false);
}

Tfrmacceso::~Tfrmacceso() = default;

void Tfrmacceso::crearControles() {
    auto* fondo = new QVBoxLayout(this);
    fondo->setContentsMargins(420, 60, 40, 30);

    auto* titulo = new QLabel(QStringLiteral("Bienvenido"), this);
    QFont grande = titulo->font();
    grande.setPointSize(18);
    grande.setBold(true);
    titulo->setFont(grande);
    fondo->addWidget(titulo);
    fondo->addSpacing(12);

    auto* formulario = new QFormLayout;
    cmbServer = new QComboBox(this);
    cmbServer->setObjectName(QStringLiteral("cmbServer"));
    QPalette lista = cmbServer->view()->palette();
    lista.setColor(QPalette::Highlight, kColorFoco);
    cmbServer->view()->setPalette(lista);
    QFont ocho = cmbServer->view()->font();
    ocho.setPointSize(8);
    cmbServer->view()->setFont(ocho);
    formulario->addRow(QStringLiteral("Nombre del Servidor"), cmbServer);

    tsIdUsuario = new QLineEdit(this);
    tsIdUsuario->setObjectName(QStringLiteral("tsIdUsuario"));
    tsIdUsuario->setToolTip(QStringLiteral("Ingrese usuario"));
    tsIdUsuario->setPlaceholderText(QStringLiteral("Usuario"));
    formulario->addRow(QStringLiteral("Usuario"), tsIdUsuario);

    tsPassword = new QLineEdit(this);
    tsPassword->setObjectName(QStringLiteral("tsPassword"));
    tsPassword->setToolTip(QStringLiteral("Ingrese contraseña"));
    tsPassword->setPlaceholderText(QStringLiteral("Contraseña"));
    tsPassword->setEchoMode(QLineEdit::Password);
    formulario->addRow(QStringLiteral("Contraseña"), tsPassword);
    fondo->addLayout(formulario);

    tsPuerto = new QLineEdit(QStringLiteral("3306"), this);
    tsPuerto->setObjectName(QStringLiteral("tsPuerto"));
    tsPuerto->hide();

    DBs = new QListWidget(this);
    DBs->setObjectName(QStringLiteral("DBs"));
    DBs->setSortingEnabled(true);
    DBs->setSelectionMode(QAbstractItemView::SingleSelection);
    DBs->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBs->hide();
    fondo->addWidget(DBs, 1);
    fondo->addStretch(0);

    auto* botones = new QHBoxLayout;
    btnConexion = new QToolButton(this);
    btnConexion->setObjectName(QStringLiteral("btnConexion"));
    btnConexion->setToolTip(QStringLiteral("Configuración de Servidor"));
    btnConexion->setIcon(style()->standardIcon(QStyle::SP_DriveNetIcon));
    btnConexion->setIconSize(QSize(24, 24));
    botones->addWidget(btnConexion);
    botones->addStretch(1);
    btnAdelante = new QPushButton(QStringLiteral("Ingresar"), this);
    btnAdelante->setObjectName(QStringLiteral("btnAdelante"));
    btnAbortar = new QPushButton(QStringLiteral("Salir"), this);
    btnAbortar->setObjectName(QStringLiteral("btnAbortar"));
    btnAbortar->setToolTip(QStringLiteral("Cancelar Inicio"));
    for (QPushButton* b : {btnAdelante, btnAbortar}) {
        b->setAutoDefault(false);
        b->setDefault(false);
        botones->addWidget(b);
    }
    fondo->addLayout(botones);

    auto* ayuda = new QLabel(QStringLiteral("¿Problemas para ingresar?"), this);
    auto* soporte = new QLabel(QStringLiteral("Contacta a Soporte Técnico"), this);
    fondo->addWidget(ayuda);
    fondo->addWidget(soporte);

    setTabOrder(cmbServer, tsIdUsuario);
    setTabOrder(tsIdUsuario, tsPassword);
    setTabOrder(tsPassword, DBs);
    setTabOrder(DBs, btnAdelante);
    setTabOrder(btnAdelante, btnAbortar);
    setTabOrder(btnAbortar, btnConexion);

    for (QWidget* w : {static_cast<QWidget*>(cmbServer), static_cast<QWidget*>(tsIdUsuario),
                       static_cast<QWidget*>(tsPassword), static_cast<QWidget*>(DBs),
                       static_cast<QWidget*>(btnAdelante), static_cast<QWidget*>(btnAbortar)})
        w->installEventFilter(this);
    for (QLineEdit* e : {tsIdUsuario, tsPassword}) {
        QPalette p = e->palette();
        p.setColor(QPalette::Base, Qt::white);
        e->setPalette(p);
    }

    connect(btnAdelante, &QPushButton::clicked, this, &Tfrmacceso::btnAdelanteClick);
    connect(btnAbortar, &QPushButton::clicked, this, &Tfrmacceso::btnAbortarClick);
    connect(btnConexion, &QToolButton::clicked, this, &Tfrmacceso::btnConexionClick);
    connect(tsIdUsuario, &QLineEdit::textEdited, this, &Tfrmacceso::ocultarBasesDatos);
    connect(cmbServer, &QComboBox::currentIndexChanged, this, [this] {
        ocultarBasesDatos();
        cambiarSesion([](data::SesionActual& s) { s.sServidor.clear(); });
    });
    connect(DBs, &QListWidget::itemSelectionChanged, this, &Tfrmacceso::seleccionCambiada);
    connect(DBs, &QListWidget::itemDoubleClicked, this, [this] {
        if (DBs->selectedItems().size() == 1)
            btnAdelanteClick();
    });
}

void Tfrmacceso::paintEvent(QPaintEvent* event) {
    // The window's picture: a band on the left with the program's name.
    QPainter p(this);
    QLinearGradient degradado(0, 0, 0, height());
    degradado.setColorAt(0, QColor(0x00, 0x5F, 0x7A));
    degradado.setColorAt(1, kColorFoco);
    p.fillRect(QRect(0, 0, 380, height()), degradado);
    p.fillRect(QRect(380, 0, width() - 380, height()), palette().window());
    p.setPen(Qt::white);
    QFont f = font();
    f.setPointSize(28);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRect(0, 0, 380, height()), Qt::AlignCenter, QStringLiteral("ORVA"));
    QDialog::paintEvent(event);
}

bool Tfrmacceso::enEtapa2() const {
    return !DBs->isHidden();
}

void Tfrmacceso::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!cerrando_)
        LeerConfiguracion();
}

// ------------------------------------------------------------------ connection file

void Tfrmacceso::llenarServidores() {
    const QSignalBlocker bloqueo(cmbServer);
    cmbServer->clear();
    for (const EntradaServidor& e : lista_)
        cmbServer->addItem(e.conexion);
    if (cmbServer->count() > 0)
        cmbServer->setCurrentIndex(0);
}

void Tfrmacceso::LeerConfiguracion() {
    {
        const QSignalBlocker bloqueo(cmbServer);
        cmbServer->clear();
    }
    lista_.clear();
    if (!ExisteArchivoConexiones())
        return;
    QString copia;
    try {
        copia = CopiaAcceso();
        DescifrarSobreCopia(copia);
    } catch (const std::exception& e) {
        error(MensajeCifrado(data::errorText(e)));
        return;
    }
    try {
        const ConfiguracionSistema c = LeerConfiguracionSistema(copia);
        cambiarSesion([&c](data::SesionActual& s) {
            s.sServidor = c.servAcceso;
            s.sRutaSistema = c.rutaSistema;
        });
    } catch (const std::exception& e) {
        error(data::errorText(e));
    }
    setWindowTitle(shell::TituloVersion());
    if (principal_)
        principal_->setWindowTitle(shell::TituloVersion());
    try {
        LeerListaServidores(copia, lista_);
    } catch (const std::exception& e) {
        error(data::errorText(e)); // the entries before the faulty line stay
    }
    llenarServidores();
    iIntentos_ = 0;
    tsPassword->clear();
    cmbServer->setFocus();
    try {
        BorrarSecciones(copia);
    } catch (const std::exception& e) {
        error(MensajeCifrado(data::errorText(e)));
    }
}

void Tfrmacceso::ReleerListaServidores() {
    {
        const QSignalBlocker bloqueo(cmbServer);
        cmbServer->clear();
    }
    lista_.clear();
    QString copia;
    try {
        copia = CopiaRelectura();
        if (ExisteArchivoConexiones())
            DescifrarEnCopia(copia);
    } catch (const std::exception& e) {
        error(MensajeCifrado(data::errorText(e)));
    }
    if (!copia.isEmpty() && QFile::exists(copia)) {
        try {
            LeerListaServidores(copia, lista_);
        } catch (const std::exception& e) {
            error(data::errorText(e));
        }
    }
    llenarServidores();
    cmbServer->setFocus();
    if (!copia.isEmpty() && QFile::exists(copia)) {
        try {
            CifrarCopia(copia);
        } catch (const std::exception& e) {
            error(MensajeCifrado(data::errorText(e)));
        }
    }
}

// ------------------------------------------------------------------ buttons

void Tfrmacceso::btnAbortarClick() {
    cerrar(true);
}

void Tfrmacceso::btnConexionClick() {
    platform::InputOptions opciones;
    opciones.hidden = true;
    const std::optional<QString> codigo =
        platform::dialogs().input(QStringLiteral("¡Registro de Host para conexiones!"),
                                  QStringLiteral("Ingresar contraseña:"), opciones);
    if (!codigo)
        return; // cancelled: nothing to check
    if (*codigo != QLatin1String(kCodigoRegistro)) {
        error(QStringLiteral("Contraseña incorrecta, no puede acceder a conexiones!"));
        return;
    }
    TfrmAltaServidor alta(this);
    if (alta.exec() == QDialog::Accepted)
        ReleerListaServidores();
}

void Tfrmacceso::btnAdelanteClick() {
    salir_ = false;
    if (enEtapa2())
        etapa2();
    else
        etapa1();
}

void Tfrmacceso::ocultarBasesDatos() {
    DBs->clear();
    DBs->hide();
}

void Tfrmacceso::seleccionCambiada() {
    for (int i = 0; i < DBs->count(); ++i) {
        QListWidgetItem* item = DBs->item(i);
        item->setIcon(style()->standardIcon(item->isSelected() ? QStyle::SP_DialogOpenButton
                                                               : QStyle::SP_DriveHDIcon));
    }
}

// ------------------------------------------------------------------ stage 1

void Tfrmacceso::etapa1() {
    data::Tconnection& modulo = data::connection();
    data::DbConnection& enlace = modulo.Uconnection;
    const int puertoDefecto = tsPuerto->text().toInt();
    cambiarSesion([puertoDefecto](data::SesionActual& s) { s.iPuerto = puertoDefecto; });

    const int n = cmbServer->currentIndex() + 1;
    if (n < 1 || n > lista_.size()) {
        aviso(QStringLiteral("No hay ninguna conexión registrada. Registre el servidor con el "
                             "botón de configuración de servidor."));
        return;
    }
    const EntradaServidor entrada = lista_.at(n - 1);
    bool numero = false;
    int puerto = entrada.puerto.toInt(&numero);
    if (!numero || puerto <= 0)
        puerto = puertoDefecto;

    enlace.disconnect();
    enlace.setServer(entrada.servidor);
    enlace.setPort(static_cast<unsigned>(puerto));
    enlace.setUsername(entrada.usuario);
    enlace.setPassword(entrada.password);
    enlace.setDatabase(QString());
    cambiarSesion([&](data::SesionActual& s) {
        s.sServidor = entrada.servidor;
        s.iPuerto = puerto;
        s.sUsuarioBD = entrada.usuario;
        s.sPasswordBD = entrada.password;
    });

    try {
        enlace.connect();
    } catch (const std::exception& e) {
        const QString clase = data::errorKind(e);
        const bool administrador = tsIdUsuario->text().toUpper() == QLatin1String("ADMIN");
        if (!data::errorText(e).contains(QLatin1String("Access denied"))) {
            cambiarSesion([](data::SesionActual& s) { s.sServidor.clear(); });
            error(kNoConecta.arg(clase));
            return;
        }
        if (!administrador) {
            error(kNoConecta.arg(clase));
            return;
        }
        if (!tsPassword->text().isEmpty()) {
            informacion(QStringLiteral("No se Puede Conectar al Servidor.\r\nLa Contraseña del "
                                       "Administrador No es Correcta "));
            return;
        }
        // The administrator with an empty password: the server's own administrator
        // account is tried before the entry's account again.
        enlace.disconnect();
        enlace.setUsername(QStringLiteral("root"));
        enlace.setPassword(QString());
        try {
            enlace.connect();
        } catch (const std::exception& raiz) {
            error(kNoConecta.arg(data::errorKind(raiz)));
            return;
        }
        if (!enlace.connected()) {
            aviso(kSinComunicacion);
            return;
        }
        enlace.disconnect();
        enlace.setUsername(entrada.usuario);
        enlace.setPassword(entrada.password);
        try {
            enlace.connect();
        } catch (const std::exception& otra) {
            error(QStringLiteral("No se Puede Conectar al Servidor.\r\nInformacion del error: ") +
                  data::errorKind(otra) + QLatin1Char(',') + data::errorText(otra));
            return;
        }
    }
    if (!enlace.connected()) {
        aviso(kSinComunicacion);
        return;
    }

    try {
        const data::SesionActual& s = data::sesion();
        enlace.disconnect();
        enlace.setServer(s.sServidor);
        enlace.setPort(static_cast<unsigned>(s.iPuerto));
        enlace.setUsername(s.sUsuarioBD);
        enlace.setPassword(s.sPasswordBD);
        enlace.setDatabase(QString());
        enlace.connect();
    } catch (const std::exception& e) {
        error(QStringLiteral("Error generado:\r\n") + data::errorText(e));
        return;
    }

    try {
        construirListaBasesDatos();
    } catch (const std::exception& e) {
        error(QStringLiteral("Error generado:\r\n") + data::errorText(e));
        return;
    }
    if (DBs->count() > 0) {
        DBs->show();
        DBs->setFocus();
        DBs->setCurrentRow(0);
        DBs->item(0)->setSelected(true);
    }
}

void Tfrmacceso::construirListaBasesDatos() {
    data::Tconnection& modulo = data::connection();
    data::DbConnection& enlace = modulo.Uconnection;
    DBs->clear();
    DBs->hide();
    const QStringList servidor = esquemas(enlace);
    dbGralExiste_ = servidor.contains(QStringLiteral("db_gral"));

    QStringList agregar;
    if (dbGralExiste_) {
        enlace.disconnect();
        enlace.setDatabase(QStringLiteral("db_gral"));
        enlace.connect();
        data::Dataset& asignadas = modulo.zUCommand;
        asignadas.close();
        asignadas.setConnection(&enlace);
        asignadas.setSql(QStringLiteral(
            "select ub.useer, ub.nombrees, b.bd_user from user_bd ub inner join bd b on b.id_bd "
            "= ub.id_bds where useer = :useer group by b.bd_user"));
        asignadas.setParam(QStringLiteral("useer"), tsIdUsuario->text());
        asignadas.open();
        if (asignadas.isEmpty()) {
            asignadas.close();
            aviso(QStringLiteral("Este usuario no tiene asignado ninguna BD. Vuelva a intentarlo"));
            return;
        }
        const int columna = asignadas.fieldIndex(QStringLiteral("bd_user"));
        for (int fila = 0; fila < asignadas.recordCount(); ++fila) {
            const QString bd = asignadas.valueAt(fila, columna).toString();
            if (!excluida(bd) && servidor.contains(bd))
                agregar << bd;
        }
        asignadas.close();
    } else {
        for (const QString& esquema : servidor)
            if (!excluida(esquema))
                agregar << esquema;
    }
    for (const QString& esquema : agregar) {
        auto* item = new QListWidgetItem(style()->standardIcon(QStyle::SP_DriveHDIcon), esquema);
        DBs->addItem(item);
    }
}

// ------------------------------------------------------------------ stage 2

void Tfrmacceso::etapa2() {
    if (iIntentos_ == 3) {
        aviso(QStringLiteral("Intento accesar en mas de 3 ocaciones. Saliendo del Sistema"));
        cerrar(true);
        return;
    }
    data::Tconnection& modulo = data::connection();
    const QList<QListWidgetItem*> elegidas = DBs->selectedItems();
    if (elegidas.size() != 1 || elegidas.first()->text().isEmpty()) {
        aviso(QStringLiteral("Seleccione la base de datos con la que desea trabajar."));
        DBs->setFocus();
        return;
    }
    if (modulo.Uconnection.connected()) {
        const QString baseDatos = elegidas.first()->text();
        try {
            cambiarSesion([&baseDatos](data::SesionActual& s) { s.sBaseDatos = baseDatos; });
            const data::SesionActual& s = data::sesion();
            modulo.Uconnection.disconnect();
            modulo.zConnection.disconnect();
            modulo.setParametros(s.sServidor, static_cast<unsigned>(s.iPuerto), s.sUsuarioBD,
                                 s.sPasswordBD, s.sBaseDatos);
            modulo.Uconnection.connect();
            modulo.zConnection.connect();
        } catch (const std::exception& e) {
            error(QStringLiteral("Error generado:\r\n") + data::errorText(e));
            return;
        }
    }
    if (!modulo.Uconnection.connected())
        return;
    const QString usuario = tsIdUsuario->text();
    if (usuario.toUpper() == QLatin1String("ADMIN"))
        rutaAdministrador(usuario);
    else
        rutaOrdinaria(usuario);
}

void Tfrmacceso::abrirUsuarioSesion() {
    data::Dataset& uUsuario = data::connection().uUsuario;
    data::AsignarConsulta(&uUsuario, QStringLiteral("master_usuarios"), QStringLiteral("UPDATE"),
                          true);
    data::FiltrarConsulta(uUsuario, QStringLiteral("IdUsuario,EActivo"),
                          {data::sesion().IdUsuarioActual, QStringLiteral("Si")});
    uUsuario.open();
}

void Tfrmacceso::rutaOrdinaria(const QString& usuario) {
    data::Tconnection& modulo = data::connection();
    data::Dataset& busca = modulo.qryUBusca;
    try {
        busca.close();
        busca.setConnection(&modulo.Uconnection);
        busca.setSql(QStringLiteral("select AES_DECRYPT(u.sPassword,'RTV8493') as sPassword,u.*   "
                                    "from master_usuarios u where sUsuario = :usuario and "
                                    "EActivo=:Activo"));
        busca.setParam(QStringLiteral("usuario"), usuario);
        busca.setParam(QStringLiteral("Activo"), QStringLiteral("Si"));
        busca.open();
    } catch (const std::exception& e) {
        error(QStringLiteral("Error generado:\r\n") + data::errorText(e));
        return;
    }
    if (busca.isEmpty()) {
        busca.close();
        aviso(kNoExiste);
        ++iIntentos_;
        QApplication::beep();
        return;
    }
    busca.first();
    // A stored password the key cannot decrypt comes back null: it matches nothing, not
    // even an empty typed password.
    const data::Field guardada = busca.fieldByName(QStringLiteral("sPassword"));
    if (guardada.isNull() || guardada.asString() != tsPassword->text()) {
        busca.close();
        aviso(kPasswordIncorrecto);
        return;
    }
    data::SesionActual s = data::sesion();
    s.sContratoActual.clear();
    s.sUsuarioActual = busca.fieldByName(QStringLiteral("sUsuario")).asString();
    s.sNombreUsuario = busca.fieldByName(QStringLiteral("sNombre")).asString();
    s.sPerfilAcceso.clear();
    s.IdUsuarioActual =
        static_cast<std::int32_t>(busca.fieldByName(QStringLiteral("IdUsuario")).asInteger());
    busca.close();
    establecer(s, true);
}

void Tfrmacceso::rutaAdministrador(const QString& usuario) {
    data::Tconnection& modulo = data::connection();
    data::Dataset& busca = modulo.zUCommand;
    int filas = 0;
    try {
        busca.close();
        busca.setConnection(&modulo.Uconnection);
        // The typed name travels as a bound value, never inside the statement's text.
        busca.setSql(QStringLiteral(
            "select u.sPassword,u.* from master_usuarios as u where u.sUsuario=:usuario"));
        busca.setParam(QStringLiteral("usuario"), usuario);
        busca.open();
        filas = busca.recordCount();
    } catch (const std::exception& e) {
        error(data::errorText(e));
        return;
    }

    std::int32_t idUsuario = 0;
    if (filas == 0) {
        busca.close();
        // A database without any user yet: the administrator enters once with "admin" /
        // "admin" to create the users; any other database says the user does not exist.
        bool primerUso = false;
        if (usuario == u"admin" && tsPassword->text() == u"admin") {
            try {
                data::Dataset cuenta(&modulo.Uconnection);
                cuenta.setSql(QStringLiteral("select count(*) as n from master_usuarios"));
                cuenta.open();
                primerUso = cuenta.fieldByName(QStringLiteral("n")).asInteger() == 0;
            } catch (const std::exception& e) {
                error(data::errorText(e));
                return;
            }
        }
        if (!primerUso) {
            aviso(kNoExiste);
            return;
        }
    } else if (filas > 1) {
        busca.close();
        aviso(kNoExiste);
        return;
    } else {
        busca.first();
        const data::Field guardada = busca.fieldByName(QStringLiteral("sPassword"));
        const bool coincide =
            !guardada.isNull() &&
            guardada.asString().compare(tsPassword->text(), Qt::CaseInsensitive) == 0;
        idUsuario =
            static_cast<std::int32_t>(busca.fieldByName(QStringLiteral("IdUsuario")).asInteger());
        busca.close();
        if (!coincide) {
            aviso(kPasswordIncorrecto);
            return;
        }
    }
    data::SesionActual s = data::sesion();
    s.sContratoActual.clear();
    s.sUsuarioActual = usuario.toUpper();
    s.sNombreUsuario = QStringLiteral("ADMINISTRADOR");
    s.sPerfilAcceso = QStringLiteral("ACCESO_TOTAL");
    s.IdUsuarioActual = idUsuario;
    establecer(s, false);
}

void Tfrmacceso::establecer(const data::SesionActual& sesion, bool registrarAcceso) {
    const data::SesionActual anterior = data::sesion();
    try {
        data::establecerSesion(sesion);
        if (registrarAcceso)
            data::RegistrarBitacora(QStringLiteral("Accede a sistema "));
        abrirUsuarioSesion();
    } catch (const std::exception& e) {
        // The session is not established half-way: back to what it was.
        data::establecerSesion(anterior);
        error(QStringLiteral("No se pudo iniciar la sesión:\r\n") + data::errorText(e));
        return;
    }
    cerrar(false);
}

// ------------------------------------------------------------------ keyboard, closing

bool Tfrmacceso::eventFilter(QObject* watched, QEvent* event) {
    auto* editor = qobject_cast<QLineEdit*>(watched);
    if (editor && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        QPalette p = editor->palette();
        p.setColor(QPalette::Base,
                   event->type() == QEvent::FocusIn ? kColorFoco : QColor(Qt::white));
        editor->setPalette(p);
    }
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int tecla = static_cast<QKeyEvent*>(event)->key();
    if (tecla != Qt::Key_Return && tecla != Qt::Key_Enter)
        return QDialog::eventFilter(watched, event);
    if (watched == cmbServer) {
        if (cmbServer->view()->isVisible())
            return false; // Enter chooses in the open list
        tsIdUsuario->setFocus();
    } else if (watched == tsIdUsuario) {
        tsPassword->setFocus();
    } else if (watched == tsPassword) {
        btnAdelante->setFocus(); // moves there; the user presses it
    } else if (watched == DBs) {
        btnAdelanteClick();
    } else if (watched == btnAdelante || watched == btnAbortar) {
        // A focused button is pressed with Enter, as with the space bar.
        static_cast<QPushButton*>(watched)->click();
    } else {
        return QDialog::eventFilter(watched, event);
    }
    return true;
}

void Tfrmacceso::reject() {}

void Tfrmacceso::closeEvent(QCloseEvent* event) {
    if (!cerrando_)
        event->ignore();
}

void Tfrmacceso::cerrar(bool salir) {
    salir_ = salir;
    cerrando_ = true;
    const int resultado = salir ? QDialog::Rejected : QDialog::Accepted;
    if (!isVisible()) {
        done(resultado);
        return;
    }
    // The window slides down as it goes.
    auto* deslizar = new QPropertyAnimation(this, "pos", this);
    deslizar->setDuration(100);
    deslizar->setStartValue(pos());
    deslizar->setEndValue(pos() + QPoint(0, height() / 3));
    connect(deslizar, &QPropertyAnimation::finished, this, [this, resultado, deslizar] {
        done(resultado);
        deslizar->deleteLater();
    });
    deslizar->start();
}

} // namespace orva::app
