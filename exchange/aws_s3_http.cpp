#include "exchange/aws_s3_http.h"

#include "exchange/aws_s3_error.h"
#include "exchange/aws_s3_files.h"

#include <curl/curl.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <system_error>

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

namespace orva::exchange {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kErrorBodyLimit = 1 << 20;
// The curl program's receive buffer, larger than libcurl's default: fewer calls into our
// callback and the disk for files of several megabytes. (The upload keeps libcurl's
// buffer: measured, larger ones gained nothing.)
constexpr long kDownloadBuffer = 100 * 1024;

std::mutex transportMutex;
S3HttpTransport transportSettings;

struct EasyCleanup {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
using EasyHandle = std::unique_ptr<CURL, EasyCleanup>;

struct ListFree {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

/// A curl_slist owned for the duration of the request.
class StringList {
public:
    void add(const std::string& text) {
        curl_slist* grown = curl_slist_append(list_.get(), text.c_str());
        if (!grown)
            throw std::bad_alloc();
        list_.release();
        list_.reset(grown);
    }
    curl_slist* get() const { return list_.get(); }

private:
    std::unique_ptr<curl_slist, ListFree> list_;
};

void initialiseCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

/// The body of a download: a file beside the target, renamed over it once the whole
/// body has arrived, so that an interrupted transfer never leaves half a file behind.
class DownloadFile {
public:
    explicit DownloadFile(fs::path target) : target_(std::move(target)) {}
    ~DownloadFile() { discard(); }

    /// Creates the folders and the temporary file; false (with error()) on failure.
    bool open() {
        std::error_code ec;
        const fs::path folder = target_.parent_path();
        if (!folder.empty())
            fs::create_directories(folder, ec);
        if (ec) {
            error_ = "No se pudo crear la carpeta " + PathToUtf8(folder) + ": " + ec.message();
            return false;
        }
        static std::atomic<unsigned> counter{0};
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        temporary_ = target_;
        temporary_ += ".descarga-" + std::to_string(processId()) + "-" + std::to_string(counter++) +
                      "-" + std::to_string(stamp);
        file_ = OpenFile(temporary_, "wb");
        if (!file_) {
            error_ =
                "No se pudo crear el archivo " + PathToUtf8(target_) + ": " + std::strerror(errno);
            temporary_.clear();
            return false;
        }
        return true;
    }
    bool isOpen() const { return file_ != nullptr; }

    bool write(const char* data, std::size_t size) {
        if (std::fwrite(data, 1, size, file_.get()) == size)
            return true;
        error_ =
            "No se pudo escribir el archivo " + PathToUtf8(target_) + ": " + std::strerror(errno);
        return false;
    }

    /// Puts the finished file in place of the target.
    void commit() {
        if (!file_ && !open())
            throw AwsS3Error(error_);
        const bool closed = std::fclose(file_.release()) == 0;
        std::error_code ec;
        if (closed)
            fs::rename(temporary_, target_, ec);
        if (!closed || ec)
            throw AwsS3Error("No se pudo escribir el archivo " + PathToUtf8(target_) +
                             (ec ? ": " + ec.message() : std::string()));
        temporary_.clear();
    }

    void discard() {
        file_.reset();
        if (!temporary_.empty()) {
            std::error_code ec;
            fs::remove(temporary_, ec);
            temporary_.clear();
        }
    }

    const std::string& error() const { return error_; }

private:
    static long processId() {
#ifdef _WIN32
        return static_cast<long>(_getpid());
#else
        return static_cast<long>(getpid());
#endif
    }

