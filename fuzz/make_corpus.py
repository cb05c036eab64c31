#!/usr/bin/env python3
"""Writes the fuzzer's seed inputs into fuzz/corpus (see fuzz_events.cpp for the format)."""
import pathlib

ROLL, CATEGORY, MOUSE, HOLD, RESTART_OR_EXIT, ANY = 0, 2, 4, 5, 6, 7
SIX_OF_A_KIND = 14


def roll(*faces):
    # Byte 40 * (face - 1) + 20 draws the middle of the face's share.
    return bytes([ROLL] + [40 * (f - 1) + 20 for f in faces])


def category(index):
    return bytes([CATEGORY, index])


def press(x, y, button=1, shift=0):
    xs, ys = int((x + 32) * 128), int((y + 32) * 128)
    return bytes([MOUSE, button, shift, xs >> 8, xs & 255, ys >> 8, ys & 255])


def whole_game():
    data = b""
    for index in range(16):
        data += roll(1, 2, 3, 4, 5, 6) + category(index)
    return data + bytes([RESTART_OR_EXIT, 1])


def held_rolls():
    data = roll(3, 3, 1, 2, 3, 6) + press(294, 38) + press(358, 38) + press(294, 102)
    for _ in range(6):  # the sixth roll finds Roll disabled
        data += roll(3, 5, 4, 1, 6, 2)
    return data + bytes([HOLD, 0]) + category(7)


def six_of_a_kind():
    data = b""
    for _ in range(3):
        data += roll(5, 5, 5, 5, 5, 5) + category(SIX_OF_A_KIND)
    return data + roll(1, 1, 1, 1, 1, 2) + category(SIX_OF_A_KIND) + category(SIX_OF_A_KIND)


def edges():
    data = roll(6, 6, 6, 6, 6, 6)
    for x in (264, 324, 328, 388, 326, 263.9921875, 264.0078125):
        for y in (8, 68, 72, 132, 136, 196, 38, 70):
            data += press(x, y, button=2)
    return data + bytes([ANY, 90, ANY, 3, ROLL, 240, 251, 246, 255, 252, 245])


def before_first_roll():
    data = b"".join(press(294 + 64 * (d % 2), 38 + 64 * (d // 2)) for d in range(6))
    return data + roll(1, 1, 1, 1, 1, 1) + category(SIX_OF_A_KIND) + category(15)


def main():
    out = pathlib.Path(__file__).resolve().parent / "corpus"
    out.mkdir(exist_ok=True)
    for seed in (whole_game, held_rolls, six_of_a_kind, edges, before_first_roll):
        (out / seed.__name__).write_bytes(seed())


if __name__ == "__main__":
    main()
