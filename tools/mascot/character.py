"""Vostrel the cricket in 3D, after the "vostrel-logo" artwork: a round green body with a darker
folded wing, a big head with white eyes and pink cheeks, long dark antennae sweeping back, and the
striped jumping legs. The model faces +x with y up and stands on y = 0; its root turns it three
quarters toward a camera on +z, as the logo looks at the viewer.

Every part that moves has its own node with the pivot where it joins the body, so the clips in
clips.py can bob, wave and hop it with node transforms alone."""

import math

from gltf_writer import euler
from shapes import add, curve, ellipsoid, merge, normalize, scale, sub, tube

COLORS = {
    "body": ("#6cc247", 0.55),
    "head": ("#8fdb63", 0.5),
    "wing": ("#3d7d2a", 0.45),
    "wing-vein": ("#7bc653", 0.6),
    "thigh": ("#7fd356", 0.5),
    "limb": ("#1f3d17", 0.7),
    "eye": ("#ffffff", 0.25),
    "pupil": ("#1b2416", 0.2),
    "cheek": ("#ff8c9e", 0.8),
}

HEAD_CENTER = (0.2, 0.17, 0.0)  # in the head node, whose pivot is the neck
HEAD_RADIUS = 0.3
ROOT_TURN = euler(y=-38)


def on_head(direction, lift=0.0):
    return add(HEAD_CENTER, scale(normalize(direction), HEAD_RADIUS + lift))


def facing(direction):
    """The turn that points an ellipsoid's y axis along `direction` (for flat patches)."""
    d = normalize(direction)
    axis = (d[2], 0.0, -d[0])
    if abs(axis[0]) + abs(axis[2]) < 1e-6:
        return (0, 0, 0, 1)
    angle = math.acos(max(-1.0, min(1.0, d[1])))
    axis = normalize(axis)
    s = math.sin(angle / 2)
    return (axis[0] * s, axis[1] * s, axis[2] * s, math.cos(angle / 2))


def along(start, end):
    """The turn that points an ellipsoid's x axis from start toward end (within the x-y plane)."""
    d = sub(end, start)
    return euler(z=math.degrees(math.atan2(d[1], d[0])))


