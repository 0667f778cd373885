// The connection file: its scrambling, the reading of its server list and settings, and
// the plain working copies around it.
#include "app/archivoconexion.h"
#include "app/cifrado.h"
#include "app/equipo.h"
#include "app/listaservidores.h"
#include "app/rutas.h"
#include "data/errors.h"
#include "platform/ini/inifile.h"
#include "shell/carpetas.h"

#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace orva::app;
using orva::data::Exception;

namespace {

QByteArray leer(const QString& ruta) {
    QFile f(ruta);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << ruta.toStdString();
    return f.readAll();
}

/// The permission bits of a file or folder (0600, 0700…).
unsigned modo(const QString& ruta) {
    struct stat datos {};
    return ::stat(QFile::encodeName(ruta).constData(), &datos) == 0 ? datos.st_mode & 0777u : 0u;
}

void escribir(const QString& ruta, const QByteArray& bytes) {
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << ruta.toStdString();
    f.write(bytes);
}

QByteArray bytesAlAzar(int n) {
    QByteArray b(n, Qt::Uninitialized);
    QRandomGenerator azar(7);
    for (char& c : b)
        c = static_cast<char>(azar.bounded(256));
    return b;
}

class CarpetaTest : public testing::Test {
protected:
    QString ruta(const char* nombre) const { return dir.filePath(QString::fromLatin1(nombre)); }
    QTemporaryDir dir;
};

// ------------------------------------------------------------------ scrambling

TEST(GeneradorCifradoTest, DrawsOfTheDocumentedGenerator) {
    struct Caso {
        std::uint32_t semilla;
        std::vector<int> tiradas;
    };
    const Caso casos[] = {{1, {0, 21, 153, 228, 247, 48}},
                          {0, {0, 21, 153, 228, 247, 48}},           // 0 starts as 1
                          {0xFFFFFFFFu, {0, 21, 153, 228, 247, 48}}, // reduced modulo 2^31 - 1
                          {kSemillaConexiones, {223, 183, 107, 142, 244, 71}}};
    for (const Caso& c : casos) {
        GeneradorCifrado g(c.semilla);
        std::vector<int> tiradas;
        for (std::size_t i = 0; i < c.tiradas.size(); ++i)
            tiradas.push_back(g.siguiente());
        EXPECT_EQ(tiradas, c.tiradas) << c.semilla;
    }
}

TEST_F(CarpetaTest, CreateModeRoundTripDeletesTheSourceAndKeepsTheFilePrivate) {
    for (int tamano : {0, 1, 4095, 4096, 4097, 10000}) {
        SCOPED_TRACE(tamano);
        const QByteArray original = bytesAlAzar(tamano);
        escribir(ruta("plano"), original);
        CifrarArchivo(ruta("plano"), ruta("cifrado"), kSemillaConexiones, ModoCifrado::Crear);
        EXPECT_FALSE(QFile::exists(ruta("plano")));
        EXPECT_EQ(modo(ruta("cifrado")), 0600u);
        const QByteArray cifrado = leer(ruta("cifrado"));
        ASSERT_EQ(cifrado.size(), tamano);
        if (tamano > 16) {
            EXPECT_NE(cifrado, original);
        }
        CifrarArchivo(ruta("cifrado"), ruta("plano"), kSemillaConexiones, ModoCifrado::Crear);
        EXPECT_EQ(leer(ruta("plano")), original);
        EXPECT_FALSE(QFile::exists(ruta("cifrado")));
    }
}

TEST_F(CarpetaTest, EachBlockOfTheFileContinuesTheSameDraws) {
    const QByteArray ceros(5000, '\0');
    escribir(ruta("plano"), ceros);
    CifrarArchivo(ruta("plano"), ruta("cifrado"), 1, ModoCifrado::Crear);
    const QByteArray cifrado = leer(ruta("cifrado"));
    GeneradorCifrado g(1);
    for (int i = 0; i < cifrado.size(); ++i)
        ASSERT_EQ(static_cast<std::uint8_t>(cifrado[i]), g.siguiente()) << "byte " << i;
}

TEST_F(CarpetaTest, AnotherSeedCannotReadTheFile) {
    const QByteArray texto = "[DATA_BASE]\r\n1=\"Local\"=3306=\"orva\"=\"orva\"=\"127.0.0.1\"\r\n";
    escribir(ruta("plano"), texto);
    CifrarArchivo(ruta("plano"), ruta("cifrado"), kSemillaConexiones, ModoCifrado::Crear);
    CifrarArchivo(ruta("cifrado"), ruta("otro"), kSemillaConexiones + 1, ModoCifrado::Crear);
    EXPECT_NE(leer(ruta("otro")), texto);
}

TEST_F(CarpetaTest, OverwriteModeWritesFromTheStartWithoutShortening) {
    escribir(ruta("origen"), QByteArray(10, 'a'));
    escribir(ruta("destino"), QByteArray(30, 'z'));
    CifrarArchivo(ruta("origen"), ruta("destino"), 5, ModoCifrado::Sobrescribir);
    const QByteArray destino = leer(ruta("destino"));
    ASSERT_EQ(destino.size(), 30);
    EXPECT_EQ(destino.mid(10), QByteArray(20, 'z'));
    EXPECT_TRUE(QFile::exists(ruta("origen")));
}

TEST_F(CarpetaTest, FileErrorsTravelWithASpanishText) {
    EXPECT_THROW(
        {
            try {
                CifrarArchivo(ruta("falta"), ruta("destino"), 1, ModoCifrado::Crear);
            } catch (const Exception& e) {
                EXPECT_TRUE(e.message().contains(QStringLiteral("no existe"))) << e.what();
                throw;
            }
        },
        Exception);
    escribir(ruta("origen"), "x");
    // Overwrite mode needs an existing destination.
    EXPECT_THROW(CifrarArchivo(ruta("origen"), ruta("no_hay"), 1, ModoCifrado::Sobrescribir),
                 Exception);
    EXPECT_THROW(CifrarArchivo(ruta("origen"), ruta("sin/carpeta"), 1, ModoCifrado::Crear),
                 Exception);
    EXPECT_TRUE(QFile::exists(ruta("origen"))); // nothing is deleted when it fails
}

// ------------------------------------------------------------------ the server list

TEST(SepararElementosTest, CommaListWithQuotedItems) {
    struct Caso {
        const char* linea;
        QStringList elementos;
    };
    const Caso casos[] = {
        {"a,b,c", {"a", "b", "c"}},
        {"a b", {"a", "b"}}, // unquoted blanks separate
        {"\"a b\",c", {"a b", "c"}},
        {"\"a,b\",\"\",c", {"a,b", "", "c"}},
        {"a,,b", {"a", "", "b"}},
        {"a,", {"a", ""}},
        {"  a , b  ", {"a", "b"}},
        {"\"di\"\"jo\"", {"di\"jo"}}, // two quotes stand for one
        {"\"pa\"ss\",x", {"pa", "ss\"", "x"}},
        {"", {}},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(SepararElementos(QString::fromUtf8(c.linea)), c.elementos) << c.linea;
}

TEST(ListaServidoresTest, EntriesSurviveASaveAndARead) {
    const ListaServidores escritas = {
        {"Local", "127.0.0.1", "3406", "orva", "orva"},
        {"Oficina, Centro", "db.oficina", "3306", "cuenta con blancos", "p, a s"},
        {"Sin cuenta", "10.0.0.5", "3307", "", "x"},
        {"Año Niño", "servidor", "3306", "raíz", "contraseña"},
    };
    ListaServidores leidas;
    LeerListaServidoresDeTexto(TextoArchivoConexiones(escritas), leidas);
    EXPECT_EQ(leidas, escritas);
}

TEST(ListaServidoresTest, EqualsSignComesBackAsComma) {
    ListaServidores leidas;
    LeerListaServidoresDeTexto(TextoArchivoConexiones({{"a=b", "h", "3306", "u=1", "p==q"}}),
                               leidas);
    ASSERT_EQ(leidas.size(), 1);
    EXPECT_EQ(leidas[0], (EntradaServidor{"a,b", "h", "3306", "u,1", "p,,q"}));
}

TEST(ListaServidoresTest, ADoubleQuoteShiftsTheFieldsAfterIt) {
    ListaServidores leidas;
    LeerListaServidoresDeTexto(TextoArchivoConexiones({{"N", "h", "3306", "u", "pa\"ss"}}), leidas);
    ASSERT_EQ(leidas.size(), 1);
    EXPECT_EQ(leidas[0].password, "pa");
    EXPECT_EQ(leidas[0].servidor, "ss\"");
}

TEST(ListaServidoresTest, WritesTheDocumentedLines) {
    EXPECT_EQ(LineaConexion(3, {"Local", "127.0.0.1", "3406", "orva", "secreta"}),
              "3=\"Local\"=3406=\"orva\"=\"secreta\"=\"127.0.0.1\"");
    EXPECT_EQ(TextoArchivoConexiones({{"A", "h", "1", "u", "p"}}),
              "[SYSTEM]\r\ndata_name=Orva\r\n\r\n[DATA_BASE]\r\n1=\"A\"=1=\"u\"=\"p\"=\"h\"\r\n");
}

TEST(ListaServidoresTest, HundredEntriesAreReadAndNoMore) {
    for (int n : {100, 101, 150}) {
        SCOPED_TRACE(n);
        ListaServidores escritas;
        for (int i = 1; i <= n; ++i)
            escritas.append({QStringLiteral("Servidor %1").arg(i), QStringLiteral("h%1").arg(i),
                             QString::number(3000 + i), QStringLiteral("u"), QStringLiteral("p")});
        ListaServidores leidas;
        LeerListaServidoresDeTexto(TextoArchivoConexiones(escritas), leidas);
        ASSERT_EQ(leidas.size(), kMaxServidores);
        EXPECT_EQ(leidas, escritas.mid(0, kMaxServidores));
    }
}

TEST(ListaServidoresTest, OnlyTheDataBaseSectionIsRead) {
    const QString texto = "[SYSTEM]\n1=\"no\"=1=\"u\"=\"p\"=\"h\"\n\n[DATA_BASE] comentario\n"
                          "1=\"si\"=2=\"u\"=\"p\"=\"h\"\n\n[otra]\n2=\"no\"=3=\"u\"=\"p\"=\"h\"\n"
                          "[data_base]\n3=\"tampoco\"=4=\"u\"=\"p\"=\"h\"\n";
    ListaServidores leidas;
    LeerListaServidoresDeTexto(texto, leidas);
    ASSERT_EQ(leidas.size(), 1);
    EXPECT_EQ(leidas[0].conexion, "si");
}

TEST(ListaServidoresTest, AShortLineStopsTheReadingAndKeepsTheEntriesBefore) {
    const QString texto = "[DATA_BASE]\r\n1=\"a\"=1=\"u\"=\"p\"=\"h\"\r\n2=\"b\"=2=\"u\"\r\n"
                          "3=\"c\"=3=\"u\"=\"p\"=\"h\"\r\n";
    ListaServidores leidas;
    try {
        LeerListaServidoresDeTexto(texto, leidas);
        FAIL() << "una línea incompleta se leyó sin error";
    } catch (const Exception& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("línea 3"))) << e.what();
    }
    ASSERT_EQ(leidas.size(), 1);
    EXPECT_EQ(leidas[0].conexion, "a");
}

