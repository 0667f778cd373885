// Photos through the collaborator window, against a real database and the local
// S3-compatible server: picking, compressing, uploading at save under the person's key,
// downloading and showing, and what happens to the files on the way.
#include "exchange/aws_s3.h"
#include "imagenes.h"
#include "people/fotodescarga.h"
#include "people/frmmostrarfoto.h"
#include "platform/grid/gridview.h"
#include "s3_test_support.h"
#include "shell/barrainferior.h"
#include "shell/barrasuperior.h"
#include "support/testdb.h"
#include "ventanaprueba.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <cstdlib>

using namespace orva;
using platform::DialogKind;

namespace {

const std::string kBase = "people_colaboradores_fotos";

class FotosColaborador : public test::VentanaColaboradores {
protected:
    static void SetUpTestSuite() {
        test::CrearBaseColaboradores(kBase);
        servidor_ = new test::LocalS3Server(test::LocalS3Server::Options{});
    }
    static void TearDownTestSuite() {
        delete servidor_;
        servidor_ = nullptr;
    }

    void SetUp() override {
        // The credential search and the downloads look under the user's folders: both
        // point into a folder of this test, and no AWS variables mix in.
        for (const char* nombre :
             {"AWS_ACCESS_KEY_ID", "AWS_SECRET_ACCESS_KEY", "AWS_REGION", "AWS_BUCKET"})
            unsetenv(nombre);
        qputenv("HOME", hogar.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", hogar.filePath("config").toUtf8());
        qputenv("XDG_DATA_HOME", hogar.filePath("datos").toUtf8());
        escribirAwsIni(true);
        test::Conectar(kBase);
        test::Entrar(1, QStringLiteral("admin"), kBase);
        abrir();
    }

    void escribirAwsIni(bool conLlaves) {
        const exchange::TAwsCreds c = servidor_->creds();
        std::string texto = "[aws]\n";
        if (conLlaves)
            texto += "access_key=" + c.AccessKey + "\nsecret_key=" + c.SecretKey + "\n";
        texto += "region=" + c.Region + "\nbucket=" + c.Bucket + "\nendpoint=" + c.Endpoint + "\n";
        QDir().mkpath(hogar.filePath("config/Salida"));
        test::writeFile(hogar.filePath("config/Salida/aws.ini").toStdString(), texto);
    }

    /// Picks `archivo` with "Cargar Foto" while adding a valid new person.
    void agregarConFoto(const QString& ine, const QString& archivo) {
        llenarNuevo(ine);
        guion.dialogos().answerFile(archivo);
        w->btnCargar->click();
    }

    QString ultimaFoto() {
        return test::Valor("SELECT SURL_Foto FROM master_personal ORDER BY IdPersonal DESC "
                           "LIMIT 1")
            .toString();
    }

    platform::ScriptedDialogs& d() { return guion.dialogos(); }

    QTemporaryDir hogar;
    QTemporaryDir fotos;
    static test::LocalS3Server* servidor_;
};

test::LocalS3Server* FotosColaborador::servidor_ = nullptr;

const QRegularExpression kLlave(
    QStringLiteral("/assets/imagenes/colaboradores/(PER\\d{7})/perfil_(\\d{17})\\.(jpg|png)$"));

} // namespace

TEST_F(FotosColaborador, BigJpegIsCompressedUploadedAtSaveThenDownloadedAndShown) {
    const QString grande = fotos.filePath("retrato.jpg");
    ASSERT_GT(test::GuardarImagen(test::ImagenRuido(4000, 3000), grande), 2800 * 1024);
    agregarConFoto(QStringLiteral("FOTOGRANDE00000001"), grande);
    EXPECT_EQ(d().texts(DialogKind::Information),
              QStringList({"Imagen lista para subir al guardar."}));
    EXPECT_EQ(d().last().kind, DialogKind::Information);
    const QString preparado = w->fotoPendiente().FPendingTmpPath;
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^colab_tmp_\\d{17}\\.jpg$"))
                    .match(QFileInfo(preparado).fileName())
                    .hasMatch())
        << preparado.toStdString();
    EXPECT_EQ(QFileInfo(preparado).absolutePath(), QFileInfo(QDir::tempPath()).absoluteFilePath());
    EXPECT_FALSE(w->bImagen->pixmap().isNull());
    // The open-file dialog: title and filter.
    EXPECT_EQ(d().shown().at(0).title, "Selecciona imagen del colaborador");
    EXPECT_EQ(d().shown().at(0).text,
              "Imágenes|*.jpg;*.jpeg;*.png;*.bmp;*.gif;*.tif;*.tiff;*.webp");

