#include "escenario.h"

#include "data/connection.h"
#include "data/session.h"
#include "datatest.h"
#include "support/testdb.h"

namespace orva::test {

Guion::Guion()
    : dialogos_(new platform::ScriptedDialogs),
      previo_(platform::installDialogs(std::unique_ptr<platform::Dialogs>(dialogos_))),
      avisos_([this] { ++terminaciones_; }) {}

Guion::~Guion() {
    platform::installDialogs(std::move(previo_));
}

void CargarUsuarios(const std::string& baseDatos) {
    runSql(baseDatos, R"SQL(
INSERT INTO master_usuarios (IdUsuario, sUsuario, sMail, sNombre, Telefono, EActivo, sPassword) VALUES
 (1, 'admin', 'admin@orva.mx', 'ADMINISTRADOR', '(771)000-0000', 'Si', 'Admin2026'),
 (2, 'capturista', 'captura@orva.mx', 'ROSA MARTINEZ ISLAS', '', 'Si', AES_ENCRYPT('Captura2026', 'RTV8493')),
 (3, 'partidos', '', 'PEDRO PARTIDOS', '', 'Si', AES_ENCRYPT('Partidos1', 'RTV8493')),
 (4, 'minusculas', '', 'MARIA MINUSCULAS', '', 'Si', AES_ENCRYPT('Minusculas1', 'RTV8493')),
 (5, 'inactivo', '', 'IVAN INACTIVO', '', 'No', AES_ENCRYPT('Inactivo1', 'RTV8493'));
INSERT INTO admin_roles (IdRol, SCodigo, SDescripcion, EActivo) VALUES
 (1, 'ROL000001', 'ADMINISTRADOR', 'Si'), (2, 'ROL000002', 'ESTADOS', 'Si'),
 (3, 'ROL000003', 'SIN AGREGAR', 'Si'), (4, 'ROL000004', 'MINUSCULAS', 'Si');
INSERT INTO admin_roles_usuarios (IdRolUsuario, IdRol, IdUsuario) VALUES
 (1, 1, 1), (2, 2, 2), (3, 3, 3), (4, 4, 4), (5, 2, 5);
INSERT INTO admin_permisos_roles (IdRol, IdOpcion, acceder, insertar, editar, eliminar, imprimir, exportar)
 SELECT 1, IdOpcion, 'Si', 'Si', 'Si', 'Si', 'Si', 'Si' FROM master_opciones;
INSERT INTO admin_permisos_roles (IdRol, IdOpcion, acceder, insertar, editar, eliminar, imprimir, exportar)
 SELECT 2, IdOpcion, 'Si', 'Si', 'Si', 'Si', 'Si', 'Si' FROM master_opciones
  WHERE SNombreForm_Programa = 'dxOptEstados';
INSERT INTO admin_permisos_roles (IdRol, IdOpcion, acceder, insertar, editar, eliminar, imprimir, exportar)
 SELECT 3, IdOpcion, 'Si', 'No', 'Si', 'Si', 'Si', 'Si' FROM master_opciones
  WHERE SNombreForm_Programa = 'dxOptPartidos';
INSERT INTO admin_permisos_roles (IdRol, IdOpcion, acceder, insertar, editar, eliminar, imprimir, exportar)
 SELECT 4, IdOpcion, IF(SNombreForm_Programa = 'dxOptEstados', 'si', 'Si'), 'si', 'Si', 'Si', 'Si', 'Si'
  FROM master_opciones WHERE SNombreForm_Programa IN ('dxOptEstados', 'dxColaboradores');
)SQL");
}

void SesionDe(int idUsuario, const QString& usuario, const std::string& baseDatos) {
    data::SesionActual s;
    const DbSettings db = dbSettings();
    s.IdUsuarioActual = idUsuario;
    const bool administrador = usuario.compare(u"admin", Qt::CaseInsensitive) == 0;
    s.sUsuarioActual = administrador ? usuario.toUpper() : usuario;
    s.sNombreUsuario = administrador ? QStringLiteral("ADMINISTRADOR") : usuario.toUpper();
    s.sPerfilAcceso = administrador ? QStringLiteral("ACCESO_TOTAL") : QString();
    s.sBaseDatos = QString::fromStdString(baseDatos);
    s.sServidor = QString::fromStdString(db.host);
    s.iPuerto = static_cast<int>(db.port);
    s.sUsuarioBD = QString::fromStdString(db.user);
    s.sPasswordBD = QString::fromStdString(db.password);
    data::establecerSesion(s);
}

void Conectar(const std::string& baseDatos) {
    disconnectModule();
    connectModule(baseDatos);
}

} // namespace orva::test
