#include "exchange/aws_s3.h"

#include "exchange/aws_s3_crypto.h"
#include "exchange/aws_s3_files.h"
#include "exchange/aws_s3_signing.h"
#include "exchange/aws_s3_xml.h"

#include <algorithm>
#include <cctype>
#include <mutex>
#include <system_error>

namespace orva::exchange {

namespace {

std::mutex lastErrorMutex;
std::string lastError;

void clearS3Error() {
    std::lock_guard lock(lastErrorMutex);
    lastError.clear();
}

/// A signed request without body, sent; the answer is returned whatever its status.
S3HttpResponse sendSigned(const TAwsCreds& creds, const std::string& method, const std::string& key,
                          const AwsQuery* query, const std::string& downloadPath = {}) {
    S3HttpRequest request;
    request.method = method;
    request.downloadPath = downloadPath;
    SignS3Request(creds, method, key, kEmptyPayloadHash, query, request.headers, request.url);
    return S3HttpSend(request);
}

} // namespace

std::string S3PutFile(const TAwsCreds& creds, const std::string& key, const std::string& localPath,
                      const std::string& contentType) {
    clearS3Error();
    const std::filesystem::path path = PathFromUtf8(localPath);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        throw AwsS3Error("No existe el archivo: " + localPath);
    // One open stream for the hash and the body: what is signed is what is sent.
    const FileHandle file = OpenFileForUpload(path);
    const long long size = file ? OpenFileSize(file.get()) : -1;
    if (!file || size < 0)
        throw AwsS3Error("No se pudo abrir el archivo: " + localPath);

    S3HttpRequest request;
    request.method = "PUT";
    SignS3Request(creds, "PUT", key, Sha256FileHex(file.get()), nullptr, request.headers,
                  request.url);
    request.headers.emplace_back("Content-Type",
                                 contentType.empty() ? ContentTypeForFile(localPath) : contentType);
    request.upload = file.get();
    request.uploadSize = size;

    const S3HttpResponse response = S3HttpSend(request);
    if (response.status != 200) {
        SetS3Error("S3 PUT falló", &response);
        return {};
    }
    return request.url;
}

bool S3GetFile(const TAwsCreds& creds, const std::string& key, const std::string& localPath) {
    clearS3Error();
    const S3HttpResponse response = sendSigned(creds, "GET", key, nullptr, localPath);
    if (response.status == 200 && response.written)
        return true;
    SetS3Error("S3 GET falló", &response);
    return false;
}

bool S3DeleteObject(const TAwsCreds& creds, const std::string& key) {
    clearS3Error();
    const S3HttpResponse response = sendSigned(creds, "DELETE", key, nullptr);
    if (response.status == 204 || response.status == 200)
        return true;
    SetS3Error("S3 DELETE falló", &response);
    return false;
}

std::vector<std::string> S3ListObjects(const TAwsCreds& creds, const std::string& prefix,
                                       const std::string& continuationToken,
                                       std::string& nextToken) {
    clearS3Error();
    nextToken.clear();
    AwsQuery query = {{"list-type", "2"}};
    if (!prefix.empty())
        query["prefix"] = prefix;
    if (!continuationToken.empty())
        query["continuation-token"] = continuationToken;

    const S3HttpResponse response = sendSigned(creds, "GET", "", &query);
    if (response.status != 200) {
        SetS3Error("S3 LIST falló", &response);
        return {};
    }
    std::vector<std::string> keys;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t before = pos;
        std::string key = ExtractXmlValue(response.body, "<Key>", "</Key>", pos);
        if (pos == before)
            break;
        keys.push_back(std::move(key));
    }
    pos = 0;
    nextToken =
        ExtractXmlValue(response.body, "<NextContinuationToken>", "</NextContinuationToken>", pos);
    return keys;
}

std::string S3PresignUrl(const TAwsCreds& creds, const std::string& method, const std::string& key,
                         long long lifetimeSeconds) {
    return S3PresignUrlAt(S3EndpointFor(creds), creds, AwsRequestTimeNow(), method, key,
                          lifetimeSeconds);
}

std::string S3PresignedGetUrl(const TAwsCreds& creds, const std::string& key,
                              long long lifetimeSeconds) {
    return S3PresignUrl(creds, "GET", key, lifetimeSeconds);
}

std::string S3ObjectUrl(const TAwsCreds& creds, const std::string& key) {
    const S3Endpoint endpoint = S3EndpointFor(creds);
    return endpoint.scheme + "://" + endpoint.host + S3CanonicalPath(endpoint, key);
}

std::string S3LastError() {
    std::lock_guard lock(lastErrorMutex);
    return lastError;
}

void SetS3Error(const std::string& leading, const S3HttpResponse* response) {
    std::string detail;
    if (response) {
        detail = "HTTP " + std::to_string(response->status) + " " + response->statusText;
        const std::string& body = response->body;
        const std::size_t open = body.find("<Message>");
        if (open != std::string::npos) {
            std::size_t pos = open;
            const std::string message = ExtractXmlValue(body, "<Message>", "</Message>", pos);
            if (pos != open)
                detail += " - " + message;
        }
    }
    std::lock_guard lock(lastErrorMutex);
    lastError = detail.empty() ? leading : leading + " | " + detail;
}

std::string ContentTypeForFile(const std::string& path) {
    const std::size_t nameStart = path.find_last_of("/\\");
    const std::string name = nameStart == std::string::npos ? path : path.substr(nameStart + 1);
    const std::size_t dot = name.rfind('.');
    std::string extension = dot == std::string::npos ? std::string() : name.substr(dot);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".jpg" || extension == ".jpeg")
        return "image/jpeg";
    if (extension == ".png")
        return "image/png";
    if (extension == ".gif")
        return "image/gif";
    if (extension == ".pdf")
        return "application/pdf";
    if (extension == ".txt")
        return "text/plain";
    return "application/octet-stream";
}

} // namespace orva::exchange
