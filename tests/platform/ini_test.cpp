#include "platform/ini/inifile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using orva::platform::IniFile;

namespace {

const char* kImageIni = "[Configuración]\r\n"
                        "wallpaper=C:\\Fondos\\campaña año.jpg\r\n"
                        "estado=bmCenter\r\n"
                        "skincolor=\r\n";

TEST(IniFile, KeepsNonAsciiNamesAndOrderThroughAFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("image.ini");
    IniFile ini;
    ini.setValue("Configuración", "wallpaper", "C:\\Fondos\\campaña año.jpg");
    ini.setValue("Configuración", "estado", "bmCenter");
    ini.setValue("Configuración", "skincolor", "");
    ini.save(path);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray(kImageIni));

    const IniFile back = IniFile::load(path);
    EXPECT_EQ(back.sections(), QStringList{"Configuración"});
    EXPECT_EQ(back.keys("Configuración"), QStringList({"wallpaper", "estado", "skincolor"}));
    EXPECT_EQ(back.value("Configuración", "wallpaper"), "C:\\Fondos\\campaña año.jpg");
    EXPECT_EQ(back.text(), QString::fromUtf8(kImageIni));
}

struct LookupCase {
    const char* section;
    const char* key;
    const char* expected;
};

class IniLookup : public testing::TestWithParam<LookupCase> {};

TEST_P(IniLookup, FindsValues) {
    const IniFile ini = IniFile::parse(QString::fromUtf8(
        "\xEF\xBB\xBF; comentario\n[SYSTEM]\nRUTA_SISTEMA = /opt/orva \nServidores=Local,Remoto\n"
        "[DATA_BASE]\nLocal=127.0.0.1,3306,orva\n"));
    EXPECT_EQ(ini.value(GetParam().section, GetParam().key, "(nada)"),
              QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Cases, IniLookup,
                         testing::Values(LookupCase{"SYSTEM", "RUTA_SISTEMA", "/opt/orva"},
                                         LookupCase{"system", "ruta_sistema", "/opt/orva"},
                                         LookupCase{"SYSTEM", "Servidores", "Local,Remoto"},
                                         LookupCase{"DATA_BASE", "Local", "127.0.0.1,3306,orva"},
                                         LookupCase{"DATA_BASE", "Otro", "(nada)"},
                                         LookupCase{"NADA", "Local", "(nada)"}));

TEST(IniFile, WritingOneKeyLeavesTheRestAsItWas) {
    IniFile ini = IniFile::parse("; ajustes\n[Configuración]\nwallpaper=\nestado=bmStretch\n\n"
                                 "[Otra]\nclave=valor\n");
    ini.setValue("configuración", "skincolor", "Office2013White");
    ini.setValue("Configuración", "estado", "bmCenter");
    EXPECT_EQ(ini.text(), "; ajustes\n[Configuración]\nwallpaper=\nestado=bmCenter\n"
                          "skincolor=Office2013White\n\n[Otra]\nclave=valor\n");
}

TEST(IniFile, RemovesKeysAndSections) {
    IniFile ini = IniFile::parse("[a]\nx=1\ny=2\n[b]\nz=3\n");
    ini.removeKey("a", "x");
    ini.removeSection("B");
    EXPECT_EQ(ini.text(), "[a]\ny=2\n");
    EXPECT_FALSE(ini.contains("a", "x"));
    EXPECT_TRUE(ini.contains("A", "Y"));
}

TEST(IniFile, MissingFileIsEmptyAndUnwritablePathRaises) {
    EXPECT_TRUE(IniFile::load("/nonexistent/dir/x.ini").sections().isEmpty());
    IniFile ini;
    ini.setValue("a", "b", "c");
    EXPECT_THROW(ini.save("/nonexistent/dir/x.ini"), std::runtime_error);
}

} // namespace
