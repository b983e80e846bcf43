#!/usr/bin/env python3
"""Plays a session on a running velk-cli serve: every table from a thread of its own, round by
round as the phones would, on 127.0.0.1 only.

Usage: serve_play.py SERVE_OUTPUT LINES_OUT [MAX_ENTRIES]
Writes the entries the server accepted as velk-cli scores enter lines to LINES_OUT.
"""

import json
import sys
import threading
import urllib.error
import urllib.request

out_path, lines_path = sys.argv[1], sys.argv[2]
max_entries = int(sys.argv[3]) if len(sys.argv) > 3 else 10**6
url = None
pins = {}
for line in open(out_path, encoding="utf-8"):
    words = line.split()
    if words and words[0] == "URL":
        url = words[1]
    elif len(words) == 4 and words[0] == "TABLE" and words[2] == "PIN":
        pins[words[1]] = words[3]
assert url and url.startswith("http://127.0.0.1:"), url
assert pins, "no tables"


def call(method, path, pin, body=None):
    data = None if body is None else json.dumps(body).encode()
    req = urllib.request.Request(url + path.lstrip("/"), data=data, method=method)
    if pin is not None:
        req.add_header("X-Velk-Pin", pin)
    try:
        with urllib.request.urlopen(req, timeout=20) as r:
            return r.status, json.loads(r.read())
    except urllib.error.HTTPError as e:
        return e.code, json.loads(e.read() or b"{}")


def entry(group, board):
    """What the table enters on a board: a contract, or a score as the score window takes it."""
    kind = (board + ord(group)) % 4
    if kind == 0:
        return {"contract": "4H", "declarer": "N", "result": "C", "lead": "SA"}, "N"
    if kind == 1:
        return {"contract": "3A", "declarer": "E", "result": "+1", "lead": "H10"}, "E"
    if kind == 2:
        return {"contract": "2KX", "declarer": "S", "result": "-2"}, "N"
    return ({"score": "A60%"} if group == "A" else {"score": -100}), "N"


lines = []
failures = []
lock = threading.Lock()
budget = [max_entries]


def play(label, pin):
    group = label[0]
    while True:
        status, info = call("GET", f"/api/v1/tables/{label}", pin)
        if status != 200:
            failures.append(f"{label}: table {status} {info}")
            return
        r = info["round"]
        if r is None:
            return
        status, rnd = call("GET", f"/api/v1/tables/{label}/rounds/{r}", pin)
        if status != 200:
            failures.append(f"{label}: round {r} {status} {rnd}")
            return
        for b in rnd["boards"]:
            body, side = entry(group, b)
            with lock:
                if budget[0] <= 0:
                    return
                budget[0] -= 1
            status, answer = call("PUT", f"/api/v1/tables/{label}/boards/{b}", pin, body)
            if status != 200 or set(answer) != {"ns", "ew"}:
                failures.append(f"{label}: board {b} {status} {answer}")
                return
            row = rnd["ns"] if side == "N" else rnd["ew"]
            if "score" in body:
                text = f"{group} {b} {row} {body['score']}"
            else:
                text = f"{group} {b} {row} {body['contract']} {body['result']}"
            with lock:
                lines.append(text)


threads = [threading.Thread(target=play, args=(label, pin)) for label, pin in pins.items()]
for t in threads:
    t.start()
for t in threads:
    t.join(timeout=100)
if failures:
    sys.exit("\n".join(failures))
with open(lines_path, "w", encoding="utf-8") as f:
    f.write("\n".join(lines) + "\n")
print(len(lines))
