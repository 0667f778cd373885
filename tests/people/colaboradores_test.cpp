// The collaborator window against a real database: who is listed, how adds, edits,
// paperwork and deletes behave, with the messages the user sees and the rows and log
// entries they leave.
#include "data/connection.h"
#include "data/styles.h"
#include "datatest.h"
#include "people/listafija.h"
#include "people/registro.h"
#include "platform/dataset/datasetrecord.h"
#include "platform/editors/dbdateedit.h"
#include "platform/editors/dbedit.h"
#include "platform/editors/dblookup.h"
#include "platform/editors/dbmaskedit.h"
#include "platform/editors/dbswitch.h"
#include "platform/grid/gridview.h"
#include "shell/barrainferior.h"
#include "shell/barrasuperior.h"
#include "shell/ventanas.h"
#include "support/testdb.h"
#include "ventanaprueba.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeView>
#include <QtTest/QTest>
#include <iterator>

using namespace orva;
using platform::DialogKind;

namespace {

/// Stands in for the assignment window: two of its lists of people, one open and one
/// closed, each counting the people of the table when it is read.
class AsignacionesFalsa : public QWidget {
public:
    AsignacionesFalsa() {
        setObjectName(QStringLiteral("frmAsignaciones"));
        for (data::Dataset* lista : {&uLider, &uPromovido}) {
            lista->setParent(this);
            lista->setSql(QStringLiteral("SELECT COUNT(*) AS n FROM master_personal"));
        }
        uLider.setObjectName(QStringLiteral("uLider"));
        uPromovido.setObjectName(QStringLiteral("uPromovido"));
        uLider.open();
    }
    int personas() { return uLider.field(0).value().toInt(); }

    data::Dataset uLider{&data::connection().Uconnection};
    data::Dataset uPromovido{&data::connection().Uconnection};
};

const std::string kBase = "people_colaboradores";

class Colaboradores : public test::VentanaColaboradores {
protected:
    static void SetUpTestSuite() { test::CrearBaseColaboradores(kBase); }
    void SetUp() override {
        test::Conectar(kBase);
        test::Entrar(1, QStringLiteral("admin"), kBase);
    }

    /// The ids of the people listed, in order.
    QList<int> listados() {
        QList<int> ids;
        data::Dataset& lista = w->uColaboradores;
        const int campo = lista.fieldIndex(QStringLiteral("IdPersonal"));
        for (int fila = 0; fila < lista.recordCount(); ++fila)
            ids << lista.valueAt(fila, campo).toInt();
        return ids;
    }
    int personas() { return test::Valor("SELECT COUNT(*) FROM master_personal").toInt(); }
    void seleccionar(int idPersonal) {
        ASSERT_TRUE(w->uColaboradores.locate(QStringLiteral("IdPersonal"), idPersonal));
    }
    QColor fondoINE() const { return w->cxINE->palette().color(QPalette::Base); }
    static QColor color(std::uint32_t rgb) { return QColor::fromRgb(static_cast<QRgb>(rgb)); }
    platform::ScriptedDialogs& d() { return guion.dialogos(); }
};

} // namespace

TEST_F(Colaboradores, ListShowsTheUsersStructuresAndPeopleWithoutOne) {
    abrir();
    EXPECT_EQ(w->objectName(), "frmColaboradores");
    EXPECT_EQ(w->cxLblEstructuras->text(), "ESTRUCTURAS ASIGNADAS: [A ,B]");
    EXPECT_EQ(listados(), QList<int>({1, 2, 4, 5, 6}));
    EXPECT_TRUE(d().shown().isEmpty());
    EXPECT_FALSE(w->PanelDatos->isVisible());
    EXPECT_TRUE(w->cxGridViewColaboradores->isEnabled());
}

