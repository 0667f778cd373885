// Where the credentials come from: aws.ini files in their order, then the environment.
// The user's folders are pointed at a temporary home; the executable's folder is this
// test's own build folder, where an aws.ini is written only for the cases that need it.
#include "exchange/aws_s3_creds.h"
#include "s3_test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>

using namespace orva::exchange;
using orva::test::TempFolder;
using orva::test::writeFile;

namespace {

namespace fs = std::filesystem;

const char* const kVariables[] = {
    "HOME",       "XDG_CONFIG_HOME", "AWS_ACCESS_KEY_ID", "AWS_SECRET_ACCESS_KEY",
    "AWS_REGION", "AWS_BUCKET"};

/// The developer's copy named at build time ("" when none).
const std::string kDeveloperIni = ORVA_AWS_DEV_INI;

/// The search order with the developer's copy, if any, in front.
std::vector<std::string> expectedFiles(std::vector<std::string> files) {
    if (!kDeveloperIni.empty())
        files.insert(files.begin(), kDeveloperIni);
    return files;
}

std::string executableIni() {
    return (fs::read_symlink("/proc/self/exe").parent_path() / "aws.ini").string();
}

/// The six fields in order, to compare a whole record at once.
std::vector<std::string> fields(const TAwsCreds& creds) {
    return {creds.AccessKey, creds.SecretKey, creds.Region,
            creds.Bucket,    creds.Domain,    creds.Endpoint};
}

const std::vector<std::string> kEmpty(6);

std::string iniText(const std::string& accessKey, const std::string& region,
                    const std::string& bucket) {
    std::string text = "[aws]\n";
    if (!accessKey.empty())
        text += "access_key=" + accessKey + "\nsecret_key=secreto-" + accessKey + "\n";
    return text + "region=" + region + "\nbucket=" + bucket + "\n";
}

/// A home of its own, no AWS variables, and no aws.ini next to the executable; all put
/// back afterwards.
class CredentialSearch : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : kVariables) {
            if (const char* value = std::getenv(name))
                saved_[name] = value;
            else
                saved_[name] = std::nullopt;
            unsetenv(name);
        }
        if (!kDeveloperIni.empty() && fs::exists(kDeveloperIni))
            GTEST_SKIP() << "this build reads " << kDeveloperIni << " before every other place";
        ASSERT_FALSE(fs::exists(executableIni()))
            << "an aws.ini left next to the test executable would mix into these cases";
        setenv("HOME", home_.path().c_str(), 1);
    }

    void TearDown() override {
        std::error_code ec;
        fs::remove(executableIni(), ec);
        for (const auto& [name, value] : saved_) {
            if (value)
                setenv(name.c_str(), value->c_str(), 1);
            else
                unsetenv(name.c_str());
        }
    }

    std::string documentsIni() const { return home_.file("Documents/Salida/aws.ini"); }
    std::string configIni() const { return home_.file(".config/Salida/aws.ini"); }

    TempFolder home_{"orva-home"};
    std::map<std::string, std::optional<std::string>> saved_;
};

} // namespace

TEST_F(CredentialSearch, FilesAreTriedInOrder) {
    EXPECT_EQ(AwsCredentialFiles(), expectedFiles({executableIni(), documentsIni(), configIni()}));

    // The desktop's own names for the documents and configuration folders.
    writeFile(home_.file(".config/user-dirs.dirs"),
              "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Escritorio\"\n"
              "XDG_DOCUMENTS_DIR=\"$HOME/Documentos\"\n");
    EXPECT_EQ(
        AwsCredentialFiles(),
        expectedFiles({executableIni(), home_.file("Documentos/Salida/aws.ini"), configIni()}));
    const TempFolder config("orva-config");
    writeFile(config.file("user-dirs.dirs"), "XDG_DOCUMENTS_DIR=\"/srv/docs ana\"\n");
    setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
    EXPECT_EQ(AwsCredentialFiles(), expectedFiles({executableIni(), "/srv/docs ana/Salida/aws.ini",
                                                   config.file("Salida/aws.ini")}));
}

TEST_F(CredentialSearch, NothingAnywhereGivesEmptyFields) {
    TAwsCreds creds{"viejo", "viejo", "viejo", "viejo", "viejo", "viejo"};
    LoadAwsCreds(creds);
    EXPECT_EQ(fields(creds), kEmpty);
}

struct SearchCase {
    const char* name;
    bool executableFile;
    std::string executableKey;
    bool documentsFile;
    std::string documentsKey;
    bool configFile;
    std::string configKey;
    bool environment;
    /// Where the record must come from: "ejecutable", "documentos", "config", "entorno".
    const char* expectedSource;
};

