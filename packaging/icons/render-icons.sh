#!/usr/bin/env bash
# Renders the fixed-size PNGs of the application icon from its SVG sources with rsvg-convert.
# The scalable design is drawn for 48 px and up; the two small sources keep 16 to 32 px crisp.
# Rerun after changing any of the SVGs and commit the PNGs with them.
set -euo pipefail
cd "$(dirname "$0")"
render() { # render SOURCE SIZE
    mkdir -p "hicolor/$2x$2/apps"
    rsvg-convert --width "$2" --height "$2" "$1" --output "hicolor/$2x$2/apps/vostrel.png"
}
for size in 16 24; do render source/vostrel-16.svg "$size"; done
render source/vostrel-32.svg 32
for size in 48 64 128 256 512; do render hicolor/scalable/apps/vostrel.svg "$size"; done
