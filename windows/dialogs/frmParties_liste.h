#pragma once
// The design-time items of the predefined-games list.
#include <array>

namespace liste_parties {
extern const std::array<const char*, 600> combinaisons;
} // namespace liste_parties
