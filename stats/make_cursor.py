#!/usr/bin/env python3
"""Writes column_drag.cur: the Current Users window's column-drag cursor, an
arrow carrying a column heading with a left and a right arrow under it.

Run it again after changing the picture; the .cur is committed."""
import pathlib
import struct

SIZE = 32
HOT_X, HOT_Y = 0, 0

# '#' black, '.' white, ' ' transparent.
PICTURE = [
    "#",
    "##",
    "#.#",
    "#..#",
    "#...#",
    "#....#",
    "#.....#",
    "#......#",
    "#.......#",
    "#....#####",
    "#..#..#",
    "#.# #..#",
    "##  #..#",
    "     #..#",
    "     #..#   ##############",
    "      ##    #............#",
    "            #.##########.#",
    "            #.#........#.#",
    "            #.##########.#",
    "            #............#",
    "            ##############",
    "",
    "           #            #",
    "          ##            ##",
    "         #.##############.#",
    "        #..................#",
    "         #.##############.#",
    "          ##            ##",
    "           #            #",
]


def masks():
    xor_rows, and_rows = [], []
    for y in range(SIZE):
        line = PICTURE[y] if y < len(PICTURE) else ""
        xor_bits = and_bits = 0
        for x in range(SIZE):
            c = line[x] if x < len(line) else " "
            bit = 1 << (SIZE - 1 - x)
            if c == " ":
                and_bits |= bit  # transparent: screen kept
            elif c == ".":
                xor_bits |= bit  # white
        xor_rows.append(struct.pack(">I", xor_bits))
        and_rows.append(struct.pack(">I", and_bits))
    # Bitmaps run bottom-up.
    return b"".join(reversed(xor_rows)), b"".join(reversed(and_rows))


def main():
    xor_mask, and_mask = masks()
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 1, 0, len(xor_mask) + len(and_mask), 0, 0, 2, 0)
    palette = struct.pack("<II", 0x000000, 0xFFFFFF)
    image = header + palette + xor_mask + and_mask
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, HOT_X, HOT_Y, len(image), 6 + 16)
    path = pathlib.Path(__file__).with_name("column_drag.cur")
    path.write_bytes(directory + entry + image)


if __name__ == "__main__":
    main()
