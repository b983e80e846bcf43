# Sourced by every command-line test: the velk-cli binary and a fresh scratch folder to work in.
# Usage: source preamble.bash CLI SCRATCH
cli="$1"
scratch="$2"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
schemas="$(cd "$here/../../Schemas" && pwd)"
fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$scratch"
mkdir -p "$scratch"
cd "$scratch"
