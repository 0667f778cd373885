#pragma once
// Scrambling of the connection file ovra.ds. The file holds accounts and passwords, so
// it is never kept in plain text beside the program: each byte is combined (XOR) with
// the next draw of a pseudo-random generator started from a fixed seed. The same
// operation scrambles and unscrambles, so every reader and writer must use the same
// generator and seed (those below); a file made with another pair cannot be read.
//
// This keeps the passwords from casual reading; it is not encryption against someone
// who has this program.
#include <QString>
#include <cstdint>

namespace orva::app {

/// The seed every reader and writer of ovra.ds uses ("Orva" in ASCII).
inline constexpr std::uint32_t kSemillaConexiones = 0x4F727661u;

/// The generator of the scrambling: Park and Miller's "minimal standard" (Lehmer)
/// generator with multiplier 48271 and modulus 2^31 - 1. The state starts as the seed
/// reduced modulo 2^31 - 1 (0 becomes 1); each draw advances the state and gives its top
/// eight bits (bits 23 to 30), an integer from 0 to 255.
class GeneradorCifrado {
public:
    explicit GeneradorCifrado(std::uint32_t semilla);
    std::uint8_t siguiente();

private:
    std::uint32_t estado_;
};

enum class ModoCifrado {
    Crear,       ///< the destination is created (emptied when it exists); the source is
                 ///< deleted afterwards
    Sobrescribir ///< the destination must exist; it is written from its first byte and not
                 ///< shortened; the source stays
};

/// Scrambles (or unscrambles) `origen` into `destino` in blocks of 4096 bytes. Files it
/// creates are readable and writable by the owner only. Throws data::Exception with a
/// Spanish text when a file cannot be opened, read, written or deleted.
void CifrarArchivo(const QString& origen, const QString& destino, std::uint32_t semilla,
                   ModoCifrado modo);

} // namespace orva::app