TEST_F(Colaboradores, CaptionsOfTheWindow) {
    w = std::make_unique<people::TfrmColaboradores>();
    // Before the window fills it.
    EXPECT_EQ(w->cxLblEstructuras->text(), "ESTRUCTURAS ASIGNADAS:");
    const auto etiquetaDe = [this](const QWidget* caja) {
        for (const QLabel* etiqueta : w->findChildren<QLabel*>())
            if (etiqueta->buddy() == caja)
                return etiqueta->text();
        return QString();
    };
    const std::pair<QWidget*, const char*> cajas[] = {
        {w->cxCodigo, "Código"},
        {w->cxNombre, "Nombres"},
        {w->cxAPaterno, "Apellido Paterno"},
        {w->cxAMaterno, "Apellido Materno"},
        {w->cxGenero, "Género"},
        {w->cxFechaNacimiento, "Fecha de Nacimiento"},
        {w->cxINE, "INE"},
        {w->cxDateVigencia, "Fecha de Vigencia"},
        {w->cxCurp, "CURP"},
        {w->cxTelefono, "Teléfono"},
        {w->cxCorreo, "Correo"},
        {w->cxDomicilio, "Domicilio"},
        {w->lcbCodigoPostal, "Código Postal"},
        {w->lcbMunicipio, "Municipio"},
        {w->lcbSeccion, "Sección"},
        {w->lcbLocalidad, "Localidad"},
    };
    for (const auto& [caja, texto] : cajas)
        EXPECT_EQ(etiquetaDe(caja), QString::fromUtf8(texto)) << caja->objectName().toStdString();
    const std::pair<QAbstractButton*, const char*> botones[] = {
        {w->cxBuscar, "Encontrar Colaborador"},
        {w->cxValidarINE, "Validar INE"},
        {w->cxTramite, "INE en Trámite"},
        {w->cxActivo, "Activo"},
        {w->cxButton1, "+"},
        {w->btnVer, "Ver Foto"},
        {w->btnCargar, "Cargar Foto"},
        {w->cxHuella, "Huella"},
        {w->cxButton2, "Ver Foto"},
        {w->cxBuscarHuella, "Validar Huella"},
    };
    for (const auto& [boton, texto] : botones)
        EXPECT_EQ(boton->text(), QString::fromUtf8(texto)) << boton->objectName().toStdString();
    EXPECT_FALSE(w->cxValidarINE->isEnabled());
    EXPECT_EQ(w->windowTitle(), "Colaboradores");
    EXPECT_EQ(w->bImagen->text(), "Agregue una foto..");
    QStringList textos;
    for (const QLabel* etiqueta : w->findChildren<QLabel*>())
        textos << etiqueta->text();
    EXPECT_TRUE(textos.contains("MÓDULO COLABORADORES"));
    QStringList grupos;
    for (const QGroupBox* grupo : w->findChildren<QGroupBox*>())
        grupos << grupo->title();
    EXPECT_EQ(grupos, QStringList({"DIRECCIÓN"}));
}

TEST_F(Colaboradores, UserWithoutStructuresSeesOnlyPeopleWithoutOne) {
    test::Entrar(2, QStringLiteral("capturista"), kBase);
    abrir();
    EXPECT_EQ(d().texts(DialogKind::Error),
              QStringList({"El administrador no ha asignado Estructuras para este Usuario!"}));
    EXPECT_EQ(w->cxLblEstructuras->text(), "ESTRUCTURAS ASIGNADAS: [ NINGUNA ]");
    EXPECT_EQ(listados(), QList<int>({4, 5, 6}));
}

