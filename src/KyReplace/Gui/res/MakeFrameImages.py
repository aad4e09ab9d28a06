#!/usr/bin/env python3
# Draws the Replace front-end's tool bar strip (16 by 15 images) and its
# icon (32 and 16 pixels) as plain Windows bitmaps.
import struct

GREY = (192, 192, 192)
BLACK, WHITE = (0, 0, 0), (255, 255, 255)
BLUE, RED, GREEN, YELLOW = (0, 0, 192), (192, 0, 0), (0, 128, 0), (224, 192, 0)


def canvas(w, h, fill):
    return [[fill] * w for _ in range(h)]


def rect(img, x0, y0, x1, y1, colour, ox=0):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            img[y][ox + x] = colour


def frame(img, x0, y0, x1, y1, colour, ox=0):
    for x in range(x0, x1 + 1):
        img[y0][ox + x] = img[y1][ox + x] = colour
    for y in range(y0, y1 + 1):
        img[y][ox + x0] = img[y][ox + x1] = colour


def page(img, ox):  # New task: a page with a folded corner
    rect(img, 3, 1, 12, 13, WHITE, ox)
    frame(img, 3, 1, 12, 13, BLACK, ox)
    for i in range(4):
        img[1 + i][ox + 9 + i] = BLACK
    for y in (5, 7, 9, 11):
        rect(img, 5, y, 10, y, BLUE, ox)


def stop(img, ox):
    rect(img, 3, 2, 12, 11, RED, ox)
    frame(img, 3, 2, 12, 11, BLACK, ox)
    rect(img, 5, 6, 10, 7, WHITE, ox)


def disk(img, ox):  # Save log
    rect(img, 2, 1, 13, 13, BLUE, ox)
    rect(img, 4, 1, 11, 5, WHITE, ox)
    rect(img, 5, 9, 10, 13, GREY, ox)
    frame(img, 2, 1, 13, 13, BLACK, ox)


def wrap(img, ox):  # Word wrap: lines with a return arrow
    for y in (2, 5, 8):
        rect(img, 1, y, 11, y, BLACK, ox)
    rect(img, 12, 5, 13, 5, BLACK, ox)
    rect(img, 13, 5, 13, 11, BLACK, ox)
    rect(img, 5, 11, 13, 11, BLACK, ox)
    for i in range(3):
        rect(img, 5 + i, 11 - i, 5 + i, 11 + i, BLACK, ox)


def options(img, ox):  # Text options: a coloured "A"
    for y in range(2, 13):
        d = (y - 2) // 2
        img[y][ox + 7 - d] = RED
        img[y][ox + 8 + d] = RED
    rect(img, 5, 9, 10, 9, RED, ox)
    rect(img, 1, 13, 14, 14, YELLOW, ox)


def about(img, ox):  # About: a question mark
    rect(img, 5, 2, 10, 3, BLUE, ox)
    rect(img, 10, 3, 11, 7, BLUE, ox)
    rect(img, 7, 7, 10, 8, BLUE, ox)
    rect(img, 7, 9, 8, 10, BLUE, ox)
    rect(img, 7, 12, 8, 13, BLUE, ox)


def bmp_bytes(img):
    h, w = len(img), len(img[0])
    stride = (w * 3 + 3) & ~3
    rows = b''
    for row in reversed(img):
        line = b''.join(bytes((b, g, r)) for (r, g, b) in row)
        rows += line + b'\0' * (stride - len(line))
    info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    return info, rows


def write_bmp(path, img):
    info, rows = bmp_bytes(img)
    header = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(rows), 0, 0, 14 + len(info))
    with open(path, 'wb') as f:
        f.write(header + info + rows)


def icon_image(size):
    img = canvas(size, size, WHITE)
    s = size / 32.0
    rect(img, int(3 * s), int(3 * s), int(28 * s), int(28 * s), WHITE)
    frame(img, int(3 * s), int(3 * s), int(28 * s), int(28 * s), BLACK)
    for k, colour in ((8, BLUE), (14, RED), (20, BLUE)):
        rect(img, int(7 * s), int(k * s), int(24 * s), int(k * s) + max(1, int(2 * s)) - 1, colour)
    rect(img, int(17 * s), int(14 * s), int(24 * s), int(14 * s) + max(1, int(2 * s)) - 1, GREEN)
    return img


def write_ico(path, sizes):
    entries, blobs = [], []
    offset = 6 + 16 * len(sizes)
    for size in sizes:
        img = icon_image(size)
        info, rows = bmp_bytes(img)
        info = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 24, 0, 0, 0, 0, 0, 0)
        mask_stride = ((size + 31) // 32) * 4
        blob = info + rows + b'\0' * (mask_stride * size)
        entries.append(struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 24, len(blob), offset))
        blobs.append(blob)
        offset += len(blob)
    with open(path, 'wb') as f:
        f.write(struct.pack('<HHH', 0, 1, len(sizes)) + b''.join(entries) + b''.join(blobs))


if __name__ == '__main__':
    painters = [page, stop, disk, wrap, options, about]
    strip = canvas(16 * len(painters), 15, GREY)
    for i, paint in enumerate(painters):
        paint(strip, 16 * i)
    write_bmp('Toolbar.bmp', strip)
    write_ico('KyReplaceG.ico', [32, 16])
