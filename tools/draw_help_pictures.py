#!/usr/bin/env python3
"""Draws the help pictures of the help window as SVG files.

Writes assets/pictures/KR_tag0.svg ... KR_tag5.svg and KR_tag1_2.svg. The pictures are
then turned into the enhanced metafiles that the program loads by svg_to_emf.sh.

The metafile converter that the program uses closes every path when it ends, so every open
line here is drawn as separate two-point segments (with round caps, so that corners stay
closed), dashes are drawn as separate segments and areas are plain fills.
"""

import math
import os
import sys
from xml.sax.saxutils import escape

WIDTH = 437
FONT = "IPAPGothic"
NAVY = "#000080"
CRIMSON = "#cc0044"
BLUE_BAND = "#003d97"
STEEL = "#2f4f7f"
DECK = "#1f5fbf"
CONCRETE = "#dcdcdc"
CONCRETE_DOT = "#9a9a9a"
GREY = "#606060"
SHORE = "#8b5a2b"


class Picture:
    def __init__(self, height):
        self.height = height
        self.items = []

    # -- primitives ---------------------------------------------------------------------
    def line(self, x1, y1, x2, y2, color="#000", width=1.0):
        self.items.append(
            f'<line x1="{x1:.2f}" y1="{y1:.2f}" x2="{x2:.2f}" y2="{y2:.2f}" '
            f'stroke="{color}" stroke-width="{width}" stroke-linecap="round"/>')

    def polyline(self, points, color="#000", width=1.0):
        for (x1, y1), (x2, y2) in zip(points, points[1:]):
            self.line(x1, y1, x2, y2, color, width)

    def dashed(self, x1, y1, x2, y2, color="#000", width=0.8, dash=5.0, gap=3.0):
        length = math.hypot(x2 - x1, y2 - y1)
        if length == 0:
            return
        ux, uy = (x2 - x1) / length, (y2 - y1) / length
        s = 0.0
        while s < length:
            e = min(s + dash, length)
            self.line(x1 + ux * s, y1 + uy * s, x1 + ux * e, y1 + uy * e, color, width)
            s = e + gap

    def polygon(self, points, fill="none", stroke="#000", width=1.0):
        pts = " ".join(f"{x:.2f},{y:.2f}" for x, y in points)
        self.items.append(
            f'<polygon points="{pts}" fill="{fill}" stroke="{stroke}" '
            f'stroke-width="{width}" stroke-linejoin="round"/>')

    def rect(self, x, y, w, h, fill="none", stroke="#000", width=1.0):
        self.polygon([(x, y), (x + w, y), (x + w, y + h), (x, y + h)], fill, stroke, width)

    def circle(self, cx, cy, r, fill="#000", stroke="none", width=1.0):
        self.items.append(
            f'<circle cx="{cx:.2f}" cy="{cy:.2f}" r="{r:.2f}" fill="{fill}" '
            f'stroke="{stroke}" stroke-width="{width}"/>')

    def text(self, x, y, s, size=12, color="#000", anchor="start"):
        self.items.append(
            f'<text x="{x:.2f}" y="{y:.2f}" font-family="{FONT}" font-size="{size}" '
            f'fill="{color}" text-anchor="{anchor}">{escape(s)}</text>')

    def lines(self, x, y, rows, size=12, color="#000", step=None):
        step = step or size * 1.45
        for i, row in enumerate(rows):
            if isinstance(row, tuple):
                self.text(x, y + i * step, row[0], size, row[1])
            else:
                self.text(x, y + i * step, row, size, color)
        return y + len(rows) * step

    # -- drawing conventions --------------------------------------------------------------
    def arrowhead(self, x, y, angle, color="#000", size=6.0):
        a = math.radians(angle)
        bx, by = x - size * math.cos(a), y - size * math.sin(a)
        px, py = -math.sin(a) * size * 0.35, math.cos(a) * size * 0.35
        self.polygon([(x, y), (bx + px, by + py), (bx - px, by - py)], color, color, 0.5)

    def arrow(self, x1, y1, x2, y2, color="#000", width=1.0, size=6.0):
        angle = math.degrees(math.atan2(y2 - y1, x2 - x1))
        a = math.radians(angle)
        self.line(x1, y1, x2 - size * 0.8 * math.cos(a), y2 - size * 0.8 * math.sin(a),
                  color, width)
        self.arrowhead(x2, y2, angle, color, size)

    def hdim(self, x1, x2, y, label, color="#000", size=11, above=True, ext=None):
        """Horizontal dimension line with arrows at both ends and a centred label."""
        self.line(x1 + 5, y, x2 - 5, y, color, 0.8)
        self.arrowhead(x1, y, 180, color, 6)
        self.arrowhead(x2, y, 0, color, 6)
        if ext is not None:
            for x in (x1, x2):
                self.line(x, ext, x, y + (3 if y > ext else -3), color, 0.5)
        self.text((x1 + x2) / 2, y - 4 if above else y + size + 2, label, size, color,
                  "middle")

    def vdim(self, x, y1, y2, label, color="#000", size=11, left=True, ext=None):
        self.line(x, y1 + 5, x, y2 - 5, color, 0.8)
        self.arrowhead(x, y1, -90, color, 6)
        self.arrowhead(x, y2, 90, color, 6)
        if ext is not None:
            for y in (y1, y2):
                self.line(ext, y, x + (3 if x > ext else -3), y, color, 0.5)
        if left:
            self.text(x - 4, (y1 + y2) / 2 + size * 0.35, label, size, color, "end")
        else:
            self.text(x + 4, (y1 + y2) / 2 + size * 0.35, label, size, color)

    def title(self, caption, subtitle=None):
        self.rect(0, 0, WIDTH, 30, BLUE_BAND, BLUE_BAND, 0.5)
        self.text(10, 21, caption, 15, "#ffffff")
        if subtitle:
            self.text(WIDTH - 10, 20, subtitle, 11, "#ffffff", "end")

    def heading(self, y, caption):
        self.rect(6, y - 13, 5, 16, CRIMSON, CRIMSON, 0.5)
        self.text(16, y, caption, 13, NAVY)
        self.line(16, y + 5, WIDTH - 8, y + 5, NAVY, 0.6)

    def table(self, x, y, widths, rows, size=11, row_height=17, header_fill="#d8e0f0"):
        """Rows of cells; the first row is the header. Returns the y below the table."""
        total = sum(widths)
        for r, row in enumerate(rows):
            top = y + r * row_height
            if r == 0:
                self.rect(x, top, total, row_height, header_fill, "none")
            cx = x
            for w, cell in zip(widths, row):
                color = NAVY if r == 0 else "#000"
                if isinstance(cell, tuple):
                    cell, color = cell
                self.text(cx + w / 2, top + row_height - 5, cell, size, color, "middle")
                cx += w
        bottom = y + len(rows) * row_height
        for r in range(len(rows) + 1):
            self.line(x, y + r * row_height, x + total, y + r * row_height, GREY, 0.6)
        cx = x
        for w in [0] + widths:
            cx += w
            self.line(cx, y, cx, bottom, GREY, 0.6)
        return bottom

    def concrete(self, points, seed=1):
        """A concrete area: light fill with scattered aggregate dots."""
        self.polygon(points, CONCRETE, "none")
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        rnd = seed
        x0, x1, y0, y1 = min(xs), max(xs), min(ys), max(ys)
        n = int((x1 - x0) * (y1 - y0) / 90)
        for _ in range(n):
            rnd = (rnd * 1103515245 + 12345) % 2147483648
            px = x0 + 2 + (rnd % 1000) / 1000 * (x1 - x0 - 4)
            rnd = (rnd * 1103515245 + 12345) % 2147483648
            py = y0 + 2 + (rnd % 1000) / 1000 * (y1 - y0 - 4)
            if inside(points, px, py):
                self.circle(px, py, 0.8, CONCRETE_DOT)

    def svg(self):
        body = "\n".join(self.items)
        return (f'<?xml version="1.0" encoding="UTF-8"?>\n'
                f'<svg xmlns="http://www.w3.org/2000/svg" width="{WIDTH}" '
                f'height="{self.height}" viewBox="0 0 {WIDTH} {self.height}">\n'
                f'{body}\n</svg>\n')


