#!/usr/bin/env python3
"""Draws the art of the test skins in tests/data/skins: backgrounds, maps, buttons, sliders.

Each picture is drawn by a few shapes into RGBA rows and written as the skin names it:
24-bit BMP or PNG (with alpha where the skin relies on it).
Run from the repository root:  python3 tools/draw_skin_art.py
The output is deterministic, so running it again gives byte-identical files.
"""

import math
import os
import struct
import zlib

MAGENTA = (255, 0, 255)
BLACK = (0, 0, 0)


def canvas(width, height, colour=BLACK, alpha=255):
    return [[colour + (alpha,) for _ in range(width)] for _ in range(height)]


def rect(pixels, left, top, width, height, colour, alpha=255):
    for y in range(max(top, 0), min(top + height, len(pixels))):
        for x in range(max(left, 0), min(left + width, len(pixels[0]))):
            pixels[y][x] = tuple(colour) + (alpha,)


def rounded(pixels, left, top, width, height, radius, colour, alpha=255):
    """A rounded rectangle: corners are quarter circles of the radius."""
    for y in range(top, top + height):
        for x in range(left, left + width):
            dx = max(left + radius - x - 0.5, x + 0.5 - (left + width - radius), 0)
            dy = max(top + radius - y - 0.5, y + 0.5 - (top + height - radius), 0)
            if dx * dx + dy * dy <= radius * radius and 0 <= y < len(pixels) and 0 <= x < len(pixels[0]):
                pixels[y][x] = tuple(colour) + (alpha,)


def ellipse(pixels, cx, cy, rx, ry, colour, alpha=255):
    for y in range(len(pixels)):
        for x in range(len(pixels[0])):
            if ((x + 0.5 - cx) / rx) ** 2 + ((y + 0.5 - cy) / ry) ** 2 <= 1:
                pixels[y][x] = tuple(colour) + (alpha,)


def gradient(pixels, left, top, width, height, start, end, inside=None):
    """A vertical gradient over the rectangle, only on pixels for which inside(x, y) holds."""
    for y in range(top, top + height):
        t = (y - top) / max(height - 1, 1)
        colour = tuple(round(a + (b - a) * t) for a, b in zip(start, end))
        for x in range(left, left + width):
            if inside is None or inside(x, y):
                pixels[y][x] = colour + (pixels[y][x][3] if inside else 255,)


def triangle(pixels, left, top, size, colour):
    for y in range(size):
        run = size // 2 - abs(y - size // 2)
        rect(pixels, left, top + y, run + 1, 1, colour)


def write_bmp(path, pixels):
    height, width = len(pixels), len(pixels[0])
    stride = (width * 3 + 3) // 4 * 4
    rows = b''.join(bytes(c for p in row for c in (p[2], p[1], p[0])).ljust(stride, b'\0')
                    for row in reversed(pixels))
    header = struct.pack('<2sIHHI', b'BM', 54 + len(rows), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    write(path, header + info + rows)


def write_png(path, pixels, alpha=True):
    height, width = len(pixels), len(pixels[0])
    raw = b''.join(b'\0' + bytes(c for p in row for c in (p if alpha else p[:3])) for row in pixels)

    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))

    ihdr = struct.pack('>IIBBBBB', width, height, 8, 6 if alpha else 2, 0, 0, 0)
    write(path, b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', ihdr) + chunk(b'IDAT', zlib.compress(raw, 9)) +
          chunk(b'IEND', b''))


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, 'wb') as f:
        f.write(data)


