// Preparing a picked photo for upload: what is kept, converted or compressed, where the
// files go, which files are deleted, and the names of downloaded photos.
#include "data/errors.h"
#include "imagenes.h"
#include "people/fotocompresion.h"
#include "people/fotodescarga.h"
#include "people/fotopendiente.h"
#include "people/fotosubida.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

using namespace orva;
using namespace orva::people;

namespace {

QByteArray Huella(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

QSize TamanoImagen(const QString& path) {
    return QImageReader(path).size();
}

QSize TamanoJpeg(const QByteArray& jpeg) {
    QImage imagen;
    imagen.loadFromData(jpeg, "JPEG");
    return imagen.size();
}

class Fotos : public testing::Test {
protected:
    QString archivo(const QString& nombre) const { return carpeta.filePath(nombre); }
    /// A file of the test's folder with these bytes.
    QString escribir(const QString& nombre, const QByteArray& bytes) const {
        QFile f(archivo(nombre));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }
    QTemporaryDir carpeta;
    FotoPendiente pendiente;
};

} // namespace

TEST(RedondearPar, HalvesGoToTheEvenNeighbour) {
    const std::pair<double, int> casos[] = {{2.5, 2},     {3.5, 4},     {0.5, 0},   {1.5, 2},
                                            {924.8, 925}, {501.5, 502}, {170, 170}, {1.49, 1}};
    for (const auto& [valor, esperado] : casos)
        EXPECT_EQ(RedondearPar(valor), esperado) << valor;
}

TEST(EscalarBitmap, FitsIntoTheBoxWithoutEnlarging) {
    struct Caso {
        QSize origen, caja, esperado;
    };
    const Caso casos[] = {
        {{4000, 3000}, {1280, 1280}, {1280, 960}}, {{3000, 4000}, {1280, 1280}, {960, 1280}},
        {{1000, 200}, {1280, 1280}, {1000, 200}},  {{1000, 200}, {850, 170}, {850, 170}},
        {{640, 480}, {0, 480}, {640, 480}},        {{5, 2000}, {1280, 1280}, {3, 1280}},
    };
    for (const Caso& c : casos) {
        const QImage resultado =
            EscalarBitmap(QImage(c.origen, QImage::Format_ARGB32), c.caja.width(), c.caja.height());
        EXPECT_EQ(resultado.size(), c.esperado) << c.origen.width() << "x" << c.origen.height();
        if (c.caja.width() > 0) { // a box side below 1 gives a plain copy
            EXPECT_EQ(resultado.depth(), 24);
        }
    }
}

TEST_F(Fotos, SizeInKilobytesIsTheExactQuotient) {
    EXPECT_EQ(TamanoArchivoKB(archivo("no-existe.jpg")), 0);
    EXPECT_DOUBLE_EQ(TamanoArchivoKB(escribir("mil-quinientos.bin", QByteArray(1500, 'x'))),
                     1500.0 / 1024.0);
}

TEST(GuardarJPEG, ProgressiveAndQualityClamped) {
    const QImage imagen = test::ImagenRuido(200, 150);
    QByteArray a, b, c;
    GuardarJPEG(imagen, 5, a);
    GuardarJPEG(imagen, 10, b);
    EXPECT_EQ(a, b);
    GuardarJPEG(imagen, 100, a);
    GuardarJPEG(imagen, 250, c);
    EXPECT_EQ(a, c);
    EXPECT_GT(a.size(), b.size());
    // A progressive JPEG carries the start-of-frame marker of progressive DCT.
    EXPECT_TRUE(a.contains(QByteArray("\xFF\xC2", 2)));
    EXPECT_FALSE(a.contains(QByteArray("\xFF\xC0", 2)));
}

TEST(JpegBajoLimite, WidePictureIsNotEnlargedAndTheFirstShrinkEndsIt) {
    const QImage imagen = test::ImagenRuido(1000, 200, 128);
    QByteArray a90;
    GuardarJPEG(imagen, 90, a90);
    // Fits at once: quality 90 at its own size.
    EXPECT_EQ(JpegBajoLimite(imagen, 1e6, 1280, 1280), a90);
    // Never fits: 850 × 170 after one shrink, taken at quality 50.
    const QByteArray forzada = JpegBajoLimite(imagen, 1, 1280, 1280);
    EXPECT_EQ(TamanoJpeg(forzada), QSize(850, 170));
    QByteArray esperada;
    GuardarJPEG(EscalarBitmap(EscalarBitmap(imagen, 1280, 1280), 850, 170), 50, esperada);
    EXPECT_EQ(forzada, esperada);
}

TEST(JpegBajoLimite, ShrinksUntilASideIsAtMost320) {
    const QSize final = TamanoJpeg(JpegBajoLimite(test::ImagenRuido(4000, 3000), 1, 1280, 1280));
    // Each step asks for 0.85 of both sides (halves to even) and the picture is fitted
    // into that box keeping its proportions.
    QSize esperado(1280, 960);
    while (esperado.width() > 320 && esperado.height() > 320) {
        const double ancho = std::nearbyint(esperado.width() * 0.85);
        const double alto = std::nearbyint(esperado.height() * 0.85);
        const double escala = std::min(ancho / esperado.width(), alto / esperado.height());
        esperado = QSize(static_cast<int>(std::nearbyint(esperado.width() * escala)),
                         static_cast<int>(std::nearbyint(esperado.height() * escala)));
    }
    EXPECT_EQ(final, esperado);
    EXPECT_LT(esperado.height(), 320);
    EXPECT_GT(esperado.height(), 320 * 0.85);
}

TEST(JpegBajoLimite, StopsAtTheFirstQualityThatFits) {
    const QImage imagen = test::ImagenRuido(800, 600);
    QByteArray q80, q70;
    GuardarJPEG(imagen, 80, q80);
    GuardarJPEG(imagen, 70, q70);
    const double limite = (q80.size() - 1) / 1024.0; // 80 just misses, 70 fits
    ASSERT_LT(q70.size(), q80.size() - 1);
    EXPECT_EQ(JpegBajoLimite(imagen, limite, 1280, 1280), q70);
}

TEST_F(Fotos, SmallPngIsPendingAsItIsAndNeverDeleted) {
    const QString png = archivo("retrato.png");
    const qint64 bytes = test::GuardarImagen(test::ImagenRuido(420, 300), png);
    ASSERT_GT(bytes, 150 * 1024);
    ASSERT_LT(bytes, 350 * 1024);
    const QByteArray antes = Huella(png);
    EXPECT_EQ(PrepararFoto(png, pendiente), PreparacionFoto::Lista);
    EXPECT_EQ(pendiente.FPendingSrcPath, png);
    EXPECT_EQ(pendiente.FPendingTmpPath, png);
    EXPECT_EQ(pendiente.FPendingExt, ".png");
    pendiente.LimpiarFotoPendiente();
    EXPECT_TRUE(pendiente.vacia());
    EXPECT_TRUE(QFileInfo::exists(png));
    EXPECT_EQ(Huella(png), antes);
}

TEST_F(Fotos, BigJpegIsCompressedIntoTheTemporaryFolder) {
    const QString jpg = archivo("grande.JPG");
    const qint64 bytes = test::GuardarImagen(test::ImagenRuido(4000, 3000), jpg);
    ASSERT_GT(bytes, 2800 * 1024);
    const QByteArray antes = Huella(jpg);
    EXPECT_EQ(PrepararFoto(jpg, pendiente), PreparacionFoto::Lista);
    const QFileInfo preparado(pendiente.FPendingTmpPath);
    EXPECT_EQ(preparado.absolutePath(), QFileInfo(QDir::tempPath()).absoluteFilePath());
    EXPECT_TRUE(preparado.fileName().startsWith("colab_tmp_"));
    EXPECT_EQ(preparado.suffix(), "jpg");
    EXPECT_LE(preparado.size(), 350 * 1024);
    EXPECT_EQ(TamanoImagen(preparado.filePath()), QSize(1280, 960));
    EXPECT_EQ(pendiente.FPendingSrcPath, jpg);
    EXPECT_EQ(pendiente.FPendingExt, ".jpg");
    pendiente.LimpiarFotoPendiente();
    EXPECT_FALSE(QFileInfo::exists(preparado.filePath()));
    EXPECT_EQ(Huella(jpg), antes);
}

TEST_F(Fotos, OtherFormatsAreConvertedToJpegWithoutTouchingThePickedFile) {
    // Qt writes no GIF: a 1 × 1 one is written byte by byte (it becomes 350 × 350).
    const QByteArray gif("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\x00\x00\x00\x00\x00,"
                         "\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02D\x01\x00;",
                         43);
    escribir("FOTO.GIF", gif);
    for (const char* nombre :
         {"foto.bmp", "FOTO.GIF", "foto.tif", "foto.tiff", "foto.webp", "retrato.jpg.bmp"}) {
        SCOPED_TRACE(nombre);
        const QString elegido = archivo(nombre);
        const bool esGif = QFileInfo(elegido).suffix() == u"GIF";
        if (!esGif)
            test::GuardarImagen(test::ImagenRuido(100, 80, 16), elegido);
        const QByteArray antes = Huella(elegido);
        ASSERT_EQ(PrepararFoto(elegido, pendiente), PreparacionFoto::Lista);
        EXPECT_EQ(pendiente.FPendingSrcPath, elegido);
        EXPECT_NE(pendiente.FPendingTmpPath, elegido);
        EXPECT_EQ(pendiente.FPendingExt, ".jpg");
        EXPECT_EQ(QImageReader(pendiente.FPendingTmpPath).format(), "jpeg");
        EXPECT_EQ(TamanoImagen(pendiente.FPendingTmpPath),
                  esGif ? QSize(350, 350) : QSize(350, 280));
        const QString convertido = pendiente.FPendingTmpPath;
        pendiente.LimpiarFotoPendiente();
        EXPECT_FALSE(QFileInfo::exists(convertido));
        EXPECT_EQ(Huella(elegido), antes);
    }
}

TEST_F(Fotos, RefusedAndFailedPicksLeaveTheEarlierPhotoPending) {
    const QString png = archivo("previa.png");
    test::GuardarImagen(test::ImagenRuido(50, 50), png);
    ASSERT_EQ(PrepararFoto(png, pendiente), PreparacionFoto::Lista);
    const FotoPendiente previa = pendiente;

    const QString texto = escribir("notas.txt", "hola");
    EXPECT_EQ(PrepararFoto(texto, pendiente), PreparacionFoto::NoPermitida);
    EXPECT_EQ(pendiente.FPendingTmpPath, previa.FPendingTmpPath);

    // A .bmp that is not a picture cannot be converted.
    EXPECT_EQ(PrepararFoto(escribir("falso.bmp", "no soy una imagen"), pendiente),
              PreparacionFoto::Fallida);
    EXPECT_EQ(pendiente.FPendingTmpPath, previa.FPendingTmpPath);

    // A big .jpg that does not decode: the decoder's error reaches the caller.
    const QString roto = escribir("roto.jpg", QByteArray(400 * 1024, '\x11'));
    EXPECT_THROW(PrepararFoto(roto, pendiente), data::Exception);
    EXPECT_EQ(pendiente.FPendingTmpPath, previa.FPendingTmpPath);
    EXPECT_TRUE(QFileInfo::exists(roto));
}

TEST(NombresDeFoto, KeyOfAStoredAddress) {
    const std::pair<const char*, const char*> casos[] = {
        {"https://cubo.s3.us-east-1.amazonaws.com/assets/imagenes/colaboradores/PER0000001/"
         "perfil_1.jpg?X-Amz-Signature=abc",
         "assets/imagenes/colaboradores/PER0000001/perfil_1.jpg"},
        {"http://127.0.0.1:9000/cubo/a/b.png", "http://127.0.0.1:9000/cubo/a/b.png"},
        {"assets/x.jpg?v=2", "assets/x.jpg"},
    };
    for (const auto& [direccion, llave] : casos)
        EXPECT_EQ(ExtraerLlaveObjeto(direccion), QString(llave)) << direccion;
}

TEST(NombresDeFoto, SafeFileNames) {
    const std::pair<const char*, const char*> casos[] = {
        {"assets/imagenes/colaboradores/PER1/perfil_1.jpg", "perfil_1.jpg"},
        {"C:\\fotos\\perfil 2.png", "perfil 2.png"},
        {"perfil_ñandú#3", "perfil__and__3.jpg"},
        {"carpeta/", "carpeta_.jpg"},
        {"x:y", "y.jpg"},
    };
    for (const auto& [nombre, esperado] : casos)
        EXPECT_EQ(NombreArchivoSeguro(QString::fromUtf8(nombre), ".jpg"),
                  QString::fromUtf8(esperado))
            << nombre;
}

TEST(NombresDeFoto, DownloadedFileNames) {
    const struct {
        const char* llave;
        const char* codigo;
        const char* nombre;
    } casos[] = {
        {"assets/imagenes/colaboradores/PER1/perfil_1.jpg", "PER1", "perfil_1.jpg"},
        {"assets/x/", "PER1", "assets_x_.jpg"}, // "/" only: the whole key is made safe
        {"", " PER2 ", "foto_PER2.jpg"},
        {"carpeta\\", "PER3", "foto_PER3.jpg"},
        {"C:", "PER4", "foto_PER4.jpg"},
        {"C:\\fotos\\perfil 5.png", "PER5", "perfil 5.png"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(NombreArchivoDescarga(QString::fromUtf8(c.llave), QString::fromUtf8(c.codigo)),
                  QString::fromUtf8(c.nombre))
            << c.llave;
}

TEST(NombresDeFoto, ObjectKeyAndTimestamp) {
    const struct {
        const char* codigo;
        const char* extension;
        const char* llave;
    } casos[] = {
        {"PER0000001", ".jpg",
         "assets/imagenes/colaboradores/PER0000001/perfil_20261211024400123.jpg"},
        {"PER0000002", ".png",
         "assets/imagenes/colaboradores/PER0000002/perfil_20261211024400123.png"},
        // A code that is not configured leaves its segment empty.
        {"", ".jpeg", "assets/imagenes/colaboradores//perfil_20261211024400123.jpeg"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(LlaveFotoPerfil(QString::fromUtf8(c.codigo), QStringLiteral("20261211024400123"),
                                  QString::fromUtf8(c.extension)),
                  QString::fromUtf8(c.llave));

    // Local time, year month day hour minute second millisecond.
    const QDateTime antes = QDateTime::currentDateTime().addMSecs(-1);
    const QString marca = MarcaDeTiempo();
    const QDateTime despues = QDateTime::currentDateTime().addMSecs(1);
    ASSERT_EQ(marca.size(), 17) << marca.toStdString();
    const QDateTime leida = QDateTime::fromString(marca, QStringLiteral("yyyyMMddhhmmsszzz"));
    ASSERT_TRUE(leida.isValid()) << marca.toStdString();
    EXPECT_GE(leida, antes) << marca.toStdString();
    EXPECT_LE(leida, despues) << marca.toStdString();
}
