#pragma once
// The main window's inputs as plain data: the options chosen, the items and positions of the
// three deck lists, the texts of the five number fields, the flags and hints that change.
// The rules that move a design case into the inputs (ShowCase) and back (ReadCase), the deck
// selection, the leave checks of the number fields and the pre-check of the calculate command
// live here, so that the window and korvane-calc follow the very same rules. The window
// copies this state into its widgets after every action and forwards user actions to it.

#include "core/Catalogue.h"
#include "core/DeckChoice.h"
#include "core/DesignCase.h"
#include "core/InputField.h"
#include "core/PreCheck.h"
#include "core/PrintSettings.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// Arrow bounds and step of a field with arrows; the leave check uses the same bounds.
struct FieldBounds {
    int lower = 0;
    int upper = 0;
    int step = 1;
};
FieldBounds BoundsOf(InputField field);

// What an action asks of the window beyond copying the state: a message to show (first)
// and a field to give the focus to.
struct FormReaction {
    std::optional<std::string> message;
    std::optional<InputField> focus;
};

// The notice shown when a case of the oldest format with the second model is opened.
inline constexpr const char *kImprovedSectionNotice =
    "デッキの断面形状改良により、以前と重量が異なります。\nご了解下さい。";

class InputForm {
public:
    // The inputs as the window is built, before its first filling.
    InputForm();

    // ---- State ----
    bool RidgeFamily() const { return m_ridge; }
    const std::vector<std::string> &ModelItems() const { return m_modelItems; }
    int ModelPosition() const { return m_modelPosition; }
    const std::vector<std::string> &ThicknessItems() const { return m_thicknessItems; }
    int ThicknessPosition() const { return m_thicknessPosition; }
    static const std::vector<std::string> &CoatingItems();
    int CoatingPosition() const { return m_coatingPosition; } // -1: none chosen
    int ShoringCode() const { return m_shoring; }
    int AlphaClass() const { return m_alphaClass; }
    int ConcreteKind() const { return m_concreteKind; }
    bool OtherWorkLoad() const { return m_otherWorkLoad; }
    // The field's text; for the work load the four positions of its mask, blanks unfilled.
    const std::string &Text(InputField field) const;
    bool WorkLoadFieldEnabled() const { return m_otherWorkLoad; }
    bool AllowableStressShown() const;
    const std::string &UnitWeightHint() const { return m_unitWeightHint; }
    // Whether keys typed into the unit weight field get through (coating "他" only).
    bool UnitWeightEditable() const;
    // The span field's hint for the chosen deck.
    std::string SpanHint() const;
    // Print values that opening a case gives: title, page text, known position code.
    const PrintSettings &Print() const { return m_print; }

    // ---- User actions ----
    // Choosing the family that is chosen already does nothing.
    FormReaction ChooseFamily(bool ridge);
    FormReaction ChooseModel(int position);
    FormReaction ChooseThickness(int position);
    FormReaction ChooseCoating(int position);
    void ChooseShoring(int shoringCode);
    void ChooseAlphaClass(int alphaClass);
    void ChooseConcreteKind(int concreteKind);
    // "その他" (true) enables the work-load field and focuses it; "1470" disables it.
    FormReaction ChooseOtherWorkLoad(bool other);
    // A deck taken from a deck-choice table: family, model and thickness chosen as by hand,
    // then the shoring and the span when given. With "他" the entered unit weight stays, as
    // the table used it for every deck. Returns the first reaction that asks for something.
    FormReaction TakeDeck(const TakenDeck &taken);
    FormReaction TakeDeck(const OfferedDeck &deck, std::optional<int> shoringCode = std::nullopt,
                          std::optional<int> span = std::nullopt) {
        return TakeDeck(TakenDeck{deck, shoringCode, span});
    }
    // The user's text in a field (typed, pasted, stepped by arrows).
    void SetText(InputField field, std::string text);
    // The leave check of the span, slab thickness and other load fields.
    FormReaction LeaveField(InputField field);
    // Whether a character typed into the slab thickness or other load field gets through.
    static bool AcceptsTypedCharacter(InputField field, char32_t typed);

    // ---- The case ----
    // Puts a design case into the inputs, as opening a file or the first filling does.
    // Returns the notices to show, in order.
    std::vector<std::string> ShowCase(const DesignCase &record);
    // Puts a case read from a data file into the inputs as the open command does: PX100
    // with the discontinued coating K35 loses its coating first. Returns the notices to
    // show, in order.
    std::vector<std::string> OpenCase(DesignCase record);
    // The inputs as a fresh design case.
    DesignCase ReadCase() const;
    // The pre-check of the calculate command on the inputs: the first failing check. Throws
    // ConversionError when "その他" is chosen and the work-load text is neither blank nor a
    // whole number (an entry of one to three digits in its four positions).
    std::optional<PreCheckFailure> PreCheck() const;
    // The pre-check of the conditions a deck-choice table is made for: the same checks, in the
    // same order, but the span field's are left out (the table chooses the span).
    std::optional<PreCheckFailure> PreCheckConditions() const;
    // Writes a failure's corrected text into its field, as the pre-check does.
    void ApplyCorrection(const PreCheckFailure &failure);

private:
    // The deck and coating the lists show, as the codes of a design case.
    struct DeckCodes {
        int family;
        int model;
        int thicknessCode;
        int coatingCode;
    };
    DeckCodes ReadDeck() const;
    void RefillLists(bool ridge);
    FormReaction CoatingUpdate();
    std::string &TextOf(InputField field);

    bool m_ridge = true;
    std::vector<std::string> m_modelItems;
    int m_modelPosition = 0;
    std::vector<std::string> m_thicknessItems;
    int m_thicknessPosition = -1;
    int m_coatingPosition = 0;
    int m_shoring = code::kShoringNone;
    int m_alphaClass = code::kClassSteel;
    int m_concreteKind = code::kConcreteNormal;
    bool m_otherWorkLoad = false;
    std::string m_unitWeight;
    std::string m_span = "2500";
    std::string m_slab = "130";
    std::string m_workLoad = "2450";
    std::string m_otherLoad = "0";
    std::string m_unitWeightHint = "選択デッキの重量です";
    // The catalogue weight of the deck last chosen with a catalogue coating; "他" keeps it.
    double m_catalogueWeight = 124.0;
    PrintSettings m_print;
};

// The four positions of the work-load field's mask holding a text: its first four
// characters, unfilled positions as blanks.
std::string WorkLoadMaskText(std::string_view text);

} // namespace korvane