def classic(folder):
    """A 320x120 player: rounded body cut by magenta, four mapped buttons drawn in the background."""
    back = canvas(320, 120, MAGENTA)
    rounded(back, 0, 0, 320, 120, 14, (0, 0, 0))
    gradient(back, 0, 0, 320, 120, (84, 104, 148), (30, 38, 70), lambda x, y: back[y][x][:3] != MAGENTA)
    rect(back, 12, 52, 296, 4, (16, 18, 30))
    rect(back, 220, 74, 80, 4, (16, 18, 30))
    glyphs = [(30, 200, 90), (220, 200, 60), (220, 80, 70), (90, 170, 230)]
    states = {'map': None, 'hover': 60, 'down': -40}
    images = {name: canvas(172, 30) for name in states}
    for i, glyph in enumerate(glyphs):
        left = i * 44
        rounded(back, 12 + left, 70, 40, 30, 6, (150, 156, 176))
        triangle(back, 12 + left + 14, 78, 14, glyph)
        rounded(images['map'], left, 0, 40, 30, 6, [(255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 0)][i])
        for name in ('hover', 'down'):
            lift = states[name]
            rounded(images[name], left, 0, 40, 30, 6, tuple(max(0, min(255, c + lift)) for c in (150, 156, 176)))
            triangle(images[name], left + 14, 8 + (2 if lift < 0 else 0), 14, glyph)
    write_bmp(f'{folder}/back.bmp', back)
    for name, pixels in images.items():
        write_bmp(f'{folder}/{name}.bmp', pixels)
    thumb = canvas(8, 8, MAGENTA)
    ellipse(thumb, 4, 4, 4, 4, (235, 235, 245))
    write_bmp(f'{folder}/thumb.bmp', thumb)
    fill = canvas(296, 8)
    gradient(fill, 0, 0, 296, 8, (120, 230, 120), (20, 120, 40))
    write_bmp(f'{folder}/seekfill.bmp', fill)
    for name, cross in (('mute', False), ('mutedown', True)):
        icon = canvas(16, 16, (60, 70, 100))
        rect(icon, 3, 6, 4, 4, (230, 230, 230))
        triangle(icon, 6, 2, 12, (230, 230, 230))
        if cross:
            for d in range(10):
                rect(icon, 4 + d, 3 + d, 2, 1, (230, 40, 40))
        write_bmp(f'{folder}/{name}.bmp', icon)
    close = canvas(16, 16, (180, 40, 40))
    for d in range(10):
        rect(close, 3 + d, 3 + d, 2, 1, (255, 255, 255))
        rect(close, 12 - d, 3 + d, 2, 1, (255, 255, 255))
    write_bmp(f'{folder}/close.bmp', close)


def nightshift(folder):
    """A big 400x300 view with a tiled panel, a keyed button group and a dial; a 200x24 mini view."""
    back = canvas(400, 300, MAGENTA)
    rounded(back, 0, 0, 400, 300, 18, (16, 16, 40))
    write_bmp(f'{folder}/back.bmp', back)
    panel = canvas(8, 64, (1, 1, 1))
    gradient(panel, 0, 4, 8, 60, (70, 70, 90), (30, 30, 44))
    write_png(f'{folder}/panel.png', panel, alpha=False)
    colours = [(255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 255)]
    art = {name: canvas(160, 48) for name in ('buttons', 'buttons_hover', 'buttons_map')}
    for i, colour in enumerate(colours):
        cx = 22 + 40 * i
        ellipse(art['buttons_map'], cx, 24, 18, 18, colour)
        ellipse(art['buttons'], cx, 24, 18, 18, (90, 90, 120))
        ellipse(art['buttons_hover'], cx, 24, 18, 18, (150, 150, 210))
        for name in ('buttons', 'buttons_hover'):
            triangle(art[name], cx - 6, 17, 14, (240, 200, 80))
    for name, pixels in art.items():
        write_png(f'{folder}/{name}.png', pixels, alpha=False)
    dial = canvas(32 * 11, 32, (1, 1, 1))
    dial_map = canvas(32, 32, (255, 0, 255))
    for frame in range(11):
        ellipse(dial, 32 * frame + 16, 16, 14, 14, (80, 80, 100))
        angle = math.radians(225 - 27 * frame)
        for r in range(4, 13):
            x, y = 32 * frame + 16 + round(r * math.cos(angle)), 16 - round(r * math.sin(angle))
            rect(dial, x, y, 2, 2, (250, 210, 90))
    for y in range(32):
        for x in range(32):
            if (x - 15.5) ** 2 + (y - 15.5) ** 2 <= 14 ** 2:
                step = round((math.degrees(math.atan2(15.5 - y, x - 15.5)) + 360) % 360 / 36) % 11
                dial_map[y][x] = (round(step * 255 / 10),) * 3 + (255,)
    write_png(f'{folder}/vol.png', dial, alpha=False)
    write_png(f'{folder}/vol_map.png', dial_map, alpha=False)
    mini = canvas(200, 24, MAGENTA)
    rounded(mini, 0, 0, 200, 24, 8, (24, 24, 56))
    write_bmp(f'{folder}/mini.bmp', mini)
    for name, colour in (('mini_play', (60, 200, 90)), ('mini_stop', (220, 80, 70)), ('mini_return', (90, 170, 230))):
        icon = canvas(20, 16, (40, 40, 80))
        triangle(icon, 6, 2, 12, colour)
        write_bmp(f'{folder}/{name}.bmp', icon)


