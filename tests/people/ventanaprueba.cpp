#include "ventanaprueba.h"

#include "data/binding.h"
#include "data/catalog.h"
#include "data/connection.h"
#include "datatest.h"
#include "platform/editors/dbdateedit.h"
#include "platform/editors/dbedit.h"
#include "platform/editors/dblookup.h"
#include "platform/editors/dbmaskedit.h"
#include "shell/barrainferior.h"
#include "shell/barrasuperior.h"
#include "shell/ventanas.h"
#include "support/testdb.h"

#include <QPushButton>
#include <QToolButton>

namespace orva::test {

void CrearBaseColaboradores(const std::string& base) {
    createDatabase(base);
    CargarUsuarios(base);
    runSql(base, R"SQL(
UPDATE master_usuarios SET EAdmin = IF(IdUsuario = 1, 'Si', 'No');
INSERT INTO activ_estructuras (IdEstructura, SCodigo, SDescripcion) VALUES
 (3, 'ETR000003', 'A'), (7, 'ETR000007', 'B'), (9, 'ETR000009', 'C');
INSERT INTO activ_usuarios_estructuras (IdUsuario, IdEstructura) VALUES (1, 3), (1, 7);
INSERT INTO master_municipios (IdMunicipio, SCodigo, SDescripcion) VALUES
 (1, 'MUN000001', 'PACHUCA'), (2, 'MUN000002', 'TULANCINGO');
INSERT INTO activ_secciones (IdSeccion, IdMunicipio, SSeccion) VALUES
 (44, 1, '0044'), (100, 1, '0100');
INSERT INTO master_localidades (IdLocalidad, SCodigo, IdMunicipio, IdSeccion, SLocalidad) VALUES
 (1, 'LOC000001', 1, 100, 'CENTRO'), (2, 'LOC000002', 1, 100, 'NORTE');
INSERT INTO master_codigo_postal (IdCodigoPostal, SCodigo, SCodigoPostal) VALUES
 (1, 'CP000001', '42000'), (2, 'CP000002', '42080');
INSERT INTO master_personal (IdPersonal, SCodigo, SNombre, SAPaterno, SAMaterno, ESexo,
  DFechaNacimiento, SINE, IVigencia, ETramiteINE, SDomicilio, IdCodigoPostal, IdMunicipio,
  IdSeccion, IdLocalidad, Activo, FechaAlta) VALUES
 (1, 'PER0000001', 'ANA', 'LUNA', 'SOTO', 'Mujer', '1990-01-01', 'PERSONA00000000001', 2030, 'No', 'UNO 1', 1, 1, 100, 1, 'Si', '2025-01-01'),
 (2, 'PER0000002', 'BETO', 'MORA', 'RUIZ', 'Hombre', '1990-01-01', 'PERSONA00000000002', 2030, 'No', 'DOS 2', 1, 1, 100, 1, 'Si', '2025-01-01'),
 (3, 'PER0000003', 'CARO', 'PAZ', 'VEGA', 'Mujer', '1990-01-01', 'PERSONA00000000003', 2030, 'No', 'TRES 3', 1, 1, 100, 1, 'Si', '2025-01-01'),
 (4, 'PER0000004', 'DANI', 'SOL', 'REY', 'Hombre', '1990-01-01', 'PERSONA00000000004', 2030, 'No', 'CUATRO 4', 1, 1, 100, 1, 'No', '2025-01-01'),
 (5, 'PER0000005', 'EVA', 'LIMA', 'CRUZ', 'Mujer', '1990-01-01', '-', NULL, 'Si', '', 1, 1, 44, NULL, 'Si', '2025-01-01'),
 (6, 'PER0000006', 'FIDEL', 'ORO', 'MAR', 'Hombre', '1990-01-01', 'PERSONA00000000006', 2030, 'No', 'SEIS 6', 1, 1, 100, 1, 'Si', '2025-01-01');
INSERT INTO activ_asignaciones (IdAsignacion, IdPersonal, IdEstructura, IdCargo, DFechaMovimiento) VALUES
 (1, 1, 3, 1, '2025-01-01'), (2, 2, 7, 1, '2025-01-01'), (3, 3, 9, 1, '2025-01-01');
INSERT INTO activ_apoyos (IdApoyo, SCodigo, IdPersonal) VALUES (1, 'APO0000001', 6);
)SQL");
}

QVariant Valor(const QString& sql) {
    data::Dataset consulta(&data::connection().Uconnection);
    consulta.setSql(sql);
    consulta.open();
    return consulta.isEmpty() ? QVariant() : consulta.field(0).value();
}

void Entrar(int id, const QString& usuario, const std::string& base) {
    SesionDe(id, usuario, base);
    data::Dataset& uUsuario = data::connection().uUsuario;
    data::AsignarConsulta(&uUsuario, QStringLiteral("master_usuarios"), QStringLiteral("UPDATE"),
                          true);
    data::FiltrarConsulta(uUsuario, QStringLiteral("IdUsuario,EActivo"),
                          {id, QStringLiteral("Si")});
    uUsuario.open();
    shell::setModuloActual(QStringLiteral("dxColaboradores"));
}

void VentanaColaboradores::abrir() {
    w = std::make_unique<people::TfrmColaboradores>();
    w->resize(1200, 800);
    w->show();
}

void VentanaColaboradores::TearDown() {
    if (w && w->editando())
        w->FrmBarraInferior1->btnCancel->click();
    w.reset();
    data::connection().uUsuario.close();
    disconnectModule();
}

void VentanaColaboradores::llenarNuevo(const QString& ine) {
    w->FrmBarraSuperior1->btnAdd->click();
    w->cxNombre->setText(QStringLiteral("NUEVA"));
    w->cxAPaterno->setText(QStringLiteral("PERSONA"));
    w->cxAMaterno->setText(QStringLiteral("PRUEBA"));
    w->cxFechaNacimiento->setDate(QDate(1995, 6, 15));
    w->cxINE->setText(ine);
    w->cxDateVigencia->setText(QStringLiteral("2031"));
    w->cxDomicilio->setText(QStringLiteral("HIDALGO 5"));
    w->lcbSeccion->setEditorValue(100);
}

void VentanaColaboradores::aceptar() {
    w->FrmBarraInferior1->btnPost->click();
}

QStringList VentanaColaboradores::mensajes() const {
    return const_cast<Guion&>(guion).dialogos().texts(platform::DialogKind::Message);
}

} // namespace orva::test
