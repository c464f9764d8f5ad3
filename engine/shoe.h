#pragma once

#include <cstdint>

// The shoe every system counts: eight standard decks. Everything else about its size derives from here.
namespace shoewise::shoe {

inline constexpr std::int32_t DeckCount = 8;
inline constexpr std::int32_t CardsPerDeck = 52;
inline constexpr std::int32_t AcesPerDeck = 4;

inline constexpr std::int32_t Cards = DeckCount * CardsPerDeck;
inline constexpr std::int32_t Aces = DeckCount * AcesPerDeck;

}  // namespace shoewise::shoe