TEST_F(Colaboradores, GridColumnsCaptionsVisibilityAndTexts) {
    abrir();
    platform::GridView* grid = w->cxGridViewColaboradores;
    const struct {
        const char* campo;
        const char* titulo;
        bool visible;
    } columnas[] = {
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
    ASSERT_EQ(grid->gridModel()->columnCount(), static_cast<int>(std::size(columnas)));
    QStringList visibles;
    for (int i = 0; i < static_cast<int>(std::size(columnas)); ++i) {
        SCOPED_TRACE(columnas[i].campo);
        EXPECT_EQ(grid->column(QLatin1String(columnas[i].campo)), i);
        EXPECT_EQ(grid->gridModel()->headerData(i, Qt::Horizontal).toString(),
                  QString::fromUtf8(columnas[i].titulo));
        EXPECT_EQ(grid->isColumnVisible(i), columnas[i].visible);
        if (columnas[i].visible)
            visibles << QString::fromUtf8(columnas[i].titulo);
    }
    QStringList mostradas;
    for (const platform::GridColumnInfo& c : grid->visibleColumns())
        mostradas << c.caption;
    EXPECT_EQ(mostradas, visibles);

    // The grid shows each person's texts: the first displayed row is person 1.
    const auto filasMostradas = [grid] {
        QList<int> filas;
        grid->forEachDisplayedRow([&filas](const platform::GridRowInfo& fila) {
            if (!fila.isGroup)
                filas << fila.sourceRow;
        });
        return filas;
    };
    const auto texto = [grid](int fila, const char* campo) {
        return grid->displayText(fila, grid->column(QLatin1String(campo)));
    };
    const QList<int> filas = filasMostradas();
    ASSERT_EQ(filas.size(), 5);
    EXPECT_EQ(texto(filas[0], "SCodigo"), "PER0000001");
    EXPECT_EQ(texto(filas[0], "SNombre"), "ANA");
    EXPECT_EQ(texto(filas[0], "SAPaterno"), "LUNA");
    EXPECT_EQ(texto(filas[0], "SAMaterno"), "SOTO");
    EXPECT_EQ(texto(filas[0], "SINE"), "PERSONA00000000001");
    EXPECT_EQ(grid->gridModel()
                  ->indexOfSourceRow(filas[0], grid->column(QStringLiteral("SNombre")))
                  .data(Qt::DisplayRole)
                  .toString(),
              "ANA");
    // Typing a surname into the find panel (any letter case) narrows the list to it.
    QTest::keyClicks(grid->findEdit(), QStringLiteral("mora"));
    QTest::keyClick(grid->findEdit(), Qt::Key_Return);
    const QList<int> encontradas = filasMostradas();
    ASSERT_EQ(encontradas.size(), 1);
    EXPECT_EQ(texto(encontradas[0], "SAPaterno"), "MORA");
    EXPECT_EQ(texto(encontradas[0], "SCodigo"), "PER0000002");
    EXPECT_EQ(grid->recordCount(), 1);
    grid->setFindText(QString());
    EXPECT_EQ(filasMostradas().size(), 5);

    // Paperwork rows stand out; the fingerprint and photo columns carry their colours.
    const int tramite = static_cast<int>(listados().indexOf(5));
    const int normal = static_cast<int>(listados().indexOf(1));
    const auto fondo = [grid](int fila, const char* campo) {
        return grid->gridModel()
            ->indexOfSourceRow(fila, grid->column(QLatin1String(campo)))
            .data(Qt::BackgroundRole)
            .value<QColor>();
    };
    EXPECT_EQ(fondo(tramite, "SNombre"), color(data::estilos::cxstylNiv5));
    EXPECT_EQ(fondo(normal, "sHuella"), color(data::estilos::cxstylNiv2));
    EXPECT_EQ(fondo(normal, "sFoto"), color(data::estilos::cxstylNiv4));
    EXPECT_NE(fondo(normal, "SNombre"), color(data::estilos::cxstylNiv5));
    // A double click on a cell toggles the row height fitted to content.
    EXPECT_TRUE(grid->rowHeightFitsContent());
    emit grid->treeView()->doubleClicked(grid->gridModel()->indexOfSourceRow(normal, 0));
    EXPECT_FALSE(grid->rowHeightFitsContent());
}

TEST_F(Colaboradores, AddStartsWithDefaultsAndTheNextCode) {
    abrir();
    w->FrmBarraSuperior1->btnAdd->click();
    EXPECT_TRUE(w->PanelDatos->isVisible());
    EXPECT_FALSE(w->cxGridViewColaboradores->isEnabled());
    EXPECT_FALSE(w->FrmBarraSuperior1->btnAdd->isEnabled());
    EXPECT_EQ(w->accion(), "Agrega");
    EXPECT_TRUE(w->cxINE->isEnabled());
    EXPECT_TRUE(w->cxTramite->isEnabled());
    EXPECT_EQ(w->cxCodigo->text(), "PER0000007");
    data::Dataset& fila = w->uColaboradores;
    EXPECT_EQ(fila.value("Activo").toString(), "Si");
    EXPECT_EQ(fila.value("ESexo").toString(), "Hombre");
    EXPECT_EQ(fila.value("ETramiteINE").toString(), "No");
    EXPECT_EQ(fila.value("FechaAlta").toDate(), QDate::currentDate());
    EXPECT_EQ(fila.value("IdCodigoPostal").toInt(), 1); // 42000, first of the list
    EXPECT_EQ(fila.value("IdMunicipio").toInt(), 1);    // PACHUCA
    EXPECT_EQ(fila.value("IdLocalidad").toInt(), 1);
    EXPECT_FALSE(w->cxTramite->isChecked());
    // "Nombres" has the focus; Enter in a data box moves on to the next one, as Tab does.
    QApplication::setActiveWindow(w.get());
    ASSERT_EQ(QApplication::focusWidget(), w->cxNombre);
    QTest::keyClick(w->cxNombre, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), w->cxAPaterno);
    // The masked boxes keep the mask's literals with the digits typed.
    const struct {
        platform::DbMaskEdit* caja;
        const char* tecleado;
        const char* guardado;
    } mascaras[] = {
        {w->cxTelefono, "7712345678", "(771)234-567 8"},
        {w->cxDateVigencia, "2031", "2031"},
    };
    for (const auto& m : mascaras) {
        SCOPED_TRACE(m.caja->objectName().toStdString());
        m.caja->setFocus();
        m.caja->clear();
        m.caja->home(false);
        QTest::keyClicks(m.caja, QLatin1String(m.tecleado));
        EXPECT_EQ(m.caja->editorValue().toString(), QLatin1String(m.guardado));
    }
    w->FrmBarraInferior1->btnCancel->click();
    EXPECT_FALSE(w->PanelDatos->isVisible());
    EXPECT_TRUE(w->FrmBarraSuperior1->btnAdd->isEnabled());
    EXPECT_EQ(w->accion(), "");
}

