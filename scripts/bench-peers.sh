#!/usr/bin/env bash
# Times a whole batch against a peer on the same machine in the same run: 1,000 web addresses
# to PNG with `vostrel-cli batch` (1024 px, default style, level M) and with Debian's
# python3-qrcode (one process, level M, the box size that makes about 1,000 px), twice each,
# interleaved so that both see the same load. Prints every run's wall-clock and CPU time, the
# best wall-clock time of each, and their ratio (Vostrel ÷ python-qrcode; lower is better).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh default vostrel-cli >/dev/null
cli=build/default/src/cli/vostrel-cli
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for i in $(seq 1 1000); do echo "https://example.com/products/item-$i?ref=batch"; done >"$work/urls.txt"

cat >"$work/peer.py" <<'PY'
import os, sys
import qrcode
from qrcode.constants import ERROR_CORRECT_M

urls, out = sys.argv[1], sys.argv[2]
os.makedirs(out, exist_ok=True)
with open(urls, encoding="utf-8") as lines:
    for number, line in enumerate(lines, 1):
        code = qrcode.QRCode(error_correction=ERROR_CORRECT_M, border=4)
        code.add_data(line.strip())
        code.make(fit=True)
        code.box_size = max(1, round(1000 / (code.modules_count + 2 * code.border)))
        code.make_image().save(os.path.join(out, f"{number:04d}.png"))
PY

# "wall-clock-seconds cpu-seconds" of one command into a fresh folder `out`.
timed() {
  local out=$1 TIMEFORMAT='%R %U %S'
  shift
  rm -rf "$out"
  { time "$@" >/dev/null 2>&1; } 2>&1 | awk '{ printf "%.2f %.2f\n", $1, $2 + $3 }'
  local count
  count=$(find "$out" -name '*.png' | wc -l)
  [ "$count" -eq 1000 ] || { echo "bench-peers: $out holds $count files, not 1000" >&2; exit 1; }
}

vostrel=() peer=()
for round in 1 2; do
  vostrel+=("$(timed "$work/vostrel" "$cli" batch --kind url --input "$work/urls.txt" \
                                        --out "$work/vostrel")")
  peer+=("$(timed "$work/peer" /usr/bin/python3 "$work/peer.py" "$work/urls.txt" "$work/peer")")
done

# Prints one program's runs and its best wall-clock time.
line() {
  awk -v name="$1" -v a="$2" -v b="$3" 'BEGIN {
    split(a, x, " "); split(b, y, " ")
    printf "%-18s %6.2f s (CPU %6.2f s)  %6.2f s (CPU %6.2f s)  best %6.2f s\n",
           name, x[1], x[2], y[1], y[2], (x[1] < y[1] ? x[1] : y[1]) }'
}
line "vostrel-cli batch" "${vostrel[@]}"
line "python3-qrcode" "${peer[@]}"
awk -v a="${vostrel[0]}" -v b="${vostrel[1]}" -v c="${peer[0]}" -v d="${peer[1]}" 'BEGIN {
  split(a, w, " "); split(b, x, " "); split(c, y, " "); split(d, z, " ")
  ours = (w[1] < x[1] ? w[1] : x[1]); theirs = (y[1] < z[1] ? y[1] : z[1])
  printf "ratio (vostrel / python-qrcode, best wall-clock): %.2f\n", ours / theirs }'
