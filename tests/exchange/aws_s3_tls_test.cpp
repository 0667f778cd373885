// Virtual-hosted addressing over TLS: requests keep the real host name
// <bucket>.s3.<region>.amazonaws.com (Host header and certificate name) while libcurl's
// connect-to sends the connection to the local server, which holds a test certificate
// for those names. The server cannot verify virtual-hosted signatures (it signs the path
// as /<bucket>/<key>), so here it only checks that they are well formed; the signatures
// of this addressing are compared with botocore's in the signing tests.
#include "exchange/aws_s3.h"
#include "s3_test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace orva::exchange;
using namespace orva::test;

namespace {

const std::string kBucket = "orva-pruebas";

std::string hostFor(const std::string& region) {
    return kBucket + ".s3." + region + ".amazonaws.com";
}

} // namespace

class S3VirtualHostTls : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        certificates_ = std::make_unique<TempFolder>("orva-certs");
        certificate_ = orva::test::makeTestCertificate(
            certificates_->path(), "s3",
            {"s3.us-east-1.amazonaws.com", "*.s3.us-east-1.amazonaws.com"});
        LocalS3Server::Options options;
        options.bucket = kBucket;
        options.certFile = certificate_.certFile;
        options.keyFile = certificate_.keyFile;
        options.virtualHosts = true;
        options.allowMismatchedSignatures = true;
        server_ = std::make_unique<LocalS3Server>(options);
    }
    static void TearDownTestSuite() {
        server_.reset();
        certificates_.reset();
    }

    void TearDown() override { SetS3HttpTransport({}); }

    /// Connections for the bucket's host in these regions go to the local server.
    static void routeToLocalServer(bool trustTestCertificate,
                                   const std::vector<std::string>& regions = {"us-east-1"}) {
        S3HttpTransport transport;
        if (trustTestCertificate)
            transport.caFile = certificate_.certFile;
        for (const std::string& region : regions)
            transport.connectTo.push_back(hostFor(region) +
                                          ":443:127.0.0.1:" + std::to_string(server_->port()));
        SetS3HttpTransport(transport);
    }

    static TAwsCreds creds(const std::string& region = "us-east-1") {
        TAwsCreds creds;
        creds.AccessKey = LocalS3Server::kAccessKey;
        creds.SecretKey = LocalS3Server::kSecretKey;
        creds.Region = region;
        creds.Bucket = kBucket;
        return creds;
    }

    std::string localFile(const std::string& name, const std::string& content) {
        return folder_.write(name, content);
    }

    TempFolder folder_;
    static std::unique_ptr<TempFolder> certificates_;
    static TestCertificate certificate_;
    static std::unique_ptr<LocalS3Server> server_;
};

std::unique_ptr<TempFolder> S3VirtualHostTls::certificates_;
TestCertificate S3VirtualHostTls::certificate_;
std::unique_ptr<LocalS3Server> S3VirtualHostTls::server_;

TEST_F(S3VirtualHostTls, RoundTripUnderTheRealHostName) {
    routeToLocalServer(true);
    const std::string key = "apoyos/APOYO-40/acta ñ.pdf";
    EXPECT_EQ(S3PutFile(creds(), key, localFile("acta.pdf", "%PDF acta"), ""),
              "https://" + hostFor("us-east-1") + "/apoyos/APOYO-40/acta%20%C3%B1.pdf");
    EXPECT_EQ(S3LastError(), "");

    // The path of a listing is "/": the server finds the bucket in the Host header only.
    std::string next;
    EXPECT_EQ(S3ListObjects(creds(), "apoyos/", "", next), std::vector<std::string>{key});
    EXPECT_EQ(S3LastError(), "");

    const std::string target = folder_.file("descargas/acta.pdf");
    ASSERT_TRUE(S3GetFile(creds(), key, target)) << S3LastError();
    EXPECT_EQ(readFile(target), "%PDF acta");

    S3HttpRequest presigned;
    presigned.method = "GET";
    presigned.url = S3PresignedGetUrl(creds(), key, 600);
    const S3HttpResponse response = S3HttpSend(presigned);
    EXPECT_EQ(response.status, 200);
    EXPECT_EQ(response.body, "%PDF acta");

    EXPECT_TRUE(S3DeleteObject(creds(), key)) << S3LastError();
    EXPECT_EQ(S3ListObjects(creds(), "apoyos/", "", next), std::vector<std::string>{});
}

TEST_F(S3VirtualHostTls, CertificateNotTrustedOrForAnotherNameFails) {
    struct Case {
        const char* name;
        bool trusted;
        std::string region;
    } cases[] = {
        {"certificate not trusted by the client", false, "us-east-1"},
        {"certificate for another host name", true, "eu-west-1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        routeToLocalServer(c.trusted, {c.region});
        const std::string source = localFile("x.txt", "x");
        const std::string target = folder_.file("no-creado/x.txt");
        std::string next;
        const std::function<void()> calls[] = {
            [&] { S3PutFile(creds(c.region), "x.txt", source, ""); },
            [&] { S3GetFile(creds(c.region), "x.txt", target); },
            [&] { S3DeleteObject(creds(c.region), "x.txt"); },
            [&] { S3ListObjects(creds(c.region), "", "", next); },
        };
        for (const auto& call : calls) {
            try {
                call();
                ADD_FAILURE() << "the connection was accepted";
            } catch (const AwsS3Error& error) {
                EXPECT_NE(std::string(error.what())
                              .find("No se pudo comunicar con el almacenamiento "
                                    "de archivos (" +
                                    hostFor(c.region) + ")"),
                          std::string::npos)
                    << error.what();
            }
            EXPECT_EQ(S3LastError(), "");
        }
        EXPECT_FALSE(fileExists(folder_.file("no-creado")));
    }
}
