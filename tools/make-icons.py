#!/usr/bin/env python3
"""Draws the program's icons into src/ui/icons/.

The clock face at 32 and 48 pixels and in the SVG comes from one set of shapes; the 16-pixel face
is drawn by hand below, because at that size every pixel matters more than the geometry.  The
bitmaps use colours of the classic 16-colour VGA palette only, and stay transparent outside the
picture.  Standard library only, so the icons can be remade anywhere:

    tools/make-icons.py [--out DIR] [--preview DIR]
"""

import argparse
import math
import pathlib
import struct
import zlib
from collections import namedtuple

# The classic 16-colour VGA palette in its usual order; the .ico stores these indices.
VGA = [
    ("black", (0x00, 0x00, 0x00)),
    ("maroon", (0x80, 0x00, 0x00)),
    ("green", (0x00, 0x80, 0x00)),
    ("olive", (0x80, 0x80, 0x00)),
    ("navy", (0x00, 0x00, 0x80)),
    ("purple", (0x80, 0x00, 0x80)),
    ("teal", (0x00, 0x80, 0x80)),
    ("silver", (0xC0, 0xC0, 0xC0)),
    ("grey", (0x80, 0x80, 0x80)),
    ("red", (0xFF, 0x00, 0x00)),
    ("lime", (0x00, 0xFF, 0x00)),
    ("yellow", (0xFF, 0xFF, 0x00)),
    ("blue", (0x00, 0x00, 0xFF)),
    ("fuchsia", (0xFF, 0x00, 0xFF)),
    ("aqua", (0x00, 0xFF, 0xFF)),
    ("white", (0xFF, 0xFF, 0xFF)),
]
RGB = dict(VGA)
VGA_INDEX = {name: i for i, (name, _) in enumerate(VGA)}

# One letter per colour in the hand-drawn grids; "." is transparent.
LETTERS = {"K": "black", "N": "navy", "B": "blue", "G": "grey", "S": "silver", "W": "white",
           "R": "red"}

# Pixel sizes of the clock at one icon size.  The face is a circle an odd number of pixels
# across, centred on a pixel, so that one-pixel ticks and hands stay symmetric; the last row and
# column are left for the drop shadow.  Radii are measured from the centre of the middle pixel.
ClockLayout = namedtuple("ClockLayout", [
    "radius",        # outside of the black outline
    "bezel",         # outside of the blue rim, inside the outline
    "face",          # outside of the face, inside the rim
    "major_tick",    # (inner radius, outer radius, half width) at 12, 3, 6 and 9
    "minor_tick",    # (radius of its centre, side of the square dot) at the other hours
    "hour_hand",     # (angle clockwise from 12 in degrees, length, half width)
    "minute_hand",
    "centre_dot",    # radius; pixels whose centres lie within it are red
])

# Ten past ten: the hands part like a smile and leave the 12, 3, 6 and 9 marks free.
CLOCK_LAYOUTS = {
    32: ClockLayout(radius=15.5, bezel=14.5, face=12.5, major_tick=(9.5, 12.5, 1.5),
                    minor_tick=(11.5, 1), hour_hand=(-55.0, 7.0, 1.2),
                    minute_hand=(60.0, 9.5, 0.9), centre_dot=1.5),
    48: ClockLayout(radius=23.5, bezel=22.5, face=19.5, major_tick=(15.0, 19.5, 1.5),
                    minor_tick=(17.5, 2), hour_hand=(-55.0, 10.5, 1.7),
                    minute_hand=(60.0, 14.5, 1.2), centre_dot=2.3),
}

# The same clock at 16 pixels: outline and rim one pixel each, grey dots for the minor hours, a
# one-pixel red centre, the hour hand on the diagonal and the minute hand on a two-to-one stair.
CLOCK_16 = """
.....KKKKK......
...KKBBBBBKK....
..KBBSSKWWBBK...
.KBSGWWKWWGWNK..
.KBGWWWWWWWGNKG.
KBSWWKWWWWWKWNK.
KBSWWWKWWKKWWNKG
KBKKWWWRKWWKKNKG
KBSWWWWWWWWWWNKG
KBWWWWWWWWWWWNKG
.KBGWWWWWWWGNKGG
.KBWGWWKWWGWNKG.
..KNNWWKWWNNKGG.
...KKNNNNNKKGG..
....GKKKKKGGG...
......GGGGG.....
"""


