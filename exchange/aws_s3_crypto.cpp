#include "exchange/aws_s3_crypto.h"

#include "exchange/aws_s3_error.h"

#include <openssl/evp.h>

#include <array>
#include <memory>
#include <vector>

namespace orva::exchange {

namespace {

constexpr std::size_t kHmacBlock = 64;
constexpr std::size_t kFileBlock = 65536;

struct DigestContextFree {
    void operator()(EVP_MD_CTX* context) const { EVP_MD_CTX_free(context); }
};
using DigestContext = std::unique_ptr<EVP_MD_CTX, DigestContextFree>;

/// An incremental SHA-256.
class Sha256Stream {
public:
    Sha256Stream() : context_(EVP_MD_CTX_new()) {
        if (!context_ || EVP_DigestInit_ex(context_.get(), EVP_sha256(), nullptr) != 1)
            throw AwsS3Error("No se pudo preparar el cálculo SHA-256.");
    }
    void add(const void* data, std::size_t size) {
        if (size > 0 && EVP_DigestUpdate(context_.get(), data, size) != 1)
            throw AwsS3Error("Falló el cálculo SHA-256.");
    }
    std::string finish() {
        std::array<unsigned char, EVP_MAX_MD_SIZE> digest{};
        unsigned int length = 0;
        if (EVP_DigestFinal_ex(context_.get(), digest.data(), &length) != 1)
            throw AwsS3Error("Falló el cálculo SHA-256.");
        return std::string(reinterpret_cast<const char*>(digest.data()), length);
    }

private:
    DigestContext context_;
};

} // namespace

std::string Sha256(std::string_view bytes) {
    Sha256Stream stream;
    stream.add(bytes.data(), bytes.size());
    return stream.finish();
}

std::string Sha256Hex(std::string_view bytes) {
    return BytesToHex(Sha256(bytes));
}

std::string Sha256FileHex(std::FILE* file) {
    const auto failed = [] {
        return AwsS3Error("No se pudo leer el archivo para calcular su huella SHA-256.");
    };
    std::fpos_t previous;
    if (std::fgetpos(file, &previous) != 0)
        throw failed();
    std::rewind(file);
    Sha256Stream stream;
    std::vector<char> block(kFileBlock);
    for (;;) {
        const std::size_t got = std::fread(block.data(), 1, block.size(), file);
        if (got == 0)
            break;
        stream.add(block.data(), got);
    }
    const bool readError = std::ferror(file) != 0;
    std::clearerr(file);
    if (std::fsetpos(file, &previous) != 0 || readError)
        throw failed();
    return BytesToHex(stream.finish());
}

std::string HmacSha256(std::string_view key, std::string_view message) {
    std::string block(key);
    if (block.size() > kHmacBlock)
        block = Sha256(block);
    block.resize(kHmacBlock, '\0');

    std::string innerPad(kHmacBlock, '\0');
    std::string outerPad(kHmacBlock, '\0');
    for (std::size_t i = 0; i < kHmacBlock; ++i) {
        innerPad[i] = static_cast<char>(block[i] ^ 0x36);
        outerPad[i] = static_cast<char>(block[i] ^ 0x5c);
    }
    Sha256Stream inner;
    inner.add(innerPad.data(), innerPad.size());
    inner.add(message.data(), message.size());
    Sha256Stream outer;
    outer.add(outerPad.data(), outerPad.size());
    const std::string innerDigest = inner.finish();
    outer.add(innerDigest.data(), innerDigest.size());
    return outer.finish();
}

std::string BytesToHex(std::string_view bytes) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        hex += digits[byte >> 4];
        hex += digits[byte & 0x0f];
    }
    return hex;
}

} // namespace orva::exchange
