#!/usr/bin/env python3
"""Writes assets/load_data/Summary.rtf, the text of the summary window.

The text below is in a small markup: "# " a heading, "## " a sub-heading, "- " a bullet,
"  " (two spaces) an indented line, any other line a paragraph; a line ending in a
backslash goes on in the next line. Inside a line "**...**" is bold, "_{..}" a subscript
and "^{..}" a superscript. Every character outside ASCII is written as an RTF Unicode
escape, so the file is plain ASCII.
"""

import os
import re
import sys

TEXT = r"""
# Korvane for Win について

本プログラムは、床型枠として使用するフラットデッキ（PXデッキ・PXリッジデッキ）の**施工時**の検討を行います。「床\
型枠用鋼製デッキプレート設計･施工指針」に準拠し、デッキを梁フランジの間に架かる幅 1 m の単純梁として、生コンクリー\
ト・デッキ自重・作業荷重を受けるときの曲げ応力度、たわみ、デッキリブの支圧荷重、最大スパンを検討します。コンクリート硬化\
後の床スラブとしての検討は行いません。

「計　算」を押すと、入力値の確認のあと計算を行い、計算式・途中の値・判定（【 O.K.】または【不 可】）を記した計算書を表示します。計算書は印刷できます。

# 1. 入力値と計算できる範囲

- スパン Ｌ（梁フランジの内側の距離）：1000 ～ 4900 mm（PX75Vα は 5700 mm まで）
- コンクリート厚さ Ｓ（デッキ山上のスラブ厚さ）：120 ～ 800 mm
- 表面処理「他」のときのデッキ単位重量：1 ～ 99999 N/㎡
- 作業荷重：標準は 1470 N/㎡。「その他」を選んだときは 0 以外の値を入力します。
- その他荷重：等分布荷重として作業荷重に加えます（0 は無し）。集中荷重は別途の計算が必要です。

範囲外の値で「計　算」を押すと、メッセージを表示してその入力欄を選択します（スパン・コンクリート厚さ・作業荷重の欄には計\
算できる値を入れます）。このとき計算は行いませんので、値を確かめてもう一度「計　算」を押して下さい。

# 2. 施工時荷重

- 生コンクリートの重量：ρ × Ｓ（N/㎡）。ρ はコンクリートの単位体積重量で、普通 24 kN/m^{3}、軽量１\
種 20 kN/m^{3}、軽量２種 18 kN/m^{3}。
- 固定荷重：Ｗ_{DL} ＝ ρ × Ｓ ＋ デッキの単位重量
- 作業荷重：Ｗ_{WL} ＝ 作業荷重 ＋ その他荷重
- 全荷重：Ｗ_{TL} ＝ Ｗ_{DL} ＋ Ｗ_{WL}

デッキの単位重量は、デッキ名称・板厚・表面処理から決まる値を用います。表面処理「他」のときは入力した値を用います。

支保工を使うとスパンが区切られ、検討に用いるスパン Ｌw は次のとおりです（Ｌ/2、Ｌ/3 は 0.01 mm 単位に切り上げ）。

- 支保工 無し：Ｌw ＝ Ｌ
- 支保工 有り-１本：Ｌw ＝ Ｌ/2
- 支保工 有り-２本：Ｌw ＝ Ｌ/3

# 3. 検討項目と判定

計算書では、該当する検討に 1) から順に番号を付けます。値が制限値と等しい場合は「≦」で O.K.、超える場合は「＞」で不可です。

## デッキリブの支圧荷重（支保工有りのとき）

  Ｐ ＝ Ｗ_{TL}･Ｌw  ≦  デッキリブの許容支圧荷重（N/m）

Ｐ は有効数字５桁に切り上げて比較します。

## 正曲げ応力度

  Ｍ ＝ Ｗ_{TL}･Ｌw^{2} / 8　　σ ＝ Ｍ / Ｚt  ≦  許容曲げ応力度

σ は 0.01 N/mm^{2} 単位に切り上げて比較します。許容曲げ応力度は次のとおりです。

- Ｓ造：fb（板厚 0.7 mm の PXリッジデッキは fb/β）
- RC造･SRC造：fb/α（板厚 0.7 mm の PXリッジデッキは fb/(α×β)）。有効数字４桁に切り上げま\
す（例 235/1.5 ＝ 156.666… → 156.7 N/mm^{2}）。
- fb：PX75・PX75V・PX100 は 205 N/mm^{2}、PX75Vα と PXリッジデッキは 235 N/mm^{2}

## たわみ

  δmax ＝ Ｃ･5Ｗ_{TL}･Ｌw^{4} / (384Ｅ･Ｉ)  ≦  Ｌw/180 ＋ 5 mm

Ｅ ＝ 2.05×10^{5} N/mm^{2}。Ｃ はデッキごとのたわみの係数で、PXデッキは 1.6、PXリッジデッ\
キは Ｓ造で 1.2 ～ 1.5（デッキと板厚による）、RC造･SRC造で 1.5 です。比較はまるめない値で行い、計算\
書には δmax と制限値を 0.01 mm 未満切り捨てで表示します。

## 板厚 0.7 mm デッキの最大スパン（PXリッジデッキ 0.7 mm のとき）

  Ｌw  ≦  Lmax

Lmax：PX75LA・PX75LB は Ｓ造 2420 mm、RC造･SRC造 2050 mm。PX100L は Ｓ造\
 3360 mm、RC造･SRC造 3290 mm。支保工で区切ったスパン Ｌw と比べます。

## 判定のメッセージ

全ての検討が O.K. のときは「全てクリアしています。」、不可の検討があるときはその名称（正曲げ応力度、たわみ、支圧荷重、スパン の順）を挙げて設定の変更を促します。

# 4. 記号

- Ｌ：スパン（梁フランジの内側の距離）　Ｌw：検討に用いるスパン
- Ｓ：デッキ山上のコンクリート厚さ　ρ：コンクリートの単位体積重量
- t：デッキの板厚　H：デッキの高さ
- Ｗ_{DL}：固定荷重　Ｗ_{WL}：作業荷重＋その他荷重　Ｗ_{TL}：全荷重
- Ｍ：曲げモーメント（kN･m/m）　σ：正曲げ応力度（N/mm^{2}）
- Ｚt：断面係数（10^{3} mm^{3}/m）　Ｉ：断面二次モーメント（10^{4} mm^{4}/m）
- Ｅ：ヤング係数　Ｃ：たわみの係数　δmax：最大たわみ（mm）
- fb：許容曲げ応力度の基本値　α：施工割増係数　β：低減係数
- Ｐ：デッキリブの支圧荷重（N/m）　Lmax：板厚 0.7 mm デッキの最大スパン

# 5. 施工割増係数 α

支持梁が鉄骨造（Ｓ造）のときは α を考慮しません。RC造・SRC造の梁では、指針の区分により Ⅰ類 α ＝ 1.0、Ⅱ\
類 α ＝ 1.25、Ⅲ類 α ＝ 1.5 を選びます。Ⅱ類は板厚 1.0・1.2 mm、Ⅲ類は板厚 0.8 mm が指\
針の適用範囲で、それ以外の組合せも計算しますが、計算書に適用外の組合せである旨を注記します。

# 6. 計算書の注記

- PX100（H100タイプ）は指針の適用外ですが、準拠して計算します。
- PX75Vα は許容応力度と断面性能値が他のデッキと異なります。
- コンクリート厚さ Ｓ が 300 mm を超える場合は標準仕様の範囲外です。計算結果が O.K. の場合も別途ご相談下さい。
- スパン Ｌ が 3000 mm を超える場合は、判定にかかわらず梁の構造上、中間支保工が必要となる場合があります。

# 7. 数値のまるめ

計算は倍精度の実数で行います。計算書の数値は、応力度を 0.01 N/mm^{2} 単位に切り上げ、作業荷重と計算式中の\
全荷重・支圧荷重を 1 N 単位に切り上げ、コンクリートの単位体積重量とデッキ重量を有効数字３桁（断面性能欄のデッキ重量\
は４桁）に四捨五入して表示します。たわみは 0.01 mm 未満を切り捨て、0.001 mm 未満は「≒ 0」と表示しま\
す。

# 8. データの保存と印刷

入力した条件は「データ保存」でデータファイル（*.fdt）に保存し、「データ読込」で読み込めます。以前の版のデータファイ\
ルも読み込めます。印刷時には件名とページ番号を設定できます。
"""

