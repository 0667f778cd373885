#pragma once
// AWS Signature Version 4 for the object storage (algorithm "AWS4-HMAC-SHA256", service
// "s3"): canonical forms, signing key, header-signed requests and presigned addresses.
// Every text is UTF-8; what is hashed or signed is those bytes.
#include "exchange/aws_s3_creds.h"

#include <chrono>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orva::exchange {

/// Header name/value pairs in the order they are sent.
using AwsHeaders = std::vector<std::pair<std::string, std::string>>;
/// Query parameters by name.
using AwsQuery = std::map<std::string, std::string>;

/// SHA-256 of an empty body.
inline constexpr std::string_view kEmptyPayloadHash =
    "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855";

// --- Request time ------------------------------------------------------------------

/// Timestamp "yyyymmddThhmmssZ" (UTC) and the scope date, its first eight characters.
struct AwsRequestTime {
    std::string timestamp;
    std::string scopeDate;
};

using AwsClock = std::function<std::chrono::system_clock::time_point()>;

/// Replaces the clock read for signing (tests fix it to compare signatures with known
/// ones); an empty function goes back to the system clock.
void SetAwsClock(AwsClock clock);
/// One reading of the signing clock.
AwsRequestTime AwsRequestTimeNow();
AwsRequestTime AwsRequestTimeAt(std::chrono::system_clock::time_point when);

// --- Canonical forms ---------------------------------------------------------------

/// Copies A-Z, a-z, 0-9, '-', '.', '_' and '~'; writes every other byte as "%XX"
/// (upper-case hex). Serves path segments, query names and query values.
std::string AwsUriEncode(std::string_view text);
/// "/" followed by the key's '/'-separated segments, each encoded; "" gives "/".
std::string AwsEncodePath(std::string_view key);
/// "name=value" pairs, encoded, sorted by name in ordinal order and joined with '&';
/// no parameters give "".
std::string AwsCanonicalQuery(const AwsQuery& params);
/// Method, path, query, one "name:value" line per header, an empty line, the signed
/// header names and the payload hash, joined by line feeds (none after the hash).
std::string AwsCanonicalRequest(std::string_view method, std::string_view canonicalPath,
                                std::string_view canonicalQuery, const AwsHeaders& headers,
                                std::string_view signedHeaders, std::string_view payloadHash);
/// scope date "/" region "/s3/aws4_request".
std::string AwsCredentialScope(std::string_view scopeDate, std::string_view region);
/// "AWS4-HMAC-SHA256", the timestamp, the credential scope and the hex SHA-256 of the
/// canonical request, one per line.
std::string AwsStringToSign(std::string_view timestamp, std::string_view credentialScope,
                            std::string_view canonicalRequest);
/// The key derived from the secret for one day, region and the service s3 (raw bytes).
std::string AwsSigningKey(std::string_view secretKey, std::string_view scopeDate,
                          std::string_view region);
/// Hex HMAC-SHA256 of the string to sign under the signing key.
std::string AwsSignature(std::string_view signingKey, std::string_view stringToSign);

// --- Where requests go -------------------------------------------------------------

/// Scheme, host (with ":port" when not the scheme's default, as the Host header carries
/// it) and the path the object keys go under: "" for <bucket>.s3.<region>.<domain>
/// (virtual-hosted), "/<bucket>" for a configured endpoint (path-style).
struct S3Endpoint {
    std::string scheme;
    std::string host;
    std::string bucketPath;
};

/// The endpoint of the creds' bucket. Raises AwsS3Error for an unusable Endpoint.
S3Endpoint S3EndpointFor(const TAwsCreds& creds);
/// The request path of a key at an endpoint; the empty key names the bucket itself.
std::string S3CanonicalPath(const S3Endpoint& endpoint, std::string_view key);

// --- Signed requests ---------------------------------------------------------------

/// A header-signed request: exactly three headers, in this order, x-amz-content-sha256,
/// x-amz-date and Authorization (the signed host header is sent by the HTTP client from
/// the address), and the address with its canonical query.
struct SignedS3Request {
    AwsHeaders headers;
    std::string url;
};

SignedS3Request SignS3RequestAt(const S3Endpoint& endpoint, const TAwsCreds& creds,
                                const AwsRequestTime& time, std::string_view method,
                                std::string_view key, std::string_view payloadHash,
                                const AwsQuery& query);
/// Signs with one reading of the signing clock for the creds' endpoint.
void SignS3Request(const TAwsCreds& creds, std::string_view method, std::string_view key,
                   std::string_view payloadHash, const AwsQuery* query, AwsHeaders& headers,
                   std::string& url);

/// Presigned address: the X-Amz-* parameters in the query, only host signed, payload
/// "UNSIGNED-PAYLOAD", and "&X-Amz-Signature=" with the signature at the end.
std::string S3PresignUrlAt(const S3Endpoint& endpoint, const TAwsCreds& creds,
                           const AwsRequestTime& time, std::string_view method,
                           std::string_view key, long long lifetimeSeconds);

} // namespace orva::exchange
