// The client against a local S3-compatible server that checks signatures, reached through
// the endpoint setting (path-style), and against a local server of fixed answers for the
// statuses the S3 server never gives.
#include "exchange/aws_s3.h"
#include "s3_test_support.h"

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <memory>
#include <set>

using namespace orva::exchange;
using namespace orva::test;

namespace {

namespace fs = std::filesystem;

/// Fetches an address with the curl program: status code, body and response headers.
struct Fetched {
    int status = 0;
    std::string body;
    std::string headers;
};

Fetched fetch(const std::string& url) {
    const TempFolder folder("orva-fetch");
    std::string output;
    const int exit = runProgram({"curl", "-s", "-o", folder.file("body"), "-D",
                                 folder.file("headers"), "-w", "%{http_code}", url},
                                "", output);
    EXPECT_EQ(exit, 0) << url;
    return {std::atoi(output.c_str()), readFile(folder.file("body")),
            readFile(folder.file("headers"))};
}

std::string headerValue(const std::string& headers, std::string name) {
    std::string lowered = headers;
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const auto at = lowered.find("\n" + name + ":");
    if (at == std::string::npos)
        return {};
    const auto start = headers.find_first_not_of(' ', at + name.size() + 2);
    return headers.substr(start, headers.find('\r', start) - start);
}

/// Every key under a prefix, page by page as the windows do; pages counts the requests.
std::vector<std::string> listAll(const TAwsCreds& creds, const std::string& prefix,
                                 int* pages = nullptr) {
    std::vector<std::string> keys;
    std::string token;
    int count = 0;
    for (;;) {
        std::string next;
        const std::vector<std::string> page = S3ListObjects(creds, prefix, token, next);
        EXPECT_EQ(S3LastError(), "");
        ++count;
        keys.insert(keys.end(), page.begin(), page.end());
        if (next.empty() || page.empty())
            break;
        token = next;
    }
    if (pages)
        *pages = count;
    return keys;
}

/// A port on 127.0.0.1 where nothing listens.
int closedPort() {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    close(fd);
    return ntohs(address.sin_port);
}

} // namespace

class S3Live : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        server_ = std::make_unique<LocalS3Server>(LocalS3Server::Options{});
        answers_ =
            std::make_unique<LocalNodeServer>("fixed_answers.js", std::vector<std::string>{});
    }
    static void TearDownTestSuite() {
        answers_.reset();
        server_.reset();
    }

    /// A local file with the given content.
    std::string localFile(const std::string& name, const std::string& content) {
        return folder_.write("origen/" + name, content);
    }

    TAwsCreds creds() const { return server_->creds(); }

    TAwsCreds answersCreds() const {
        TAwsCreds creds = server_->creds();
        creds.Endpoint = "http://127.0.0.1:" + std::to_string(answers_->port());
        return creds;
    }

    /// Leaves a last-error text behind, to see that the next call clears it.
    void leaveAnError() {
        EXPECT_FALSE(S3GetFile(creds(), "no/existe", folder_.file("descartado")));
        ASSERT_NE(S3LastError(), "");
    }

    TempFolder folder_;
    static std::unique_ptr<LocalS3Server> server_;
    static std::unique_ptr<LocalNodeServer> answers_;
};

std::unique_ptr<LocalS3Server> S3Live::server_;
std::unique_ptr<LocalNodeServer> S3Live::answers_;

TEST_F(S3Live, PutThenGetIntoNewFolders) {
    const std::pair<std::string, std::string> objects[] = {
        {"apoyos/APOYO-7/recibo 1.pdf", "%PDF-1.4 recibo"},
        {"assets/imagenes/colaboradores/15/perfil_15.jpg", std::string("\xFF\xD8\xFF\x00jpeg", 8)},
        {"x+y ñandú (copia).txt", "texto con ñ"},
        {"vacio.txt", ""},
    };
    int i = 0;
    for (const auto& [key, content] : objects) {
        SCOPED_TRACE(key);
        leaveAnError();
        const std::string source = localFile("archivo" + std::to_string(i), content);
        EXPECT_EQ(S3PutFile(creds(), key, source, ""), S3ObjectUrl(creds(), key));
        EXPECT_EQ(S3LastError(), "");

        leaveAnError();
        const std::string target =
            folder_.file("descargas/" + std::to_string(i++) + "/nueva/carpeta/archivo");
        ASSERT_TRUE(S3GetFile(creds(), key, target)) << S3LastError();
        EXPECT_EQ(S3LastError(), "");
        EXPECT_EQ(readFile(target), content);
        // Only the file itself: no temporary file left beside it.
        EXPECT_EQ(std::distance(fs::directory_iterator(fs::path(target).parent_path()),
                                fs::directory_iterator()),
                  1);
    }
}

TEST_F(S3Live, DownloadOverwritesAnExistingFile) {
    ASSERT_NE(S3PutFile(creds(), "sobrescribir.txt", localFile("nuevo.txt", "nuevo"), ""), "");
    const std::string target = folder_.file("existente.txt");
    writeFile(target, "contenido anterior mucho más largo que el nuevo");
    ASSERT_TRUE(S3GetFile(creds(), "sobrescribir.txt", target)) << S3LastError();
    EXPECT_EQ(readFile(target), "nuevo");
}

