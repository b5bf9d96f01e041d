#!/usr/bin/env python3
"""Draws the program's icon and writes it as a Windows .ico file.

The picture is a written page with a pencil, designed on a 32 x 32 grid; the
About window draws the same design with GDI (src/ui/glyphs_win.cpp). Every
size is rendered from the shapes with 4 x 4 (2 x 2 from 96 pixels up)
samples a pixel, so the small sizes stay smooth. The 256-pixel image is
stored as PNG, the others as 32-bit bitmaps with alpha.

Usage: draw_icon.py OUTPUT.ico
"""

import struct
import sys
import zlib

GRID = 32.0
SIZES = (16, 20, 24, 32, 40, 48, 64, 96, 128, 256)

PAPER = (255, 255, 255)
EDGE = (80, 80, 80)
FOLD = (214, 214, 214)
RULING = (150, 160, 178)
WOOD = (242, 212, 164)
LEAD = (48, 48, 48)
BODY = (250, 178, 36)
BODY_EDGE = (140, 88, 10)
FERRULE = (180, 186, 196)
ERASER = (236, 110, 120)


def box(left, top, right, bottom, colour):
    return ([(left, top), (right, top), (right, bottom), (left, bottom)], colour, None)


# Painted in order: (polygon, fill, outline colour or None).
SHAPES = [
    ([(5, 2), (20, 2), (26, 8), (26, 30), (5, 30)], PAPER, EDGE),
    ([(20, 2), (20, 8), (26, 8)], FOLD, EDGE),
    box(8, 11, 23, 12.5, RULING),
    box(8, 15, 21, 16.5, RULING),
    box(8, 19, 23, 20.5, RULING),
    box(8, 23, 15, 24.5, RULING),
    ([(14, 29), (15.6, 24.6), (18.4, 27.4)], WOOD, BODY_EDGE),
    ([(14, 29), (14.6, 27.3), (15.7, 28.4)], LEAD, LEAD),
    ([(15.6, 24.6), (18.4, 27.4), (28.4, 17.4), (25.6, 14.6)], BODY, BODY_EDGE),
    ([(25.6, 14.6), (28.4, 17.4), (29.8, 16), (27, 13.2)], FERRULE, BODY_EDGE),
    ([(27, 13.2), (29.8, 16), (31, 14.8), (28.2, 12)], ERASER, BODY_EDGE),
]


def bounds(points):
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    return min(xs), min(ys), max(xs), max(ys)


BOUNDS = [bounds(points) for points, _, _ in SHAPES]


def inside(points, x, y):
    result = False
    previous = points[-1]
    for point in points:
        (x1, y1), (x2, y2) = previous, point
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            result = not result
        previous = point
    return result


def near_edge(points, x, y, half_width):
    previous = points[-1]
    for point in points:
        (x1, y1), (x2, y2) = previous, point
        dx, dy = x2 - x1, y2 - y1
        t = max(0.0, min(1.0, ((x - x1) * dx + (y - y1) * dy) / (dx * dx + dy * dy)))
        ex, ey = x1 + t * dx - x, y1 + t * dy - y
        if ex * ex + ey * ey <= half_width * half_width:
            return True
        previous = point
    return False


def colour_at(x, y, half_width):
    """The colour of the picture at grid point (x, y); None where it is empty."""
    colour = None
    for (points, fill, outline), (left, top, right, bottom) in zip(SHAPES, BOUNDS):
        if not (left - half_width <= x <= right + half_width and
                top - half_width <= y <= bottom + half_width):
            continue
        if outline is not None and near_edge(points, x, y, half_width):
            colour = outline
        elif inside(points, x, y):
            colour = fill
    return colour


def render(size):
    """Rows of (r, g, b, a) pixels, top row first; alpha is not premultiplied."""
    samples = 4 if size < 96 else 2
    unit = GRID / size
    # The outline is one grid unit wide, and never thinner than a pixel.
    half_width = max(1.0, unit) / 2
    rows = []
    for row in range(size):
        pixels = []
        for column in range(size):
            covered, red, green, blue = 0, 0, 0, 0
            for sy in range(samples):
                for sx in range(samples):
                    colour = colour_at((column + (sx + 0.5) / samples) * unit,
                                       (row + (sy + 0.5) / samples) * unit, half_width)
                    if colour is not None:
                        covered += 1
                        red += colour[0]
                        green += colour[1]
                        blue += colour[2]
            if covered:
                pixels.append((red // covered, green // covered, blue // covered,
                               covered * 255 // (samples * samples)))
            else:
                pixels.append((0, 0, 0, 0))
        rows.append(pixels)
    return rows


def bitmap_image(rows):
    size = len(rows)
    header = struct.pack('<IiiHHIIiiII', 40, size, 2 * size, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b''.join(bytes((b, g, r, a)) for row in reversed(rows) for r, g, b, a in row)
    mask_stride = (size + 31) // 32 * 4
    mask = bytearray()
    for row in reversed(rows):
        line = bytearray(mask_stride)
        for column, pixel in enumerate(row):
            if pixel[3] == 0:
                line[column // 8] |= 0x80 >> (column % 8)
        mask += line
    return header + colour + bytes(mask)


def png_image(rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body))

    size = len(rows)
    raw = b''.join(b'\0' + b''.join(bytes(pixel) for pixel in row) for row in rows)
    return (b'\x89PNG\r\n\x1a\n' +
            chunk(b'IHDR', struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)) +
            chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def icon_file():
    images = [png_image(render(size)) if size >= 256 else bitmap_image(render(size))
              for size in SIZES]
    directory = struct.pack('<HHH', 0, 1, len(SIZES))
    offset = len(directory) + 16 * len(SIZES)
    entries = b''
    for size, image in zip(SIZES, images):
        entries += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(image),
                               offset)
        offset += len(image)
    return directory + entries + b''.join(images)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    with open(sys.argv[1], 'wb') as output:
        output.write(icon_file())


if __name__ == '__main__':
    main()
