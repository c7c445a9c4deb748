#!/usr/bin/env python3
"""Builds the mascot's models: one glTF 2.0 binary per clip, each holding the whole cricket and
that clip's animation, named as the application looks them up.

    python3 tools/mascot/make_mascot.py assets/mascot

Python 3's standard library only. Change character.py (the shapes) or clips.py (the motion) and
rerun; the files are committed, so building the application does not need Python."""

import os
import sys

from character import Character
from clips import CLIPS, FPS
from gltf_writer import Builder, euler, multiply
from shapes import winding_check

GENERATOR = "Vostrel tools/mascot/make_mascot.py"


def rest_of(builder, index):
    node = builder.nodes[index]
    return (tuple(node.get("translation", (0, 0, 0))), tuple(node.get("rotation", (0, 0, 0, 1))))


def tracks_for(builder, nodes, pose_at, duration):
    frames = int(round(duration * FPS))
    times = [i / FPS for i in range(frames + 1)]
    poses = [pose_at(t) for t in times]
    keys = sorted({(name, kind) for pose in poses for name, parts in pose.items() for kind in parts})
    tracks = []
    for name, kind in keys:
        index = nodes[name]
        translation, rotation = rest_of(builder, index)
        values = []
        for pose in poses:
            offset = pose.get(name, {}).get(kind)
            if kind == "t":
                offset = offset or (0, 0, 0)
                values.append(tuple(a + b for a, b in zip(translation, offset)))
            elif kind == "r":
                values.append(multiply(rotation, euler(*(offset or (0, 0, 0)))))
            else:
                values.append(tuple(offset or (1, 1, 1)))
        path = {"t": "translation", "r": "rotation", "s": "scale"}[kind]
        tracks.append((index, path, times, values))
    return tracks


def build(clip):
    builder = Builder()
    character = Character(builder)
    root = character.build()
    pose_at, duration = CLIPS[clip]
    builder.animation(clip, tracks_for(builder, character.nodes, pose_at, duration))
    return builder.glb(root, GENERATOR)


def check_winding():
    builder = Builder()
    Character(builder).build()
    # Every shape is made by the two primitives; check them once on a sample.
    from shapes import ellipsoid, tube
    for shape in (ellipsoid((0, 0, 0), (1, 2, 1)), tube([(0, 0, 0), (0, 1, 0), (1, 2, 0)], 0.1)):
        if winding_check(shape) < 0.99:
            sys.exit("make_mascot: triangles face inward")


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "assets/mascot"
    os.makedirs(out, exist_ok=True)
    check_winding()
    for clip in CLIPS:
        path = os.path.join(out, "VostrelMascot-%s.glb" % clip)
        with open(path, "wb") as file:
            file.write(build(clip))
        print(path, os.path.getsize(path), "bytes")


if __name__ == "__main__":
    main()
