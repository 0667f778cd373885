#pragma once
// The error the object storage client raises when a request cannot be made at all: the
// service is out of reach, the local file cannot be read or written, the configured
// address is not usable. A request the service answers and rejects is not raised; it
// leaves its text in S3LastError() instead.
#include <stdexcept>
#include <string>

namespace orva::exchange {

/// Carries the Spanish text for the user (UTF-8) in what().
class AwsS3Error : public std::runtime_error {
public:
    explicit AwsS3Error(const std::string& message) : std::runtime_error(message) {}
};

} // namespace orva::exchange
