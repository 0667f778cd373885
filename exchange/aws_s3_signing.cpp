#include "exchange/aws_s3_signing.h"

#include "exchange/aws_s3_crypto.h"
#include "exchange/aws_s3_error.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <ctime>
#include <mutex>

namespace orva::exchange {

namespace {

constexpr std::string_view kAlgorithm = "AWS4-HMAC-SHA256";
constexpr std::string_view kDefaultDomain = "amazonaws.com";
constexpr std::string_view kSignedHeaders = "host;x-amz-content-sha256;x-amz-date";

std::mutex clockMutex;
AwsClock signingClock;

bool unreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string joined(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (const std::string_view part : parts)
        text += part;
    return text;
}

/// Parses "scheme://host[:port][/]" of a configured endpoint.
S3Endpoint parseEndpoint(const std::string& endpoint) {
    const auto invalid = [&endpoint] {
        return AwsS3Error("La dirección del almacenamiento de archivos no es válida: \"" +
                          endpoint + "\". Debe tener la forma http(s)://servidor[:puerto].");
    };
    const auto separator = endpoint.find("://");
    if (separator == std::string::npos)
        throw invalid();
    S3Endpoint result;
    result.scheme = lowered(endpoint.substr(0, separator));
    if (result.scheme != "http" && result.scheme != "https")
        throw invalid();
    std::string host = endpoint.substr(separator + 3);
    if (!host.empty() && host.back() == '/')
        host.pop_back();
    if (host.empty() || host.find_first_of("/?#@ ") != std::string::npos)
        throw invalid();
    // The Host header leaves out the scheme's default port, so the signature must too.
    const std::string defaultPort = result.scheme == "https" ? ":443" : ":80";
    if (host.size() > defaultPort.size() &&
        host.compare(host.size() - defaultPort.size(), defaultPort.size(), defaultPort) == 0)
        host.resize(host.size() - defaultPort.size());
    result.host = lowered(host);
    return result;
}

std::string credentialOf(const TAwsCreds& creds, const AwsRequestTime& time) {
    return creds.AccessKey + "/" + AwsCredentialScope(time.scopeDate, creds.Region);
}

std::string addressOf(const S3Endpoint& endpoint, std::string_view path,
                      std::string_view canonicalQuery) {
    std::string url = joined({endpoint.scheme, "://", endpoint.host, path});
    if (!canonicalQuery.empty())
        url += joined({"?", canonicalQuery});
    return url;
}

} // namespace

void SetAwsClock(AwsClock clock) {
    std::lock_guard lock(clockMutex);
    signingClock = std::move(clock);
}

AwsRequestTime AwsRequestTimeNow() {
    AwsClock clock;
    {
        std::lock_guard lock(clockMutex);
        clock = signingClock;
    }
    return AwsRequestTimeAt(clock ? clock() : std::chrono::system_clock::now());
}

AwsRequestTime AwsRequestTimeAt(std::chrono::system_clock::time_point when) {
    // The system clock counts UTC seconds already: no local-zone offset to take away,
    // and so no wrong hour around a daylight-saving change.
    const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
    std::tm utc{};
#ifdef _WIN32
    gmtime_s(&utc, &seconds);
#else
    gmtime_r(&seconds, &utc);
#endif
    char text[80];
    std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d%02dZ", utc.tm_year + 1900,
                  utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec);
    AwsRequestTime time;
    time.timestamp = text;
    time.scopeDate = time.timestamp.substr(0, 8);
    return time;
}

std::string AwsUriEncode(std::string_view text) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string encoded;
    encoded.reserve(text.size() * 3);
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (unreserved(byte)) {
            encoded += c;
        } else {
            encoded += '%';
            encoded += digits[byte >> 4];
            encoded += digits[byte & 0x0f];
        }
    }
    return encoded;
}

std::string AwsEncodePath(std::string_view key) {
    std::string path = "/";
    std::size_t start = 0;
    for (;;) {
        const std::size_t slash = key.find('/', start);
        path += AwsUriEncode(key.substr(start, slash - start));
        if (slash == std::string_view::npos)
            break;
        path += '/';
        start = slash + 1;
    }
    return path;
}

std::string AwsCanonicalQuery(const AwsQuery& params) {
    // std::map orders names by their bytes: ordinal order.
    std::string query;
    for (const auto& [name, value] : params) {
        if (!query.empty())
            query += '&';
        query += joined({AwsUriEncode(name), "=", AwsUriEncode(value)});
    }
    return query;
}

std::string AwsCanonicalRequest(std::string_view method, std::string_view canonicalPath,
                                std::string_view canonicalQuery, const AwsHeaders& headers,
                                std::string_view signedHeaders, std::string_view payloadHash) {
    std::string request = joined({method, "\n", canonicalPath, "\n", canonicalQuery, "\n"});
    for (const auto& [name, value] : headers)
        request += joined({name, ":", value, "\n"});
    request += joined({"\n", signedHeaders, "\n", payloadHash});
    return request;
}

std::string AwsCredentialScope(std::string_view scopeDate, std::string_view region) {
    return joined({scopeDate, "/", region, "/s3/aws4_request"});
}

