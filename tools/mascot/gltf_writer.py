"""A small glTF 2.0 binary (.glb) writer: meshes of triangles with normals, one material each,
a node tree and node-transform animations. Only what the mascot needs, and nothing outside
Python's standard library."""

import json
import math
import struct

FLOAT, UNSIGNED_INT = 5126, 5125
ARRAY_BUFFER, ELEMENT_ARRAY_BUFFER = 34962, 34963


def srgb_to_linear(c):
    """glTF stores base colours in linear light; the artwork's hex colours are sRGB."""
    return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4


def hex_color(text):
    text = text.lstrip("#")
    return [srgb_to_linear(int(text[i:i + 2], 16) / 255.0) for i in (0, 2, 4)] + [1.0]


class Builder:
    def __init__(self):
        self.binary = bytearray()
        self.views, self.accessors = [], []
        self.meshes, self.materials, self.nodes = [], [], []
        self.animations = []
        self.material_index = {}

    def _view(self, data, target=None):
        while len(self.binary) % 4:
            self.binary.append(0)
        view = {"buffer": 0, "byteOffset": len(self.binary), "byteLength": len(data)}
        if target:
            view["target"] = target
        self.binary.extend(data)
        self.views.append(view)
        return len(self.views) - 1

    def _accessor(self, values, kind, width, target=None, bounds=False):
        flat = [v for item in values for v in (item if width > 1 else [item])]
        component = UNSIGNED_INT if kind == "indices" else FLOAT
        fmt = "<%d%s" % (len(flat), "I" if component == UNSIGNED_INT else "f")
        accessor = {
            "bufferView": self._view(struct.pack(fmt, *flat), target),
            "componentType": component,
            "count": len(values),
            "type": {1: "SCALAR", 3: "VEC3", 4: "VEC4"}[width],
        }
        if bounds:
            columns = [flat[i::width] for i in range(width)]
            accessor["min"] = [min(c) for c in columns]
            accessor["max"] = [max(c) for c in columns]
        self.accessors.append(accessor)
        return len(self.accessors) - 1

    def material(self, name, color, roughness=0.6):
        if name not in self.material_index:
            self.materials.append({
                "name": name,
                "pbrMetallicRoughness": {
                    "baseColorFactor": hex_color(color),
                    "metallicFactor": 0.0,
                    "roughnessFactor": roughness,
                },
            })
            self.material_index[name] = len(self.materials) - 1
        return self.material_index[name]

    def mesh(self, name, geometry, material):
        positions, normals, indices = geometry
        primitive = {
            "attributes": {
                "POSITION": self._accessor(positions, "f", 3, ARRAY_BUFFER, bounds=True),
                "NORMAL": self._accessor(normals, "f", 3, ARRAY_BUFFER),
            },
            "indices": self._accessor(indices, "indices", 1, ELEMENT_ARRAY_BUFFER),
            "material": material,
        }
        self.meshes.append({"name": name, "primitives": [primitive]})
        return len(self.meshes) - 1

    def node(self, name, translation=(0, 0, 0), rotation=(0, 0, 0, 1), scale=(1, 1, 1),
             mesh=None, children=()):
        node = {"name": name}
        if any(translation):
            node["translation"] = list(translation)
        if tuple(rotation) != (0, 0, 0, 1):
            node["rotation"] = list(rotation)
        if tuple(scale) != (1, 1, 1):
            node["scale"] = list(scale)
        if mesh is not None:
            node["mesh"] = mesh
        if children:
            node["children"] = list(children)
        self.nodes.append(node)
        return len(self.nodes) - 1

    def animation(self, name, tracks):
        """tracks: list of (node index, "translation"|"rotation"|"scale", times, values)."""
        samplers, channels = [], []
        for node, path, times, values in tracks:
            width = 4 if path == "rotation" else 3
            samplers.append({
                "input": self._accessor(times, "f", 1, bounds=True),
                "output": self._accessor(values, "f", width),
                "interpolation": "LINEAR",
            })
            channels.append({"sampler": len(samplers) - 1, "target": {"node": node, "path": path}})
        self.animations.append({"name": name, "samplers": samplers, "channels": channels})

    def glb(self, root, generator):
        document = {
            "asset": {"version": "2.0", "generator": generator},
            "scene": 0,
            "scenes": [{"nodes": [root]}],
            "nodes": self.nodes,
            "meshes": self.meshes,
            "materials": self.materials,
            "accessors": self.accessors,
            "bufferViews": self.views,
            "buffers": [{"byteLength": len(self.binary)}],
        }
        if self.animations:
            document["animations"] = self.animations
        text = json.dumps(document, separators=(",", ":")).encode()
        text += b" " * (-len(text) % 4)
        binary = bytes(self.binary) + b"\0" * (-len(self.binary) % 4)
        total = 12 + 8 + len(text) + 8 + len(binary)
        return (struct.pack("<4sII", b"glTF", 2, total) +
                struct.pack("<I4s", len(text), b"JSON") + text +
                struct.pack("<I4s", len(binary), b"BIN\0") + binary)


def quaternion(axis, degrees):
    x, y, z = axis
    length = math.sqrt(x * x + y * y + z * z)
    half = math.radians(degrees) / 2
    s = math.sin(half) / length
    return (x * s, y * s, z * s, math.cos(half))


def multiply(a, b):
    ax, ay, az, aw = a
    bx, by, bz, bw = b
    return (aw * bx + ax * bw + ay * bz - az * by,
            aw * by - ax * bz + ay * bw + az * bx,
            aw * bz + ax * by - ay * bx + az * bw,
            aw * bw - ax * bx - ay * by - az * bz)


def euler(x=0.0, y=0.0, z=0.0):
    """Turns about x, then y, then z (degrees), as one quaternion."""
    return multiply(quaternion((0, 0, 1), z), multiply(quaternion((0, 1, 0), y),
                                                       quaternion((1, 0, 0), x)))
