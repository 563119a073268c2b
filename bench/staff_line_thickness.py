#!/usr/bin/env python3
"""Staff-line thickness of a page raster (a PNG of any resolution).

A staff line is a band of pixel rows crossed by an ink run (grey below 128)
of at least a quarter of the page width. In every seventh column where the
band stands alone (white two pixels above and below it), the line's ink
pixels are counted and its darkness summed (1 for black, 0 for white); the
means of both are printed, in pixels.

    bench/staff_line_thickness.py PAGE.png
Needs netpbm's pngtopnm and ppmtopgm.
"""
import subprocess
import sys


def grey_image(path):
    data = subprocess.run(["pngtopnm", path], capture_output=True, check=True).stdout
    if data[:2] == b"P6":
        data = subprocess.run(["ppmtopgm"], input=data, capture_output=True, check=True).stdout
    magic, width, height, _, pixels = data.split(maxsplit=4)
    return int(width), int(height), pixels


def line_bands(width, height, pixels):
    rows = []
    for y in range(height):
        run = longest = 0
        for v in pixels[y * width:(y + 1) * width]:
            run = run + 1 if v < 128 else 0
            longest = max(longest, run)
        if longest >= width // 4:
            rows.append(y)
    bands = []
    for y in rows:
        if bands and y - bands[-1][-1] <= 1:
            bands[-1].append(y)
        else:
            bands.append([y])
    return bands


def main():
    width, height, pixels = grey_image(sys.argv[1])
    counts, darkness = [], []
    for band in line_bands(width, height, pixels):
        top, bottom = band[0] - 4, band[-1] + 4
        if top < 0 or bottom >= height:
            continue
        for x in range(0, width, 7):
            column = [pixels[y * width + x] for y in range(top, bottom + 1)]
            alone = column[0] == column[1] == column[-1] == column[-2] == 255
            if not alone or pixels[(band[0] + band[-1]) // 2 * width + x] >= 128:
                continue
            ink = sum(1 for v in column if v < 128)
            if ink <= 8:
                counts.append(ink)
                darkness.append(sum(255 - v for v in column) / 255)
    if not counts:
        sys.exit(f"{sys.argv[1]}: no staff lines found")
    print(f"{sys.argv[1]}: {len(counts)} columns, ink {sum(counts) / len(counts):.2f} px, "
          f"darkness {sum(darkness) / len(darkness):.2f} px")


if __name__ == "__main__":
    main()
