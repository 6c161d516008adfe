#!/usr/bin/env python3
"""Regenerates the game's artwork and sound effects.

    python3 tools/make_artwork.py            (from the project folder)

Writes, byte for byte the same on every run:
  resources/pieces/154.png .. 171.png, 254.png .. 271.png, 354.png .. 371.png
    and each at 2x and 3x for high-density screens (154@2x.png, 154@3x.png ...)
  resources/icon/107-16.png, 107-32.png (16 colours), 107-48.png, 107-64.png,
    107-128.png, 107-256.png (full colour)
  resources/sounds/173.wav, resources/sounds/174.wav, resources/sounds/180.wav .. 183.wav

The pieces are drawn from the chess symbols of the DejaVu Sans font
(Debian package fonts-dejavu-core); the sounds are synthesised by
tools/artwork_sounds.py.
Needs Debian's python3-pil (tools/install-deps.sh installs it).
"""

import os
import sys

from artwork_sounds import make_sounds


def _load_pil():
    try:
        from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont
        return Image, ImageChops, ImageDraw, ImageFilter, ImageFont
    except ImportError:
        pass
    # A per-user Python (pyenv, venv) often shadows Debian's interpreter and
    # cannot see the distribution's PIL; hand over to the system one.
    system_python = "/usr/bin/python3"
    if (os.path.exists(system_python)
            and os.path.realpath(sys.executable) != os.path.realpath(system_python)
            and os.environ.get("ORBEL_ARTWORK_REEXEC") != "1"):
        os.environ["ORBEL_ARTWORK_REEXEC"] = "1"
        os.execv(system_python, [system_python] + sys.argv)
    sys.exit("make_artwork.py: PIL is missing; run tools/install-deps.sh "
             "(it installs python3-pil)")


Image, ImageChops, ImageDraw, ImageFilter, ImageFont = _load_pil()

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FONT_CANDIDATES = (
    "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
    "/usr/share/fonts/dejavu/DejaVuSans.ttf",
)

# Pieces
# The board's square (SquareSize in shell/board_geometry.h) and how far into
# it the board paints a piece's bitmap (PieceInsetX and PieceInsetY in
# shell/board_painter.cpp). A cell that leaves the same inset on the far
# sides keeps the piece centred, with a little air above: 43 x 45.
SQUARE_SIZE = 59
PIECE_INSET_X, PIECE_INSET_Y = 8, 7
CELL_W, CELL_H = SQUARE_SIZE - 2 * PIECE_INSET_X, SQUARE_SIZE - 2 * PIECE_INSET_Y
SS = 8                      # supersampling factor, per output pixel
PAD = 24                    # hi-res border so morphology and flood fill
                            # never run into the canvas edge

# Device pixels per logical pixel the pieces are drawn for (files 154.png,
# 154@2x.png, 154@3x.png). Each is drawn afresh from the glyphs at its own
# size, every hi-res length growing with it, so a 2x piece is the 1x drawing
# with twice the detail rather than its pixels doubled.
RESOLUTIONS = (1, 2, 3)

# Stroke width the glyph designs have at the king's size, in hi-res pixels
# at 1x; smaller pieces get their inner lines widened back towards it.
GLYPH_STROKE = 9

KINDS = ("K", "Q", "R", "B", "N", "P")
OUTLINE_GLYPH = {"K": 0x2654, "Q": 0x2655, "R": 0x2656,
                 "B": 0x2657, "N": 0x2658, "P": 0x2659}
FILLED_GLYPH = {k: v + 6 for k, v in OUTLINE_GLYPH.items()}

# Height of each piece in final pixels at 1x. The font draws every symbol
# equally tall; a graded set reads faster across the board.
PIECE_HEIGHT = {"K": 43, "Q": 41, "B": 38, "N": 37, "R": 34, "P": 31}

# File number offsets from a set's base number.
IMAGE_OFFSET = {
    ("W", "R"): 0, ("W", "B"): 1, ("B", "K"): 2, ("B", "N"): 3,
    ("B", "P"): 4, ("B", "Q"): 5, ("B", "R"): 6, ("W", "K"): 7,
    ("W", "N"): 8, ("W", "P"): 9, ("W", "Q"): 10, ("B", "B"): 11,
}
MASK_OFFSET = {"P": 12, "Q": 13, "B": 14, "K": 15, "R": 16, "N": 17}

