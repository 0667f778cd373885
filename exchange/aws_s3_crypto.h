#pragma once
// SHA-256 and HMAC-SHA256 for request signing. Digests are raw bytes in a std::string
// unless the name says Hex (two lower-case digits per byte).
#include <cstdio>
#include <string>
#include <string_view>

namespace orva::exchange {

/// SHA-256 of bytes, raw (32 bytes).
std::string Sha256(std::string_view bytes);
/// SHA-256 of bytes as 64 lower-case hex digits.
std::string Sha256Hex(std::string_view bytes);
/// SHA-256 of a whole open file as lower-case hex: read from its start in blocks of
/// 65,536 bytes until a read gives nothing; the file's position is restored afterwards.
/// Raises AwsS3Error when the file cannot be read.
std::string Sha256FileHex(std::FILE* file);
/// RFC 2104 HMAC over SHA-256 with a 64-byte block; raw result (32 bytes).
std::string HmacSha256(std::string_view key, std::string_view message);
/// Two lower-case hex digits per byte.
std::string BytesToHex(std::string_view bytes);

} // namespace orva::exchange
