#pragma once
// The ranges the calculation accepts and the loads it assumes, each written once: the
// pre-check, the input fields' rules, their hints and messages and the deck-choice tables
// all take their figures from here.

namespace korvane::limit {

// Spans, mm: from the smallest up to the largest calculable span of the deck; PX75Vα, with
// its allowable-stress design, reaches further.
inline constexpr int kSmallestSpan = 1000;
inline constexpr int kLargestSpan = 4900;
inline constexpr int kLargestSpanPx75Valpha = 5700;

// Concrete (slab) thickness, mm.
inline constexpr int kThinnestSlab = 120;
inline constexpr int kThickestSlab = 800;

// The standard work load, N/m²: the first work-load option and the least a typed one needs.
inline constexpr int kStandardWorkLoad = 1470;

// A deck's own unit weight ("他"), N/m²: anything above is a typing slip, not a deck.
inline constexpr int kHeaviestUnitWeight = 99999;

} // namespace korvane::limit
