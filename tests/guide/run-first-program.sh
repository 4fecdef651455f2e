#!/usr/bin/env bash
# Usage: run-first-program.sh BUILD_DIR GUIDE CXX_COMPILER
# Builds the guide's first program as the guide says, from the guide's own text: installs the
# engine from an already built tree into a temporary prefix, takes the first CMake block and
# the whole-file quote of examples/hello/main.cpp out of GUIDE, builds them against the
# prefix, and runs the program on the headless front end with no display, from a folder
# other than its own. It must end cleanly after its steps and have started its log.
set -euo pipefail
if [ $# -ne 3 ]; then
  echo "usage: run-first-program.sh BUILD_DIR GUIDE CXX_COMPILER" >&2
  exit 2
fi
build=$1
guide=$2
cxx=$3

scratch=$(mktemp -d "${TMPDIR:-/tmp}/ostrel-first.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
prefix="$scratch/prefix"
game="$scratch/hello"
mkdir -p "$game" "$scratch/elsewhere"

# The lines of the fenced block that opens on the first line matching $2 (a fence) after
# the first line equal to $1 (empty: from the start).
block() {
  awk -v after="$1" -v fence="$2" '
    !started && (after == "" || seen) && $0 == fence { started = 1; next }
    started && $0 == "```" { exit }
    started { print }
    $0 == after { seen = 1 }' "$guide"
}
block "" '```cmake' >"$game/CMakeLists.txt"
block "<!-- quote: examples/hello/main.cpp -->" '```cpp' >"$game/main.cpp"
for file in CMakeLists.txt main.cpp; do
  [ -s "$game/$file" ] || { echo "first program: the guide has no block for $file" >&2; exit 1; }
done

echo "== installing the engine into $prefix"
cmake --install "$build" --component ostrel --prefix "$prefix" >"$scratch/install.log" ||
  { cat "$scratch/install.log"; exit 1; }
echo "== building the guide's first program"
cmake -S "$game" -B "$game/build" -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_CXX_COMPILER="$cxx" \
  -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF >"$scratch/build.log" 2>&1 &&
  cmake --build "$game/build" >>"$scratch/build.log" 2>&1 || { cat "$scratch/build.log"; exit 1; }

echo "== running it headless from $scratch/elsewhere"
cd "$scratch/elsewhere"
env -u DISPLAY OSTREL_FRONT_END=headless "$game/build/hello" --steps 30
grep -qx "LogManager started" ostrel.log || { echo "first program: no log in the folder it ran in" >&2; exit 1; }
echo "first program: built from the guide and ran"
