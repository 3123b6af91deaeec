#pragma once
// The help window's pages, one per input group of the main window.

namespace korvane {

enum class HelpTopic {
    kDeck = 1,    // デッキ種類: the picture of the chosen deck family
    kSpan,        // スパン: span and shoring
    kBeamAndWork, // 支持梁/施工状況: supporting beam and increase-factor class
    kConcrete,    // コンクリート: concrete kind and slab thickness
    kLoads,       // 荷　重: work load and other loads
};

} // namespace korvane
