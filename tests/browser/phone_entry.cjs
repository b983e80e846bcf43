// Table A1 enters its first round on the phones' page in headless Chromium at 390x844, by taps:
// the table list, then A1 chosen by the address as on its table card; a wrong PIN, the right one; board 1 by contract, refused by the opponents and changed,
// then confirmed; board 2 a score the score window refuses, then a typed score; corrections of
// both (the second by contract for East-West); the next round. The API then has what the page showed. No console error beyond
// the two refusals the test provokes, no screen wider than the phone.
// Usage: node phone_entry.cjs URL PIN SHOTS   (PLAYWRIGHT_CORE: the playwright-core module's folder)
const { chromium } = require(process.env.PLAYWRIGHT_CORE);
const path = require("path");

const [url, pin, shots] = process.argv.slice(2);
const MINUS = "\u2212";

function check(what, actual, expected) {
  if (JSON.stringify(actual) !== JSON.stringify(expected))
    throw new Error(`${what}: ${JSON.stringify(actual)} in plaats van ${JSON.stringify(expected)}`);
}

async function round1() {
  const res = await fetch(url + "api/v1/tables/A1/rounds/1", { headers: { "X-Velk-Pin": pin } });
  const json = await res.json();
  const entered = {};
  for (const [b, e] of Object.entries(json.entered))
    entered[b] = { ns: e.ns, ew: e.ew, contract: e.contract || null, result: e.result || null, lead: e.lead || null };
  return entered;
}

