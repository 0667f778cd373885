#pragma once
// Row colours of the grids by level, shared by every window (Arial, 12 pixels).
// Values are 0xRRGGBB; data/ links no GUI module, so windows turn them into QColor.
#include <cstdint>

namespace orva::data::estilos {

inline constexpr const char* fuente = "Arial";
inline constexpr int fuentePixeles = 12;

inline constexpr std::uint32_t cxstylNiv0 = 0xBAC6FE;
inline constexpr std::uint32_t cxstylNiv1 = 0xBAE7FE;
inline constexpr std::uint32_t cxstylNiv2 = 0xBBFDD7;
inline constexpr std::uint32_t cxstylNiv3 = 0xC9FEBA;
inline constexpr std::uint32_t cxstylNiv4 = 0xF4FDBB;
inline constexpr std::uint32_t cxstylNiv5 = 0xFEE1BA;
inline constexpr std::uint32_t cxNormal = 0xFFFFFF;

/// Background of a row of the given level (0…5); levels beyond 5 take level 5's.
constexpr std::uint32_t colorNivel(int nivel) {
    constexpr std::uint32_t niveles[] = {cxstylNiv0, cxstylNiv1, cxstylNiv2,
                                         cxstylNiv3, cxstylNiv4, cxstylNiv5};
    return nivel < 0 ? cxNormal : niveles[nivel > 5 ? 5 : nivel];
}

} // namespace orva::data::estilos
