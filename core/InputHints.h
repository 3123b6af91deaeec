#pragma once
// The hints of the main window's controls, by role: "short|long" (a hint without a bar is
// both). The long part is the hint line's text while the mouse rests on the control; the
// short part its pop-up tip when it has one. A control without a hint shows its band's.

#include <array>
#include <string_view>

namespace korvane::hint {

struct ControlHint {
    std::string_view role;
    std::string_view text;
    bool withTip;
};

inline constexpr auto kMainWindowHints = std::to_array<ControlHint>({
    {"deckBand", "デッキプレートの選択|使用するデッキを選択してください。", true},
    {"family", "デッキ種類|使用するフラットデッキ種類を選択してください。", true},
    {"model", "デッキプレート種類|使用するフラットデッキを選択してください。", true},
    {"thickness", "デッキ板厚|使用するフラットデッキの板厚を選択します。", true},
    {"coating", "デッキの表面処理材料を指定して下さい。", true},
    {"span", "スパン| 梁フランジの内側の距離を入力します。", false},
    {"spanArrows", "スパン| 梁フランジの内側の距離を入力します。", true},
    {"shoringNone", "支保工の有無", true},
    {"shoringOneRow", "支保工の有無|スパンを1/2として検討します。", true},
    {"shoringTwoRows", "支保工の有無|スパンを1/3として検討します。", true},
    {"beamBand", "支持梁・施工状況", true},
    {"steelBeam", "施工割増係数|鉄骨造の場合、考慮しません。", true},
    {"rcBeam", "施工割増係数|梁がRC／SRC造の場合に設定して下さい。詳細は「HELP」を参照下さい。",
     true},
    {"concreteBand", "コンクリート|使用するコンクリートとデッキ山上のスラブ厚さを設定します。",
     true},
    {"concreteKind", "コンクリート種類|使用するコンクリートの種類", true},
    {"slabThickness",
     "コンクリート厚|デッキ山上のスラブ厚さを設定します。120mm以上を入力して下さい。", true},
    {"loadsBand", "荷重の入力値はすべて、下１桁はまるめた値で計算されます。", true},
    {"standardWorkLoad", "施工時荷重|施工時荷重", true},
    {"otherWorkLoad", "施工時荷重|数値で設定。", true},
    {"workLoad", "作業荷重|直接数値で設定して下さい。", true},
    {"otherLoadGroup", "施工時/その他|荷重の入力値はすべて、下１桁はまるめた値で計算されます。",
     true},
    {"otherLoad", "その他の荷重|等分布荷重です。集中荷重は別途の計算が必要です。", true},
    {"calculate", "計算|左記条件で計算を行い、結果を表示します。", false},
    {"open", "Open|保存データを読み込みます。", false},
    {"save", "Save|設定条件を保存します。", false},
    {"spanTable",
     "最大スパン表|左記の荷重・コンクリート条件で、各デッキの最大スパンを一覧にします。", false},
    {"end", "Ｅｎｄ|Korvane for Win を終了します。", false},
    {"comparison", "デッキ比較|左記条件で全デッキを計算し、検定比と必要な支保工を比較します。",
     false},
    {"help", "詳細ヘルプ|より詳細なヘルプ画面を表示します。", false},
    {"summary",
     "Korvane for Win "
     "について|プログラムで使用される評価方法、制限値や記号についての説明を表示します。",
     false},
});

// The long part: after the first bar, or the whole hint.
constexpr std::string_view LongPart(std::string_view text) {
    const auto bar = text.find('|');
    return bar == std::string_view::npos ? text : text.substr(bar + 1);
}

// The short part: before the first bar, or the whole hint.
constexpr std::string_view ShortPart(std::string_view text) {
    return text.substr(0, text.find('|'));
}

} // namespace korvane::hint