class Canvas:
    def __init__(self, size):
        self.size = size
        self.pixels = [[None] * size for _ in range(size)]

    def fill(self, inside, colour, samples=4):
        """Paints every pixel at least half of whose samples lie inside the shape.  One sample
        tests the pixel's centre, which keeps thin strokes one pixel wide."""
        offsets = [(i + 0.5) / samples for i in range(samples)]
        need = samples * samples / 2
        for y in range(self.size):
            for x in range(self.size):
                hits = sum(1 for oy in offsets for ox in offsets if inside(x + ox, y + oy))
                if hits >= need:
                    self.pixels[y][x] = colour

    def colours(self):
        return {p for row in self.pixels for p in row if p is not None}


def from_grid(text):
    rows = text.split()
    canvas = Canvas(len(rows))
    for y, row in enumerate(rows):
        assert len(row) == canvas.size, f"row {y} is {len(row)} pixels wide"
        for x, letter in enumerate(row):
            canvas.pixels[y][x] = None if letter == "." else LETTERS[letter]
    return canvas


# ---- shapes: predicates on a point in pixel coordinates ---------------------------------------

def disc(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


def both(a, b):
    return lambda x, y: a(x, y) and b(x, y)


def either(a, b):
    return lambda x, y: a(x, y) or b(x, y)


def shifted(shape, dx, dy):
    return lambda x, y: shape(x - dx, y - dy)


def pixel_square(cx, cy, side):
    """A square of whole pixels nearest to the point: centred on a pixel centre when the side is
    odd, on a pixel corner when it is even."""
    if side % 2:
        cx, cy = math.floor(cx) + 0.5, math.floor(cy) + 0.5
    else:
        cx, cy = round(cx), round(cy)
    return rect(cx - side / 2, cy - side / 2, cx + side / 2, cy + side / 2)


def upper_left_half(cx, cy):
    return lambda x, y: (x - cx) + (y - cy) < 0


def direction(angle):
    """The unit vector at `angle` degrees clockwise from 12 o'clock, y pointing down."""
    return math.sin(math.radians(angle)), -math.cos(math.radians(angle))


def tick(cx, cy, angle, r0, r1, half_width):
    dx, dy = direction(angle)

    def inside(x, y):
        px, py = x - cx, y - cy
        along = px * dx + py * dy
        return r0 <= along <= r1 and abs(py * dx - px * dy) <= half_width

    return inside


def hand(cx, cy, angle, length, half_width):
    """A stroke with round ends from the centre outwards."""
    dx, dy = direction(angle)

    def inside(x, y):
        px, py = x - cx, y - cy
        t = max(0.0, min(length, px * dx + py * dy))
        return (px - t * dx) ** 2 + (py - t * dy) ** 2 <= half_width ** 2

    return inside


def polygon(points):
    """Even-odd rule, for the straight-edged pictures."""
    def inside(x, y):
        result = False
        for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]):
            if (y0 > y) != (y1 > y) and x < x0 + (y - y0) * (x1 - x0) / (y1 - y0):
                result = not result
        return result

    return inside


# ---- the pictures -------------------------------------------------------------------------------

