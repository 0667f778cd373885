#include "s3_test_support.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#ifndef ORVA_S3SERVER_DIR
#error "ORVA_S3SERVER_DIR must name the folder of the local S3 server's package"
#endif

namespace orva::test {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void execOrDie(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    std::fprintf(stderr, "no se pudo ejecutar %s: %s\n", argv[0], std::strerror(errno));
    _exit(127);
}

void redirect(int target, const std::string& path, int flags) {
    const int fd = ::open(path.c_str(), flags, 0600);
    if (fd < 0 || dup2(fd, target) < 0)
        _exit(126);
    ::close(fd);
}

int waitFor(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

} // namespace

TempFolder::TempFolder(const std::string& prefix) {
    std::string pattern = (fs::temp_directory_path() / (prefix + "-XXXXXX")).string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("no se pudo crear una carpeta temporal");
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

std::string TempFolder::write(const std::string& name, const std::string& content) const {
    writeFile(file(name), content);
    return file(name);
}

void writeFile(const std::string& path, const std::string& content) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << content;
    if (!file.flush())
        throw std::runtime_error("no se pudo escribir " + path);
}

std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

bool fileExists(const std::string& path) {
    std::error_code ec;
    return fs::exists(path, ec);
}

int runProgram(const std::vector<std::string>& args, const std::string& input,
               std::string& output) {
    TempFolder folder("orva-run");
    const std::string in = folder.file("stdin");
    const std::string out = folder.file("stdout");
    const std::string err = folder.file("stderr");
    writeFile(in, input);
    const pid_t pid = fork();
    if (pid < 0)
        throw std::runtime_error("no se pudo iniciar " + args.front());
    if (pid == 0) {
        redirect(STDIN_FILENO, in, O_RDONLY);
        redirect(STDOUT_FILENO, out, O_WRONLY | O_CREAT | O_TRUNC);
        redirect(STDERR_FILENO, err, O_WRONLY | O_CREAT | O_TRUNC);
        execOrDie(args);
    }
    const int status = waitFor(pid);
    output = readFile(out);
    // What it said on stderr only matters when it failed.
    if (status != 0)
        std::fprintf(stderr, "%s terminó con %d:\n%s\n", args.front().c_str(), status,
                     readFile(err).c_str());
    return status;
}

TestCertificate makeTestCertificate(const std::string& folder, const std::string& name,
                                    const std::vector<std::string>& dnsNames) {
    TestCertificate certificate{folder + "/" + name + ".crt", folder + "/" + name + ".key"};
    std::string altNames = "subjectAltName=";
    for (std::size_t i = 0; i < dnsNames.size(); ++i)
        altNames += (i ? ",DNS:" : "DNS:") + dnsNames[i];
    std::string output;
    const int status =
        runProgram({"openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-sha256", "-days",
                    "2", "-subj", "/CN=" + dnsNames.front(), "-addext", altNames, "-addext",
                    "basicConstraints=critical,CA:TRUE", "-keyout", certificate.keyFile, "-out",
                    certificate.certFile},
                   "", output);
    if (status != 0)
        throw std::runtime_error("openssl no pudo crear el certificado de prueba");
    return certificate;
}

LocalNodeServer::LocalNodeServer(const std::string& script, const std::vector<std::string>& args)
    : folder_("orva-node") {
    const std::string out = folder_.file("server.out");
    const std::string err = folder_.file("server.err");
    std::vector<std::string> command = {"node", std::string(ORVA_S3SERVER_DIR) + "/" + script};
    command.insert(command.end(), args.begin(), args.end());

    pid_ = fork();
    if (pid_ < 0)
        throw std::runtime_error("no se pudo iniciar " + script);
    if (pid_ == 0) {
        // The server goes when the test goes, even if the test dies.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        redirect(STDOUT_FILENO, out, O_WRONLY | O_CREAT | O_TRUNC);
        redirect(STDERR_FILENO, err, O_WRONLY | O_CREAT | O_TRUNC);
        // Paged listing of the S3 server needs the legacy provider on Node 20.
        setenv("NODE_OPTIONS", "--openssl-legacy-provider", 1);
        execOrDie(command);
    }

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    const std::string marker = "listening on 127.0.0.1:";
    while (std::chrono::steady_clock::now() < deadline) {
        const std::string text = readFile(out);
        if (const auto at = text.find(marker); at != std::string::npos) {
            port_ = std::atoi(text.c_str() + at + marker.size());
            if (port_ > 0)
                return;
        }
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            throw std::runtime_error(script + " terminó al iniciar: " + readFile(err));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    stop();
    throw std::runtime_error(script + " no respondió a tiempo: " + readFile(err));
}

LocalNodeServer::~LocalNodeServer() {
    stop();
}

void LocalNodeServer::stop() {
    if (pid_ <= 0)
        return;
    const pid_t pid = pid_;
    pid_ = -1;
    kill(pid, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

namespace {

std::vector<std::string> s3ServerArguments(const LocalS3Server::Options& options,
                                           const std::string& data) {
    std::vector<std::string> args = {"-d",
                                     data,
                                     "-a",
                                     "127.0.0.1",
                                     "-p",
                                     "0",
                                     "-s",
                                     options.virtualHosts ? "--vhost-buckets"
                                                          : "--no-vhost-buckets",
                                     "--configure-bucket",
                                     options.bucket};
    if (!options.certFile.empty())
        args.insert(args.end(), {"--cert", options.certFile, "--key", options.keyFile});
    if (options.allowMismatchedSignatures)
        args.push_back("--allow-mismatched-signatures");
    return args;
}

} // namespace

LocalS3Server::LocalS3Server(Options options)
    : options_(std::move(options)), data_("orva-s3data"),
      server_("start.js", s3ServerArguments(options_, data_.path())) {}

std::string LocalS3Server::endpoint() const {
    return std::string(options_.certFile.empty() ? "http" : "https") +
           "://127.0.0.1:" + std::to_string(port());
}

exchange::TAwsCreds LocalS3Server::creds() const {
    exchange::TAwsCreds creds;
    creds.AccessKey = kAccessKey;
    creds.SecretKey = kSecretKey;
    creds.Region = kRegion;
    creds.Bucket = options_.bucket;
    creds.Endpoint = endpoint();
    return creds;
}

} // namespace orva::test
