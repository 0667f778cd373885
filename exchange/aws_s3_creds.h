#pragma once
// Credentials and target bucket of the object storage, and where they are found.
// Texts are UTF-8, paths included.
#include <string>
#include <vector>

namespace orva::exchange {

/// Credentials and bucket. The caller owns the record (a local variable of the handler)
/// and fills it with LoadAwsCreds before each action; nothing caches it.
struct TAwsCreds {
    std::string AccessKey; ///< access key id; part of every signature's credential scope
    std::string SecretKey; ///< only used to derive the signing key, never sent
    std::string Region;    ///< part of the endpoint host and of the credential scope
    std::string Bucket;    ///< first label of the endpoint host
    /// Public domain of the storage provider for the host <bucket>.s3.<region>.<domain>;
    /// empty means "amazonaws.com".
    std::string Domain;
    /// For providers and on-premises servers reached by address: "scheme://host[:port]".
    /// When set, requests go there with the bucket as the first path segment
    /// (path-style) and Domain is not used.
    std::string Endpoint;
};

/// Clears every field, then, only when the file exists, reads section [aws]: keys
/// access_key, secret_key, region, bucket, domain and endpoint (a missing key reads as
/// empty text). Section and key names match without regard to case.
void ReadAwsIni(const std::string& path, TAwsCreds& creds);

/// The aws.ini files LoadAwsCreds tries, in order: the one named when the program was
/// built (if any), the one next to the running executable, "Salida/aws.ini" under the
/// user's documents folder and "Salida/aws.ini" under the user's configuration folder
/// (on Windows, the Documents and roaming application data folders).
std::vector<std::string> AwsCredentialFiles();

/// Reads the files of AwsCredentialFiles() in order and stops at the first that gives an
/// access key. When none does, all fields come from the environment variables
/// AWS_ACCESS_KEY_ID, AWS_SECRET_ACCESS_KEY, AWS_REGION and AWS_BUCKET (unset: empty).
/// Fields may be empty: callers check what they need.
void LoadAwsCreds(TAwsCreds& creds);

} // namespace orva::exchange