def draw_clock(size):
    if size == 16:
        return from_grid(CLOCK_16)
    lay = CLOCK_LAYOUTS[size]
    c = (size - 1) / 2.0
    canvas = Canvas(size)
    body = disc(c, c, lay.radius)
    face = disc(c, c, lay.face)
    canvas.fill(shifted(body, 1, 1), "grey")
    canvas.fill(body, "black")
    # The rim is lit from the upper left and the face lies below it, in its shadow there.
    canvas.fill(disc(c, c, lay.bezel), "navy")
    canvas.fill(both(disc(c, c, lay.bezel), upper_left_half(c, c)), "blue")
    canvas.fill(face, "silver")
    canvas.fill(both(face, shifted(face, 1, 1)), "white")
    r0, r1, half_width = lay.major_tick
    dot_radius, dot_side = lay.minor_tick
    for hour in range(12):
        if hour % 3 == 0:
            canvas.fill(tick(c, c, hour * 30, r0, r1, half_width), "black")
        else:
            dx, dy = direction(hour * 30)
            canvas.fill(pixel_square(c + dx * dot_radius, c + dy * dot_radius, dot_side), "black")
    for angle, length, half_width in (lay.hour_hand, lay.minute_hand):
        canvas.fill(hand(c, c, angle, length, half_width), "black", samples=1)
    canvas.fill(disc(c, c, lay.centre_dot), "red", samples=1)
    return canvas


def draw_about():
    """A written page with its corner turned down and a blue "i" badge on its lower right."""
    canvas = Canvas(32)
    page = polygon([(4, 1), (19, 1), (26, 8), (26, 30), (4, 30)])
    badge = disc(22.5, 22.5, 8.5)
    canvas.fill(shifted(either(page, badge), 1, 1), "grey")
    canvas.fill(page, "black")
    canvas.fill(polygon([(5, 2), (18, 2), (18, 9), (25, 9), (25, 29), (5, 29)]), "white")
    canvas.fill(polygon([(19, 2), (25, 8), (19, 8)]), "silver")
    for y, x1 in ((6, 15), (10, 22), (13, 22), (16, 22), (19, 14), (22, 12), (25, 12)):
        canvas.fill(rect(7, y, x1, y + 1), "grey")
    canvas.fill(badge, "black")
    canvas.fill(disc(22.5, 22.5, 7.5), "blue")
    canvas.fill(either(disc(22.5, 18.5, 1.6), rect(21, 21, 24, 27)), "white")
    canvas.fill(rect(20, 26, 25, 27), "white")
    return canvas


def svg_clock():
    """The 32-pixel clock as vector shapes on the same grid."""
    lay = CLOCK_LAYOUTS[32]
    c = 15.5
    fill = {name: "#%02x%02x%02x" % rgb for name, rgb in VGA}
    parts = [
        '<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">',
        "  <defs>",
        f'    <clipPath id="face"><circle cx="{c}" cy="{c}" r="{lay.face}"/></clipPath>',
        f'    <clipPath id="lit"><polygon points="-1,-1 {2 * c + 1},-1 -1,{2 * c + 1}"/></clipPath>',
        "  </defs>",
        f'  <circle cx="{c + 1}" cy="{c + 1}" r="{lay.radius}" fill="{fill["grey"]}"/>',
        f'  <circle cx="{c}" cy="{c}" r="{lay.radius}" fill="{fill["black"]}"/>',
        f'  <circle cx="{c}" cy="{c}" r="{lay.bezel}" fill="{fill["navy"]}"/>',
        f'  <circle cx="{c}" cy="{c}" r="{lay.bezel}" fill="{fill["blue"]}" clip-path="url(#lit)"/>',
        f'  <circle cx="{c}" cy="{c}" r="{lay.face}" fill="{fill["silver"]}"/>',
        f'  <circle cx="{c + 1}" cy="{c + 1}" r="{lay.face}" fill="{fill["white"]}"'
        ' clip-path="url(#face)"/>',
    ]
    r0, r1, half_width = lay.major_tick
    dot_radius, dot_side = lay.minor_tick
    for hour in range(12):
        if hour % 3 == 0:
            shape = (f'<rect x="{c - half_width}" y="{c - r1}" width="{2 * half_width}"'
                     f' height="{r1 - r0}"')
        else:
            shape = f'<circle cx="{c}" cy="{c - dot_radius}" r="{0.7 * dot_side}"'
        parts.append(f'  {shape} fill="{fill["black"]}" transform="rotate({hour * 30} {c} {c})"/>')
    for angle, length, half_width in (lay.hour_hand, lay.minute_hand):
        parts.append(f'  <line x1="{c}" y1="{c}" x2="{c}" y2="{c - length}"'
                     f' stroke="{fill["black"]}" stroke-width="{2 * half_width:g}"'
                     f' stroke-linecap="round" transform="rotate({angle:g} {c} {c})"/>')
    parts.append(f'  <circle cx="{c}" cy="{c}" r="{lay.centre_dot}" fill="{fill["red"]}"/>')
    parts.append("</svg>")
    return "\n".join(parts) + "\n"


