# Sourced by the tests that run velk-cli serve: start it in a folder, stop it with SIGTERM, and
# never leave it running. What start_server runs: `velk-cli serve ${serve_args[@]} --port 0`,
# waiting for `serve_tables` table lines.
serve_args=(club_1.dba)
serve_tables=8
server=""
trap '[ -n "$server" ] && kill -9 "$server" 2>/dev/null; true' EXIT

# Starts the server in folder $1 on a free port and waits (at most 30 s) for its table lines.
start_server() {
  (cd "$1" && exec "$cli" serve "${serve_args[@]}" --port 0 >out.txt 2>err.txt) &
  server=$!
  for _ in $(seq 300); do
    [ "$(grep -c '^TABLE ' "$1/out.txt" 2>/dev/null)" = "$serve_tables" ] && return 0
    kill -0 "$server" 2>/dev/null || fail "serve stopped: $(cat "$1/err.txt")"
    sleep 0.1
  done
  fail "serve did not start"
}
# Stops it with SIGTERM and waits (at most 30 s) for a clean exit.
stop_server() {
  kill -TERM "$server"
  for _ in $(seq 300); do
    kill -0 "$server" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$server" 2>/dev/null && fail "serve did not stop on SIGTERM"
  wait "$server" || fail "serve exit status $?: $(cat "$1/err.txt")"
  server=""
}