# Colour schemes. "body" is a (light, dark) pair blended by the shading
# map; "line" colours the inner detail; "outline" the rim, which also bleeds
# into the edge pixels so no light fringe shows on dark squares.
SETS = [
    {   # line art
        "base": 154,
        "ring": 8,
        "shaded": False,
        "W": {"body": ((255, 255, 255), (255, 255, 255)),
              "line": (0, 0, 0), "outline": (0, 0, 0)},
        "B": {"body": ((0, 0, 0), (0, 0, 0)),
              "line": (255, 255, 255), "outline": (0, 0, 0)},
    },
    {   # grey
        "base": 254,
        "ring": 9,
        "shaded": True,
        "W": {"body": ((246, 246, 244), (168, 170, 174)),
              "line": (62, 62, 66), "outline": (48, 48, 52)},
        "B": {"body": ((104, 104, 108), (34, 34, 37)),
              "line": (206, 206, 210), "outline": (8, 8, 10)},
    },
    {   # red and cream
        "base": 354,
        "ring": 9,
        "shaded": True,
        "W": {"body": ((255, 246, 224), (222, 190, 146)),
              "line": (92, 34, 24), "outline": (78, 24, 16)},
        "B": {"body": ((214, 64, 56), (118, 14, 16)),
              "line": (252, 214, 180), "outline": (46, 6, 6)},
    },
]


def find_font():
    for path in FONT_CANDIDATES:
        if os.path.exists(path):
            return path
    sys.exit("make_artwork.py: DejaVuSans.ttf not found; run tools/install-deps.sh "
             "(it installs fonts-dejavu-core)")


def binary(img, level=128):
    return img.point(lambda v: 255 if v >= level else 0)


def erode(img, steps):
    # Alternating square and cross steps approximate a round brush, so the
    # rim keeps its width on diagonals too.
    for i in range(steps):
        if i % 2 == 0:
            img = img.filter(ImageFilter.MinFilter(3))
        else:
            out = img
            for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                out = ImageChops.darker(out, ImageChops.offset(img, dx, dy))
            img = out
    return img


def dilate(img, steps):
    for i in range(steps):
        if i % 2 == 0:
            img = img.filter(ImageFilter.MaxFilter(3))
        else:
            out = img
            for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                out = ImageChops.lighter(out, ImageChops.offset(img, dx, dy))
            img = out
    return img


def fill_holes(img):
    """Everything not reachable from the border without crossing ink.

    img is a binary "L" image; the outside is what joins its top-left pixel,
    4-connected, as ImageDraw.floodfill finds it. Filled a run of pixels at
    a time rather than pixel by pixel: the 3x canvases have over a million.
    """
    w, h = img.size
    pixels = img.tobytes()
    seed = pixels[0]
    # 0: still to fill, 1: ink (a value other than the seed's), 2: outside.
    cells = bytearray(pixels.translate(bytes(0 if v == seed else 1 for v in range(256))))

    def run_end(i, end):
        stops = [p for p in (cells.find(1, i, end), cells.find(2, i, end)) if p >= 0]
        return min(stops) if stops else end

    stack = [0]
    while stack:
        i = stack.pop()
        if cells[i]:
            continue
        row = i - i % w
        left = max(row, cells.rfind(1, row, i) + 1, cells.rfind(2, row, i) + 1)
        right = run_end(i, row + w)
        cells[left:right] = b"\x02" * (right - left)
        for other in (row - w, row + w):
            if other < 0 or other >= w * h:
                continue
            j, end = other + left - row, other + right - row
            while j < end:
                j = cells.find(0, j, end)
                if j < 0:
                    break
                stack.append(j)
                j = run_end(j, end)
    return Image.frombytes("L", img.size, bytes(cells.translate(
        bytes(0 if v == 2 else 255 for v in range(256)))))