TEST_F(S3Live, ContentTypeChosenByExtensionUnlessGiven) {
    const struct {
        const char* file;
        const char* given;
        const char* expected;
    } cases[] = {
        {"scan.TIF", "", "application/octet-stream"},
        {"photo.JPG", "", "image/jpeg"},
        {"acta.pdf", "", "application/pdf"},
        {"datos.csv", "text/csv", "text/csv"},
    };
    for (const auto& c : cases) {
        const std::string key = std::string("tipos/") + c.file;
        ASSERT_NE(S3PutFile(creds(), key, localFile(c.file, "x"), c.given), "") << S3LastError();
        const Fetched fetched = fetch(S3PresignedGetUrl(creds(), key, 600));
        EXPECT_EQ(fetched.status, 200);
        EXPECT_EQ(headerValue(fetched.headers, "content-type"), c.expected) << c.file;
    }
}

TEST_F(S3Live, PresignedGetFetchedOverHttp) {
    const std::string key = "compartidos/acta de entrega ñ+1.pdf";
    ASSERT_NE(S3PutFile(creds(), key, localFile("acta.pdf", "%PDF acta"), ""), "");
    const std::string url = S3PresignedGetUrl(creds(), key, 600);
    const Fetched fetched = fetch(url);
    EXPECT_EQ(fetched.status, 200);
    EXPECT_EQ(fetched.body, "%PDF acta");

    std::string tampered = url;
    tampered.back() = tampered.back() == '0' ? '1' : '0';
    const Fetched refused = fetch(tampered);
    EXPECT_EQ(refused.status, 403);
    EXPECT_NE(refused.body.find("SignatureDoesNotMatch"), std::string::npos);
}

TEST_F(S3Live, ListingPagesThroughMoreKeysThanOnePage) {
    // The server answers at most 1000 keys a page.
    const std::string source = localFile("pagina.txt", "p");
    std::set<std::string> expected;
    for (int i = 0; i < 1003; ++i) {
        char key[64];
        std::snprintf(key, sizeof key, "paginas/clave-%04d.txt", i);
        ASSERT_NE(S3PutFile(creds(), key, source, ""), "") << S3LastError();
        expected.insert(key);
    }
    ASSERT_NE(S3PutFile(creds(), "paginas-no/otra.txt", source, ""), "");

    std::string next;
    const std::vector<std::string> first = S3ListObjects(creds(), "paginas/", "", next);
    EXPECT_EQ(first.size(), 1000u);
    EXPECT_NE(next, "");

    int pages = 0;
    const std::vector<std::string> all = listAll(creds(), "paginas/", &pages);
    EXPECT_EQ(pages, 2);
    EXPECT_EQ(std::set<std::string>(all.begin(), all.end()), expected);
    EXPECT_EQ(all.size(), expected.size());
}

TEST_F(S3Live, DeleteAnswered204) {
    ASSERT_NE(S3PutFile(creds(), "borrar/uno.txt", localFile("uno.txt", "1"), ""), "");
    leaveAnError();
    EXPECT_TRUE(S3DeleteObject(creds(), "borrar/uno.txt"));
    EXPECT_EQ(S3LastError(), "");
    EXPECT_EQ(listAll(creds(), "borrar/"), std::vector<std::string>{});
    EXPECT_FALSE(S3GetFile(creds(), "borrar/uno.txt", folder_.file("uno.txt")));
}

