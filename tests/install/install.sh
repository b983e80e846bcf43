#!/usr/bin/env bash
# `cmake --install` into a scratch prefix, then the installed velk-cli runs the demo from there, in
# an empty folder outside the source and build trees, on the installed tables and schedules.
# Usage: install.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build="$1"
source_dir="$2"
fail() { echo "FAIL: $*" >&2; exit 1; }

scratch="$(mktemp -d /tmp/velk-install.XXXXXX)"
trap 'rm -rf "$scratch"' EXIT
prefix="$scratch/prefix"
cmake --install "$build" --prefix "$prefix" >"$scratch/install.log" 2>&1 || { cat "$scratch/install.log"; fail "install"; }

share="$prefix/share/velk"
for f in "$source_dir"/data/*.dab; do cmp -s "$f" "$share/data/$(basename "$f")" || fail "table $(basename "$f")"; done
for f in "$source_dir"/Schemas/*; do cmp -s "$f" "$share/Schemas/$(basename "$f")" || fail "schedule $(basename "$f")"; done
for f in "$source_dir"/help/*; do cmp -s "$f" "$share/help/$(basename "$f")" || fail "help $(basename "$f")"; done
[ -x "$prefix/bin/velk-cli" ] || fail "no bin/velk-cli"
if grep -q '^VELK_BUILD_GUI:BOOL=ON' "$build/CMakeCache.txt"; then
  [ -x "$prefix/bin/velk" ] || fail "no bin/velk"
fi
desktop="$prefix/share/applications/velk.desktop"
[ -f "$desktop" ] || fail "no desktop file"
grep -qx 'Exec=velk %f' "$desktop" || fail "desktop file does not start velk"
grep -qx 'Icon=velk' "$desktop" || fail "desktop file names no icon velk"
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/velk.svg" || fail "no scalable icon velk.svg"
if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$desktop" || fail "desktop file"; fi
man="$prefix/share/man/man1/velk-cli.1"
[ -f "$man" ] || fail "no man page"
"$prefix/bin/velk-cli" --man | cmp -s - "$man" || fail "installed man page is not the program's"

# The installed program alone: a clean environment, a working folder of its own.
run() { (cd "$scratch/work" && env -i PATH=/usr/bin:/bin HOME="$scratch" ASAN_OPTIONS="${ASAN_OPTIONS:-}" "$@"); }
mkdir -p "$scratch/work"
run "$prefix/bin/velk-cli" --version >"$scratch/version.txt" || fail "--version"
grep -qE '^velk-cli [0-9]+\.[0-9]+' "$scratch/version.txt" || fail "version: $(cat "$scratch/version.txt")"
run "$prefix/bin/velk-cli" demo evening >"$scratch/demo.txt" 2>"$scratch/demo.err" \
  || fail "installed demo: $(cat "$scratch/demo.err")"
grep -q "Jansen - de Vries" "$scratch/demo.txt" || fail "demo printed no results: $(head -5 "$scratch/demo.txt")"
# The same results as the program in the build tree.
mkdir -p "$scratch/built"
(cd "$scratch/built" && "$build/src/cli/velk-cli" demo evening >"$scratch/built.txt" 2>/dev/null) || fail "build-tree demo"
cmp -s "$scratch/demo.txt" "$scratch/built.txt" || fail "installed and built demo differ"

# It read the installed files, not the source tree's: take one away and the demo cannot run.
cp -a "$prefix" "$scratch/noschedule"
rm "$scratch/noschedule/share/velk/Schemas/7r-8p-howell-4t.ws0"
if run "$scratch/noschedule/bin/velk-cli" demo second >/dev/null 2>"$scratch/second.err"; then
  fail "demo ran without its installed schedule: it reads another copy"
fi
cp -a "$prefix" "$scratch/notables"
rm "$scratch/notables/share/velk/data/ContractScors.dab"
if run "$scratch/notables/bin/velk-cli" demo third >/dev/null 2>"$scratch/third.err"; then
  fail "demo ran without its installed tables: it reads another copy"
fi
echo ok
