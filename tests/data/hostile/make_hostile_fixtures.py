#!/usr/bin/env python3
"""Writes the hostile fixtures of this folder: broken documents, logos that do not decode (one a
decompression bomb) and odd CSV files. They are committed; rerun this after changing it."""

import base64
import json
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


def png(width, height, bit_depth, colour_type, raw_rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", width, height, bit_depth, colour_type, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw_rows, 9)) + chunk(b"IEND", b""))


def tiny_png():
    # 2 × 2 opaque red, 8-bit RGB.
    row = b"\x00" + b"\xff\x00\x00" * 2
    return png(2, 2, 8, 2, row * 2)


def bomb_png():
    # 20000 × 20000 one-bit grey: 50 MB of zero rows squeezed into about 50 KB, and 1.6 GB once
    # converted to 32-bit pixels for drawing.
    edge = 20000
    row = b"\x00" * (1 + edge // 8)
    return png(edge, edge, 1, 0, row * edge)


def document(style_changes=None, logo=None, content=None):
    style = {
        "background": {"a": 1, "b": 1, "g": 1, "r": 1},
        "finderCornerRadius": 0.44,
        "finderThickness": 1.0,
        "flipVertical": True,
        "foreground": {"a": 1, "b": 0, "g": 0, "r": 0},
        "moduleShape": "square",
        "quietZoneModules": 4,
    }
    if logo is not None:
        style["logoOverlay"] = {
            "imageData": base64.b64encode(logo).decode("ascii"),
            "sizePercent": 0.2,
            "shape": "roundedRect",
            "padding": 0.15,
            "backgroundColor": {"a": 1, "b": 1, "g": 1, "r": 1},
        }
    for path, value in (style_changes or {}).items():
        target = style
        keys = path.split(".")
        for key in keys[:-1]:
            target = target[key]
        target[keys[-1]] = value
    return {
        "content": content or {"url": {"_0": {"url": "https://example.org/hostile"}}},
        "exportSettings": {"correctionLevel": "M", "exportFormat": "png", "pngSize": 256},
        "id": "0F8FAD5B-D9CB-469F-A165-70867728950E",
        "name": "hostile",
        "style": style,
        "version": 1,
    }


def as_text(doc):
    return json.dumps(doc, indent=4, sort_keys=True).encode("utf-8")


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


def write_documents():
    valid = as_text(document())
    write("truncated.vostrel", valid[: len(valid) // 2])
    write("not-an-object.vostrel", b"[1, 2, 3]")
    write("deep-nesting.vostrel", b'{"content":' + b"[" * 5000 + b"]" * 5000 + b"}")
    write("wrong-types.vostrel",
          as_text(document(content={"text": {"_0": 42}}, style_changes={"quietZoneModules": "4"})))
    write("long-control-enum.vostrel",
          as_text(document(logo=tiny_png(), style_changes={
              "logoOverlay.shape": "\u001b]0;title\u0007\u202e" + "x" * 20000})))
    write("infinite-number.vostrel",
          as_text(document(logo=tiny_png())).replace(b'"sizePercent": 0.2', b'"sizePercent": 1e400'))
    write("out-of-range-style.vostrel", as_text(document(logo=tiny_png(), style_changes={
        "quietZoneModules": -100,
        "background.a": 5,
        "foreground.r": -3,
        "logoOverlay.sizePercent": 1e308,
        "logoOverlay.padding": 1e308,
    })))
    write("huge-quiet-zone.vostrel",
          as_text(document(style_changes={"quietZoneModules": 1000000000})))
    write("unreadable-logo.vostrel",
          as_text(document(logo=b"\x89PNG\r\n\x1a\n not really a picture")))
    write("bomb-logo.vostrel", as_text(document(logo=bomb_png())))


def write_csvs():
    write("unterminated-quote.csv", b'First Name,Email\n"Ada,ada@example.org\nGrace,"grace@\n')
    write("nul-bytes.csv", b"First Name,Email\nA\x00da,ada@exa\x00mple.org\n\x00\x00\x00\n")
    write("bom-crlf.csv", b"\xef\xbb\xbfFirst Name,Last Name,Email\r\nAda,Lovelace,ada@example.org\r\n\r\n")
    write("only-delimiters.csv", b",,,,\n\t\t\t\n,\t,\n\"\"\"\"\n")
    write("invalid-utf8.csv", b"First Name,Email\n\xff\xfe\xc3(,\xed\xa0\x80@example.org\n")
    write("combining-marks.csv",
          "First Name,Email\n\"\u0301Ada\u0301\",\u0301,\u0301ada@example.org\n".encode("utf-8"))
    write("header-only.csv", b"First Name\tLast Name\tEmail\tPhone\tCompany\tWebsite")
    write("long-line.csv", b"First Name,Email\n" + b'"' + b'x""' * 7000 + b'",a@b\n')
    write("lone-carriage-returns.csv", b"First Name,Email\rAda,ada@example.org\rGrace,g@e.org")
    write("many-columns.csv", b",".join(b"Email" for _ in range(3000)) + b"\n" + b"a@b," * 3000)


if __name__ == "__main__":
    write_documents()
    write_csvs()