TEST_F(S3Live, AcceptedAndRejectedStatuses) {
    const struct {
        const char* key;
        bool deleted;
        const char* error;
    } cases[] = {
        {"respuesta-200", true, ""},
        {"respuesta-204", true, ""},
        {"respuesta-202", false, "S3 DELETE falló | HTTP 202 Accepted"},
        {"respuesta-404", false, "S3 DELETE falló | HTTP 404 Not Found"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(S3DeleteObject(answersCreds(), c.key), c.deleted) << c.key;
        EXPECT_EQ(S3LastError(), c.error) << c.key;
    }
    // An error body without <Message>: the text ends with the status text.
    EXPECT_FALSE(S3GetFile(answersCreds(), "respuesta-503-sin-mensaje", folder_.file("x")));
    EXPECT_EQ(S3LastError(), "S3 GET falló | HTTP 503 Service Unavailable");
    EXPECT_FALSE(fileExists(folder_.file("x")));
}

TEST_F(S3Live, WrongSecretIsRefusedWithTheServiceMessage) {
    ASSERT_NE(S3PutFile(creds(), "secreto/ok.txt", localFile("ok.txt", "ok"), ""), "");
    TAwsCreds wrong = creds();
    wrong.SecretKey = "no-es-el-secreto";
    const std::string tail =
        " | HTTP 403 Forbidden - The request signature we calculated does not match the "
        "signature you provided. Check your key and signing method.";

    EXPECT_EQ(S3PutFile(wrong, "secreto/nuevo.txt", localFile("nuevo.txt", "n"), ""), "");
    EXPECT_EQ(S3LastError(), "S3 PUT falló" + tail);
    EXPECT_FALSE(S3GetFile(wrong, "secreto/ok.txt", folder_.file("ok.txt")));
    EXPECT_EQ(S3LastError(), "S3 GET falló" + tail);
    EXPECT_FALSE(fileExists(folder_.file("ok.txt")));
    std::string next = "anterior";
    EXPECT_EQ(S3ListObjects(wrong, "secreto/", "", next), std::vector<std::string>{});
    EXPECT_EQ(next, "");
    EXPECT_EQ(S3LastError(), "S3 LIST falló" + tail);
    EXPECT_FALSE(S3DeleteObject(wrong, "secreto/ok.txt"));
    EXPECT_EQ(S3LastError(), "S3 DELETE falló" + tail);

    EXPECT_EQ(listAll(creds(), "secreto/"), std::vector<std::string>{"secreto/ok.txt"});
}

TEST_F(S3Live, MissingKeyLeavesNoLocalFile) {
    const std::string target = folder_.file("nunca/creada/archivo.pdf");
    EXPECT_FALSE(S3GetFile(creds(), "no/existe.pdf", target));
    EXPECT_EQ(S3LastError(),
              "S3 GET falló | HTTP 404 Not Found - The specified key does not exist.");
    EXPECT_FALSE(fileExists(folder_.file("nunca")));

    const std::string existing = localFile("conservado.txt", "se queda");
    EXPECT_FALSE(S3GetFile(creds(), "no/existe.pdf", existing));
    EXPECT_EQ(readFile(existing), "se queda");
}

TEST_F(S3Live, UploadOfMissingLocalFileRaisesBeforeAnyRequest) {
    leaveAnError();
    const std::string missing = folder_.file("no-está.pdf");
    try {
        S3PutFile(creds(), "faltante/no-está.pdf", missing, "");
        FAIL() << "no error raised";
    } catch (const AwsS3Error& error) {
        EXPECT_EQ(std::string(error.what()), "No existe el archivo: " + missing);
    }
    EXPECT_EQ(S3LastError(), "");
    EXPECT_EQ(listAll(creds(), "faltante/"), std::vector<std::string>{});
}

TEST_F(S3Live, KeysWithXmlSpecialCharactersAreListedAndDeleted) {
    const std::vector<std::string> keys = {"marcas/a&b.txt", "marcas/comillas \"y\" 'o'.txt",
                                           "marcas/menor<mayor>.txt"};
    for (const std::string& key : keys)
        ASSERT_NE(S3PutFile(creds(), key, localFile("marca.txt", key), ""), "") << S3LastError();

    const std::vector<std::string> listed = listAll(creds(), "marcas/");
    EXPECT_EQ(std::set<std::string>(listed.begin(), listed.end()),
              std::set<std::string>(keys.begin(), keys.end()));
    for (const std::string& key : listed) {
        const std::string target = folder_.file("marca-descargada");
        ASSERT_TRUE(S3GetFile(creds(), key, target)) << key << ": " << S3LastError();
        EXPECT_EQ(readFile(target), key);
        EXPECT_TRUE(S3DeleteObject(creds(), key)) << key << ": " << S3LastError();
    }
    EXPECT_EQ(listAll(creds(), "marcas/"), std::vector<std::string>{});
}

TEST_F(S3Live, MissingBucketListsNothing) {
    TAwsCreds other = creds();
    other.Bucket = "no-existe";
    std::string next = "anterior";
    EXPECT_EQ(S3ListObjects(other, "", "", next), std::vector<std::string>{});
    EXPECT_EQ(next, "");
    EXPECT_EQ(S3LastError(),
              "S3 LIST falló | HTTP 404 Not Found - The specified bucket does not exist");
}

TEST_F(S3Live, UnreachableServiceRaisesAndLeavesNoLastError) {
    TAwsCreds nowhere = creds();
    nowhere.Endpoint = "http://127.0.0.1:" + std::to_string(closedPort());
    const std::string source = localFile("a.txt", "a");
    const std::string target = folder_.file("destino/a.txt");
    std::string next;
    const std::pair<const char*, std::function<void()>> calls[] = {
        {"put", [&] { S3PutFile(nowhere, "a.txt", source, ""); }},
        {"get", [&] { S3GetFile(nowhere, "a.txt", target); }},
        {"delete", [&] { S3DeleteObject(nowhere, "a.txt"); }},
        {"list", [&] { S3ListObjects(nowhere, "", "", next); }},
    };
    for (const auto& [name, call] : calls) {
        leaveAnError();
        try {
            call();
            ADD_FAILURE() << name << ": no error raised";
        } catch (const AwsS3Error& error) {
            EXPECT_NE(std::string(error.what()).find("No se pudo comunicar con el almacenamiento"),
                      std::string::npos)
                << error.what();
        }
        EXPECT_EQ(S3LastError(), "") << name;
    }
    EXPECT_FALSE(fileExists(folder_.file("destino")));
}