# ---- file formats -------------------------------------------------------------------------------

def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def png_bytes(canvas, scale=1):
    """An indexed 4-bit PNG holding the colours used and one transparent entry."""
    palette = sorted(canvas.colours(), key=VGA_INDEX.get) + [None]
    assert len(palette) <= 16, "more than 15 colours and transparency"
    index = {name: i for i, name in enumerate(palette)}
    raw = bytearray()
    for row in canvas.pixels:
        wide = [index[p] for p in row for _ in range(scale)]
        wide += [0] * (len(wide) % 2)
        line = bytes([0]) + bytes((wide[i] << 4) | wide[i + 1] for i in range(0, len(wide), 2))
        raw += line * scale
    size = canvas.size * scale
    return (b"\x89PNG\r\n\x1a\n"
            + png_chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 4, 3, 0, 0, 0))
            + png_chunk(b"PLTE", b"".join(bytes(RGB[name]) if name else b"\0\0\0"
                                          for name in palette))
            + png_chunk(b"tRNS", bytes(0 if name is None else 255 for name in palette))
            + png_chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + png_chunk(b"IEND", b""))


def ico_entry(canvas):
    """A 4-bit DIB with the VGA palette and its transparency mask, the form every Windows reads."""
    n = canvas.size
    header = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(bytes((b, g, r, 0)) for _, (r, g, b) in VGA)
    colour_stride = (n * 4 + 31) // 32 * 4
    mask_stride = (n + 31) // 32 * 4
    colours = bytearray()
    mask = bytearray()
    for row in reversed(canvas.pixels):  # DIB rows run bottom-up
        idx = [0 if p is None else VGA_INDEX[p] for p in row]
        colours += bytes((idx[i] << 4) | idx[i + 1] for i in range(0, n, 2)).ljust(colour_stride, b"\0")
        bits = 0
        for p in row:
            bits = (bits << 1) | (p is None)
        mask += bits.to_bytes(n // 8, "big").ljust(mask_stride, b"\0")
    return header + palette + bytes(colours) + bytes(mask)


def ico_bytes(canvases):
    entries = [ico_entry(c) for c in canvases]
    directory = struct.pack("<HHH", 0, 1, len(entries))
    offset = len(directory) + 16 * len(entries)
    for canvas, entry in zip(canvases, entries):
        directory += struct.pack("<BBBBHHII", canvas.size, canvas.size, 16, 0, 1, 4, len(entry),
                                 offset)
        offset += len(entry)
    return directory + b"".join(entries)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    root = pathlib.Path(__file__).resolve().parent.parent
    parser.add_argument("--out", type=pathlib.Path, default=root / "src" / "ui" / "icons")
    parser.add_argument("--preview", type=pathlib.Path,
                        help="also write 8x enlarged copies of the bitmaps here, for inspection")
    args = parser.parse_args()

    clocks = {size: draw_clock(size) for size in (16, 32, 48)}
    bitmaps = {f"lumora-{size}.png": canvas for size, canvas in clocks.items()}
    bitmaps["about-32.png"] = draw_about()

    args.out.mkdir(parents=True, exist_ok=True)
    for name, canvas in bitmaps.items():
        (args.out / name).write_bytes(png_bytes(canvas))
        if args.preview:
            args.preview.mkdir(parents=True, exist_ok=True)
            (args.preview / name).write_bytes(png_bytes(canvas, scale=8))
    (args.out / "lumora.ico").write_bytes(ico_bytes([clocks[32], clocks[16]]))
    (args.out / "lumora.svg").write_text(svg_clock())


if __name__ == "__main__":
    main()