(async () => {
  const browser = await chromium.launch({
    executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
    args: ["--no-sandbox"],
  });
  const context = await browser.newContext({ viewport: { width: 390, height: 844 }, isMobile: true, hasTouch: true });
  const errors = [];
  const watched = async () => {
    const p = await context.newPage();
    p.on("console", (m) => m.type() === "error" && errors.push(m.text()));
    p.on("pageerror", (e) => errors.push(String(e)));
    p.on("requestfailed", (r) => errors.push("niet geladen: " + r.url()));
    return p;
  };

  // The page alone offers the tables to choose from.
  const first = await watched();
  await first.goto(url, { waitUntil: "load", timeout: 10000 });
  await first.waitForSelector("#scherm-tafels:not([hidden]) button");
  check("tafels", await first.$$eval("#tafels button", (b) => b.map((x) => x.textContent)), [
    "A1", "A2", "A3", "A4", "B1", "B2", "B3", "B4",
  ]);
  await first.tap("#tafels button >> text=B2");
  await first.waitForSelector("#scherm-pin:not([hidden])");
  check("gekozen tafel", (await first.textContent("#pin-tafel")).trim(), "B2");
  await first.close();

  const page = await watched();

  const screen = (name) => page.waitForSelector(`#scherm-${name}:not([hidden])`, { timeout: 10000 });
  const text = async (selector) => (await page.textContent(selector)).trim();
  const message = async () => page.waitForSelector("#melding:not([hidden])").then(() => text("#melding"));
  const tap = (selector) => page.tap(selector);
  const fitsWidth = async (what) => {
    const { scroll, inner } = await page.evaluate(() => ({
      scroll: document.documentElement.scrollWidth,
      inner: window.innerWidth,
    }));
    if (scroll > inner) throw new Error(`${what}: ${scroll} breed in ${inner}`);
  };
  async function contract(level, strain, declarer, result) {
    await tap(`[data-level="${level}"]`);
    await tap(`[data-strain="${strain}"]`);
    await tap(`[data-declarer="${declarer}"]`);
    await tap(`[data-result="${result}"]`);
  }
  async function confirmShows(description, ns, ew) {
    await tap("#bereken");
    await screen("akkoord");
    check("het spel ter bevestiging", await text("#akkoord-spel"), description);
    check("Noord-Zuid", await text("#akkoord-nz"), ns);
    check("Oost-West", await text("#akkoord-ow"), ew);
  }

  // A table card's address chooses the table; a wrong PIN is refused in the server's words.
  await page.goto(url + "#tafel=A1", { waitUntil: "load", timeout: 10000 });
  await screen("pin");
  check("kop", await text("#onderkop"), "Tafel A1");
  const wrong = (pin[0] === "9" ? "0" : String(Number(pin[0]) + 1)) + pin.slice(1);
  await page.fill("#pin", wrong);
  await tap("#pin-form button[type=submit]");
  check("verkeerde PIN", await message(), "PIN onjuist");
  await page.fill("#pin", pin);
  await tap("#pin-form button[type=submit]");
  await screen("ronde");
  check("ronde", await text("#onderkop"), "Tafel A1 \u00b7 ronde 1");
  check("paren", await text("#paren"), "NZ paar 8 \u2013 OW paar 1");
  check("spellen", await page.$$eval("#spellen button", (b) => b.map((x) => x.textContent)), [
    "Spel 1invoeren",
    "Spel 2invoeren",
  ]);
  await fitsWidth("ronde");

  // Board 1 (nobody vulnerable): 4 hearts by North, one over, lead the spade ace: 450.
  await tap('[data-spel="1"]');
  await screen("spel");
  await contract("4", "H", "N", "+1");
  // The lead is optional: a second tap takes a choice back.
  await tap('[data-lead-suit="H"]');
  await tap('[data-lead-suit="H"]');
  check("uitkomst terug", await page.getAttribute('[data-lead-suit="H"]', "aria-pressed"), "false");
  await tap('[data-lead-suit="S"]');
  await tap('[data-lead-rank="A"]');
  await fitsWidth("spel");
  await page.evaluate(() => window.scrollTo(0, 0));
  await page.screenshot({ path: path.join(shots, "phone-board.png") });
  // The narrowest phone the page is made for.
  await page.setViewportSize({ width: 360, height: 740 });
  await fitsWidth("spel op 360");
  await page.setViewportSize({ width: 390, height: 844 });
  await confirmShows("Spel 1: 4\u2665 +1 door Noord, uitkomst \u2660A", "450", MINUS + "450");
  // Shown, not stored: the opponents have not agreed yet.
  check("na de controle", await round1(), {});
  await page.screenshot({ path: path.join(shots, "phone-confirm.png") });
  await tap("#niet-akkoord");
  await screen("spel");
  await tap('[data-result="C"]');
  await confirmShows("Spel 1: 4\u2665 C door Noord, uitkomst \u2660A", "420", MINUS + "420");
  await tap("#akkoord");
  await screen("ronde");
  check("opgeslagen", await message(), "Spel 1 opgeslagen: NZ 420");
  check("spel 1", await text('[data-spel="1"]'), "Spel 14\u2665 C (420)");

  // Board 2: a score the score window refuses, then North-South's -430 typed.
  await tap('[data-spel="2"]');
  await screen("spel");
  await tap("#tab-score");
  await page.fill("#score", "425");
  await tap("#bereken");
  check("geweigerde score", await message(), "Score bestaat NIET 425");
  await page.fill("#score", "-430");
  await confirmShows("Spel 2: score " + MINUS + "430", MINUS + "430", "430");
  await tap("#akkoord");
  await screen("ronde");
  check("ronde compleet", await text("#ronde-status"), "Deze ronde is compleet. Correcties kunnen tot de volgende ronde begint.");

  // Corrections until the next round begins: board 1 was one over after all; board 2 was 3NT
  // made by East (North-South vulnerable, East-West not: 400 to East-West).
  await tap('[data-spel="1"]');
  await screen("spel");
  check("nu ingevoerd", await text("#spel-nu"), "Nu ingevoerd: 4\u2665 C (420)");
  await tap('[data-declarer="N"]');
  await tap('[data-result="+1"]');
  // The card led stays as it was entered.
  await confirmShows("Spel 1: 4\u2665 +1 door Noord, uitkomst \u2660A", "450", MINUS + "450");
  await tap("#akkoord");
  await screen("ronde");
  await tap('[data-spel="2"]');
  await screen("spel");
  check("nu ingevoerd", await text("#spel-nu"), "Nu ingevoerd: " + MINUS + "430");
  await tap("#tab-contract");
  await contract("3", "SA", "E", "C");
  await confirmShows("Spel 2: 3SA C door Oost", MINUS + "400", "400");
  await tap("#akkoord");
  await screen("ronde");
  await page.screenshot({ path: path.join(shots, "phone-round.png") });

  check("ronde 1 in de server", await round1(), {
    1: { ns: 450, ew: -450, contract: "4H", result: "+1", lead: "SA" },
    2: { ns: -400, ew: 400, contract: "3SA", result: "C", lead: null },
  });

  await tap("#volgende-ronde");
  await screen("ronde");
  // The round screen stays on while the next round is fetched: wait for its heading.
  await page
    .waitForFunction(() => document.querySelector("#onderkop").textContent.includes("ronde 2"), null, { timeout: 10000 })
    .catch(() => {});
  check("volgende ronde", await text("#onderkop"), "Tafel A1 \u00b7 ronde 2");
  check("nog niets", await page.$$eval("#spellen button.open", (b) => b.length), 2);

  // The two refusals asked for (the wrong PIN, the score 425) are the only errors.
  const expected = [/status of 401/, /status of 400/];
  const unexpected = errors.filter((e) => !expected.some((r) => r.test(e)));
  for (const r of expected) check("melding " + r, errors.filter((e) => r.test(e)).length, 1);
  await browser.close();
  if (unexpected.length) throw new Error("fouten in de console: " + unexpected.join(" | "));
  console.log("ronde 1 van tafel A1 ingevoerd");
})().catch((e) => {
  console.error(e);
  process.exit(1);
});