def aurora(folder):
    """A round 260x350 player with a PNG body, a clipping image, a small button group and a play button."""
    inside = lambda x, y: ((x + 0.5 - 130) / 130) ** 2 + ((y + 0.5 - 175) / 175) ** 2 <= 1
    body = canvas(260, 350, BLACK, 0)
    gradient(body, 0, 0, 260, 350, (40, 150, 160), (10, 40, 70), inside)
    for y in range(350):
        for x in range(260):
            if inside(x, y):
                body[y][x] = body[y][x][:3] + (255,)
    write_png(f'{folder}/body.png', body)
    clip = canvas(260, 350, (0, 255, 0))
    for y in range(350):
        for x in range(260):
            if inside(x, y):
                clip[y][x] = (0, 0, 0, 255)
    write_bmp(f'{folder}/clip.bmp', clip)
    eq = canvas(60, 20, BLACK, 0)
    eq_map = canvas(60, 20, (255, 255, 255))
    for i, colour in enumerate([(1, 2, 3), (4, 5, 6), (7, 8, 9)]):
        rounded(eq, 20 * i + 1, 1, 18, 18, 4, (200, 220, 120 + 40 * i))
        rect(eq_map, 20 * i + 1, 1, 18, 18, colour)
    write_png(f'{folder}/eq.png', eq)
    write_bmp(f'{folder}/eq_map.bmp', eq_map)
    knob = canvas(12, 8, BLACK, 0)
    rounded(knob, 0, 0, 12, 8, 3, (230, 230, 240))
    write_png(f'{folder}/knob.png', knob)
    track = canvas(16, 40, (20, 60, 80))
    write_png(f'{folder}/track_down.png', track, alpha=False)
    for name, ring in (('play', (230, 240, 250)), ('play_hover', (255, 220, 120))):
        button = canvas(40, 40, BLACK, 0)
        ellipse(button, 20, 20, 20, 20, ring)
        ellipse(button, 20, 20, 17, 17, (30, 90, 120))
        triangle(button, 15, 11, 18, ring)
        write_png(f'{folder}/{name}.png', button)


def nowplaying(folder):
    """A 300x110 panel of the song playing: play and pause in one place, keyed buttons and thumbs."""
    back = canvas(300, 110, MAGENTA)
    rounded(back, 0, 0, 300, 110, 10, BLACK)
    gradient(back, 0, 0, 300, 110, (52, 64, 80), (22, 27, 34), lambda x, y: back[y][x][:3] != MAGENTA)
    write_bmp(f'{folder}/back.bmp', back)
    glyphs = {
        'play': lambda p: triangle(p, 9, 5, 14, (120, 220, 140)),
        'pause': lambda p: (rect(p, 8, 6, 3, 12, (240, 200, 90)), rect(p, 13, 6, 3, 12, (240, 200, 90))),
        'stop': lambda p: rect(p, 7, 7, 10, 10, (230, 100, 90)),
        'stop_disabled': lambda p: rect(p, 7, 7, 10, 10, (100, 104, 112)),
    }
    for name, glyph in glyphs.items():
        button = canvas(24, 24, MAGENTA)
        ellipse(button, 12, 12, 12, 12, (70, 82, 100))
        glyph(button)
        write_bmp(f'{folder}/{name}.bmp', button)
    write_bmp(f'{folder}/track.bmp', canvas(16, 8, (14, 17, 22)))
    fill = canvas(16, 8)
    gradient(fill, 0, 0, 16, 8, (110, 190, 230), (50, 120, 170))
    write_bmp(f'{folder}/fill.bmp', fill)
    thumb = canvas(8, 8, MAGENTA)
    ellipse(thumb, 4, 4, 4, 4, (235, 240, 250))
    write_bmp(f'{folder}/thumb.bmp', thumb)
    # A thumb wholly of the transparent colour: the player shows nothing of it.
    write_bmp(f'{folder}/hidden.bmp', canvas(6, 8, MAGENTA))


if __name__ == '__main__':
    skins = os.path.join('tests', 'data', 'skins')
    classic(os.path.join(skins, 'classic'))
    nightshift(os.path.join(skins, 'lowercase', 'images'))
    aurora(os.path.join(skins, 'mixed', 'art'))
    nowplaying(os.path.join(skins, 'nowplaying'))