TEST_F(Colaboradores, VoterKeyCases) {
    abrir();
    struct Caso {
        const char* nombre;
        const char* ine;
        bool aceptada;
    };
    const Caso casos[] = {
        {"17 caracteres", "CLAVEDIECISIETE17", false},
        {"guion", "CLAVE-CON-GUION-18", false},
        {"letra acentuada", "CLAVECONACENTOÁ018", false},
        // The box holds 18 characters: blanks around a key are checked in validacion_test.
        {"minúsculas", "clavevalida0000018", true},
        {"mayúsculas", "CLAVEVALIDA0000019", true},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        const int antes = personas();
        d().clearShown();
        llenarNuevo(QString::fromUtf8(c.ine));
        aceptar();
        if (c.aceptada) {
            EXPECT_TRUE(mensajes().isEmpty()) << mensajes().join('|').toStdString();
            EXPECT_EQ(personas(), antes + 1);
            EXPECT_EQ(test::Valor(QStringLiteral("SELECT SINE FROM master_personal ORDER BY "
                                                 "IdPersonal DESC LIMIT 1"))
                          .toString()
                          .trimmed()
                          .toUpper(),
                      QString::fromUtf8(c.ine).trimmed().toUpper());
            EXPECT_FALSE(w->editando());
        } else {
            EXPECT_EQ(mensajes(), QStringList({"La INE debe tener caracteres alfanuméricos"}));
            EXPECT_EQ(personas(), antes);
            EXPECT_TRUE(w->editando());
            w->FrmBarraInferior1->btnCancel->click();
        }
    }
}