    fs::path target_;
    fs::path temporary_;
    FileHandle file_;
    std::string error_;
};

/// What the callbacks share during one transfer.
struct Transfer {
    S3HttpResponse response;
    DownloadFile* download = nullptr;
    std::FILE* upload = nullptr;
    std::string localError; ///< set when a callback stopped the transfer
};

std::size_t onHeader(char* data, std::size_t size, std::size_t count, void* user) {
    auto& transfer = *static_cast<Transfer*>(user);
    const std::size_t length = size * count;
    std::string_view line(data, length);
    // Each response (an interim "100 Continue" included) starts with its status line;
    // the last one is the answer.
    if (line.rfind("HTTP/", 0) == 0) {
        while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
            line.remove_suffix(1);
        const std::size_t codeStart = line.find(' ');
        const std::size_t textStart =
            codeStart == std::string_view::npos ? codeStart : line.find(' ', codeStart + 1);
        transfer.response.statusText = textStart == std::string_view::npos
                                           ? std::string()
                                           : std::string(line.substr(textStart + 1));
        transfer.response.status = 0;
        if (codeStart != std::string_view::npos)
            transfer.response.status =
                std::atol(std::string(line.substr(codeStart + 1, 3)).c_str());
    }
    return length;
}

std::size_t onBody(char* data, std::size_t size, std::size_t count, void* user) {
    auto& transfer = *static_cast<Transfer*>(user);
    const std::size_t length = size * count;
    if (transfer.download && transfer.response.status == 200) {
        if (!transfer.download->isOpen() && !transfer.download->open()) {
            transfer.localError = transfer.download->error();
            return 0;
        }
        if (!transfer.download->write(data, length)) {
            transfer.localError = transfer.download->error();
            return 0;
        }
        return length;
    }
    // An error body only needs its message; a listing is read whole.
    std::string& body = transfer.response.body;
    const bool error = transfer.response.status != 200;
    const std::size_t room =
        error ? std::min(length, kErrorBodyLimit - std::min(body.size(), kErrorBodyLimit)) : length;
    body.append(data, room);
    return length;
}

std::size_t onRead(char* buffer, std::size_t size, std::size_t count, void* user) {
    auto& transfer = *static_cast<Transfer*>(user);
    const std::size_t got = std::fread(buffer, 1, size * count, transfer.upload);
    if (got == 0 && std::ferror(transfer.upload)) {
        transfer.localError = "No se pudo leer el archivo que se envía.";
        return CURL_READFUNC_ABORT;
    }
    return got;
}

int onSeek(void* user, curl_off_t offset, int origin) {
    auto& transfer = *static_cast<Transfer*>(user);
#ifdef _WIN32
    const int failed = _fseeki64(transfer.upload, offset, origin);
#else
    const int failed = fseeko(transfer.upload, static_cast<off_t>(offset), origin);
#endif
    return failed ? CURL_SEEKFUNC_CANTSEEK : CURL_SEEKFUNC_OK;
}

/// HTTP/2 answers carry no reason phrase; the usual one stands in for it.
std::string standardReason(long status) {
    switch (status) {
    case 200:
        return "OK";
    case 204:
        return "No Content";
    case 301:
        return "Moved Permanently";
    case 307:
        return "Temporary Redirect";
    case 400:
        return "Bad Request";
    case 403:
        return "Forbidden";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 409:
        return "Conflict";
    case 411:
        return "Length Required";
    case 412:
        return "Precondition Failed";
    case 416:
        return "Range Not Satisfiable";
    case 500:
        return "Internal Server Error";
    case 501:
        return "Not Implemented";
    case 503:
        return "Service Unavailable";
    default:
        return {};
    }
}

std::string hostOf(const std::string& url) {
    const std::size_t start = url.find("://");
    if (start == std::string::npos)
        return url;
    const std::size_t end = url.find_first_of("/?", start + 3);
    return url.substr(start + 3, end == std::string::npos ? end : end - start - 3);
}

template <typename Value> void set(CURL* handle, CURLoption option, Value value) {
    if (curl_easy_setopt(handle, option, value) != CURLE_OK)
        throw AwsS3Error("No se pudo preparar la petición al almacenamiento de archivos.");
}

} // namespace

void SetS3HttpTransport(S3HttpTransport transport) {
    std::lock_guard lock(transportMutex);
    transportSettings = std::move(transport);
}

S3HttpTransport S3HttpTransportSettings() {
    std::lock_guard lock(transportMutex);
    return transportSettings;
}

S3HttpResponse S3HttpSend(const S3HttpRequest& request) {
    initialiseCurlOnce();
    const S3HttpTransport transport = S3HttpTransportSettings();
    EasyHandle handle(curl_easy_init());
    if (!handle)
        throw AwsS3Error("No se pudo preparar la petición al almacenamiento de archivos.");
    CURL* curl = handle.get();

    Transfer transfer;
    std::unique_ptr<DownloadFile> download;
    if (!request.downloadPath.empty()) {
        download = std::make_unique<DownloadFile>(PathFromUtf8(request.downloadPath));
        transfer.download = download.get();
    }
    transfer.upload = request.upload;

    StringList headers;
    for (const auto& [name, value] : request.headers)
        headers.add(name + ": " + value);
    StringList connectTo;
    for (const std::string& entry : transport.connectTo)
        connectTo.add(entry);

    char errorText[CURL_ERROR_SIZE] = {};
    set(curl, CURLOPT_URL, request.url.c_str());
    set(curl, CURLOPT_NOSIGNAL, 1L);
#if LIBCURL_VERSION_NUM >= 0x075500
    set(curl, CURLOPT_PROTOCOLS_STR, "http,https");
#else
    set(curl, CURLOPT_PROTOCOLS, long(CURLPROTO_HTTP | CURLPROTO_HTTPS));
#endif
    set(curl, CURLOPT_SSL_VERIFYPEER, 1L);
    set(curl, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!transport.caFile.empty())
        set(curl, CURLOPT_CAINFO, transport.caFile.c_str());
    if (connectTo.get())
        set(curl, CURLOPT_CONNECT_TO, connectTo.get());
    set(curl, CURLOPT_HTTPHEADER, headers.get());
    set(curl, CURLOPT_ERRORBUFFER, errorText);
    set(curl, CURLOPT_HEADERFUNCTION, onHeader);
    set(curl, CURLOPT_HEADERDATA, &transfer);
    set(curl, CURLOPT_WRITEFUNCTION, onBody);
    set(curl, CURLOPT_WRITEDATA, &transfer);
    set(curl, CURLOPT_BUFFERSIZE, kDownloadBuffer);

    if (request.method == "PUT") {
        set(curl, CURLOPT_UPLOAD, 1L);
        set(curl, CURLOPT_READFUNCTION, onRead);
        set(curl, CURLOPT_READDATA, &transfer);
        set(curl, CURLOPT_SEEKFUNCTION, onSeek);
        set(curl, CURLOPT_SEEKDATA, &transfer);
        set(curl, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(request.uploadSize));
    } else if (request.method != "GET") {
        set(curl, CURLOPT_CUSTOMREQUEST, request.method.c_str());
    }

    const CURLcode result = curl_easy_perform(curl);
    if (!transfer.localError.empty())
        throw AwsS3Error(transfer.localError);
    if (result != CURLE_OK) {
        const std::string detail = errorText[0] ? errorText : curl_easy_strerror(result);
        throw AwsS3Error("No se pudo comunicar con el almacenamiento de archivos (" +
                         hostOf(request.url) + "): " + detail);
    }
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    transfer.response.status = status;
    if (transfer.response.statusText.empty())
        transfer.response.statusText = standardReason(status);
    if (download && status == 200) {
        download->commit();
        transfer.response.written = true;
    }
    return std::move(transfer.response);
}

} // namespace orva::exchange