    // Nothing is uploaded before the save.
    const exchange::TAwsCreds creds = servidor_->creds();
    std::string siguiente;
    EXPECT_TRUE(exchange::S3ListObjects(creds, "assets/", "", siguiente).empty());

    d().clearShown();
    aceptar();
    ASSERT_TRUE(d().shown().isEmpty()) << d().last().text.toStdString();
    const QString direccion = ultimaFoto();
    const QRegularExpressionMatch partes = kLlave.match(direccion);
    ASSERT_TRUE(partes.hasMatch()) << direccion.toStdString();
    EXPECT_EQ(partes.captured(1), w->uColaboradores.value("SCodigo").toString());
    EXPECT_EQ(partes.captured(3), "jpg");
    // The key's timestamp is the local time of the save, to the millisecond.
    const QDateTime marca =
        QDateTime::fromString(partes.captured(2), QStringLiteral("yyyyMMddhhmmsszzz"));
    ASSERT_TRUE(marca.isValid()) << partes.captured(2).toStdString();
    EXPECT_LE(std::abs(marca.secsTo(QDateTime::currentDateTime())), 120);
    EXPECT_TRUE(direccion.startsWith(QString::fromStdString(creds.Endpoint)));
    const std::vector<std::string> llaves =
        exchange::S3ListObjects(creds, "assets/", "", siguiente);
    ASSERT_EQ(llaves.size(), 1u);
    EXPECT_EQ(QString::fromStdString(llaves[0]),
              direccion.mid(direccion.indexOf("assets/imagenes/")));
    // The save does not forget the pending photo; the next add does.
    EXPECT_TRUE(QFileInfo::exists(preparado));

    // "Ver Foto" in the panel downloads it into Recursos under the user's data folder.
    w->btnVer->click();
    const QString recursos =
        QDir(people::CarpetaRecursos()).filePath(QFileInfo(llaves[0].c_str()).fileName());
    EXPECT_TRUE(recursos.startsWith(hogar.filePath("datos") + "/")) << recursos.toStdString();
    EXPECT_TRUE(recursos.contains("/Recursos/"));
    ASSERT_TRUE(QFileInfo::exists(recursos)) << recursos.toStdString();
    EXPECT_LE(QFileInfo(recursos).size(), 350 * 1024);
    EXPECT_EQ(QImageReader(recursos).size(), QSize(1280, 960));
    EXPECT_FALSE(w->bImagen->pixmap().isNull());

    // The viewer window, shown modally, downloads and shows it too.
    QPixmap vista;
    QTimer::singleShot(0, [&vista] {
        if (auto* visor =
                qobject_cast<people::TfrmMostrarFoto*>(QApplication::activeModalWidget())) {
            vista = visor->bImagen->pixmap();
            visor->accept();
        }
    });
    w->cxButton2->click();
    EXPECT_FALSE(vista.isNull());
    EXPECT_TRUE(d().shown().isEmpty()) << d().last().text.toStdString();

    w->FrmBarraSuperior1->btnAdd->click();
    EXPECT_FALSE(QFileInfo::exists(preparado));
    EXPECT_TRUE(QFileInfo::exists(grande));
}

TEST_F(FotosColaborador, SmallPngIsUploadedAsItIs) {
    const QString png = fotos.filePath("pequena.png");
    const qint64 bytes = test::GuardarImagen(test::ImagenRuido(420, 300), png);
    ASSERT_GT(bytes, 150 * 1024);
    agregarConFoto(QStringLiteral("FOTOPNG00000000001"), png);
    EXPECT_EQ(w->fotoPendiente().FPendingTmpPath, png);
    EXPECT_EQ(w->fotoPendiente().FPendingExt, ".png");
    aceptar();
    const QString direccion = ultimaFoto();
    const QRegularExpressionMatch partes = kLlave.match(direccion);
    ASSERT_TRUE(partes.hasMatch()) << direccion.toStdString();
    EXPECT_EQ(partes.captured(3), "png");
    const std::string copia = fotos.filePath("copia.png").toStdString();
    ASSERT_TRUE(exchange::S3GetFile(
        servidor_->creds(), direccion.mid(direccion.indexOf("assets/")).toStdString(), copia));
    EXPECT_EQ(test::readFile(copia), test::readFile(png.toStdString()));
    // Starting the next add forgets it without touching the user's file.
    w->FrmBarraSuperior1->btnAdd->click();
    EXPECT_TRUE(QFileInfo::exists(png));
}

