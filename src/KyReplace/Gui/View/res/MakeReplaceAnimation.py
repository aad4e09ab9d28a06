#!/usr/bin/env python3
# Draws the Replace view's animation into Replace.avi: a page whose matches turn from blue to red
# line by line under a writing pencil, eight uncompressed 8-bit frames on a magenta background that
# the animation control makes transparent. Run it from this folder to draw the file anew.
import struct

WIDTH, HEIGHT, FRAMES = 80, 48, 8
FRAME_MICROSECONDS = 125000

# Palette index: (red, green, blue).
PALETTE = [
    (0xFF, 0x00, 0xFF),  # 0 background, transparent
    (0x00, 0x00, 0x00),  # 1 outline, pencil tip
    (0x80, 0x80, 0x80),  # 2 page edge, ferrule
    (0xC0, 0xC0, 0xC0),  # 3 folded corner
    (0xFF, 0xFF, 0xFF),  # 4 paper
    (0x20, 0x40, 0xE0),  # 5 match
    (0xE0, 0x20, 0x20),  # 6 replacement
    (0xA8, 0xA8, 0xA8),  # 7 text
    (0xF0, 0xC8, 0x20),  # 8 pencil body
    (0x90, 0x60, 0x30),  # 9 pencil wood
    (0xF0, 0x90, 0xA0),  # 10 eraser
]

PAGE_LEFT, PAGE_TOP, PAGE_RIGHT, PAGE_BOTTOM = 20, 6, 56, 46
CORNER = 6
LINE_TOP, LINE_STEP, LINES = 12, 4, 8
TEXT_LEFT, TEXT_RIGHT = 24, 52
WORD_LEFT, WORD_RIGHT = 30, 44


def blank():
    return [[0] * WIDTH for _ in range(HEIGHT)]


def put(frame, x, y, colour):
    if 0 <= x < WIDTH and 0 <= y < HEIGHT:
        frame[y][x] = colour


def draw_page(frame):
    for y in range(PAGE_TOP, PAGE_BOTTOM + 1):
        for x in range(PAGE_LEFT, PAGE_RIGHT + 1):
            edge = x in (PAGE_LEFT, PAGE_RIGHT) or y in (PAGE_TOP, PAGE_BOTTOM)
            put(frame, x, y, 2 if edge else 4)
    # The folded corner: cut away above the diagonal, the fold below it.
    for i in range(CORNER):
        for x in range(PAGE_RIGHT - CORNER + i + 1, PAGE_RIGHT + 1):
            put(frame, x, PAGE_TOP + i, 0)
        put(frame, PAGE_RIGHT - CORNER + i, PAGE_TOP + i, 2)
        for x in range(PAGE_RIGHT - CORNER, PAGE_RIGHT - CORNER + i):
            put(frame, x, PAGE_TOP + i, 3)
        put(frame, PAGE_RIGHT - CORNER, PAGE_TOP + i, 2)
    for x in range(PAGE_RIGHT - CORNER, PAGE_RIGHT + 1):
        put(frame, x, PAGE_TOP + CORNER, 2)


def draw_line(frame, y, split, right_colour):
    """One text line: grey words, the middle word red up to split and right_colour after it."""
    for x in range(TEXT_LEFT, TEXT_RIGHT + 1):
        if x in (WORD_LEFT - 2, WORD_RIGHT + 2, TEXT_LEFT + 3):
            continue  # the gaps between words
        colour = 7
        if WORD_LEFT <= x <= WORD_RIGHT:
            colour = 6 if x < split else right_colour
        put(frame, x, y, colour)
        put(frame, x, y + 1, colour)


def draw_pencil(frame, tip_x, tip_y):
    """A pencil pointing down-left, its tip at (tip_x, tip_y)."""
    parts = [1, 9, 9] + [8] * 6 + [2, 10, 10]
    for i, colour in enumerate(parts):
        x, y = tip_x + i, tip_y - i
        put(frame, x, y, colour)
        if i > 0:
            put(frame, x + 1, y, colour)
            put(frame, x, y - 1, colour)
    for i in range(3, len(parts)):
        put(frame, tip_x + i + 2, tip_y - i, 1 if i < len(parts) - 1 else 0)


def draw_frame(index):
    frame = blank()
    draw_page(frame)
    for line in range(LINES):
        y = LINE_TOP + line * LINE_STEP
        if line < index:
            draw_line(frame, y, WORD_RIGHT + 1, 6)
        elif line == index:
            split = (WORD_LEFT + WORD_RIGHT) // 2
            draw_line(frame, y, split, 5)
        else:
            draw_line(frame, y, WORD_LEFT, 7)
    split = (WORD_LEFT + WORD_RIGHT) // 2
    draw_pencil(frame, split, LINE_TOP + index * LINE_STEP)
    return frame


def chunk(tag, data):
    padding = b"\0" if len(data) % 2 else b""
    return tag + struct.pack("<I", len(data)) + data + padding


def riff_list(kind, tag, data):
    return kind + struct.pack("<I", len(data) + 4) + tag + data


def avi(frames):
    frame_size = WIDTH * HEIGHT
    avih = struct.pack("<14I", FRAME_MICROSECONDS, frame_size * 8, 0, 0x10, len(frames), 0, 1,
                       frame_size, WIDTH, HEIGHT, 0, 0, 0, 0)
    strh = b"vids" + struct.pack("<4sIHHIIIIIIIIhhhh", b"\0\0\0\0", 0, 0, 0, 0, 1, 8, 0,
                                 len(frames), frame_size, 0xFFFFFFFF, 0, 0, 0, WIDTH, HEIGHT)
    bitmap_info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 8, 0, frame_size, 0, 0,
                              len(PALETTE), len(PALETTE))
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    strl = riff_list(b"LIST", b"strl", chunk(b"strh", strh) + chunk(b"strf", bitmap_info + palette))
    hdrl = riff_list(b"LIST", b"hdrl", chunk(b"avih", avih) + strl)
    movi_body = b""
    index = b""
    for frame in frames:
        pixels = b"".join(bytes(row) for row in reversed(frame))  # bottom-up rows
        index += b"00db" + struct.pack("<III", 0x10, len(movi_body) + 4, len(pixels))
        movi_body += chunk(b"00db", pixels)
    movi = riff_list(b"LIST", b"movi", movi_body)
    return riff_list(b"RIFF", b"AVI ", hdrl + movi + chunk(b"idx1", index))


if __name__ == "__main__":
    with open("Replace.avi", "wb") as out:
        out.write(avi([draw_frame(i) for i in range(FRAMES)]))
