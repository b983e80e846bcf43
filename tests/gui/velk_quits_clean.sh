#!/usr/bin/env bash
# The desktop program of the sanitizer build on an X display (Xvfb), its main window closed as
# the user closes it: it ends with status 0 and no leak report, the leaks of the system libraries
# suppressed. With "leak" a leak of our own is added, which must still be reported.
# Usage: velk_quits_clean.sh VELK QUIT_MODULE SUPPRESSIONS [leak]
set -uo pipefail
velk="$1" module="$2" suppressions="$3" mode="${4:-}"
command -v xvfb-run >/dev/null || { echo "SKIP: xvfb-run is not installed (scripts/setup installs xvfb)"; exit 77; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HOME="$scratch" XDG_RUNTIME_DIR="$scratch" QT_QPA_PLATFORM=xcb
export LSAN_OPTIONS="suppressions=$suppressions:print_suppressions=0"
leak=()
[ "$mode" = leak ] && leak=(VELK_TEST_LEAK=1)
# The module goes into the program alone, before the sanitizer runtime the program brings.
timeout 90 xvfb-run -a -s "-screen 0 1024x768x24" \
  env LD_PRELOAD="$module" ASAN_OPTIONS=verify_asan_link_order=0 "${leak[@]}" "$velk" >"$scratch/out.txt" 2>&1
status=$?
cat "$scratch/out.txt"
if [ "$mode" = leak ]; then
  [ "$status" -ne 0 ] || { echo "FAIL: a leak of ours went unreported"; exit 1; }
  grep -q "Direct leak of 4242 byte(s)" "$scratch/out.txt" || { echo "FAIL: no report of our leak"; exit 1; }
  ! grep -q "libdbus" "$scratch/out.txt" || { echo "FAIL: the system library's leak is reported"; exit 1; }
else
  [ "$status" -eq 0 ] || { echo "FAIL: exit status $status"; exit 1; }
  ! grep -q "LeakSanitizer" "$scratch/out.txt" || { echo "FAIL: leak report"; exit 1; }
fi
echo ok