class Character:
    def __init__(self, builder):
        self.b = builder
        self.nodes = {}

    def part(self, name, geometry, color):
        hex_color, roughness = COLORS[color]
        material = self.b.material(color, hex_color, roughness)
        return self.b.node(name + "-mesh", mesh=self.b.mesh(name, geometry, material))

    def group(self, name, translation=(0, 0, 0), children=(), rotation=(0, 0, 0, 1)):
        index = self.b.node(name, translation=translation, rotation=rotation, children=children)
        self.nodes[name] = index
        return index

    def eye(self, side):
        z = 0.42 * side
        direction = (0.78, 0.3, z)
        white_at = on_head(direction, -0.03)
        pupil = ellipsoid(add(scale(normalize(direction), 0.085), (0.0, -0.012, 0.0)),
                          (0.058, 0.066, 0.058), rings=10, segments=16)
        shine = ellipsoid(add(scale(normalize(direction), 0.128), (0.012, 0.03, 0.0)),
                          (0.02, 0.02, 0.02), rings=6, segments=10)
        parts = [
            self.part("eye-white-" + self.side_name(side),
                      ellipsoid((0, 0, 0), (0.1, 0.125, 0.1)), "eye"),
            self.part("pupil-" + self.side_name(side), pupil, "pupil"),
            self.part("shine-" + self.side_name(side), shine, "eye"),
        ]
        return self.group("eye-" + self.side_name(side), white_at, parts)

    @staticmethod
    def side_name(side):
        # Facing +x with y up, +z is the cricket's right.
        return "r" if side > 0 else "l"

    def antenna(self, side):
        z = side
        path = curve([(0, 0, 0), (0.08, 0.16, 0.04 * z), (0.03, 0.34, 0.1 * z),
                      (-0.18, 0.48, 0.18 * z), (-0.48, 0.52, 0.25 * z), (-0.72, 0.44, 0.3 * z)], 8)
        shape = tube(path, 0.022, 0.012, segments=8)
        base = on_head((0.35, 0.9, 0.32 * side), -0.02)
        name = "antenna-" + self.side_name(side)
        return self.group(name, base, [self.part(name, shape, "limb")])

    def head(self):
        smile = [on_head((0.86, -0.26 - 0.1 * (1 - (z / 0.26) ** 2), z), -0.004)
                 for z in (-0.26, -0.1, 0.0, 0.1, 0.26)]
        mouth = tube(curve(smile, 6), 0.018, segments=8)
        cheeks = [self.part("cheek-" + self.side_name(s),
                            ellipsoid(on_head((0.6, -0.28, 0.72 * s), -0.012), (0.07, 0.02, 0.058),
                                      facing((0.6, -0.28, 0.72 * s)), rings=8, segments=16),
                            "cheek") for s in (-1, 1)]
        children = [self.part("head", ellipsoid(HEAD_CENTER, (HEAD_RADIUS,) * 3, rings=20,
                                                segments=32), "head"),
                    self.part("mouth", mouth, "limb"), *cheeks,
                    self.eye(-1), self.eye(1), self.antenna(-1), self.antenna(1)]
        return self.group("head", (0.22, 0.58, 0.0), children)

    def body_parts(self):
        abdomen = ellipsoid((-0.3, 0.43, 0), (0.46, 0.28, 0.27), euler(z=9), rings=18,
                            segments=30)
        thorax = ellipsoid((0.1, 0.47, 0), (0.23, 0.25, 0.24), rings=14, segments=24)
        parts = [self.part("abdomen", abdomen, "body"), self.part("thorax", thorax, "body")]
        for s in (-1, 1):
            wing = ellipsoid((-0.32, 0.6, 0.12 * s), (0.5, 0.09, 0.17), euler(x=-14 * s, z=9),
                             rings=12, segments=24)
            vein = tube(curve([(-0.66, 0.57, 0.2 * s), (-0.34, 0.66, 0.22 * s),
                               (0.0, 0.7, 0.17 * s)], 6), 0.012, segments=6)
            parts.append(self.part("wing-" + self.side_name(s), wing, "wing"))
            parts.append(self.part("wing-vein-" + self.side_name(s), vein, "wing-vein"))
        return parts

    def hind_leg(self, side):
        z = 0.22 * side
        knee = (-0.5, 0.3, 0.08 * side)
        # A drumstick: thick at the hip, narrowing toward the knee, as on the logo.
        thigh = merge(ellipsoid(scale(knee, 0.42), (0.3, 0.15, 0.11), along((0, 0, 0), knee),
                                rings=14, segments=24),
                      ellipsoid(scale(knee, 0.75), (0.2, 0.08, 0.07), along((0, 0, 0), knee),
                                rings=10, segments=16))
        foot_y = -(0.4 + knee[1]) + 0.026
        shin_path = [(0, 0, 0), (-0.1, foot_y * 0.55, 0.03 * side),
                     (-0.12, foot_y, 0.05 * side), (0.04, foot_y, 0.05 * side)]
        shin = self.group("hind-shin-" + self.side_name(side), knee,
                          [self.part("hind-shin-" + self.side_name(side),
                                     tube(shin_path, 0.034, 0.026, segments=10), "limb")])
        name = "hind-leg-" + self.side_name(side)
        return self.group(name, (-0.12, 0.4, z), [
            self.part("thigh-" + self.side_name(side), thigh, "thigh"), shin])

    def walking_leg(self, name, hip, reach, side):
        x, z = reach, side
        ground = 0.022 - hip[1]
        path = [(0, 0, 0), (x * 0.4, ground * 0.45, 0.14 * z), (x * 0.2, ground, 0.2 * z),
                (x * 0.2 + 0.1, ground, 0.21 * z)]
        full = name + "-" + self.side_name(side)
        return self.group(full, (hip[0], hip[1], hip[2] * side),
                          [self.part(full, tube(path, 0.03, 0.022, segments=10), "limb")])

    def build(self):
        legs = [self.hind_leg(s) for s in (-1, 1)]
        legs += [self.walking_leg("front-leg", (0.24, 0.36, 0.14), 0.2, s) for s in (-1, 1)]
        legs += [self.walking_leg("mid-leg", (0.0, 0.32, 0.18), -0.1, s) for s in (-1, 1)]
        body = self.group("body", children=[*self.body_parts(), *legs, self.head()])
        return self.group("vostrel", children=[body], rotation=ROOT_TURN)
