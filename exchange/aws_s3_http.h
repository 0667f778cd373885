#pragma once
// HTTP(S) for the object storage client, on libcurl: one blocking request per call, its
// own handle released before returning. Certificates are always verified; time-outs,
// proxies (the usual *_proxy variables) and redirects (not followed) keep libcurl's
// defaults.
#include "exchange/aws_s3_signing.h"

#include <cstdio>
#include <string>
#include <vector>

namespace orva::exchange {

/// How connections are made, for the whole process. Empty by default: the system's
/// certificate store and the address's own host.
struct S3HttpTransport {
    /// Certificate authorities to trust instead of the system store (a PEM file).
    std::string caFile;
    /// libcurl connect-to entries "HOST:PORT:CONNECT-TO-HOST:CONNECT-TO-PORT": requests
    /// keep their host name (Host header, certificate name) but the connection goes to
    /// the other address.
    std::vector<std::string> connectTo;
};

void SetS3HttpTransport(S3HttpTransport transport);
S3HttpTransport S3HttpTransportSettings();

struct S3HttpRequest {
    std::string method; ///< GET, PUT or DELETE
    std::string url;
    AwsHeaders headers;
    /// PUT body, read from its current position; uploadSize bytes are sent.
    std::FILE* upload = nullptr;
    long long uploadSize = 0;
    /// When not empty (UTF-8 path): a body answered with status 200 goes to this file,
    /// which is written whole or not at all (its folders are created as needed). Any
    /// other answer leaves the file as it was and its body in the response.
    std::string downloadPath;
};

struct S3HttpResponse {
    long status = 0;
    std::string statusText;
    /// The body as received (UTF-8 text for the service's answers), unless it went to
    /// the download file. An error body is kept up to 1 MiB.
    std::string body;
    /// The download file was written.
    bool written = false;
};

/// Sends the request and waits for the whole answer. Raises AwsS3Error when no answer
/// comes (name resolution, connection, TLS, transfer cut short) or a local file cannot
/// be read or written; any status the service answers is returned.
S3HttpResponse S3HttpSend(const S3HttpRequest& request);

} // namespace orva::exchange
