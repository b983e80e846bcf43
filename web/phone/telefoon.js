// The table phones' page: choose the table, its PIN, then round by round each board's contract
// or score; the server scores it, the opponents confirm, and only then is it stored.
"use strict";

(() => {
  const $ = (id) => document.getElementById(id);
  const MINUS = "\u2212";

  const STRAINS = [
    { key: "K", show: "\u2663", red: false },
    { key: "R", show: "\u2666", red: true },
    { key: "H", show: "\u2665", red: true },
    { key: "S", show: "\u2660", red: false },
    { key: "SA", show: "SA", red: false },
  ];
  const DOUBLINGS = [
    { key: "", show: "\u2014", label: "Niet gedoubleerd" },
    { key: "X", show: "X", label: "Gedoubleerd" },
    { key: "XX", show: "XX", label: "Geredoubleerd" },
  ];
  // Shown as the Dutch seats, sent as the API's compass letters.
  const DECLARERS = [
    { key: "N", show: "N", label: "Noord" },
    { key: "E", show: "O", label: "Oost" },
    { key: "S", show: "Z", label: "Zuid" },
    { key: "W", show: "W", label: "West" },
  ];
  const LEAD_SUITS = [
    { key: "S", show: "\u2660", red: false, label: "Schoppen" },
    { key: "H", show: "\u2665", red: true, label: "Harten" },
    { key: "D", show: "\u2666", red: true, label: "Ruiten" },
    { key: "C", show: "\u2663", red: false, label: "Klaveren" },
  ];
  // English ranks to the server, Dutch on the buttons: Aas, Heer, Vrouw, Boer.
  const LEAD_RANKS = ["A", "K", "Q", "J", "10", "9", "8", "7", "6", "5", "4", "3", "2"].map((key, i) => ({
    key,
    show: "AHVB"[i] || key,
  }));

  const state = {
    tables: [],
    table: null,
    pin: null,
    info: null, // GET /api/v1/tables/<label>
    round: null, // GET .../rounds/<r>
    board: null,
    mode: "contract",
    pick: {},
    pending: null, // the body the opponents are asked to confirm
  };

  // ---- the server ----

  async function api(method, path, body) {
    const headers = {};
    if (state.pin) headers["X-Velk-Pin"] = state.pin;
    if (body !== undefined) headers["Content-Type"] = "application/json";
    try {
      const res = await fetch(path, {
        method,
        headers,
        body: body === undefined ? undefined : JSON.stringify(body),
        cache: "no-store",
      });
      let json = {};
      try {
        json = await res.json();
      } catch (e) {
        json = {};
      }
      return { status: res.status, json };
    } catch (e) {
      return { status: 0, json: { error: "Geen verbinding met de tafelserver; probeer het opnieuw" } };
    }
  }

  function tablePath(rest) {
    return "/api/v1/tables/" + encodeURIComponent(state.table) + (rest || "");
  }

  // What every answer other than 200 means for the page; true when it was handled.
  function refused(answer) {
    if (answer.status === 200) return false;
    const text = answer.json.error || "Fout " + answer.status;
    if (answer.status === 401) {
      forgetPin();
      showPin(text);
    } else {
      say(text);
    }
    return true;
  }

  // ---- screens ----

  function show(name) {
    for (const section of document.querySelectorAll("main > section"))
      section.hidden = section.id !== "scherm-" + name;
    window.scrollTo(0, 0);
  }

  function say(text, good) {
    const box = $("melding");
    box.textContent = text || "";
    box.hidden = !text;
    box.classList.toggle("goed", !!good);
  }

  function heading(text) {
    $("onderkop").textContent = text;
  }

  function button(label, onTap, extra) {
    const b = document.createElement("button");
    b.type = "button";
    if (typeof label === "string") b.textContent = label;
    else b.append(label);
    b.addEventListener("click", onTap);
    if (extra) for (const [k, v] of Object.entries(extra)) b.setAttribute(k, v);
    return b;
  }

  function symbol(text, red) {
    const span = document.createElement("span");
    span.textContent = text;
    if (red) span.className = "rood";
    return span;
  }

  // Fills `element` with `text`, the red suits in red.
  function setSuitText(element, text) {
    element.replaceChildren(...Array.from(text, (c) => (c === "\u2665" || c === "\u2666" ? symbol(c, true) : c)));
  }

  function signed(n) {
    return n < 0 ? MINUS + String(-n) : String(n);
  }

  // "4HX" as "4♥X", "3SA" stays; "PAS" as "Pas".
  function contractText(contract) {
    if (contract === "PAS") return "Pas";
    const m = /^([1-7])(SA|K|R|H|S)(.*)$/.exec(contract || "");
    if (!m) return contract || "";
    return m[1] + STRAINS.find((s) => s.key === m[2]).show + m[3];
  }

  function resultText(result) {
    return (result || "").replace("-", MINUS);
  }

  function entryText(e) {
    if (e.contract) {
      const contract = contractText(e.contract);
      return e.contract === "PAS" ? contract : contract + " " + resultText(e.result) + " (" + signed(e.ns) + ")";
    }
    return (e.text || String(e.ns)).replace("-", MINUS);
  }

  // ---- table and PIN ----

  async function chooseTable(label) {
    say("");
    state.table = label;
    history.replaceState(null, "", "#tafel=" + encodeURIComponent(label));
    state.pin = sessionStorage.getItem("velk-pin-" + label);
    if (state.pin) await openTable();
    else showPin("");
  }

  function forgetPin() {
    if (state.table) sessionStorage.removeItem("velk-pin-" + state.table);
    state.pin = null;
  }

  function showPin(message) {
    heading("Tafel " + state.table);
    $("pin-tafel").textContent = state.table;
    $("pin").value = "";
    show("pin");
    say(message);
    $("pin").focus();
  }

  async function showTables() {
    state.table = null;
    state.pin = null;
    heading("");
    history.replaceState(null, "", location.pathname);
    const answer = await api("GET", "/api/v1/tables");
    if (refused(answer)) return;
    state.tables = answer.json.tables || [];
    const list = $("tafels");
    list.replaceChildren(...state.tables.map((label) => button(label, () => chooseTable(label))));
    show("tafels");
  }

  async function openTable() {
    const answer = await api("GET", tablePath());
    if (answer.status === 404) {
      await showTables();
      return say(answer.json.error);
    }
    if (refused(answer)) return;
    sessionStorage.setItem("velk-pin-" + state.table, state.pin);
    state.info = answer.json;
    const rounds = state.info.rounds;
    await showRound(state.info.round === null ? rounds[rounds.length - 1] : state.info.round);
  }

  // ---- the round ----

  async function refreshInfo() {
    const answer = await api("GET", tablePath());
    if (answer.status === 200) state.info = answer.json;
    return answer;
  }

  async function showRound(r, message, good) {
    const answer = await api("GET", tablePath("/rounds/" + r));
    if (answer.status === 403) {
      // The round closed (the next one has begun): on to the table's current round.
      await refreshInfo();
      if (state.info && state.info.round !== null && state.info.round !== r)
        return showRound(state.info.round, answer.json.error);
    }
    if (refused(answer)) return;
    state.round = answer.json;
    renderRound();
    show("ronde");
    say(message || "", good);
  }

  function renderRound() {
    const round = state.round;
    const info = state.info;
    heading("Tafel " + state.table + " \u00b7 ronde " + round.round);
    $("paren").textContent = "NZ paar " + round.ns + " \u2013 OW paar " + round.ew;
    const items = round.boards.map((b) => {
      const entered = round.entered[String(b)];
      const left = document.createElement("span");
      left.textContent = "Spel " + b;
      const right = document.createElement("span");
      right.className = "invoer";
      setSuitText(right, entered ? entryText(entered) : "invoeren");
      const tap = button(left, () => openBoard(b), { "data-spel": String(b) });
      tap.append(right);
      if (!entered) tap.classList.add("open");
      const li = document.createElement("li");
      li.append(tap);
      return li;
    });
    $("spellen").replaceChildren(...items);

    const done = round.boards.every((b) => round.entered[String(b)]);
    const later = info.round !== null && info.round > round.round;
    let status = "";
    if (done && info.round === null)
      status = "Alle spellen van deze tafel zijn ingevoerd. Correcties blijven mogelijk.";
    else if (done) status = "Deze ronde is compleet. Correcties kunnen tot de volgende ronde begint.";
    $("ronde-status").textContent = status;
    $("volgende-ronde").hidden = !later;
    const earlier = info.rounds.filter((r) => r < round.round);
    const nothingYet = round.boards.every((b) => !round.entered[String(b)]);
    $("vorige-ronde").hidden = !(nothingYet && earlier.length);
  }

  // ---- one board ----

  function openBoard(b) {
    state.board = b;
    state.pick = {};
    const entered = state.round.entered[String(b)];
    $("score").value = "";
    let mode = "contract";
    if (entered) {
      setSuitText($("spel-nu"), "Nu ingevoerd: " + entryText(entered));
      const m = /^([1-7])(SA|K|R|H|S)(XX|X|)$/.exec(entered.contract || "");
      if (m) {
        state.pick = { level: m[1], strain: m[2], doubling: m[3], result: entered.result === "C" ? "C" : entered.result };
        // The card led stays as entered unless the correction changes it.
        const lead = /^([SHDC])(A|K|Q|J|10|[2-9])$/.exec(entered.lead || "");
        if (lead) Object.assign(state.pick, { leadSuit: lead[1], leadRank: lead[2] });
      } else if (entered.contract === "PAS") {
        state.pick = { level: "P" };
      } else {
        mode = "score";
        $("score").value = entered.text || String(entered.ns);
      }
    }
    $("spel-nu").hidden = !entered;
    heading("Tafel " + state.table + " \u00b7 spel " + b);
    setMode(mode);
    renderPicks();
    show("spel");
    say("");
  }

  function setMode(mode) {
    state.mode = mode;
    $("tab-contract").setAttribute("aria-selected", String(mode === "contract"));
    $("tab-score").setAttribute("aria-selected", String(mode === "score"));
    $("deel-contract").hidden = mode !== "contract";
    $("deel-score").hidden = mode !== "score";
  }

  function pickButtons(container, field, options) {
    $(container).replaceChildren(
      ...options.map((o) => {
        const label = o.red !== undefined ? symbol(o.show, o.red) : o.show;
        const b = button(label, () => {
          state.pick[field] = state.pick[field] === o.key && field.startsWith("lead") ? undefined : o.key;
          if (field === "level") delete state.pick.result;
          renderPicks();
        });
        b.setAttribute("aria-pressed", String(state.pick[field] === o.key));
        b.dataset[field] = o.key;
        if (o.label) b.setAttribute("aria-label", o.label);
        return b;
      })
    );
  }

  function renderPicks() {
    const pick = state.pick;
    const levels = ["1", "2", "3", "4", "5", "6", "7"].map((l) => ({ key: l, show: l }));
    levels.push({ key: "P", show: "Pas", label: "Alle spelers passen" });
    pickButtons("niveaus", "level", levels);
    const passed = pick.level === "P";
    for (const id of ["veld-kleur", "veld-doublet", "veld-leider", "veld-resultaat", "veld-uitkomst"])
      $(id).hidden = passed;
    pickButtons("kleuren", "strain", STRAINS);
    pickButtons("doubletten", "doubling", DOUBLINGS);
    pickButtons("leiders", "declarer", DECLARERS);
    // Every number of tricks from none to thirteen: down, made exactly, overtricks.
    const results = [];
    const level = Number(pick.level);
    if (level >= 1) {
      for (let down = level + 6; down >= 1; --down) results.push({ key: "-" + down, show: MINUS + down });
      results.push({ key: "C", show: "C", label: "Contract gemaakt" });
      for (let over = 1; over <= 7 - level; ++over) results.push({ key: "+" + over, show: "+" + over });
    }
    pickButtons("resultaten", "result", results);
    pickButtons("uitkomst-kleuren", "leadSuit", LEAD_SUITS);
    pickButtons("uitkomst-waarden", "leadRank", LEAD_RANKS);
  }

  // The body for the server, or a Dutch reason why it is not complete yet.
  function boardBody() {
    const entered = state.round.entered[String(state.board)];
    let body;
    if (state.mode === "score") {
      const score = $("score").value.trim();
      if (!score) return "Typ de score van Noord-Zuid";
      body = { score };
    } else {
      const pick = state.pick;
      if (!pick.level) return "Kies het bod";
      if (pick.level === "P") {
        body = { contract: "P", declarer: "N", result: "C" };
      } else {
        if (!pick.strain) return "Kies de kleur";
        if (!pick.declarer) return "Kies de leider";
        if (!pick.result) return "Kies het resultaat";
        if (!!pick.leadSuit !== !!pick.leadRank) return "Kies van de uitkomst zowel de kleur als de kaart";
        body = {
          contract: pick.level + pick.strain + (pick.doubling || ""),
          declarer: pick.declarer,
          result: pick.result,
        };
        if (pick.leadSuit) body.lead = pick.leadSuit + pick.leadRank;
      }
    }
    if (entered) body.previous = entered.text;
    return body;
  }

  function describe(body) {
    if (body.score !== undefined) return "Spel " + state.board + ": score " + body.score.replace("-", MINUS);
    if (body.contract === "P") return "Spel " + state.board + ": alle spelers passen";
    const declarer = DECLARERS.find((d) => d.key === body.declarer).label;
    let text = "Spel " + state.board + ": " + contractText(body.contract) + " " + resultText(body.result);
    text += " door " + declarer;
    if (body.lead) {
      const suit = LEAD_SUITS.find((s) => s.key === body.lead[0]).show;
      const rank = LEAD_RANKS.find((r) => r.key === body.lead.slice(1)).show;
      text += ", uitkomst " + suit + rank;
    }
    return text;
  }

  async function computeBoard() {
    const body = boardBody();
    if (typeof body === "string") return say(body);
    const answer = await api("PUT", tablePath("/boards/" + state.board), Object.assign({ check: true }, body));
    if (answer.status === 403) return showRound(state.round.round, answer.json.error);
    if (refused(answer)) return;
    state.pending = body;
    setSuitText($("akkoord-spel"), describe(body));
    $("akkoord-nz").textContent = signed(answer.json.ns);
    $("akkoord-ow").textContent = signed(answer.json.ew);
    show("akkoord");
    say("");
  }

  async function confirmBoard() {
    const answer = await api("PUT", tablePath("/boards/" + state.board), state.pending);
    if (answer.status === 403) return showRound(state.round.round, answer.json.error);
    if (answer.status !== 200) {
      show("spel");
      return refused(answer);
    }
    const stored = "Spel " + state.board + " opgeslagen: NZ " + signed(answer.json.ns);
    state.pending = null;
    await refreshInfo();
    await showRound(state.round.round, stored, true);
  }

  // ---- wiring ----

  function wire() {
    $("pin-form").addEventListener("submit", (event) => {
      event.preventDefault();
      state.pin = $("pin").value.trim();
      if (!/^[0-9]{1,8}$/.test(state.pin)) return say("Typ de PIN van de tafelkaart");
      openTable();
    });
    $("andere-tafel").addEventListener("click", () => {
      say("");
      showTables();
    });
    $("tab-contract").addEventListener("click", () => setMode("contract"));
    $("tab-score").addEventListener("click", () => setMode("score"));
    $("bereken").addEventListener("click", computeBoard);
    $("terug-ronde").addEventListener("click", () => showRound(state.round.round));
    $("akkoord").addEventListener("click", confirmBoard);
    $("niet-akkoord").addEventListener("click", () => {
      show("spel");
      say("");
    });
    $("volgende-ronde").addEventListener("click", () => showRound(state.info.round));
    $("ververs").addEventListener("click", async () => {
      await refreshInfo();
      showRound(state.round.round);
    });
    $("vorige-ronde").addEventListener("click", () => {
      const earlier = state.info.rounds.filter((r) => r < state.round.round);
      showRound(earlier[earlier.length - 1]);
    });
    $("score").addEventListener("keydown", (event) => {
      if (event.key === "Enter") computeBoard();
    });
  }

  async function start() {
    wire();
    const wanted = new URLSearchParams(location.hash.slice(1)).get("tafel");
    await showTables();
    if (wanted && state.tables.includes(wanted.toUpperCase())) await chooseTable(wanted.toUpperCase());
    else if (wanted) say("Tafel " + wanted + " bestaat niet");
  }

  start();
})();
