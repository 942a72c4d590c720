#!/usr/bin/python3
"""Contrast of text against its background in a part of a picture:
contrast.py image x y w h. The background is the part's most frequent
colour, the text the colour (a few pixels at least) farthest from it.
Prints the contrast ratio (1 to 21)."""
import re
import subprocess
import sys


def luminance(rgb):
    def lin(c):
        c /= 255.0
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (lin(c) for c in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def ratio(a, b):
    la, lb = luminance(a), luminance(b)
    return (max(la, lb) + 0.05) / (min(la, lb) + 0.05)


def main():
    image, x, y, w, h = sys.argv[1:6]
    out = subprocess.run(["convert", image, "-crop", f"{w}x{h}+{x}+{y}", "+repage", "-format", "%c",
                          "histogram:info:-"], capture_output=True, text=True, check=True).stdout
    colours = []
    for line in out.splitlines():
        m = re.match(r"\s*(\d+):\s*\(\s*(\d+),\s*(\d+),\s*(\d+)", line)
        if m:
            colours.append((int(m.group(1)), tuple(int(v) for v in m.group(2, 3, 4))))
    background = max(colours)[1]
    text = [c for n, c in colours if n >= 3]
    print(f"{max(ratio(background, c) for c in text):.2f}")


if __name__ == "__main__":
    main()
