#include "core/DeckChoice.h"

#include <cmath>

namespace korvane {

const char *CheckKey(CheckName check) {
    switch (check) {
    case CheckName::ribBearing:
        return "ribBearing";
    case CheckName::bending:
        return "bending";
    case CheckName::deflection:
        return "deflection";
    case CheckName::maxSpan:
        return "maxSpan";
    }
    return "";
}

const char *CheckMark(CheckName check) {
    switch (check) {
    case CheckName::ribBearing:
        return "支圧";
    case CheckName::bending:
        return "曲げ";
    case CheckName::deflection:
        return "たわみ";
    case CheckName::maxSpan:
        return "最大スパン";
    }
    return "";
}

const CheckVerdict &VerdictOf(const CheckVerdicts &verdicts, CheckName check) {
    switch (check) {
    case CheckName::ribBearing:
        return verdicts.ribBearing;
    case CheckName::bending:
        return verdicts.bending;
    case CheckName::deflection:
        return verdicts.deflection;
    case CheckName::maxSpan:
        break;
    }
    return verdicts.maxSpan;
}

std::optional<CheckName> FirstFailingCheck(const CheckVerdicts &verdicts) {
    for (const CheckName check : kChecksInSheetOrder) {
        const CheckVerdict &verdict = VerdictOf(verdicts, check);
        if (verdict.applies && !verdict.passes)
            return check;
    }
    return std::nullopt;
}

bool EveryCheckPasses(const CheckVerdicts &verdicts) {
    return !FirstFailingCheck(verdicts);
}

DesignCase CaseWithDeck(const DesignCase &conditions, const OfferedDeck &deck) {
    DesignCase record = conditions;
    record.deckFamily = deck.family;
    record.deckModel = deck.model;
    record.thicknessCode = deck.thicknessCode;
    double weight = 0;
    if (record.coatingCode != code::kCoatingOther && LookupDeckWeight(record, weight))
        record.unitWeight = static_cast<std::int32_t>(std::trunc(weight));
    return record;
}

OfferedDeck DeckOf(const DesignCase &record) {
    return {record.deckFamily, record.deckModel, record.thicknessCode};
}

} // namespace korvane
