#!/usr/bin/env bash
# Installs what is missing, builds Vostrel and runs it. Safe to rerun.
# Until the desktop application exists this renders every bundled example document to out/
# with vostrel-cli.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh default vostrel-cli
cli=build/default/src/cli/vostrel-cli
mkdir -p out
for doc in examples/*.vostrel; do
  base=out/$(basename "${doc%.vostrel}")
  "$cli" export "$doc" -o "$base.svg"
  if "$cli" export --help 2>/dev/null | grep -q png; then "$cli" export "$doc" -o "$base.png"; fi
done
echo "Rendered $(ls examples/*.vostrel | wc -l) example documents into $(pwd)/out/"
