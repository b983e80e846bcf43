# Sourced by the velk-cli serve tests after preamble.bash: a competition of two groups of eight
# pairs on the 8-pair Howell, and a server started and stopped on 127.0.0.1.

# club_1.dba: session 2 plays 28 boards in 7 rounds of 4 in both groups.
make_howell_club() {
  "$cli" new club.dba --pairs 16 --groups 2 --tables 8 >/dev/null 2>&1 || fail "new"
  "$cli" session club_1.dba new --boards 28 --rounds 7 --boardgroups 7 --length 4 >/dev/null 2>&1 \
    || fail "session new"
  "$cli" schedule read club_1.dba --groups '*' "$schemas/7r-8p-howell-4t.ws0" >/dev/null 2>&1 || fail "schedule"
}

server=""
trap '[ -n "$server" ] && kill -9 "$server" 2>/dev/null; true' EXIT

# Starts velk-cli serve club_1.dba on a free port with the options given, output in out.txt and
# err.txt, and waits (at most 30 s) for its eight table lines.
start_serve() {
  "$cli" serve club_1.dba --port 0 "$@" >out.txt 2>err.txt &
  server=$!
  for _ in $(seq 300); do
    [ "$(grep -c '^TABLE ' out.txt 2>/dev/null)" = 8 ] && return 0
    kill -0 "$server" 2>/dev/null || fail "serve stopped: $(cat err.txt)"
    sleep 0.1
  done
  fail "serve did not start"
}

# SIGTERM, and a clean exit.
stop_serve() {
  kill -TERM "$server"
  wait "$server" || fail "serve exit status: $(cat err.txt)"
  server=""
}