TEST_F(Colaboradores, ValidityYearWhenAddingAndWhenEditing) {
    abrir();
    const QString pasado = QString::number(QDate::currentDate().year() - 1);
    struct Caso {
        QString vigencia;
        const char* alAgregar;
        const char* alEditar;
    };
    const Caso casos[] = {
        {"203", "La vigencia debe ser un año de 4 dígitos (por ejemplo, 2030).",
         "La vigencia debe ser un año de 4 dígitos (por ejemplo, 2030)."},
        {pasado, "El año de vigencia no puede ser menor al año actual.", "Vigencia Expirada."},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.vigencia.toStdString());
        d().clearShown();
        llenarNuevo(QStringLiteral("VIGENCIAPRUEBA0001"));
        w->cxDateVigencia->setText(c.vigencia);
        aceptar();
        EXPECT_EQ(mensajes(), QStringList({QString::fromUtf8(c.alAgregar)}));
        w->FrmBarraInferior1->btnCancel->click();

        d().clearShown();
        seleccionar(1);
        w->FrmBarraSuperior1->btnEdit->click();
        ASSERT_EQ(w->accion(), "Edita");
        w->cxDateVigencia->setText(c.vigencia);
        aceptar();
        EXPECT_EQ(mensajes(), QStringList({QString::fromUtf8(c.alEditar)}));
        w->FrmBarraInferior1->btnCancel->click();
    }
    // Leaving the box with an earlier year only warns.
    w->FrmBarraSuperior1->btnAdd->click();
    d().clearShown();
    w->cxDateVigencia->setText(pasado);
    w->cxDateVigenciaExit();
    EXPECT_EQ(mensajes(), QStringList({"La Fecha de Vigencia es Menor al año actual"}));
    EXPECT_EQ(w->cxDateVigencia->text(), pasado);
}

TEST_F(Colaboradores, NewPersonInPaperworkNeedsNoKeyAddressOrValidity) {
    abrir();
    const int antes = personas();
    w->FrmBarraSuperior1->btnAdd->click();
    w->cxNombre->setText(QStringLiteral("TRAMITE"));
    w->cxAPaterno->setText(QStringLiteral("EN"));
    w->cxAMaterno->setText(QStringLiteral("CURSO"));
    w->cxFechaNacimiento->setDate(QDate(2000, 2, 29));
    w->lcbSeccion->setEditorValue(100);
    w->lcbLocalidad->setEditorValue(QVariant());
    w->cxTramite->setChecked(true);
    EXPECT_EQ(w->lcbSeccion->editorValue().toInt(), 44);
    aceptar();
    EXPECT_TRUE(mensajes().isEmpty()) << mensajes().join('|').toStdString();
    ASSERT_EQ(personas(), antes + 1);
    const QString fila = QStringLiteral("SELECT %1 FROM master_personal ORDER BY IdPersonal "
                                        "DESC LIMIT 1");
    EXPECT_EQ(test::Valor(fila.arg("SINE")).toString(), "-");
    EXPECT_EQ(test::Valor(fila.arg("ETramiteINE")).toString(), "Si");
    EXPECT_EQ(test::Valor(fila.arg("IdSeccion")).toInt(), 44);
    EXPECT_EQ(test::Valor(fila.arg("SDomicilio")).toString(), "");
    EXPECT_TRUE(test::Valor(fila.arg("IVigencia")).isNull());
}

