// Upload and download of a 20 MB file: the object storage client against the curl program
// on the same local S3-compatible server, interleaved in one run (each goes first every
// other time). curl is given the payload hash ready-made and timed by its own clock
// (time_total, without its process start-up), so the ratio sets everything the client
// does against curl's transfer alone. Downloads go to a new file each time, as curl's do
// here: replacing an existing file makes the file system write the new one out first.
#include "benchsupport.h"
#include "exchange/aws_s3.h"
#include "exchange/aws_s3_crypto.h"
#include "s3_test_support.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <stdexcept>

using namespace orva::exchange;
using orva::bench::Clock;
using orva::bench::seconds;
using orva::test::LocalS3Server;
using orva::test::runProgram;
using orva::test::TempFolder;

namespace {

constexpr std::size_t kFileBytes = 20 * 1000 * 1000;
const std::string kKey = "bench/archivo-20MB.bin";

struct Setup {
    TempFolder folder{"orva-bench-s3"};
    std::unique_ptr<LocalS3Server> server;
    std::string source;
    std::string sourceHash;

    Setup() {
        server = std::make_unique<LocalS3Server>(LocalS3Server::Options{});
        std::string content(kFileBytes, '\0');
        std::mt19937 random(20);
        for (char& c : content)
            c = static_cast<char>(random());
        source = folder.write("origen.bin", content);
        sourceHash = Sha256Hex(content);
        if (S3PutFile(server->creds(), kKey, source, "").empty())
            throw std::runtime_error("no se pudo subir el archivo de prueba: " + S3LastError());
    }
};

Setup& setup() {
    static Setup instance;
    return instance;
}

/// Runs curl against the local server with SigV4 signing; returns its time_total.
double curlSeconds(const std::vector<std::string>& transfer, const std::string& payloadHash) {
    const LocalS3Server& server = *setup().server;
    std::vector<std::string> args = {
        "curl",        "-s",
        "--aws-sigv4", std::string("aws:amz:") + LocalS3Server::kRegion + ":s3",
        "--user",      std::string(LocalS3Server::kAccessKey) + ":" + LocalS3Server::kSecretKey,
        "-H",          "x-amz-content-sha256: " + payloadHash,
        "-w",          "%{http_code} %{time_total}"};
    args.insert(args.end(), transfer.begin(), transfer.end());
    args.push_back(server.endpoint() + "/orva-pruebas/" + kKey);
    std::string output;
    if (runProgram(args, "", output) != 0)
        throw std::runtime_error("curl falló");
    int status = 0;
    double total = 0;
    if (std::sscanf(output.c_str(), "%d %lf", &status, &total) != 2 || status != 200)
        throw std::runtime_error("curl respondió " + output);
    return total;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

/// Times the client's call and curl's transfer in turn; the counters compare medians.
/// beforeEach runs untimed before each round; what it returns, when not 0, is the time of
/// a part of the client's call measured on its own.
void compare(benchmark::State& state, const std::function<double()>& beforeEach,
             const std::function<bool()>& client, const std::function<double()>& curl) {
    std::vector<double> clientTimes;
    std::vector<double> curlTimes;
    std::vector<double> partTimes;
    bool curlFirst = true;
    for (auto _ : state) {
        partTimes.push_back(beforeEach());
        if (curlFirst)
            curlTimes.push_back(curl());
        const auto start = Clock::now();
        const bool done = client();
        const double elapsed = seconds(start);
        if (!done) {
            state.SkipWithError(S3LastError().c_str());
            return;
        }
        if (!curlFirst)
            curlTimes.push_back(curl());
        curlFirst = !curlFirst;
        clientTimes.push_back(elapsed);
        state.SetIterationTime(elapsed);
    }
    const double megabytes = static_cast<double>(kFileBytes) / 1e6;
    state.counters["client_MB_per_s"] = megabytes / median(clientTimes);
    state.counters["curl_MB_per_s"] = megabytes / median(curlTimes);
    state.counters["throughput_ratio_to_curl"] = median(curlTimes) / median(clientTimes);
    if (median(partTimes) > 0) {
        state.counters["sha256_ms"] = median(partTimes) * 1000;
        state.counters["ratio_to_curl_without_sha256"] =
            median(curlTimes) / (median(clientTimes) - median(partTimes));
    }
    state.SetBytesProcessed(static_cast<int64_t>(kFileBytes) * state.iterations());
}

void BM_Upload20MB(benchmark::State& state) {
    Setup& s = setup();
    const TAwsCreds creds = s.server->creds();
    // The client hashes the file for the signature before sending it; curl is handed the
    // hash. The hash alone is timed too, so that the transfer can be compared by itself.
    const auto hashSeconds = [&] {
        const auto start = Clock::now();
        std::FILE* file = std::fopen(s.source.c_str(), "rb");
        Sha256FileHex(file);
        std::fclose(file);
        return seconds(start);
    };
    compare(
        state, hashSeconds, [&] { return !S3PutFile(creds, kKey, s.source, "").empty(); },
        [&] {
            return curlSeconds(
                {"-o", "/dev/null", "-H", "Content-Type: application/octet-stream", "-T", s.source},
                s.sourceHash);
        });
}

void BM_Download20MB(benchmark::State& state) {
    Setup& s = setup();
    const TAwsCreds creds = s.server->creds();
    const std::string clientTarget = s.folder.file("descarga-cliente.bin");
    const std::string curlTarget = s.folder.file("descarga-curl.bin");
    compare(
        state,
        [&] {
            std::filesystem::remove(clientTarget);
            std::filesystem::remove(curlTarget);
            return 0.0;
        },
        [&] { return S3GetFile(creds, kKey, clientTarget); },
        [&] {
            return curlSeconds({"-o", curlTarget}, std::string(kEmptyPayloadHash));
        });
}

} // namespace

BENCHMARK(BM_Upload20MB)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);
BENCHMARK(BM_Download20MB)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

int main(int argc, char** argv) {
    return orva::bench::runBenchmarks(argc, argv, [] {
        setup();
        return true;
    });
}