NAVY = (0, 0, 128)
CRIMSON = (204, 0, 68)


def escape_text(s):
    out = []
    for ch in s:
        code = ord(ch)
        if ch in "\\{}":
            out.append("\\" + ch)
        elif code < 0x80:
            out.append(ch)
        elif code < 0x10000:
            signed = code if code < 0x8000 else code - 0x10000
            out.append(f"\\u{signed}?")
        else:
            code -= 0x10000
            for unit in (0xD800 + (code >> 10), 0xDC00 + (code & 0x3FF)):
                out.append(f"\\u{unit - 0x10000}?")
    return "".join(out)


INLINE = re.compile(r"\*\*(.+?)\*\*|_\{(.+?)\}|\^\{(.+?)\}")


def inline(s):
    out = []
    pos = 0
    for m in INLINE.finditer(s):
        out.append(escape_text(s[pos:m.start()]))
        if m.group(1) is not None:
            out.append("{\\b " + escape_text(m.group(1)) + "}")
        elif m.group(2) is not None:
            out.append("{\\sub " + escape_text(m.group(2)) + "}")
        else:
            out.append("{\\super " + escape_text(m.group(3)) + "}")
        pos = m.end()
    out.append(escape_text(s[pos:]))
    return "".join(out)


def paragraphs(text):
    body = []
    text = text.strip("\n").replace("\\\n", "")
    for line in text.split("\n"):
        if not line.strip():
            continue
        if line.startswith("# "):
            body.append("\\pard\\sb240\\sa120\\cf1\\b\\fs26 " + inline(line[2:]) +
                        "\\b0\\cf0\\fs21\\par")
        elif line.startswith("## "):
            body.append("\\pard\\sb160\\sa60\\cf2\\b " + inline(line[3:]) + "\\b0\\cf0\\par")
        elif line.startswith("- "):
            body.append("\\pard\\li360\\fi-240\\sa40 " + escape_text("・") + inline(line[2:]) +
                        "\\par")
        elif line.startswith("  "):
            body.append("\\pard\\li480\\sb60\\sa60 " + inline(line.strip()) + "\\par")
        else:
            body.append("\\pard\\fi210\\sa80 " + inline(line) + "\\par")
    return body


def document(text):
    header = [
        "{\\rtf1\\ansi\\ansicpg932\\deff0\\uc1",
        "{\\fonttbl{\\f0\\fnil\\fcharset128 " + escape_text("ＭＳ Ｐゴシック") + ";}}",
        "{\\colortbl;\\red%d\\green%d\\blue%d;\\red%d\\green%d\\blue%d;}" % (NAVY + CRIMSON),
        "{\\*\\generator korvane write_summary_rtf.py;}",
        "\\viewkind4\\pard\\f0\\fs21",
    ]
    return "\r\n".join(header + paragraphs(text) + ["}"]) + "\r\n"


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "assets", "load_data", "Summary.rtf")
    with open(out, "w", encoding="ascii", newline="") as f:
        f.write(document(TEXT))


if __name__ == "__main__":
    main()