TEST_F(CredentialSearch, FirstPlaceWithAnAccessKeyWins) {
    const SearchCase cases[] = {
        {"executable folder first", true, "AK-EXE", true, "AK-DOC", true, "AK-CFG", true,
         "ejecutable"},
        {"executable file without access_key skipped", true, "", true, "AK-DOC", true, "AK-CFG",
         true, "documentos"},
        {"documents before configuration", false, "", true, "AK-DOC", true, "AK-CFG", true,
         "documentos"},
        {"configuration folder", false, "", true, "", true, "AK-CFG", true, "config"},
        {"files without keys leave nothing behind", true, "", true, "", true, "", true, "entorno"},
        {"environment only", false, "", false, "", false, "", true, "entorno"},
    };
    for (const SearchCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::error_code ec;
        fs::remove(executableIni(), ec);
        fs::remove(documentsIni(), ec);
        fs::remove(configIni(), ec);
        if (c.executableFile)
            writeFile(executableIni(),
                      iniText(c.executableKey, "region-ejecutable", "cubo-ejecutable"));
        if (c.documentsFile)
            writeFile(documentsIni(),
                      iniText(c.documentsKey, "region-documentos", "cubo-documentos"));
        if (c.configFile)
            writeFile(configIni(), iniText(c.configKey, "region-config", "cubo-config"));
        if (c.environment) {
            setenv("AWS_ACCESS_KEY_ID", "AK-ENV", 1);
            setenv("AWS_SECRET_ACCESS_KEY", "secreto-AK-ENV", 1);
            setenv("AWS_REGION", "region-entorno", 1);
            setenv("AWS_BUCKET", "cubo-entorno", 1);
        }

        TAwsCreds creds;
        LoadAwsCreds(creds);
        const std::string source = c.expectedSource;
        EXPECT_EQ(creds.Region, "region-" + source);
        EXPECT_EQ(creds.Bucket, "cubo-" + source);
        EXPECT_EQ(creds.SecretKey, "secreto-" + creds.AccessKey);
        EXPECT_FALSE(creds.AccessKey.empty());
    }
}

TEST_F(CredentialSearch, UnsetVariablesGiveEmptyFields) {
    setenv("AWS_ACCESS_KEY_ID", "AK-ENV", 1);
    setenv("AWS_BUCKET", "cubo", 1);
    TAwsCreds creds;
    LoadAwsCreds(creds);
    EXPECT_EQ(fields(creds), (std::vector<std::string>{"AK-ENV", "", "", "cubo", "", ""}));
}

TEST(ReadAwsIni, MissingFileClearsEveryField) {
    const TempFolder folder;
    TAwsCreds creds{"a", "b", "c", "d", "e", "f"};
    ReadAwsIni(folder.file("no-existe.ini"), creds);
    EXPECT_EQ(fields(creds), kEmpty);
}

TEST(ReadAwsIni, ReadsSectionAwsOnly) {
    const TempFolder folder;
    const std::string path = folder.file("aws.ini");
    writeFile(path, "\xEF\xBB\xBF; credenciales de la oficina\r\n"
                    "[otra]\r\naccess_key=NO\r\nbucket=no\r\n"
                    "[ AWS ]\r\n"
                    "  Access_Key = AKIDOFICINA  \r\n"
                    "SECRET_KEY=abc/def+ghi=\r\n"
                    "# región de México\r\n"
                    "region=us-east-2\r\n"
                    "bucket=orva-documentos\r\n"
                    "domain=almacen.example\r\n"
                    "endpoint=https://s3.almacen.example:9000\r\n"
                    "desconocida=x\r\n"
                    "[despues]\r\nregion=no\r\n");
    TAwsCreds creds{"viejo", "viejo", "viejo", "viejo", "viejo", "viejo"};
    ReadAwsIni(path, creds);
    EXPECT_EQ(fields(creds), (std::vector<std::string>{"AKIDOFICINA", "abc/def+ghi=", "us-east-2",
                                                       "orva-documentos", "almacen.example",
                                                       "https://s3.almacen.example:9000"}));
}

TEST(ReadAwsIni, MissingKeysReadAsEmpty) {
    const TempFolder folder;
    const std::string path = folder.file("aws.ini");
    writeFile(path, "[aws]\nbucket=solo-cubo\nregion=\n");
    TAwsCreds creds{"viejo", "viejo", "viejo", "viejo", "viejo", "viejo"};
    ReadAwsIni(path, creds);
    EXPECT_EQ(fields(creds), (std::vector<std::string>{"", "", "", "solo-cubo", "", ""}));
}