def inside(points, x, y):
    result = False
    j = len(points) - 1
    for i in range(len(points)):
        xi, yi = points[i]
        xj, yj = points[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            result = not result
        j = i
    return result


# -- building blocks shared by several pictures ---------------------------------------------

def deck_profile(x0, x1, bottom, depth, pitch, ridges=False):
    """Outline of a flat-bottom deck: a flat bottom plate with closed ribs rising from it.

    Returns the polyline of the plate and the x of each rib centre."""
    pts = [(x0, bottom)]
    centres = []
    neck = 2.0          # the two walls of a closed rib lie against each other at its foot
    top_half = 8.0      # half width of the rib head
    x = x0 + pitch / 2
    while x + top_half < x1:
        if ridges:
            # Two shallow ridges pressed into the bottom plate between the ribs.
            for f in (-0.25, 0.25):
                rx = x - pitch / 2 + pitch * (0.5 + f)
                if rx - 6 > pts[-1][0]:
                    pts += [(rx - 6, bottom), (rx - 2, bottom - 4), (rx + 2, bottom - 4),
                            (rx + 6, bottom)]
        pts += [(x - neck, bottom), (x - neck, bottom - depth * 0.4),
                (x - top_half, bottom - depth * 0.65), (x - top_half, bottom - depth),
                (x + top_half, bottom - depth), (x + top_half, bottom - depth * 0.65),
                (x + neck, bottom - depth * 0.4), (x + neck, bottom)]
        centres.append(x)
        x += pitch
    pts.append((x1, bottom))
    return pts, centres


def draw_deck(p, x0, x1, bottom, depth, pitch, ridges=False, width=2.0):
    pts, centres = deck_profile(x0, x1, bottom, depth, pitch, ridges)
    p.polyline(pts, DECK, width)
    return centres


def i_beam(p, cx, top, height=36, flange=34, fill=STEEL):
    """An H-shaped steel beam in cross-section, flange top at `top`."""
    t = 4
    w = 4
    p.rect(cx - flange / 2, top, flange, t, fill, fill, 0.5)
    p.rect(cx - w / 2, top + t, w, height - 2 * t, fill, fill, 0.5)
    p.rect(cx - flange / 2, top + height - t, flange, t, fill, fill, 0.5)


def shore(p, x, top, bottom):
    p.rect(x - 3, top, 6, bottom - top, "#c8a060", SHORE, 0.8)
    p.rect(x - 10, top - 3, 20, 3, "#c8a060", SHORE, 0.8)
    p.line(x - 14, bottom, x + 14, bottom, "#000", 1.2)
    for i in range(5):
        p.line(x - 12 + i * 6, bottom, x - 16 + i * 6, bottom + 5, "#000", 0.6)


def simple_beam(p, x1, x2, y, load=True, label="Ｗ", color=CRIMSON):
    """A simply supported strip with supports and a uniform load."""
    p.line(x1, y, x2, y, "#000", 2.0)
    for x in (x1, x2):
        p.polygon([(x, y + 1), (x - 7, y + 12), (x + 7, y + 12)], "#ffffff", "#000", 1)
    if load:
        p.line(x1, y - 22, x2, y - 22, color, 1)
        n = max(2, int((x2 - x1) / 18))
        for i in range(n + 1):
            x = x1 + (x2 - x1) * i / n
            p.arrow(x, y - 22, x, y - 3, color, 0.8, 5)
        p.text((x1 + x2) / 2, y - 27, label, 11, color, "middle")


# -- the pictures ---------------------------------------------------------------------------

def first_picture():
    p = Picture(229)
    p.title("選択項目のHELP表示", "Korvane for Win")
    # A slab on its deck between two steel beams, the five input groups around it.
    left, right, bottom = 60, 330, 138
    p.concrete([(left, 82), (right, 82), (right, bottom - 14), (left, bottom - 14)], 3)
    p.rect(left, bottom - 14, right - left, 14, CONCRETE, "none")
    draw_deck(p, left, right, bottom, 14, 30)
    i_beam(p, left, bottom, 30, 28)
    i_beam(p, right, bottom, 30, 28)
    p.rect(150, 98, 90, 18, "#f4f4f4", "none")
    p.text(195, 112, "コンクリート ④", 11, NAVY, "middle")
    p.text(195, 158, "デッキ ①", 11, NAVY, "middle")
    p.hdim(left + 14, right - 14, 184, "スパン ②", NAVY, 11)
    p.text(left, 202, "支持梁 ③", 11, NAVY, "middle")
    for x in range(90, 320, 40):
        p.arrow(x, 52, x, 79, CRIMSON, 0.8, 5)
    p.text(195, 46, "荷重 ⑤", 11, CRIMSON, "middle")
    p.lines(345, 62, ["入力欄を", "クリック", "すると、", "その項目の", "説明図を", "表示します。"],
            11, "#000", 15)
    p.text(10, 222, "①デッキ種類 ②スパン ③支持梁/施工状況 ④コンクリート ⑤荷重", 10, GREY)
    return p


def deck_section_header(p, y, ridges, models_line):
    p.heading(y, "断面形状（デッキ幅方向の断面）")
    bottom = y + 110
    centres = draw_deck(p, 20, 417, bottom, 56, 96, ridges, 2.2)
    c = centres[1]
    # Depth.
    p.vdim(400, bottom - 56, bottom, "", "#000", 11, True, ext=None)
    p.dashed(c + 9, bottom - 56, 404, bottom - 56, GREY, 0.5)
    p.text(395, bottom - 24, "H", 12, CRIMSON, "end")
    # Rib pitch.
    p.hdim(centres[1], centres[2], y + 26, "リブピッチ", "#000", 11)
    for cx in centres[1:3]:
        p.dashed(cx, y + 26, cx, bottom - 58, GREY, 0.5)
    # Plate thickness.
    x = (centres[0] + centres[1]) / 2 + (20 if ridges else 0)
    p.arrow(x - 24, bottom + 20, x - 4, bottom + 3, CRIMSON, 0.8, 5)
    p.text(x - 26, bottom + 28, "板厚 t", 12, CRIMSON, "end")
    p.text(centres[2] + 14, bottom - 40, "閉鎖形リブ", 11, NAVY)
    p.arrow(centres[2] + 12, bottom - 44, centres[2] + 4, bottom - 32, NAVY, 0.7, 5)
    p.text(centres[1] + 14, bottom + 20, "平らな底板（型枠面）", 11, NAVY)
    if ridges:
        rx = centres[2] + 96 * 0.25
        p.text(rx + 10, bottom + 22, "リッジ", 11, NAVY)
        p.arrow(rx + 8, bottom + 13, rx + 2, bottom - 3, NAVY, 0.7, 5)
    p.text(20, bottom + 50, "H：デッキ高さ  " + models_line, 11)
    return bottom + 60


def deck_common_notes(p, y, ridges):
    p.heading(y, "表面処理と単位重量")
    y = p.lines(16, y + 22, [
        "表面処理は Z12・Z27・Y18・K35 から選びます。単位重量",
        "（N/㎡）はデッキ・板厚・表面処理から自動で決まります。",
        ("「他」を選んだ場合は、単位重量を直接入力して下さい。", CRIMSON),
        "（0 以下と 100000 N/㎡ 以上は計算できません）",
    ], 11.5)
    return y


def section_table(p, y, rows):
    return p.table(14, y, [96, 56, 100, 100, 57],
                   [["デッキ", "板厚 t", "Zt (10³mm³/m)", "I (10⁴mm⁴/m)", "支圧 N/m"]] +
                   rows, 10.5, 16)


def deck_px():
    p = Picture(953)
    p.title("デッキ種類 ― PXデッキ", "フラットデッキ")
    y = deck_section_header(p, 52, False, "PX75・PX75V・PX75Vα：H = 75 mm")
    p.heading(y + 14, "デッキ名称と板厚")
    y = p.lines(16, y + 36, [
        "デッキ名称：PX75、PX75V、PX75Vα",
        "板厚 t：0.8、1.0、1.2、1.4、1.6 mm",
        "許容曲げ応力度 fb：PX75・PX75V  205 N/mm²",
        ("　　　　　　　　　　PX75Vα（高強度）  235 N/mm²", CRIMSON),
        "たわみの係数 C = 1.6（全ての板厚・割増係数区分）",
    ], 11.5)
    p.heading(y + 10, "断面性能（幅1mあたり）と許容支圧荷重")
    rows = []
    for name, values in (
            ("PX75・PX75V", [(0.8, 18.7, 120, 9800), (1.0, 24.4, 150, 14700),
                             (1.2, 29.4, 180, 19600), (1.4, 34.4, 206, 19600),
                             (1.6, 39.3, 232, 19600)]),
            ("PX75Vα", [(0.8, 20.2, 125, 14700), (1.0, 25.6, 156, 22050),
                        (1.2, 31.0, 185, 29400), (1.4, 36.2, 212, 29400),
                        (1.6, 41.4, 239, 29400)])):
        for i, (t, zt, inertia, bearing) in enumerate(values):
            rows.append([name if i == 0 else "", f"{t:.1f}", f"{zt:.1f}", f"{inertia}",
                         f"{bearing}"])
    y = section_table(p, y + 22, rows)
    y = p.lines(16, y + 18, [
        "Zt：断面係数　I：断面二次モーメント",
        "支圧：デッキリブの許容支圧荷重（支保工を使う場合に検討）",
    ], 10.5, GREY)
    y = deck_common_notes(p, y + 14, False)
    p.heading(y + 12, "高強度デッキ PX75Vα")
    y = p.lines(16, y + 34, [
        "PX75Vα は許容応力度と断面性能が PX75・PX75V と",
        "異なります。選ぶと入力画面に fb：235 N/mm² を表示し、",
        "計算書の許容応力度に下線を付けて注記します。",
        "スパンは 5700 mm まで計算できます（他は 4900 mm）。",
    ], 11.5)
    p.text(16, y + 16, "検討は「床型枠用鋼製デッキプレート設計･施工指針」に準拠します。", 10.5, GREY)
    return p


def deck_ridge():
    p = Picture(1122)
    p.title("デッキ種類 ― PXリッジデッキ", "フラットデッキ")
    y = deck_section_header(p, 52, True, "PX75LA・PX75LB：H = 75 mm　PX100L：H = 100 mm")
    p.heading(y + 14, "デッキ名称と板厚")
    y = p.lines(16, y + 36, [
        "デッキ名称：PX75LA、PX75LB、PX100L",
        "板厚 t：0.7、0.8、1.0、1.2、1.4、1.6 mm",
        "許容曲げ応力度 fb = 235 N/mm²（全てのデッキ）",
    ], 11.5)
    p.heading(y + 10, "断面性能（幅1mあたり）と許容支圧荷重")
    rows = []
    bearing = [9800, 14700, 22050, 29400, 29400, 29400]
    thick = [0.7, 0.8, 1.0, 1.2, 1.4, 1.6]
    for name, zts, inertias in (
            ("PX75LA・LB", [20.3, 23.2, 24.7, 30.3, 35.7, 40.8], [105, 120, 151, 180, 208, 235]),
            ("PX100L", [37.3, 42.6, 46.6, 56.2, 65.9, 75.6], [250, 284, 352, 417, 482, 545])):
        for i in range(6):
            rows.append([name if i == 0 else "", f"{thick[i]:.1f}", f"{zts[i]:.1f}",
                         f"{inertias[i]}", f"{bearing[i]}"])
    y = section_table(p, y + 22, rows)
    y = p.lines(16, y + 18, [
        "Zt：断面係数　I：断面二次モーメント",
        "支圧：デッキリブの許容支圧荷重（支保工を使う場合に検討）",
    ], 10.5, GREY)
    p.heading(y + 14, "たわみの係数 C")
    y = p.table(14, y + 26, [150, 90, 90, 79], [
        ["デッキ", "板厚 0.7", "0.8・1.0", "1.2～1.6"],
        ["Ｓ造 PX75LA・LB", "1.5", "1.3", "1.3"],
        ["Ｓ造 PX100L", "1.4", "1.3", "1.2"],
        ["RC造･SRC造（Ⅰ～Ⅲ類）", "1.5", "1.5", "1.5"],
    ], 10.5, 16)
    p.heading(y + 26, "板厚 0.7 mm の低減係数 β と最大スパン Lmax")
    y = p.table(14, y + 38, [100, 70, 74, 76, 89], [
        ["デッキ", "β Ｓ造", "β RC/SRC", "Lmax Ｓ造", "Lmax RC/SRC"],
        ["PX75LA・LB", "1.25", "1.75", "2420", "2050"],
        ["PX100L", "1.0", "1.0", "3360", "3290"],
    ], 10.5, 16)
    y = p.lines(16, y + 18, [
        "許容応力度は fb/β（RC造･SRC造では fb/(α×β)）。",
        ("Lw（支保工で区切ったスパン）が Lmax を超えると「不可」。", CRIMSON),
        "板厚 0.8 mm 以上では β = 1.0、最大スパンの検討はありません。",
    ], 11)
    y = deck_common_notes(p, y + 12, True)
    p.text(16, y + 16, "検討は「床型枠用鋼製デッキプレート設計･施工指針」に準拠します。", 10.5, GREY)
    return p


def span_row(p, y, caption, shores, lw_label):
    """One elevation: the deck between two beams, with 0, 1 or 2 rows of shores."""
    left, right = 60, 380
    deck_y = y + 18
    p.text(16, y, caption, 12, NAVY)
    i_beam(p, left - 17, deck_y, 34, 34)
    i_beam(p, right + 17, deck_y, 34, 34)
    p.rect(left - 34, deck_y - 8, right - left + 68, 8, DECK, DECK, 0.5)
    ground = deck_y + 60
    xs = [left + (right - left) * k / (shores + 1) for k in range(1, shores + 1)]
    for x in xs:
        shore(p, x, deck_y + 3, ground)
    points = [left] + xs + [right]
    p.hdim(points[0], points[1], deck_y + 22, lw_label, CRIMSON, 11)
    p.hdim(left, right, ground + 16, "Ｌ", "#000", 12, above=False, ext=deck_y + 18)
    return ground + 36


def span_page():
    p = Picture(607)
    p.title("スパン", "支保工")
    p.heading(50, "スパン Ｌ：梁フランジの内側の距離")
    y = span_row(p, 80, "支保工 無し：Ｌw ＝ Ｌ", 0, "Ｌw")
    y = span_row(p, y + 8, "支保工 有り-１本：スパンの中央に１列、Ｌw ＝ Ｌ/2", 1, "Ｌw")
    y = span_row(p, y + 8, "支保工 有り-２本：スパンの３等分点に２列、Ｌw ＝ Ｌ/3", 2, "Ｌw")
    p.heading(y + 8, "計算できるスパン")
    y = p.lines(16, y + 30, [
        "Ｌ ＝ 1000 ～ 4900 mm（PX75Vα は 5700 mm まで）",
        "支保工を使う場合は Ｌw を 0.01 mm 単位に切り上げて計算し、",
        "デッキリブの支圧荷重 Ｐ ＝ ＷTL･Ｌw も検討します。",
        ("スパン 3000 mm を超える場合は、判定にかかわらず梁の", CRIMSON),
        ("構造上、中間支保工が必要となる場合があります。", CRIMSON),
    ], 11.5)
    return p


def beam_page():
    p = Picture(607)
    p.title("支持梁/施工状況", "施工割増係数α")
    p.heading(50, "支持梁の種類")
    # Steel beam.
    y0 = 100
    i_beam(p, 110, y0, 60, 60)
    p.rect(40, y0 - 6, 140, 6, DECK, DECK, 0.5)
    p.concrete([(40, y0 - 40), (180, y0 - 40), (180, y0 - 6), (40, y0 - 6)], 5)
    p.text(42, y0 + 12, "デッキ", 10, DECK)
    p.text(110, y0 + 80, "Ｓ造（鉄骨梁）", 12, NAVY, "middle")
    p.text(110, y0 + 96, "α は考慮しません", 11, "#000", "middle")
    # RC beam.
    bx = 330
    p.concrete([(bx - 34, y0 - 40), (bx + 34, y0 - 40), (bx + 34, y0 + 62),
                (bx - 34, y0 + 62)], 7)
    p.concrete([(250, y0 - 40), (bx - 34, y0 - 40), (bx - 34, y0 - 6), (250, y0 - 6)], 9)
    p.concrete([(bx + 34, y0 - 40), (420, y0 - 40), (420, y0 - 6), (bx + 34, y0 - 6)], 11)
    p.rect(250, y0 - 6, bx - 34 - 250 + 4, 6, DECK, DECK, 0.5)
    p.rect(bx + 30, y0 - 6, 420 - bx - 30, 6, DECK, DECK, 0.5)
    p.polygon([(bx - 34, y0 - 40), (bx + 34, y0 - 40), (bx + 34, y0 + 62), (bx - 34, y0 + 62)],
              "none", GREY, 0.8)
    p.text(252, y0 + 12, "デッキ", 10, DECK)
    p.text(bx, y0 + 80, "RC造・SRC造の梁", 12, NAVY, "middle")
    p.text(bx, y0 + 96, "区分に応じて α を設定", 11, "#000", "middle")
    p.heading(y0 + 130, "施工割増係数 α")
    y = p.table(14, y0 + 142, [140, 130, 139], [
        ["区分", "α", "許容応力度"],
        ["Ｓ造", "考慮しない", "fb"],
        ["RC造･SRC造 Ⅰ類", "1.0", "fb/α"],
        ["RC造･SRC造 Ⅱ類", "1.25", "fb/α"],
        ["RC造･SRC造 Ⅲ類", "1.5", "fb/α"],
    ], 11.5, 19)
    y = p.lines(16, y + 20, [
        "区分（Ⅰ類～Ⅲ類）は「床型枠用鋼製デッキプレート設計･",
        "施工指針」によります。fb/α は有効数字４桁に切り上げます。",
        "（例：235/1.5 ＝ 156.666… → 156.7 N/mm²）",
        "板厚 0.7 mm の PXリッジデッキでは fb/β、fb/(α×β) です。",
    ], 11.5)
    p.heading(y + 8, "指針の適用外となる組合せ")
    p.lines(16, y + 30, [
        ("Ⅱ類：板厚 1.0・1.2 mm 以外　　Ⅲ類：板厚 0.8 mm 以外", CRIMSON),
        "計算は行い、計算書に適用外の組合せである旨を注記します。",
    ], 11.5)
    return p


def concrete_page():
    p = Picture(607)
    p.title("コンクリート", "種類と厚さ")
    p.heading(50, "コンクリート厚さ Ｓ：デッキ山上のスラブ厚さ")
    left, right, bottom = 40, 340, 200
    top = 90
    depth = 44
    p.concrete([(left, top), (right, top), (right, bottom), (left, bottom)], 13)
    pts, centres = deck_profile(left, right, bottom, depth, 76)
    p.polygon(pts + [(right, bottom + 30), (left, bottom + 30)], "#f0f2f2", "none")
    p.polyline(pts, DECK, 2.2)
    p.dashed(left, bottom - depth, right, bottom - depth, CRIMSON, 0.7)
    p.vdim(right + 30, top, bottom - depth, "", CRIMSON, 12, ext=right)
    p.text(right + 36, (top + bottom - depth) / 2 + 5, "Ｓ", 14, CRIMSON)
    p.vdim(right + 62, bottom - depth, bottom, "", "#000", 11, ext=right)
    p.text(right + 68, bottom - depth / 2 + 4, "H", 12)
    p.text(left + 6, bottom + 20, "デッキ山（リブ上端）から上の厚さが Ｓ です", 11, NAVY)
    p.heading(250, "コンクリートの種類と単位体積重量 ρ")
    y = p.table(14, 262, [150, 130, 129], [
        ["種類", "ρ (kN/m³)", "計算書の表示"],
        ["普　　通", "24", "普通"],
        ["軽量１種", "20", "軽量"],
        ["軽量２種", "18", "軽量"],
    ], 11.5, 19)
    p.heading(y + 28, "生コンクリートの重量")
    y = p.lines(16, y + 52, [
        "生コンクリート ＝ ρ × Ｓ（N/㎡）",
        "例：普通 24 kN/m³ × 0.13 m ＝ 3120 N/㎡",
        "固定荷重 ＷDL ＝ 生コンクリート ＋ デッキの単位重量",
    ], 12)
    p.heading(y + 8, "計算できる厚さ")
    p.lines(16, y + 30, [
        "Ｓ ＝ 120 ～ 800 mm",
        ("300 mm を超える場合は標準仕様の範囲外です（計算書に注記）。", CRIMSON),
    ], 11.5)
    return p


def load_page():
    p = Picture(607)
    p.title("荷　重", "施工時荷重")
    p.heading(50, "施工時荷重（幅1mあたりの等分布荷重）")
    left, right, beam_y = 60, 380, 104
    simple_beam(p, left, right, beam_y, True, "ＷTL ＝ ＷDL ＋ ＷWL")
    # Deflected shape under the load, drawn exaggerated.
    sag = 14
    shape = [(left + (right - left) * k / 24,
              beam_y + 20 + sag * math.sin(math.pi * k / 24)) for k in range(25)]
    for (x1, y1), (x2, y2) in zip(shape, shape[1:]):
        p.dashed(x1, y1, x2, y2, GREY, 0.8, 3, 2)
    p.line(left, beam_y + 20, right, beam_y + 20, GREY, 0.4)
    mid = (left + right) / 2
    p.vdim(mid + 40, beam_y + 20, beam_y + 20 + sag, "", GREY, 10, ext=None)
    p.text(mid + 46, beam_y + 33, "δmax", 11, GREY)
    p.hdim(left, right, beam_y + 52, "Ｌw", "#000", 12, above=False)
    # Bending moment diagram.
    base = beam_y + 82
    depth = 34
    curve = [(left + (right - left) * k / 24,
              base + depth * 4 * (k / 24) * (1 - k / 24)) for k in range(25)]
    p.polygon([(left, base)] + curve + [(right, base)], "#f6dde4", "none")
    p.polyline(curve, CRIMSON, 1.2)
    p.line(left, base, right, base, "#000", 0.8)
    p.text(mid, base + depth + 14, "Ｍmax ＝ ＷTL･Ｌw² / 8", 11, CRIMSON, "middle")
    p.text(left - 6, base + 16, "Ｍ", 12, CRIMSON, "end")
    y = p.table(14, base + depth + 28, [170, 239], [
        ["荷重", "内容"],
        ["固定荷重 ＷDL", "生コンクリート ＋ デッキ重量"],
        ["作業荷重", "標準 1470 N/㎡、その他は直接入力"],
        ["その他荷重", "等分布荷重（無い場合は 0）"],
        ["ＷWL", "作業荷重 ＋ その他荷重"],
        ["全荷重 ＷTL", "ＷDL ＋ ＷWL"],
    ], 11.5, 18)
    p.lines(16, y + 17, [
        ("集中荷重は別途の計算が必要です。作業荷重「その他」には", CRIMSON),
        ("0 以外の値を入力して下さい。", CRIMSON),
    ], 11.5)
    p.heading(y + 58, "検討の式（単純梁、幅1m）")
    p.lines(16, y + 80, [
        "曲げモーメント　Ｍ ＝ ＷTL･Ｌw² / 8",
        "正曲げ応力度　　σ ＝ Ｍ / Ｚt  ≦  許容応力度",
        "たわみ　δmax ＝ Ｃ･5ＷTL･Ｌw⁴ / (384Ｅ･Ｉ)",
        "　　　　　　≦ Ｌw/180 ＋ 5 mm　（Ｅ ＝ 2.05×10⁵ N/mm²）",
        "支圧荷重（支保工有り）　Ｐ ＝ ＷTL･Ｌw  ≦  許容支圧荷重",
    ], 11.5, "#000", 17)
    return p


PICTURES = {
    "KR_tag0": first_picture,
    "KR_tag1": deck_px,
    "KR_tag1_2": deck_ridge,
    "KR_tag2": span_page,
    "KR_tag3": beam_page,
    "KR_tag4": concrete_page,
    "KR_tag5": load_page,
}


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "assets", "pictures")
    os.makedirs(out, exist_ok=True)
    for name, draw in PICTURES.items():
        with open(os.path.join(out, name + ".svg"), "w", encoding="utf-8") as f:
            f.write(draw().svg())


if __name__ == "__main__":
    main()