def render_glyph(font_path, codepoint, size):
    font = ImageFont.truetype(font_path, size)
    side = size * 2
    img = Image.new("L", (side, side), 0)
    ImageDraw.Draw(img).text((size // 2, size * 3 // 2), chr(codepoint),
                             font=font, fill=255, anchor="ls")
    return binary(img)


class PieceShapes:
    """Hi-res binary layers of one kind at one resolution, placed on the
    padded canvas, with the layers every set and colour of it share."""

    def __init__(self, font_path, kind, res):
        self.res = res
        self.pad = PAD * res
        self.hi_w, self.hi_h = CELL_W * SS * res, CELL_H * SS * res
        ref_size = 320
        ref = render_glyph(font_path, OUTLINE_GLYPH[kind], ref_size)
        x0, y0, x1, y1 = ref.getbbox()
        self.scale = PIECE_HEIGHT[kind] / PIECE_HEIGHT["K"]
        target_h = PIECE_HEIGHT[kind] * SS * res
        size = max(8, round(ref_size * target_h / (y1 - y0)))
        outline = render_glyph(font_path, OUTLINE_GLYPH[kind], size)
        filled = render_glyph(font_path, FILLED_GLYPH[kind], size)
        union = ImageChops.lighter(outline, filled)
        bx0, by0, bx1, by1 = union.getbbox()

        cw, ch = self.hi_w + 2 * self.pad, self.hi_h + 2 * self.pad
        left = self.pad + (self.hi_w - (bx1 - bx0)) // 2
        top = self.pad + self.hi_h - (by1 - by0)

        def place(layer):
            canvas = Image.new("L", (cw, ch), 0)
            canvas.paste(layer.crop((bx0, by0, bx1, by1)), (left, top))
            return canvas

        self.outline_ink = place(outline)
        self.filled_ink = place(filled)
        self.silhouette = ImageChops.lighter(fill_holes(self.outline_ink),
                                             fill_holes(self.filled_ink))
        self.box = (left, top, left + bx1 - bx0, top + by1 - by0)
        # Lines of smaller pieces come out thinner; widen them back.
        self.line_grow = max(0, round(GLYPH_STROKE * res * (1 - self.scale) / 2))
        self._interior = {}
        self._holes = None
        self._shading = None

    def interior(self, ring):
        """The silhouette less its rim, `ring` hi-res pixels wide at 1x."""
        if ring not in self._interior:
            self._interior[ring] = erode(self.silhouette, ring * self.res)
        return self._interior[ring]

    def holes(self):
        """The gaps inside the filled symbol."""
        if self._holes is None:
            self._holes = ImageChops.subtract(fill_holes(self.filled_ink), self.filled_ink)
        return self._holes

    def shading(self):
        if self._shading is None:
            self._shading = shading_map(self)
        return self._shading


def shading_map(shapes):
    """L image: 255 = the light body colour, 0 = the dark one."""
    cw, ch = shapes.silhouette.size
    x0, y0, x1, y1 = shapes.box
    w = max(1, x1 - x0)
    h = max(1, y1 - y0)
    # Light falls from the upper left: a diagonal ramp measured on the piece
    # itself, so a pawn gets the same range as a king.
    across = [0.38 * ((x - x0) / w) for x in range(cw)]
    data = []
    for y in range(ch):
        down = 0.62 * ((y - y0) / h)
        data.extend([int(round(255 * (1.0 - min(1.0, max(0.0, down + a))) ** 1.15))
                     for a in across])
    ramp = Image.new("L", (cw, ch))
    ramp.putdata(data)
    # Darken towards the rim for a rounded, turned look.
    inner = shapes.silhouette.filter(ImageFilter.GaussianBlur(3.2 * SS * shapes.res))
    rim = inner.point(lambda v: int(round(150 + 105 * min(1.0, v / 200.0))))
    return ImageChops.multiply(ramp, rim)


def colour_layer(size, rgb):
    return Image.new("RGB", size, rgb)


def render_layers(shapes, scheme, colour, ring):
    """Hi-res layers of one piece: shaded body, detail lines, rim."""
    sil = shapes.silhouette
    size = sil.size
    cols = scheme[colour]
    interior = shapes.interior(ring)
    rim = ImageChops.subtract(sil, interior)

    if colour == "W":
        # The outline symbol's strokes, inner lines widened for small pieces.
        lines = ImageChops.multiply(shapes.outline_ink, interior)
        lines = dilate(lines, shapes.line_grow)
    else:
        # The gaps inside the filled symbol become light detail lines; light
        # on dark reads thinner than it is, so give them a little extra.
        lines = dilate(shapes.holes(), shapes.line_grow + shapes.res)
    lines = ImageChops.multiply(lines, interior)

    light, dark = cols["body"]
    if scheme["shaded"]:
        body = Image.composite(colour_layer(size, light), colour_layer(size, dark),
                               shapes.shading())
    else:
        body = colour_layer(size, light)
    # Outside the piece counts as rim, so averaging down pulls edge pixels
    # towards the outline colour instead of towards white.
    edge = ImageChops.lighter(rim, ImageChops.invert(sil))
    return body, lines, edge


def crisp(coverage, soft):
    """Steepens partial coverage so lines land on whole pixels where they can."""
    lo, hi = (40, 216) if soft else (64, 192)
    return coverage.point(
        lambda v: 0 if v <= lo else 255 if v >= hi else int(round((v - lo) * 255 / (hi - lo))))


def render_piece(shapes, scheme, colour, ring):
    body, lines, edge = render_layers(shapes, scheme, colour, ring)
    cols = scheme[colour]
    soft = scheme["shaded"]
    img = downsample(shapes, body)
    size = img.size
    img = Image.composite(colour_layer(size, cols["line"]), img,
                          crisp(downsample(shapes, lines), soft))
    img = Image.composite(colour_layer(size, cols["outline"]), img,
                          crisp(downsample(shapes, edge), soft))
    return img


def downsample(shapes, img):
    # SS hi-res pixels to an output pixel at every resolution: the box filter
    # always averages whole cells.
    p = shapes.pad
    crop = img.crop((p, p, p + shapes.hi_w, p + shapes.hi_h))
    return crop.resize((CELL_W * shapes.res, CELL_H * shapes.res), Image.BOX)


def make_mask(shapes):
    coverage = downsample(shapes, shapes.silhouette)
    return binary(coverage, 128)


def apply_mask(img, mask):
    white = colour_layer(img.size, (255, 255, 255))
    return Image.composite(img, white, mask)


def save_png(img, path):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    # No timestamps or text chunks, fixed compression: identical bytes per run.
    img.save(path, format="PNG", optimize=False, compress_level=9)


def piece_file(out_dir, number, res):
    name = "%d.png" % number if res == 1 else "%d@%dx.png" % (number, res)
    return os.path.join(out_dir, name)


def make_pieces(font_path, out_dir):
    # One resolution at a time, so only one set of hi-res layers is held.
    for res in RESOLUTIONS:
        shapes = {kind: PieceShapes(font_path, kind, res) for kind in KINDS}
        masks = {kind: make_mask(shapes[kind]) for kind in KINDS}
        for scheme in SETS:
            base = scheme["base"]
            for kind in KINDS:
                mask = masks[kind]
                save_png(mask.convert("RGB"), piece_file(out_dir, base + MASK_OFFSET[kind], res))
                for colour in ("W", "B"):
                    img = render_piece(shapes[kind], scheme, colour, scheme["ring"])
                    img = apply_mask(img, mask)
                    save_png(img, piece_file(out_dir, base + IMAGE_OFFSET[(colour, kind)], res))


# Icon
ICON_TILE = (58, 140, 140)
ICON_TILE_EDGE = (18, 58, 60)
ICON_KNIGHT_LIGHT = (255, 248, 230)
ICON_KNIGHT_DARK = (228, 198, 150)
ICON_KNIGHT_OUTLINE = (44, 12, 8)

# The window takes 16 and 32 px in a 16-colour palette; the desktop's menus
# and launchers take the larger sizes, in full colour.
ICON_PALETTE_SIZES = (32, 16)
ICON_FULL_COLOUR_SIZES = (48, 64, 128, 256)


def icon_strokes(px):
    """Tile edge, knight outline and detail widths, in final pixels.

    Fixed at the palette sizes, where a pixel is all there is to draw with;
    above them they grow with the icon, so every size is the 32 px drawing.
    """
    if px <= 32:
        return 1.0, (1.1 if px >= 24 else 0.95), 1 / 3
    return px / 32, 1.1 * px / 32, px / 96


def draw_icon(font_path, px, s):
    """The icon at px pixels drawn s times larger: RGB picture, tile coverage."""
    side = px * s
    size2 = (side, side)
    edge_px, outline_px, detail_px = icon_strokes(px)
    edge = round(s * edge_px)
    # A flat rounded tile in the board's colour: it keeps the knight legible
    # on light and dark panels and leaves the few palette entries to the knight.
    radius = max(2, px // 6) * s
    tile = Image.new("L", size2, 0)
    ImageDraw.Draw(tile).rounded_rectangle((0, 0, side - 1, side - 1), radius, fill=255)
    rgb = Image.new("RGB", size2, ICON_TILE_EDGE)
    ImageDraw.Draw(rgb).rounded_rectangle((edge, edge, side - 1 - edge, side - 1 - edge),
                                          radius - edge, fill=ICON_TILE)

    # The knight: the filled symbol, scaled to fill most of the tile, with an
    # outline grown outwards so the body keeps its width at 16 px.
    ref = render_glyph(font_path, FILLED_GLYPH["N"], 320)
    x0, y0, x1, y1 = ref.getbbox()
    big = px >= 24
    target_h = round(side * (0.72 if big else 0.76))
    size = max(8, round(320 * target_h / (y1 - y0)))
    glyph = render_glyph(font_path, FILLED_GLYPH["N"], size)
    glyph = glyph.crop(glyph.getbbox())
    ink = Image.new("L", size2, 0)
    left = (side - glyph.size[0]) // 2
    top = (side - glyph.size[1]) // 2
    ink.paste(glyph, (left, top))
    body = fill_holes(ink)
    outline = dilate(body, round(s * outline_px))
    gh = max(1, glyph.size[1])
    kramp = Image.new("L", size2)
    kramp.putdata([int(255 * (1 - min(1.0, max(0.0, (0.6 * (y - top) + 0.4 * (x - left)) / gh))))
                   for y in range(side) for x in range(side)])
    knight_rgb = Image.composite(colour_layer(size2, ICON_KNIGHT_LIGHT),
                                 colour_layer(size2, ICON_KNIGHT_DARK), kramp)
    if big:
        # Eye and mane line survive at 32 px; at 16 px they would only blur.
        details = dilate(ImageChops.subtract(body, ink), round(s * detail_px))
        knight_rgb = Image.composite(colour_layer(size2, ICON_KNIGHT_OUTLINE), knight_rgb,
                                     details)
    rgb = Image.composite(colour_layer(size2, ICON_KNIGHT_OUTLINE), rgb, outline)
    rgb = Image.composite(knight_rgb, rgb, body)
    return rgb, tile


def make_icon(font_path, px):
    """A palette size: 15 colours and one transparent entry, hard edges."""
    rgb, tile = draw_icon(font_path, px, 16)
    small = rgb.resize((px, px), Image.BOX)
    alpha = binary(tile.resize((px, px), Image.BOX), 128)
    pal = small.quantize(colors=15, method=Image.Quantize.MEDIANCUT,
                         dither=Image.Dither.NONE)
    palette = pal.getpalette()[:15 * 3]
    palette += [0, 0, 0] * (16 - len(palette) // 3)
    pal.putpalette(palette)
    transparent = 15
    pix = pal.load()
    apix = alpha.load()
    for y in range(px):
        for x in range(px):
            if apix[x, y] == 0:
                pix[x, y] = transparent
    return pal, transparent


def make_full_colour_icon(font_path, px):
    """A large size: RGBA with the tile's rounded corners smoothed."""
    # Drawn about 1024 px wide whatever the size: enough for smooth edges,
    # and the per-pixel shading ramp stays quick.
    rgb, tile = draw_icon(font_path, px, max(4, 1024 // px))
    img = rgb.resize((px, px), Image.BOX).convert("RGBA")
    img.putalpha(tile.resize((px, px), Image.BOX))
    return img


def make_icons(font_path, out_dir):
    os.makedirs(out_dir, exist_ok=True)
    for px in ICON_PALETTE_SIZES:
        img, transparent = make_icon(font_path, px)
        path = os.path.join(out_dir, "107-%d.png" % px)
        img.save(path, format="PNG", optimize=False, compress_level=9,
                 transparency=transparent, bits=4)
    for px in ICON_FULL_COLOUR_SIZES:
        save_png(make_full_colour_icon(font_path, px),
                 os.path.join(out_dir, "107-%d.png" % px))


def main():
    font_path = find_font()
    resources = os.path.join(ROOT, "resources")
    make_pieces(font_path, os.path.join(resources, "pieces"))
    make_icons(font_path, os.path.join(resources, "icon"))
    make_sounds(os.path.join(resources, "sounds"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