// ------------------------------------------------------------------ the workstation

TEST(EquipoTest, AddressOfTheFirstAdapterThatIsNotAllZeros) {
    struct Caso {
        QStringList direcciones;
        const char* elegida;
    };
    const Caso casos[] = {
        {{"00:00:00:00:00:00", "52:54:00:ab:cd:0e", "aa:bb:cc:dd:ee:ff"}, "52-54-00-AB-CD-0E"},
        {{"", "00:00:00:00:00:00"}, "00-00-00-00-00-00"},
        {{"02:42:ac:11:00:02"}, "02-42-AC-11-00-02"},
        {{"00:00:00:00:00:00:00:e0"}, ""}, // not six bytes
        {{}, ""},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(ElegirDireccionMAC(c.direcciones), QString::fromLatin1(c.elegida))
            << c.direcciones.join(' ').toStdString();
    const QString propia = DireccionMAC();
    EXPECT_TRUE(propia.isEmpty() ||
                QRegularExpression("^[0-9A-F]{2}(-[0-9A-F]{2}){5}$").match(propia).hasMatch())
        << propia.toStdString();
    EXPECT_FALSE(NombreEquipo().isEmpty());
}

// ------------------------------------------------------------------ settings and copies

class CopiasTest : public CarpetaTest {
protected:
    void SetUp() override {
        orva::shell::setCarpetaPrograma(dir.filePath("programa"));
        QDir().mkpath(dir.filePath("programa"));
        setCarpetaPrivada(dir.filePath("privada"));
    }
    void TearDown() override {
        orva::shell::setCarpetaPrograma({});
        setCarpetaPrivada({});
    }
    void guardarConexiones(const QString& texto) {
        const QString copia = CopiaRelectura();
        EscribirCopia(copia, texto);
        CifrarCopia(copia);
    }
};

TEST_F(CopiasTest, SystemSettingsAndTheirDefaults) {
    const QString programa = orva::shell::CarpetaPrograma();
    EscribirCopia(ruta("a.ini"), "[SYSTEM]\r\ndata_name=Orva\r\n");
    ConfiguracionSistema c = LeerConfiguracionSistema(ruta("a.ini"));
    EXPECT_EQ(c.servAcceso, "");
    EXPECT_EQ(c.rutaSistema, programa);
    EXPECT_EQ(c.portAcceso, 3308);
    EXPECT_EQ(c.files, programa + "Reportes");
    EXPECT_EQ(c.diasAnteriores, 10);
    EXPECT_EQ(c.menuInicial, "activo");

    EscribirCopia(ruta("b.ini"), "[SYSTEM]\r\nSERV_ACCESO=10.1.1.1\r\nRUTA_SISTEMA=/srv/orva\r\n"
                                 "PORT_ACCESO=3310\r\nFILES=\r\nDIAS_ANTERIORES=3\r\n"
                                 "MENU_INICIAL=otro\r\n");
    c = LeerConfiguracionSistema(ruta("b.ini"));
    EXPECT_EQ(c.servAcceso, "10.1.1.1");
    EXPECT_EQ(c.rutaSistema, "/srv/orva/");
    EXPECT_EQ(c.portAcceso, 3310);
    EXPECT_EQ(c.files, "/srv/orva/files");
    EXPECT_EQ(c.diasAnteriores, 3);
    EXPECT_EQ(c.menuInicial, "otro");
}

TEST_F(CopiasTest, WorkingCopiesArePrivateAndTheLoginCopyKeepsNoSection) {
    guardarConexiones(
        "[SYSTEM]\r\nSERV_ACCESO=h\r\n[DATA_BASE]\r\n1=\"a\"=1=\"u\"=\"p\"=\"h\"\r\n");
    EXPECT_TRUE(ExisteArchivoConexiones());
    EXPECT_FALSE(QFile::exists(CopiaRelectura()));
    EXPECT_EQ(modo(ArchivoConexiones()), 0600u);
    EXPECT_EQ(modo(dir.filePath("privada")), 0700u);

    // An older, longer copy leaves nothing of itself behind.
    EscribirCopia(CopiaAcceso(), QString(500, QLatin1Char('#')));
    DescifrarSobreCopia(CopiaAcceso());
    EXPECT_TRUE(QFile::exists(ArchivoConexiones()));
    EXPECT_EQ(modo(CopiaAcceso()), 0600u);
    ListaServidores lista;
    LeerListaServidores(CopiaAcceso(), lista);
    ASSERT_EQ(lista.size(), 1);
    EXPECT_FALSE(leer(CopiaAcceso()).contains('#'));

    BorrarSecciones(CopiaAcceso());
    const orva::platform::IniFile resto = orva::platform::IniFile::load(CopiaAcceso());
    EXPECT_FALSE(resto.sections().contains("SYSTEM"));
    EXPECT_FALSE(resto.sections().contains("DATA_BASE"));
    EXPECT_FALSE(leer(CopiaAcceso()).contains("\"p\""));
}

TEST_F(CopiasTest, RegistrationCopyIsNamedAfterTheWorkstation) {
    EXPECT_EQ(CopiaRegistro(), CarpetaPrivada() + "Reportes/quilmar" + NombreEquipo() + "_" +
                                   DireccionMAC() + ".ini");
    EXPECT_EQ(CopiaAcceso(), CarpetaPrivada() + "Recursos/quilmar_danger.ini");
    EXPECT_EQ(ArchivoConexiones(), orva::shell::CarpetaPrograma() + "ovra.ds");
}

} // namespace
