#!/usr/bin/env bash
# velk-cli keeps the conventions of a command line: --help and --version answer on standard output
# with status 0, every command answers --help with its usage, and the man page carries the same
# usage texts.
set -euo pipefail
source "$(dirname "$0")/preamble.bash" "$@"

check_answer() { # what, status, stdout file, stderr file
  [ "$2" -eq 0 ] || fail "$1: status $2"
  [ -s "$3" ] || fail "$1: nothing on standard output"
  [ ! -s "$4" ] || fail "$1: standard error: $(cat "$4")"
}

for flag in --help -h; do
  status=0; "$cli" $flag >out.txt 2>err.txt || status=$?
  check_answer "$flag" "$status" out.txt err.txt
  # The overview is the one a call without arguments shows on standard error.
  "$cli" >/dev/null 2>usage.txt && fail "no arguments: status 0"
  cmp -s out.txt usage.txt || fail "$flag differs from the usage: $(diff out.txt usage.txt | head -5)"
done
grep -q "^gebruik: velk-cli COMMANDO" out.txt || fail "overview: $(head -1 out.txt)"

status=0; "$cli" --version >out.txt 2>err.txt || status=$?
check_answer --version "$status" out.txt err.txt
grep -qxE 'velk-cli [0-9]+\.[0-9]+(\.[0-9]+)?' out.txt || fail "version: $(cat out.txt)"

commands=(check dump new session sort convert schedule compute results matchpoints scores demo points slams correct export pages publish report members pairs hands serve cards)
# Every command named in the overview, and no other.
listed="$(sed -n 's/^  \([a-z][a-z]*\) .*/\1/p' usage.txt | sort | tr '\n' ' ')"
[ "$listed" = "$(printf '%s\n' "${commands[@]}" | sort | tr '\n' ' ')" ] || fail "overview lists: $listed"

"$cli" new club.dba --pairs 8 --groups 1 --tables 4 >/dev/null 2>&1 || fail "new"
cp club_1.dba before.dba
for command in "${commands[@]}"; do
  status=0; "$cli" "$command" --help >out.txt 2>err.txt || status=$?
  check_answer "$command --help" "$status" out.txt err.txt
  grep -q "^gebruik: velk-cli $command" out.txt || fail "$command --help: $(head -1 out.txt)"
  # The same text as the usage of a wrong call, which stays on standard error with status 2.
  status=0; "$cli" "$command" </dev/null >/dev/null 2>usage.txt || status=$?
  [ "$status" -eq 2 ] || fail "$command without arguments: status $status"
  cmp -s out.txt usage.txt || fail "$command --help differs from its usage: $(diff out.txt usage.txt | head -5)"
  # Asked for help, a command does nothing else, whatever else was given.
  status=0; "$cli" "$command" club_1.dba --yes --help >out2.txt 2>err.txt </dev/null || status=$?
  check_answer "$command FILE --help" "$status" out2.txt err.txt
  cmp -s out.txt out2.txt || fail "$command FILE --help is not its usage"
  cmp -s club_1.dba before.dba || fail "$command --help changed the file"
done

# The man page: a roff page of every command, rendered without warnings, with every usage line.
"$cli" --man velk-cli.1 || fail "--man"
head -1 velk-cli.1 | grep -q '^\.TH VELK\\-CLI 1' || fail "man page head: $(head -1 velk-cli.1)"
"$cli" --man | cmp -s - velk-cli.1 || fail "--man to a file and to standard output differ"
for command in "${commands[@]}"; do grep -qx ".SS $command" velk-cli.1 || fail "man page lacks $command"; done
if command -v man >/dev/null; then
  LC_ALL=C.UTF-8 MANWIDTH=200 man --warnings -l velk-cli.1 >man.txt 2>warnings.txt || fail "man: $(cat warnings.txt)"
  [ ! -s warnings.txt ] || fail "man page warnings: $(head -5 warnings.txt)"
  for command in "${commands[@]}"; do
    "$cli" "$command" --help | sed 's/^gebruik: //; s/^ *//' | while IFS= read -r line; do
      grep -qF -- "$line" man.txt || fail "man page lacks the line: $line"
    done
  done
fi
echo ok