TEST_F(Colaboradores, TypingARealKeyEndsThePaperwork) {
    test::Entrar(2, QStringLiteral("capturista"), kBase); // not an administrator
    abrir();
    seleccionar(5);
    w->FrmBarraSuperior1->btnEdit->click();
    EXPECT_TRUE(w->cxINE->isEnabled()); // the person is in paperwork
    EXPECT_TRUE(w->cxTramite->isChecked());
    aceptar();
    EXPECT_EQ(mensajes(), QStringList({"La INE debe tener caracteres alfanuméricos"}));

    w->cxINE->setText(QStringLiteral("EVALIMACRUZ0000005"));
    w->cxINEExit();
    EXPECT_FALSE(w->cxTramite->isChecked());
    w->cxDateVigencia->setText(QStringLiteral("2032"));
    w->cxDomicilio->setText(QStringLiteral("MORELOS 9"));
    w->lcbLocalidad->setEditorValue(2);
    w->lcbSeccion->setEditorValue(100);
    d().clearShown();
    aceptar();
    EXPECT_TRUE(mensajes().isEmpty()) << mensajes().join('|').toStdString();
    EXPECT_FALSE(w->editando());
    EXPECT_EQ(test::Valor("SELECT CONCAT(SINE, '|', ETramiteINE, '|', IVigencia) FROM "
                          "master_personal WHERE IdPersonal = 5")
                  .toString(),
              "EVALIMACRUZ0000005|No|2032");
}

TEST_F(Colaboradores, OnlyAdministratorsChangeTheKeyOfAPersonNotInPaperwork) {
    for (const auto& [id, usuario, habilitado] :
         {std::tuple{1, "admin", true}, std::tuple{2, "capturista", false}}) {
        SCOPED_TRACE(usuario);
        test::Entrar(id, QLatin1String(usuario), kBase);
        abrir();
        seleccionar(4);
        w->FrmBarraSuperior1->btnEdit->click();
        EXPECT_EQ(w->cxINE->isEnabled(), habilitado);
        EXPECT_EQ(w->cxTramite->isEnabled(), habilitado);
        w->FrmBarraInferior1->btnCancel->click();
        // Adding always allows both.
        w->FrmBarraSuperior1->btnAdd->click();
        EXPECT_TRUE(w->cxINE->isEnabled());
        EXPECT_TRUE(w->cxTramite->isEnabled());
        w->FrmBarraInferior1->btnCancel->click();
        guion.dialogos().clearShown();
    }
}

TEST_F(Colaboradores, DuplicateKeyIsFoundAcrossStructures) {
    abrir();
    ASSERT_FALSE(listados().contains(3)); // person 3 is in a structure the user lacks
    const int antes = personas();
    llenarNuevo(QStringLiteral("persona00000000003"));
    aceptar();
    EXPECT_EQ(d().texts(DialogKind::Error),
              QStringList({"La Clave INE del Colaborador ya se encuentra registrada!"}));
    EXPECT_TRUE(mensajes().isEmpty());
    EXPECT_EQ(fondoINE(), color(data::estilos::cxstylNiv5));
    EXPECT_EQ(personas(), antes);
    EXPECT_TRUE(w->editando());

    // "Encontrar Colaborador": taken, then free.
    d().clearShown();
    w->cxBuscar->click();
    EXPECT_EQ(d().texts(DialogKind::Error),
              QStringList({"El Colaborador ya se encuentra registrado!"}));
    w->cxINE->setText(QStringLiteral("LIBRE0000000000001"));
    d().clearShown();
    w->cxBuscar->click();
    EXPECT_TRUE(d().shown().isEmpty());
    EXPECT_EQ(fondoINE(), color(data::estilos::cxstylNiv2));

    // Editing a person with an unchanged key is no duplicate of itself.
    w->FrmBarraInferior1->btnCancel->click();
    seleccionar(2);
    w->FrmBarraSuperior1->btnEdit->click();
    d().clearShown();
    aceptar();
    EXPECT_TRUE(d().shown().isEmpty()) << d().last().text.toStdString();
    EXPECT_FALSE(w->editando());
    EXPECT_EQ(test::Valor("SELECT SDescripcion FROM kardex_sistema ORDER BY IdKardex DESC LIMIT 1")
                  .toString(),
              "Edita Colaborador - Código: PER0000002 - BETO MORA RUIZ");
}

