#pragma once
// What the object storage tests and benchmarks share: temporary folders, running helper
// programs, test certificates, and a local S3-compatible server that checks signatures
// (started on 127.0.0.1 on a free port, stopped by its process id).
#include "exchange/aws_s3_creds.h"

#include <string>
#include <sys/types.h>
#include <vector>

namespace orva::test {

/// A new empty folder under the system's temporary folder, removed with its contents.
class TempFolder {
public:
    explicit TempFolder(const std::string& prefix = "orva-s3");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    /// Writes a file of the folder (its own folders made as needed); returns its path.
    std::string write(const std::string& name, const std::string& content) const;

private:
    std::string path_;
};

void writeFile(const std::string& path, const std::string& content);
std::string readFile(const std::string& path);
bool fileExists(const std::string& path);

/// Runs a program (found on PATH unless the name has a '/') with stdin from the given
/// text; returns its exit status and puts what it wrote to stdout in output (what it
/// wrote to stderr is shown only when it fails). Raises std::runtime_error when it cannot
/// be started.
int runProgram(const std::vector<std::string>& args, const std::string& input, std::string& output);

/// A self-signed certificate (it is its own authority) for the given DNS names, made
/// with the openssl program.
struct TestCertificate {
    std::string certFile;
    std::string keyFile;
};
TestCertificate makeTestCertificate(const std::string& folder, const std::string& name,
                                    const std::vector<std::string>& dnsNames);

/// A node script of tests/exchange/s3server run as a local server; it prints
/// "listening on 127.0.0.1:<port>" once it accepts connections. Stopped by its process
/// id when destroyed (and when the test process dies).
class LocalNodeServer {
public:
    LocalNodeServer(const std::string& script, const std::vector<std::string>& args);
    ~LocalNodeServer();
    LocalNodeServer(const LocalNodeServer&) = delete;
    LocalNodeServer& operator=(const LocalNodeServer&) = delete;

    int port() const { return port_; }

private:
    void stop();

    TempFolder folder_;
    pid_t pid_ = -1;
    int port_ = 0;
};

/// The S3-compatible server (one bucket), with its data in a temporary folder.
class LocalS3Server {
public:
    struct Options {
        std::string bucket = "orva-pruebas";
        /// TLS with this certificate and key (both empty: plain HTTP).
        std::string certFile;
        std::string keyFile;
        /// Buckets named by the Host header (<bucket>.s3.<region>.amazonaws.com).
        bool virtualHosts = false;
        /// Accept well-formed signatures that do not match (the server computes the
        /// canonical path of virtual-hosted requests as /<bucket>/<key>, so they never
        /// match there).
        bool allowMismatchedSignatures = false;
    };

    /// The key pair the server knows.
    static constexpr const char* kAccessKey = "S3RVER";
    static constexpr const char* kSecretKey = "S3RVER";
    static constexpr const char* kRegion = "us-east-1";

    explicit LocalS3Server(Options options);

    int port() const { return server_.port(); }
    /// "http://127.0.0.1:<port>" or "https://…".
    std::string endpoint() const;
    /// Credentials for the bucket through the endpoint setting (path-style).
    exchange::TAwsCreds creds() const;

private:
    Options options_;
    TempFolder data_;
    LocalNodeServer server_;
};

} // namespace orva::test
