# Shared by the scripts: paths, and a helper to say what is happening.
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_ROOT=${VELDRANE_BUILD:-$ROOT/build}
step() { printf '\n== %s\n' "$*"; }
