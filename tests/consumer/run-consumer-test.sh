#!/usr/bin/env bash
# Usage: run-consumer-test.sh BUILD_DIR VERSION FONT_FILE CXX_COMPILER
# Installs the engine from an already built tree into a temporary prefix, then builds the
# game in this folder against it twice, through the CMake package and through pkg-config,
# and runs each on a virtual display of its own: each must report that everything happened
# and the engine's version must be VERSION. Also compiles every installed header on its own
# include path, so that a public header reaching for one of the engine's own fails here.
# Everything is compiled with the compiler that built the engine.
set -euo pipefail
if [ $# -ne 4 ]; then
  echo "usage: run-consumer-test.sh BUILD_DIR VERSION FONT_FILE CXX_COMPILER" >&2
  exit 2
fi
build=$1
version=$2
font=$3
cxx=$4
here=$(cd "$(dirname "$0")" && pwd)
with_display="$here/../../scripts/with-display"

scratch=$(mktemp -d "${TMPDIR:-/tmp}/ostrel-consumer.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
prefix="$scratch/prefix"

echo "== installing the engine into $prefix"
cmake --install "$build" --component ostrel --prefix "$prefix" >"$scratch/install.log" ||
  { cat "$scratch/install.log"; exit 1; }
pc=$(find "$prefix" -name ostrel.pc)
export PKG_CONFIG_PATH="$(dirname "$pc")"

echo "== every installed header, alone"
(cd "$prefix/include" && find ostrel -name '*.h' | sort) | while read -r header; do
  printf '#include <%s>\n' "$header" >"$scratch/header.cpp"
  "$cxx" -std=c++17 -fsyntax-only -Wall -Wextra -Wpedantic -Werror $(pkg-config --cflags ostrel) "$scratch/header.cpp" ||
    { echo "consumer test: <$header> does not compile from the installed tree" >&2; exit 1; }
done

echo "== building with find_package(Ostrel)"
cmake -S "$here" -B "$scratch/cmake-build" -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER="$cxx" \
  -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF >"$scratch/configure.log" 2>&1 ||
  { cat "$scratch/configure.log"; exit 1; }
cmake --build "$scratch/cmake-build" >"$scratch/build.log" 2>&1 || { cat "$scratch/build.log"; exit 1; }

echo "== building with pkg-config ($(pkg-config --libs --static ostrel))"
mkdir -p "$scratch/make-build"
make -s -C "$scratch/make-build" -f "$here/Makefile" CXX="$cxx" || exit 1

# The CMake build copied the game's data beside it (ostrel_copy_data); the other gets a copy
# by hand. Each runs in a folder of its own holding only the font: both in a window, and the
# CMake-built one also headless, with no display at all.
cp -r "$here/data" "$scratch/make-build/data"
status=0
for run_case in cmake-build:window make-build:window cmake-build:headless; do
  way=${run_case%%:*}
  front_end=${run_case##*:}
  run="$scratch/run-$way-$front_end"
  mkdir -p "$run"
  cp "$font" "$run/ostrel-font.ttf"
  echo "== running the $way game on the $front_end front end"
  if [ "$front_end" = headless ]; then
    runner=(env -u DISPLAY OSTREL_FRONT_END=headless)
  else
    runner=("$with_display")
  fi
  if ! (cd "$run" && "${runner[@]}" "$scratch/$way/consumer") >"$run/output" 2>&1; then
    echo "consumer test: the $way game failed on the $front_end front end" >&2
    status=1
  fi
  cat "$run/output"
  grep -qx "engine: Ostrel $version" "$run/output" ||
    { echo "consumer test: the $way game did not report version $version" >&2; status=1; }
  grep -qx "consumer: all happened" "$run/output" || status=1
done
exit "$status"
