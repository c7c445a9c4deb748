"""The mascot's four clips as poses over time. A pose gives, per node, an offset from its rest
placement: "t" a translation added, "r" turns about x, y, z in degrees applied after the rest turn,
"s" a scale. clips.sample() turns them into keyframes at 30 per second.

idle   3.0 s, loops: breathing bob, swaying antennae, a glance and a blink.
hello  2.2 s: perks up, tilts the head toward the viewer and waves the near front leg.
hop    1.2 s: crouches (anticipation), kicks off with the hind legs, stretches in the air,
       lands with a squash and settles.
arrive 1.8 s: pops up out of nothing mid-bound, lands on its spot, and adds a small hop."""

import math

FPS = 30


def ease_in_out(t):
    t = min(max(t, 0.0), 1.0)
    return t * t * (3 - 2 * t)


def span(t, start, end):
    """0 before start, 1 after end, eased in between."""
    return ease_in_out((t - start) / (end - start))


def bump(t, start, peak, end):
    """Rises from 0 at start to 1 at peak and falls back to 0 at end, eased both ways."""
    if t <= peak:
        return span(t, start, peak)
    return 1 - span(t, peak, end)


def wave(t, period, phase=0.0):
    return math.sin(2 * math.pi * (t / period + phase))


def idle(t):
    breath = wave(t, 1.5)
    blink = bump(t, 2.3, 2.38, 2.48)
    glance = bump(t, 0.6, 1.1, 2.0)
    return {
        "body": {"t": (0, 0.012 * breath, 0), "s": (1 - 0.008 * breath, 1 + 0.014 * breath, 1)},
        "head": {"r": (3 * glance, 6 * glance, 2 * wave(t, 3.0))},
        "antenna-l": {"r": (4 * wave(t, 3.0), 0, 5 * wave(t, 1.5, 0.1))},
        "antenna-r": {"r": (-4 * wave(t, 3.0, 0.3), 0, 5 * wave(t, 1.5, 0.35))},
        "eye-l": {"s": (1, 1 - 0.9 * blink, 1)},
        "eye-r": {"s": (1, 1 - 0.9 * blink, 1)},
    }


def hello(t):
    perk = bump(t, 0.0, 0.35, 2.1)
    raise_leg = bump(t, 0.2, 0.5, 2.0) if t < 1.6 else bump(t, 0.2, 1.6, 2.0)
    waving = 22 * wave(t, 0.42) * span(t, 0.45, 0.6) * (1 - span(t, 1.5, 1.7))
    hop = bump(t, 0.0, 0.18, 0.4)
    return {
        "body": {"t": (0, 0.05 * hop, 0), "r": (0, 0, 4 * perk)},
        "head": {"r": (16 * perk, 14 * perk, 6 * perk)},
        "front-leg-r": {"r": (-115 * raise_leg + waving * raise_leg, 0, 40 * raise_leg)},
        "antenna-l": {"r": (0, 0, -14 * perk + 4 * wave(t, 0.6))},
        "antenna-r": {"r": (0, 0, -14 * perk + 4 * wave(t, 0.6, 0.25))},
    }


def jump_arc(t, start, end, height):
    """Height of a throw that leaves the ground at start and lands at end."""
    if t <= start or t >= end:
        return 0.0
    u = (t - start) / (end - start)
    return 4 * height * u * (1 - u)


def hop_pose(t, start, height, flight=0.5, drift=(0.0, 0.0)):
    """One hop starting at `start`: 0.28 s crouch, take-off, `flight` seconds up and down, a
    squash on landing and a settle. `drift` moves the root along the way (x, z)."""
    crouch = bump(t, start, start + 0.28, start + 0.36)
    takeoff, land = start + 0.32, start + 0.32 + flight
    stretch = bump(t, takeoff - 0.04, takeoff + 0.06, takeoff + 0.2)
    squash = bump(t, land - 0.02, land + 0.07, land + 0.3)
    rebound = math.sin(max(0.0, min(1.0, (t - land - 0.07) / 0.4)) * math.pi) * squash
    air = span(t, takeoff, takeoff + 0.12) * (1 - span(t, land - 0.12, land))
    travel = span(t, takeoff, land)
    pitch = air * (10 - 20 * (t - takeoff) / flight)
    return {
        "root": (drift[0] * travel, jump_arc(t, takeoff, land, height), drift[1] * travel),
        "body": {"t": (0, -0.08 * crouch - 0.05 * squash, 0),
                 "r": (0, 0, 6 * crouch + pitch),
                 "s": (1 + 0.05 * crouch + 0.09 * squash - 0.05 * stretch,
                       1 - 0.08 * crouch - 0.14 * squash + 0.1 * stretch + 0.02 * rebound,
                       1 + 0.04 * squash)},
        "hind-leg": 18 * crouch - 38 * air,
        "hind-shin": -16 * crouch + 44 * air,
        "tuck": 30 * air,
        "antennae": -18 * air + 14 * squash,
    }


def hop_nodes(p, extra_root=(0, 0, 0)):
    root = tuple(a + b for a, b in zip(p["root"], extra_root))
    pose = {"vostrel": {"t": root}, "body": p["body"]}
    for s in ("l", "r"):
        pose["hind-leg-" + s] = {"r": (0, 0, p["hind-leg"])}
        pose["hind-shin-" + s] = {"r": (0, 0, p["hind-shin"])}
        pose["front-leg-" + s] = {"r": (0, 0, p["tuck"])}
        pose["mid-leg-" + s] = {"r": (0, 0, -p["tuck"] * 0.6)}
        pose["antenna-" + s] = {"r": (0, 0, p["antennae"])}
    return pose


def hop(t):
    pose = hop_nodes(hop_pose(t, 0.0, 0.55))
    pose["head"] = {"r": (0, 0, 8 * bump(t, 0.0, 0.28, 0.4) - 6 * bump(t, 0.84, 0.92, 1.15))}
    return pose


def ease_out_back(t, overshoot=1.8):
    t = min(max(t, 0.0), 1.0) - 1
    return 1 + t * t * ((overshoot + 1) * t + overshoot)


# Where the entrance's bound starts, in the root's parent (x, z): near enough that the cricket
# never leaves the picture, which would cut it at the view's edge.
ARRIVE_FROM = (-0.55, -0.3)


def arrive(t):
    """Pops up from nothing into a bound that lands it on its spot, then a small happy hop."""
    first = hop_pose(t, -0.2, 0.34, 0.45, (-ARRIVE_FROM[0], -ARRIVE_FROM[1]))
    second = hop_pose(t, 0.95, 0.16, 0.3)
    source = first if t < 0.95 else second
    start = (ARRIVE_FROM[0], 0, ARRIVE_FROM[1]) if t < 0.95 else (0, 0, 0)
    pose = hop_nodes(source, start)
    grow = 0.02 + 0.98 * ease_out_back(t / 0.45)
    pose["vostrel"]["s"] = (grow, grow, grow)
    look = bump(t, 1.45, 1.62, 1.8)
    pose["head"] = {"r": (8 * look, 10 * look, 0)}
    return pose


CLIPS = {"idle": (idle, 3.0), "hello": (hello, 2.2), "hop": (hop, 1.2), "arrive": (arrive, 1.8)}