TEST_F(Colaboradores, SavedAddGetsTheNextIdCodeAndALogEntry) {
    abrir();
    const int siguiente = test::Valor("SELECT MAX(IdPersonal) + 1 FROM master_personal").toInt();
    llenarNuevo(QStringLiteral("BITACORA0000000001"));
    w->cxNombre->setText(QStringLiteral("  LOLA "));
    aceptar();
    ASSERT_TRUE(mensajes().isEmpty()) << mensajes().join('|').toStdString();
    const QString codigo =
        test::Valor(QStringLiteral("SELECT SCodigo FROM master_personal WHERE IdPersonal = %1")
                        .arg(siguiente))
            .toString();
    EXPECT_EQ(codigo, QStringLiteral("PER%1").arg(siguiente, 7, 10, QLatin1Char('0')));
    EXPECT_EQ(test::Valor(QStringLiteral("SELECT SNombre FROM master_personal WHERE "
                                         "IdPersonal = %1")
                              .arg(siguiente))
                  .toString(),
              "LOLA");
    EXPECT_EQ(test::Valor("SELECT SDescripcion FROM kardex_sistema ORDER BY IdKardex DESC LIMIT 1")
                  .toString(),
              "Agrega Colaborador - Código: " + codigo + " - LOLA PERSONA PRUEBA");
    EXPECT_EQ(w->uColaboradores.value("IdPersonal").toInt(), siguiente); // the last row
    EXPECT_FALSE(w->PanelDatos->isVisible());
    EXPECT_TRUE(w->FrmBarraSuperior1->btnEdit->isEnabled());
}

TEST_F(Colaboradores, SaveRefusedByTheServerKeepsWhatWasTypedAndCanBeRetried) {
    test::runSql(kBase, "INSERT INTO master_municipios (IdMunicipio, SCodigo, SDescripcion) "
                        "VALUES (3, 'MUN000003', 'EFIMERO')");
    AsignacionesFalsa asignaciones;
    abrir();
    const int antes = personas();
    llenarNuevo(QStringLiteral("RECHAZADA000000001"));
    w->lcbMunicipio->setEditorValue(3);
    test::runSql(kBase, "DELETE FROM master_municipios WHERE IdMunicipio = 3");
    aceptar();
    ASSERT_EQ(mensajes().size(), 1);
    EXPECT_TRUE(mensajes()[0].startsWith("Error al guardar: ")) << mensajes()[0].toStdString();
    EXPECT_TRUE(mensajes()[0].contains("foreign key constraint fails"));
    EXPECT_EQ(personas(), antes);
    EXPECT_TRUE(w->editando());
    EXPECT_TRUE(w->PanelDatos->isVisible());
    EXPECT_EQ(w->cxNombre->text(), "NUEVA");
    EXPECT_EQ(asignaciones.personas(), antes);

    test::runSql(kBase, "INSERT INTO master_municipios (IdMunicipio, SCodigo, SDescripcion) "
                        "VALUES (3, 'MUN000003', 'EFIMERO')");
    d().clearShown();
    aceptar();
    EXPECT_TRUE(d().shown().isEmpty()) << d().last().text.toStdString();
    EXPECT_EQ(personas(), antes + 1);
    EXPECT_EQ(test::Valor("SELECT IdMunicipio FROM master_personal WHERE SINE = "
                          "'RECHAZADA000000001'")
                  .toInt(),
              3);
    // The open assignment window re-reads its open lists and leaves the others closed.
    EXPECT_EQ(asignaciones.personas(), antes + 1);
    EXPECT_FALSE(asignaciones.uPromovido.isActive());
}

TEST_F(Colaboradores, RegisteredUnderItsFormName) {
    people::RegistrarPersonas();
    EXPECT_TRUE(shell::VentanaRegistrada(QStringLiteral("frmColaboradores")));
    QWidget* ventana =
        shell::AbrirVentana(QStringLiteral("frmColaboradores"), QStringLiteral("dxColaboradores"));
    ASSERT_NE(ventana, nullptr);
    EXPECT_NE(qobject_cast<people::TfrmColaboradores*>(ventana), nullptr);
    EXPECT_EQ(ventana->objectName(), "frmColaboradores");
    delete ventana;
}

