#!/usr/bin/env bash
# Runs a Windows test program from a fresh folder of its own that the Wine user may write to,
# for a program whose own folder is part of what it tests (the build folder belongs to whoever
# built it). The folder goes when the program has ended; its exit code is passed on.
set -euo pipefail
program=$1
shift
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp "$program" "$scratch/"
status=0
"$(dirname "$0")/../../../scripts/wine-exec" "$scratch/$(basename "$program")" "$@" || status=$?
exit "$status"
