#pragma once
// The JSON keys that name a deck and its shoring, written once for every output of
// korvane-calc that carries them: the case's record and the deck-choice tables' lines.

namespace korvane::json_key {

inline constexpr const char *kDeckFamily = "deckFamily";
inline constexpr const char *kDeckModel = "deckModel";
inline constexpr const char *kThicknessCode = "thicknessCode";
inline constexpr const char *kDeckLabel = "deckLabel";
inline constexpr const char *kShoringCode = "shoringCode";
inline constexpr const char *kMaxSpan = "maxSpan";

} // namespace korvane::json_key
