#!/usr/bin/env bash
# Pictures of the document window for every example document, of the batch sheet at each of its
# screens, of the welcome window (at four times of day), the About window (on an ordinary day and
# on the birthday) and the library window (without a folder, with an empty one, and showing
# examples/), in light and dark palettes, under a virtual X server:
# out/screenshots/<name>[-dark].png. Safe to rerun.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh default vostrel-screenshot
tool=build/default/tools/vostrel-screenshot
mkdir -p out/screenshots
shoot() { xvfb-run -a -s "-screen 0 1600x1000x24" env QT_QPA_PLATFORM=xcb "$tool" "$@"; }
shoot out/screenshots/new-document.png
for doc in examples/*.vostrel; do
  name=$(basename "${doc%.vostrel}")
  shoot "out/screenshots/$name.png" "$doc"
  shoot "out/screenshots/$name-dark.png" "$doc" --dark
done
for screen in input contact contacts progress summary; do
  shoot "out/screenshots/batch-$screen.png" --batch-sheet "$screen"
  shoot "out/screenshots/batch-$screen-dark.png" --batch-sheet "$screen" --dark
done
# The time zone in which it is now about `hour` o'clock (Etc/GMT-5 is five hours ahead of UTC).
zone_at() {
  local offset=$(( ($1 - 10#$(date -u +%H) + 36) % 24 - 12 ))
  if (( offset >= 0 )); then echo "Etc/GMT-$offset"; else echo "Etc/GMT+$(( -offset ))"; fi
}
for period in morning:9 afternoon:14 evening:19 night:23; do
  name=${period%%:*}
  TZ=$(zone_at "${period##*:}") shoot "out/screenshots/welcome-$name.png" --window welcome
  TZ=$(zone_at "${period##*:}") shoot "out/screenshots/welcome-$name-dark.png" --window welcome --dark
done
shoot out/screenshots/welcome-menu.png --window welcome --main-menu
shoot out/screenshots/welcome-menu-dark.png --window welcome --main-menu --dark
shoot out/screenshots/about.png --window about
shoot out/screenshots/about-dark.png --window about --dark
shoot out/screenshots/about-birthday.png --window about --birthday
shoot out/screenshots/about-birthday-dark.png --window about --birthday --dark
# The library remembers its folder in the settings: each picture gets settings of its own.
library_shot() {
  local settings
  settings=$(mktemp -d)
  xvfb-run -a -s "-screen 0 1600x1000x24" \
    env QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$settings" "$tool" "$@" --window library
  rm -rf "$settings"
}
empty_folder=$(mktemp -d)
for dark in "" --dark; do
  suffix=${dark:+-dark}
  library_shot "out/screenshots/library-no-folder$suffix.png" $dark
  library_shot "out/screenshots/library-empty$suffix.png" --library-folder "$empty_folder" $dark
  library_shot "out/screenshots/library$suffix.png" --library-folder "$PWD/examples" $dark
done
rmdir "$empty_folder"
echo "Screenshots in $(pwd)/out/screenshots/"