std::string AwsStringToSign(std::string_view timestamp, std::string_view credentialScope,
                            std::string_view canonicalRequest) {
    return joined(
        {kAlgorithm, "\n", timestamp, "\n", credentialScope, "\n", Sha256Hex(canonicalRequest)});
}

std::string AwsSigningKey(std::string_view secretKey, std::string_view scopeDate,
                          std::string_view region) {
    const std::string dateKey = HmacSha256(joined({"AWS4", secretKey}), scopeDate);
    const std::string regionKey = HmacSha256(dateKey, region);
    const std::string serviceKey = HmacSha256(regionKey, "s3");
    return HmacSha256(serviceKey, "aws4_request");
}

std::string AwsSignature(std::string_view signingKey, std::string_view stringToSign) {
    return BytesToHex(HmacSha256(signingKey, stringToSign));
}

S3Endpoint S3EndpointFor(const TAwsCreds& creds) {
    if (!creds.Endpoint.empty()) {
        S3Endpoint endpoint = parseEndpoint(creds.Endpoint);
        endpoint.bucketPath = "/" + AwsUriEncode(creds.Bucket);
        return endpoint;
    }
    S3Endpoint endpoint;
    endpoint.scheme = "https";
    const std::string_view domain = creds.Domain.empty() ? kDefaultDomain : creds.Domain;
    endpoint.host = joined({creds.Bucket, ".s3.", creds.Region, ".", domain});
    return endpoint;
}

std::string S3CanonicalPath(const S3Endpoint& endpoint, std::string_view key) {
    if (endpoint.bucketPath.empty())
        return AwsEncodePath(key);
    // Path-style: the bucket itself is "/<bucket>", without a trailing slash.
    return key.empty() ? endpoint.bucketPath : endpoint.bucketPath + AwsEncodePath(key);
}

SignedS3Request SignS3RequestAt(const S3Endpoint& endpoint, const TAwsCreds& creds,
                                const AwsRequestTime& time, std::string_view method,
                                std::string_view key, std::string_view payloadHash,
                                const AwsQuery& query) {
    const std::string path = S3CanonicalPath(endpoint, key);
    const std::string canonicalQuery = AwsCanonicalQuery(query);
    const AwsHeaders canonicalHeaders = {{"host", endpoint.host},
                                         {"x-amz-content-sha256", std::string(payloadHash)},
                                         {"x-amz-date", time.timestamp}};
    const std::string canonicalRequest = AwsCanonicalRequest(
        method, path, canonicalQuery, canonicalHeaders, kSignedHeaders, payloadHash);
    const std::string scope = AwsCredentialScope(time.scopeDate, creds.Region);
    const std::string signature =
        AwsSignature(AwsSigningKey(creds.SecretKey, time.scopeDate, creds.Region),
                     AwsStringToSign(time.timestamp, scope, canonicalRequest));

    SignedS3Request signedRequest;
    signedRequest.headers = {
        {"x-amz-content-sha256", std::string(payloadHash)},
        {"x-amz-date", time.timestamp},
        {"Authorization", joined({kAlgorithm, " Credential=", credentialOf(creds, time),
                                  ", SignedHeaders=", kSignedHeaders, ", Signature=", signature})}};
    signedRequest.url = addressOf(endpoint, path, canonicalQuery);
    return signedRequest;
}

void SignS3Request(const TAwsCreds& creds, std::string_view method, std::string_view key,
                   std::string_view payloadHash, const AwsQuery* query, AwsHeaders& headers,
                   std::string& url) {
    SignedS3Request signedRequest =
        SignS3RequestAt(S3EndpointFor(creds), creds, AwsRequestTimeNow(), method, key, payloadHash,
                        query ? *query : AwsQuery{});
    headers = std::move(signedRequest.headers);
    url = std::move(signedRequest.url);
}

std::string S3PresignUrlAt(const S3Endpoint& endpoint, const TAwsCreds& creds,
                           const AwsRequestTime& time, std::string_view method,
                           std::string_view key, long long lifetimeSeconds) {
    const AwsQuery query = {{"X-Amz-Algorithm", std::string(kAlgorithm)},
                            {"X-Amz-Credential", credentialOf(creds, time)},
                            {"X-Amz-Date", time.timestamp},
                            {"X-Amz-Expires", std::to_string(lifetimeSeconds)},
                            {"X-Amz-SignedHeaders", "host"}};
    const std::string path = S3CanonicalPath(endpoint, key);
    const std::string canonicalQuery = AwsCanonicalQuery(query);
    const std::string canonicalRequest = AwsCanonicalRequest(
        method, path, canonicalQuery, {{"host", endpoint.host}}, "host", "UNSIGNED-PAYLOAD");
    const std::string signature = AwsSignature(
        AwsSigningKey(creds.SecretKey, time.scopeDate, creds.Region),
        AwsStringToSign(time.timestamp, AwsCredentialScope(time.scopeDate, creds.Region),
                        canonicalRequest));
    return addressOf(endpoint, path, canonicalQuery) + "&X-Amz-Signature=" + signature;
}

} // namespace orva::exchange
