#!/usr/bin/env python3
"""Draws the settings editor's four explanatory pictures, one per display
case of its timing page: what the pen does, when the button panel shows and
hides, and which numbered timing covers which stretch.

    scripts/make-explanatory-pictures.py [output folder]

Needs ImageMagick's convert and the IPA P Gothic font (Debian packages
imagemagick and fonts-ipafont-gothic). The pictures are committed in
settings_editor/pictures/, so building the programs does not need this
script; run it again after changing a picture here.
"""
import os
import subprocess
import sys

WIDTH, HEIGHT = 276, 150
FONT = "/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf"
LEFT, RIGHT = 46, 270  # the time axis

PEN, STROKE, PANEL, WAIT, DRAWN = "#1E5AB4", "#E08010", "#108030", "#D8D8D8", "#F6E2C4"
INK, GRID = "#303030", "#A0A0A0"

PEN_Y, PANEL_Y, AFTER_Y = 34, 82, 121  # tops of the lanes


def text(x, y, words, size=11, colour=INK, gravity=None):
    quoted = words.replace("'", "\\'")
    return ["-fill", colour, "-stroke", "none", "-pointsize", str(size),
            "-draw", f"text {x},{y} '{quoted}'"]


def bar(x0, x1, top, colour, label="", label_colour="white", height=16):
    parts = ["-fill", colour, "-stroke", "none",
             "-draw", f"rectangle {x0},{top} {x1},{top + height}"]
    if label:
        parts += text(x0 + 3, top + 12, label, 11, label_colour)
    return parts


def bracket(x0, x1, top, label):
    """A span under a lane: |----| with its timing's number in the middle."""
    mid = (x0 + x1) // 2
    parts = ["-stroke", GRID, "-fill", "none",
             "-draw", f"line {x0},{top} {x0},{top + 6}",
             "-draw", f"line {x1},{top} {x1},{top + 6}",
             "-draw", f"line {x0},{top + 3} {x1},{top + 3}"]
    return parts + text(mid - 5, top + 17, label, 12, INK)


def marker(x, top, label, length=24):
    """A moment: a short upright line with its name above the lane."""
    return (["-stroke", INK, "-fill", "none", "-draw", f"line {x},{top - 4} {x},{top + length - 4}"]
            + text(x - 8, top - 6, label, 10, INK))


def lane_names(after):
    names = text(4, PEN_Y + 12, "ペン") + text(4, PANEL_Y + 12, "パネル", 10)
    if after:
        names += text(4, AFTER_Y + 12, "描画後", 10)
    return names


def picture(title, pen, panel_from, show_from, hide_at, numbers, footer, stroke=None):
    """pen: (x0, x1, held) of the press, held for a hold rather than a tap;
    stroke: (x0, x1) of a line drawn before it."""
    wait_label, show_label = numbers
    parts = text(4, 12, title, 11, "#006060")
    parts += ["-stroke", GRID, "-draw", f"line {LEFT - 4},{PANEL_Y + 17} {RIGHT},{PANEL_Y + 17}"]
    parts += lane_names(stroke is not None)
    if stroke:
        parts += bar(stroke[0], stroke[1], PEN_Y, STROKE, "描画")
        parts += bar(stroke[1], RIGHT, AFTER_Y, DRAWN, "⑥ この間は④⑤を使う", INK, 13)
        parts += marker(stroke[1], AFTER_Y, "", 18)
    x0, x1, held = pen
    if held:
        parts += bar(x0, x1, PEN_Y, PEN, "押したまま")
        parts += marker(x1, PEN_Y, "離す")
        parts += bracket(x0, x1, PEN_Y + 18, "①")
    else:  # a tap: too short to carry its name inside
        parts += bar(x0, x1, PEN_Y, PEN)
        parts += marker(x1, PEN_Y, "タップ")
    parts += bar(panel_from, show_from, PANEL_Y, WAIT)
    parts += bar(show_from, hide_at, PANEL_Y, PANEL, "表示")
    parts += marker(hide_at, PANEL_Y, "消える")
    parts += bracket(panel_from, show_from, PANEL_Y + 18, wait_label)
    parts += bracket(show_from, hide_at, PANEL_Y + 18, show_label)
    parts += text(4, HEIGHT - 4, footer, 10, INK)
    return parts


CASES = [
    ("説明１.bmp",
     picture("ウェイトＯＮ表示　通常の操作", (LEFT, 120, True), 120, 160, 250,
             ("②", "③"), "①より長く押して離すと、②の後に表示、③で消えます")),
    ("説明２.bmp",
     picture("ウェイトＯＮ表示　描画した後の操作", (112, 176, True), 176, 206, 256,
             ("④", "⑤"), "描画の後は⑥の間、②③の代わりに④⑤を使います", stroke=(LEFT, 92))),
    ("説明３.bmp",
     picture("クリックＯＮ表示　通常の操作", (LEFT, 58, False), 58, 130, 240,
             ("②", "③"), "タップして離すと、②の後に表示、③で消えます")),
    ("説明４.bmp",
     picture("クリックＯＮ表示　描画した後の操作", (128, 140, False), 140, 190, 250,
             ("④", "⑤"), "描画の後は⑥の間、②③の代わりに④⑤を使います", stroke=(LEFT, 92))),
]


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "settings_editor", "pictures")
    os.makedirs(out, exist_ok=True)
    for name, parts in CASES:
        target = os.path.join(out, name)
        command = ["/usr/bin/convert", "-size", f"{WIDTH}x{HEIGHT}", "xc:white",
                   "-font", FONT, "-strokewidth", "1"] + parts + ["-type", "TrueColor", "BMP3:" + target]
        subprocess.run(command, check=True)
        print(target)


if __name__ == "__main__":
    main()
