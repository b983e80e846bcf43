#!/usr/bin/env bash
# velk-cli convert: contracts and typed scores, one line each, messages on stderr.
set -euo pipefail
source "$(dirname "$0")/preamble.bash" "$@"

expect() { # expected-line expected-status args...
    local line="$1" status="$2"
    shift 2
    local got=0
    "$cli" convert "$@" >out.txt 2>err.txt || got=$?
    [ "$(cat out.txt)" = "$line" ] || fail "convert $*: got '$(cat out.txt)', want '$line'"
    [ "$got" = "$status" ] || fail "convert $*: exit $got, want $status"
}

expect "score=660 code=N flags=0 error=0" 0 --board 4 --side NZ 3SA 2
expect "score=400 code=N flags=0 error=0" 0 --board 1 --side NZ 3A C
expect "score=600 code=N flags=0 error=0" 0 --board 2 --side NZ 3A C
expect "score=-800 code=N flags=0 error=0" 0 --board 4 --side OW 4RX -3
expect "score=230 code=N flags=0 error=0" 0 --board 1 --side OW 1KXX C
expect "score=0 code=N flags=0 error=0" 0 --board 1 --side NZ PAS C
expect "score=0 code=@ flags=0 error=0" 0 --board 1 --side NZ AFW ""

expect "score=0 code=N flags=0 error=11" 1 --board 1 --side NZ PAS ""
expect "score=0 code=@ flags=0 error=3" 1 --board 1 --side NZ 9H C
[ "$(cat err.txt)" = "Foutief Bod 9H" ] || fail "contract message: $(cat err.txt)"
expect "score=0 code=@ flags=0 error=2" 1 --board 1 --side NZ 4Q C
expect "score=0 code=@ flags=0 error=11" 1 --board 1 --side NZ 4H 4
[ "$(cat err.txt)" = "Resultaat niet corect 4" ] || fail "result message: $(cat err.txt)"

expect "score=420 code=N flags=0 error=0" 0 --board 1 --side NZ --typed 420
expect "score=420 code=N flags=2 error=0" 0 --board 4 --side NZ --typed 420
expect "score=420 code=N flags=4 error=0" 0 --board 1 --side NZ --typed '420!'
expect "score=420 code=N flags=0 error=0" 0 --board 1 --side NZ --short --typed 42
expect "score=60 code=A flags=0 error=0" 0 --board 1 --side OW --typed 'a60%'
expect "score=35 code=M flags=0 error=0" 0 --board 1 --side NZ --pairs 12 --typed M3.5
expect "score=0 code=O flags=0 error=0" 0 --board 1 --side NZ --typed O
expect "score=425 code=N flags=0 error=13" 1 --board 1 --side NZ --typed 425
expect "score=0 code=N flags=0 error=1" 1 --board 1 --side NZ --typed 4x0
[ "$(cat err.txt)" = "Score bestaat NIET 4x0" ] || fail "score message: $(cat err.txt)"
expect "score=120 code=M flags=0 error=13" 1 --board 1 --side NZ --pairs 12 --typed M12
# Above 81.9 match points: the calculation holds fixed values at full size.
expect "score=900 code=M flags=0 error=0" 0 --board 1 --side NZ --typed M90

# Wrong use says how, with its own status.
status=0
"$cli" convert --board 1 --side XX 4H C >/dev/null 2>err.txt || status=$?
[ "$status" = 2 ] || fail "bad side: exit $status"
grep -q "gebruik:" err.txt || fail "no usage text"
echo ok
