"""Smooth shapes for the mascot: ellipsoids and tubes along curves, each as (positions, normals,
indices) with counter-clockwise triangles seen from outside."""

import math


def add(a, b):
    return tuple(x + y for x, y in zip(a, b))


def sub(a, b):
    return tuple(x - y for x, y in zip(a, b))


def scale(a, s):
    return tuple(x * s for x in a)


def cross(a, b):
    return (a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0])


def dot(a, b):
    return sum(x * y for x, y in zip(a, b))


def normalize(a):
    length = math.sqrt(dot(a, a)) or 1.0
    return scale(a, 1.0 / length)


def rotate(q, v):
    """Rotates v by the unit quaternion q = (x, y, z, w)."""
    u, w = q[:3], q[3]
    t = scale(cross(u, v), 2.0)
    return add(add(v, scale(t, w)), cross(u, t))


def merge(*geometries):
    positions, normals, indices = [], [], []
    for p, n, i in geometries:
        base = len(positions)
        positions += p
        normals += n
        indices += [base + k for k in i]
    return positions, normals, indices


def ellipsoid(center, radii, orientation=(0, 0, 0, 1), rings=14, segments=24):
    positions, normals, indices = [], [], []
    for ring in range(rings + 1):
        theta = math.pi * ring / rings
        for segment in range(segments + 1):
            phi = 2 * math.pi * segment / segments
            unit = (math.sin(theta) * math.cos(phi), math.cos(theta),
                    -math.sin(theta) * math.sin(phi))
            local = tuple(u * r for u, r in zip(unit, radii))
            # The normal of an ellipsoid at a point is the unit direction divided by the radii.
            normal = normalize(tuple(u / r for u, r in zip(unit, radii)))
            positions.append(add(center, rotate(orientation, local)))
            normals.append(rotate(orientation, normal))
    row = segments + 1
    for ring in range(rings):
        for segment in range(segments):
            a = ring * row + segment
            b, c, d = a + row, a + row + 1, a + 1
            if ring != 0:
                indices += [a, b, d]
            if ring != rings - 1:
                indices += [d, b, c]
    return positions, normals, indices


def _frames(points):
    """A twist-free frame along a polyline: tangent, and a normal carried from point to point."""
    tangents = []
    for i in range(len(points)):
        ahead = points[min(i + 1, len(points) - 1)]
        behind = points[max(i - 1, 0)]
        tangents.append(normalize(sub(ahead, behind)))
    helper = (0, 0, 1) if abs(tangents[0][2]) < 0.9 else (1, 0, 0)
    normal = normalize(cross(tangents[0], helper))
    frames = []
    for tangent in tangents:
        normal = normalize(sub(normal, scale(tangent, dot(normal, tangent))))
        frames.append((tangent, normal, cross(tangent, normal)))
    return frames


def tube(points, radius_from, radius_to=None, segments=12):
    """A round tube through the points, tapering from one radius to the other, with ball ends."""
    radius_to = radius_from if radius_to is None else radius_to
    positions, normals, indices = [], [], []
    frames = _frames(points)
    count = len(points)
    for i, (point, (_, normal, binormal)) in enumerate(zip(points, frames)):
        radius = radius_from + (radius_to - radius_from) * i / (count - 1)
        for s in range(segments + 1):
            angle = 2 * math.pi * s / segments
            direction = add(scale(normal, math.cos(angle)), scale(binormal, math.sin(angle)))
            positions.append(add(point, scale(direction, radius)))
            normals.append(direction)
    row = segments + 1
    for i in range(count - 1):
        for s in range(segments):
            a = i * row + s
            indices += [a, a + 1, a + row, a + 1, a + row + 1, a + row]
    caps = [ellipsoid(points[0], (radius_from,) * 3, rings=6, segments=segments),
            ellipsoid(points[-1], (radius_to,) * 3, rings=6, segments=segments)]
    return merge((positions, normals, indices), *caps)


def curve(control, steps=16):
    """A Catmull-Rom curve through the control points."""
    padded = [control[0]] + list(control) + [control[-1]]
    result = []
    for i in range(1, len(padded) - 2):
        p0, p1, p2, p3 = padded[i - 1:i + 3]
        for k in range(steps):
            t = k / steps
            t2, t3 = t * t, t * t * t
            result.append(tuple(
                0.5 * (2 * b + (-a + c) * t + (2 * a - 5 * b + 4 * c - d) * t2 +
                       (-a + 3 * b - 3 * c + d) * t3)
                for a, b, c, d in zip(p0, p1, p2, p3)))
    result.append(control[-1])
    return result


def winding_check(geometry):
    """Outward triangles: the face normal agrees with the vertex normals (a sanity check)."""
    positions, normals, indices = geometry
    agree = 0
    for k in range(0, len(indices), 3):
        a, b, c = (positions[indices[k + j]] for j in range(3))
        face = cross(sub(b, a), sub(c, a))
        agree += dot(face, normals[indices[k]]) >= 0
    return agree / max(1, len(indices) // 3)
