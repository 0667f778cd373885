#include "catalogotest.h"

#include "catalogs/registro.h"
#include "catalogs/tabla.h"
#include "data/dataset.h"
#include "datatest.h"
#include "platform/editors/boundeditor.h"
#include "platform/editors/dbswitch.h"
#include "shell/comandos.h"
#include "shell/permisos.h"
#include "shell/ventanas.h"
#include "support/testdb.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace orva::test {

void CargarReferencias(const std::string& base) {
    runSql(base, R"SQL(
INSERT INTO master_pais (IdPais, SCodigo, SPais) VALUES (1, '', 'ESTADOS UNIDOS'), (71, '', 'MÉXICO');
INSERT INTO master_estado (IdEstado, SCodigo, IdPais, SEstado) VALUES
 (1, 'EST000001', 71, 'AGUASCALIENTES'), (53, 'EST000002', 71, 'HIDALGO');
INSERT INTO master_municipios (IdMunicipio, SCodigo, IdEstado, SDescripcion) VALUES
 (1, 'MUN000001', 53, 'PACHUCA'), (2, 'MUN000002', 53, 'TULANCINGO');
INSERT INTO activ_secciones (IdSeccion, IdMunicipio, SSeccion) VALUES (1, 1, '0101'), (44, 1, '0044');
INSERT INTO activ_zonas (IdZona, SCodigo, IdEstado, SDescripcion) VALUES
 (1, 'ZON000001', 53, 'ZONA CENTRO'), (2, 'ZON000002', 53, 'ZONA SUR');
INSERT INTO master_localidades (IdLocalidad, SCodigo, IdMunicipio, IdSeccion, IdZona, SLocalidad)
 VALUES (1, 'LOC000001', 1, 1, 1, 'CENTRO');
INSERT INTO activ_partidos (IdPartido, SCodigo, SNombre, SColor) VALUES
 (1, 'PAR000001', 'PARTIDO AZUL', '#0000FF');
INSERT INTO activ_candidatos (IdCandidato, IdPartido, SNombre) VALUES (1, 1, 'ANA LUNA');
INSERT INTO activ_tipos_campania (IdTipoCampania, SDescripcion) VALUES (1, 'MUNICIPAL');
)SQL");
}

void CatalogoTest::CrearBase(const std::string& base) {
    createDatabase(base);
    CargarUsuarios(base);
    CargarReferencias(base);
    catalogs::RegistrarCatalogos();
}

void CatalogoTest::SetUp() {
    Conectar(base_);
    configure(otra, base_);
    otra.connect();
    Sesion(1, QStringLiteral("admin"));
}

void CatalogoTest::TearDown() {
    for (const QPointer<QWidget>& v : ventanas_)
        if (v)
            v->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const QPointer<QWidget>& v : ventanas_)
        delete v.data(); // the ones a test kept from closing
    ventanas_.clear();
    otra.disconnect();
    disconnectModule();
}

void CatalogoTest::Sesion(int idUsuario, const QString& usuario) {
    SesionDe(idUsuario, usuario, base_);
    data::connection().zModulosPermisos.close();
    shell::AbrirPermisosUsuario();
}

QString CatalogoTest::moduloDe(const QString& forma) {
    for (const shell::DefComando& c : shell::TablaComandos())
        if (c.accion == shell::Accion::Abrir && c.ventana && forma == QLatin1String(c.ventana))
            return QString::fromUtf8(c.modulo);
    return {};
}

void CatalogoTest::activar(QWidget* ventana) {
    ventana->show();
    ventana->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(ventana));
}

catalogs::TfrmCatalogo* CatalogoTest::abrir(const QString& forma) {
    QWidget* w = shell::AbrirVentana(forma, moduloDe(forma));
    auto* ventana = qobject_cast<catalogs::TfrmCatalogo*>(w);
    EXPECT_NE(ventana, nullptr) << forma.toStdString();
    if (!ventana)
        return nullptr;
    ventanas_.emplace_back(ventana);
    activar(ventana);
    return ventana;
}

catalogs::TfrmCatalogo* CatalogoTest::crear(const QString& forma) {
    auto* ventana = new catalogs::TfrmCatalogo(catalogs::BuscarCatalogo(forma));
    ventanas_.emplace_back(ventana);
    activar(ventana);
    return ventana;
}

void CatalogoTest::llenar(catalogs::TfrmCatalogo& ventana, const Valores& valores) {
    for (auto it = valores.begin(); it != valores.end(); ++it) {
        QWidget* w = ventana.editor(it.key());
        ASSERT_NE(w, nullptr) << it.key().toStdString();
        if (auto* sw = qobject_cast<platform::DbSwitch*>(w))
            sw->setChecked(it.value().toString() == u"Si");
        else if (auto* texto = qobject_cast<QLineEdit*>(w))
            texto->setText(it.value().toString());
        else
            dynamic_cast<platform::BoundEditor*>(w)->setEditorValue(it.value());
    }
}

QStringList CatalogoTest::columna(const QString& sql) {
    data::Dataset ds(&otra);
    ds.setSql(sql);
    ds.open();
    QStringList valores;
    for (int fila = 0; fila < ds.recordCount(); ++fila)
        valores << ds.valueAt(fila, 0).toString();
    return valores;
}

QVariant CatalogoTest::valor(const QString& sql) {
    data::Dataset ds(&otra);
    ds.setSql(sql);
    ds.open();
    return ds.isEmpty() ? QVariant() : ds.valueAt(0, 0);
}

void CatalogoTest::ejecutar(const QString& sql) {
    otra.execute(sql);
}

QStringList CatalogoTest::bitacora() {
    return columna(QStringLiteral("SELECT SDescripcion FROM kardex_sistema ORDER BY IdKardex"));
}

} // namespace orva::test