TEST_F(Colaboradores, DeleteIsRefusedByHistoryAndByOtherRecords) {
    abrir();
    seleccionar(1);
    d().answerYes();
    w->FrmBarraSuperior1->btnDelete->click();
    EXPECT_EQ(d().texts(DialogKind::Error),
              QStringList({"No se puede eliminar Colaborador, Tiene asignción de Puesto y "
                           "Estructura."}));
    EXPECT_EQ(test::Valor("SELECT COUNT(*) FROM master_personal WHERE IdPersonal = 1").toInt(), 1);

    d().clearShown();
    seleccionar(6);
    d().answerYes();
    w->FrmBarraSuperior1->btnDelete->click();
    EXPECT_EQ(d().texts(DialogKind::Warning),
              QStringList({"No se puede eliminar el colaborador porque está relacionado con "
                           "otros registros."}));
    EXPECT_EQ(test::Valor("SELECT COUNT(*) FROM master_personal WHERE IdPersonal = 6").toInt(), 1);
    EXPECT_TRUE(listados().contains(6));
    EXPECT_EQ(test::Valor("SELECT SDescripcion FROM kardex_sistema ORDER BY IdKardex DESC LIMIT 1")
                  .toString(),
              "Elimina Colaborador - Código: PER0000006 - ORO MAR FIDEL");

    // Answering No changes nothing; Yes on a free person deletes it.
    seleccionar(4);
    d().answerNo();
    w->FrmBarraSuperior1->btnDelete->click();
    EXPECT_TRUE(listados().contains(4));
    d().answerYes();
    w->FrmBarraSuperior1->btnDelete->click();
    EXPECT_FALSE(listados().contains(4));
    EXPECT_EQ(test::Valor("SELECT COUNT(*) FROM master_personal WHERE IdPersonal = 4").toInt(), 0);
    EXPECT_EQ(w->accion(), "");
}

TEST_F(Colaboradores, PlusAddsAMissingPostalCode) {
    abrir();
    w->cxButton1->click(); // only while adding or editing
    EXPECT_TRUE(d().shown().isEmpty());
    w->FrmBarraSuperior1->btnAdd->click();
    d().answerText(QStringLiteral("43000"));
    w->cxButton1->click();
    const QVariant id = test::Valor("SELECT IdCodigoPostal FROM master_codigo_postal WHERE "
                                    "SCodigoPostal = '43000'");
    ASSERT_FALSE(id.isNull());
    EXPECT_EQ(test::Valor("SELECT SCodigo FROM master_codigo_postal WHERE SCodigoPostal = "
                          "'43000'")
                  .toString(),
              "CP000003");
    EXPECT_EQ(w->lcbCodigoPostal->editorValue().toInt(), id.toInt());
    // A code already in the catalog is chosen, not added again.
    d().answerText(QStringLiteral("42080"));
    w->cxButton1->click();
    EXPECT_EQ(w->lcbCodigoPostal->editorValue().toInt(), 2);
    EXPECT_EQ(test::Valor("SELECT COUNT(*) FROM master_codigo_postal").toInt(), 3);
}

TEST_F(Colaboradores, FingerprintButtonsCheckBeforeAnything) {
    abrir();
    w->FrmBarraSuperior1->btnAdd->click();
    w->cxHuella->click();
    EXPECT_EQ(mensajes(), QStringList({"Guarda primero los datos del colaborador antes de "
                                       "capturar la huella."}));
    w->FrmBarraInferior1->btnCancel->click();
    d().clearShown();
    w->cxHuella->click(); // a person is selected; no fingerprint window in this program yet
    w->cxBuscarHuella->click();
    EXPECT_TRUE(d().shown().isEmpty());

    test::Entrar(2, QStringLiteral("capturista"), kBase);
    test::runSql(kBase, "DELETE FROM activ_apoyos; DELETE FROM master_personal WHERE "
                        "IdPersonal IN (4, 5, 6) OR IdPersonal > 6");
    abrir();
    d().clearShown();
    w->cxHuella->click();
    EXPECT_EQ(mensajes(), QStringList({"No hay colaborador seleccionado."}));
}
