#pragma once
// The JSON keys that name a deck and its shoring, written once for every output of
// korvane-calc that carries them: the case's record and the deck-choice tables' lines.

#include "sheet/JsonWriter.h"

namespace korvane::json_key {

inline constexpr JsonName kDeckFamily = "deckFamily";
inline constexpr JsonName kDeckModel = "deckModel";
inline constexpr JsonName kThicknessCode = "thicknessCode";
inline constexpr JsonName kDeckLabel = "deckLabel";
inline constexpr JsonName kShoringCode = "shoringCode";
inline constexpr JsonName kMaxSpan = "maxSpan";

} // namespace korvane::json_key
