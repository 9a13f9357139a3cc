#pragma once
// Codes of the keys that the window's key-down handlers look at.

#include <cstdint>

namespace vantrel {

inline constexpr std::int16_t kKeyEnter = 13;
inline constexpr std::int16_t kKeyLeft = 37;
inline constexpr std::int16_t kKeyUp = 38;
inline constexpr std::int16_t kKeyRight = 39;
inline constexpr std::int16_t kKeyDown = 40;

}  // namespace vantrel