TEST_F(FotosColaborador, CancellingDeletesOurCompressedFileButNeverTheUsers) {
    const QString grande = fotos.filePath("otro.jpeg");
    test::GuardarImagen(test::ImagenRuido(4000, 3000), grande);
    agregarConFoto(QStringLiteral("FOTOCANCELA0000001"), grande);
    const QString preparado = w->fotoPendiente().FPendingTmpPath;
    ASSERT_TRUE(QFileInfo::exists(preparado));
    w->FrmBarraInferior1->btnCancel->click();
    EXPECT_FALSE(QFileInfo::exists(preparado));
    EXPECT_TRUE(QFileInfo::exists(grande));
    EXPECT_TRUE(w->fotoPendiente().vacia());
}

TEST_F(FotosColaborador, RefusedPicksChangeNothing) {
    llenarNuevo(QStringLiteral("FOTONOPERMIT000001"));
    const QString png = fotos.filePath("elegida.png");
    test::GuardarImagen(test::ImagenRuido(64, 64), png);
    d().answerFile(png);
    w->btnCargar->click();
    ASSERT_EQ(w->fotoPendiente().FPendingTmpPath, png);
    ASSERT_FALSE(w->bImagen->pixmap().isNull());
    d().clearShown();

    const QString texto = fotos.filePath("notas.txt");
    test::writeFile(texto.toStdString(), "hola");
    d().answerFile(texto);
    w->btnCargar->click();
    EXPECT_EQ(d().texts(DialogKind::Warning), QStringList({"Solo se permiten imágenes."}));
    // The box was emptied before the dialog and shows its empty text again.
    EXPECT_TRUE(w->bImagen->pixmap().isNull());
    EXPECT_EQ(w->bImagen->text(), "Agregue una foto..");
    d().answerCancel();
    w->btnCargar->click();
    EXPECT_EQ(w->fotoPendiente().FPendingTmpPath, png);
    EXPECT_EQ(w->fotoPendiente().FPendingExt, ".png");
    EXPECT_EQ(d().shown().size(), 3);
}

TEST_F(FotosColaborador, MissingCredentialsSaveNothing) {
    escribirAwsIni(false);
    const int antes = test::Valor("SELECT COUNT(*) FROM master_personal").toInt();
    const QString png = fotos.filePath("sin_llaves.png");
    test::GuardarImagen(test::ImagenRuido(64, 64), png);
    agregarConFoto(QStringLiteral("FOTOSINLLAVES00001"), png);
    d().clearShown();
    aceptar();
    EXPECT_EQ(d().texts(DialogKind::Error),
              QStringList({"Faltan credenciales AWS (revisa aws.ini)."}));
    EXPECT_EQ(test::Valor("SELECT COUNT(*) FROM master_personal").toInt(), antes);
    EXPECT_TRUE(w->editando());
    EXPECT_TRUE(w->PanelDatos->isVisible());

    // With the keys back the same "Aceptar" saves it.
    escribirAwsIni(true);
    d().clearShown();
    aceptar();
    EXPECT_TRUE(d().shown().isEmpty()) << d().last().text.toStdString();
    EXPECT_EQ(test::Valor("SELECT COUNT(*) FROM master_personal").toInt(), antes + 1);
    EXPECT_TRUE(kLlave.match(ultimaFoto()).hasMatch());
}

TEST_F(FotosColaborador, PersonWithoutPhoto) {
    ASSERT_TRUE(w->uColaboradores.locate("IdPersonal", 1));
    w->btnVer->click();
    EXPECT_EQ(d().texts(DialogKind::Information),
              QStringList({"Este colaborador no tiene foto guardada. Cárgala para visualizarla."}));
    d().clearShown();
    QTimer::singleShot(0, [] {
        if (QWidget* visor = QApplication::activeModalWidget())
            visor->close();
    });
    w->cxButton2->click();
    EXPECT_EQ(d().texts(DialogKind::Information),
              QStringList({"Este colaborador no tiene foto guardada. Cárgala para visualizarla."}));
    EXPECT_EQ(d().texts(DialogKind::Error),
              QStringList({"No se pudo obtener la imagen del colaborador."}));
}

TEST_F(FotosColaborador, RefusedDownloadSaysWhy) {
    test::runSql(kBase, "UPDATE master_personal SET SURL_Foto = 'https://cubo.s3.us-east-1."
                        "amazonaws.com/assets/no/existe/perfil_1.jpg?x=1' WHERE IdPersonal = 2");
    w->uColaboradores.refresh();
    ASSERT_TRUE(w->uColaboradores.locate("IdPersonal", 2));
    w->btnVer->click();
    const QStringList errores = d().texts(DialogKind::Error);
    ASSERT_EQ(errores.size(), 1);
    EXPECT_TRUE(errores[0].startsWith("No fue posible obtener la imagen: S3 GET falló"))
        << errores[0].toStdString();
}
