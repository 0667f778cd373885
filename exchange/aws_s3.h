#pragma once
// Object storage client: collaborator photos and the documents of support deliveries live
// as objects in an S3 bucket. Every call is synchronous and made from the window's
// thread. Texts are UTF-8 (keys, paths, addresses, messages).
//
// How a window uses it: declare a TAwsCreds, call LoadAwsCreds, check that the fields it
// needs are not empty (otherwise show its own "Faltan credenciales AWS…" message), call
// one operation and, on an empty or false result, show its own message followed by
// S3LastError(). A failure to reach the service (or to read or write the local file) is
// raised as AwsS3Error and does not touch the last-error text.
#include "exchange/aws_s3_creds.h"
#include "exchange/aws_s3_error.h"
#include "exchange/aws_s3_http.h"

#include <string>
#include <vector>

namespace orva::exchange {

/// Uploads a local file to the key. contentType may be empty: ContentTypeForFile then
/// chooses it. Returns the object's plain address on HTTP 200, else "" with the last
/// error set ("S3 PUT falló | …"). Raises "No existe el archivo: <path>" before any
/// request when the file does not exist.
std::string S3PutFile(const TAwsCreds& creds, const std::string& key, const std::string& localPath,
                      const std::string& contentType);

/// Downloads the object into localPath (its folders created as needed) and returns true
/// on HTTP 200. Otherwise the local file is left untouched and the last error reads
/// "S3 GET falló | …".
bool S3GetFile(const TAwsCreds& creds, const std::string& key, const std::string& localPath);

/// Deletes the object; true on HTTP 204 or 200, else the last error "S3 DELETE falló | …".
bool S3DeleteObject(const TAwsCreds& creds, const std::string& key);

/// One page of the keys under prefix (empty: all), starting at continuationToken (empty:
/// the first page). nextToken receives the token of the following page, "" when this is
/// the last. On failure: no keys, nextToken "", last error "S3 LIST falló | …".
/// Callers page with the previous token until it comes back empty or a page has no keys.
std::vector<std::string> S3ListObjects(const TAwsCreds& creds, const std::string& prefix,
                                       const std::string& continuationToken,
                                       std::string& nextToken);

/// A presigned address for method on the key, valid for lifetimeSeconds. Sends nothing.
std::string S3PresignUrl(const TAwsCreds& creds, const std::string& method, const std::string& key,
                         long long lifetimeSeconds);
/// S3PresignUrl with method GET.
std::string S3PresignedGetUrl(const TAwsCreds& creds, const std::string& key,
                              long long lifetimeSeconds);

/// The object's plain address, without signature.
std::string S3ObjectUrl(const TAwsCreds& creds, const std::string& key);

/// The text of the last failed request ("" after a call that succeeded). Shared by all
/// operations; only meaningful right after the call that set it.
std::string S3LastError();

/// Sets the last error: leading, then " | " and "HTTP <status> <status text>" followed by
/// " - <Message of the body>" when the body has one. Without a response, leading alone.
void SetS3Error(const std::string& leading, const S3HttpResponse* response);

/// Content type by the file's extension (case ignored): .jpg/.jpeg image/jpeg, .png
/// image/png, .gif image/gif, .pdf application/pdf, .txt text/plain, any other
/// application/octet-stream.
std::string ContentTypeForFile(const std::string& path);

} // namespace orva::exchange
