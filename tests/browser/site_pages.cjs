// Loads every page of a published site in headless Chromium at a phone's and a desktop's size:
// no console error, no failed load, no page wider than its window. Saves a screenshot of each.
// Usage: node site_pages.cjs SITE SHOTS   (PLAYWRIGHT_CORE: the playwright-core module's folder)
const { chromium } = require(process.env.PLAYWRIGHT_CORE);
const fs = require("fs");
const path = require("path");

const [site, shots] = process.argv.slice(2);
const sizes = [
  [390, 844],
  [1280, 800],
];

(async () => {
  const browser = await chromium.launch({
    executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
    args: ["--no-sandbox"],
  });
  const names = fs.readdirSync(site).filter((f) => f.endsWith(".html")).sort();
  const failures = [];
  for (const [width, height] of sizes) {
    const context = await browser.newContext({ viewport: { width, height } });
    const page = await context.newPage();
    let errors = [];
    page.on("console", (m) => m.type() === "error" && errors.push(m.text()));
    page.on("pageerror", (e) => errors.push(String(e)));
    page.on("requestfailed", (r) => errors.push("niet geladen: " + r.url()));
    for (const name of names) {
      errors = [];
      await page.goto("file://" + path.resolve(site, name), { waitUntil: "load", timeout: 10000 });
      const { scroll, inner, styled } = await page.evaluate(() => ({
        scroll: document.documentElement.scrollWidth,
        inner: window.innerWidth,
        // The stylesheet was read: the header has its rule.
        styled: getComputedStyle(document.querySelector("header")).borderBottomStyle === "solid",
      }));
      if (scroll > inner) failures.push(`${name} ${width}x${height}: ${scroll} breed in ${inner}`);
      if (!styled) failures.push(`${name} ${width}x${height}: site.css niet toegepast`);
      for (const e of errors) failures.push(`${name} ${width}x${height}: ${e}`);
      await page.screenshot({ path: path.join(shots, `${width}x${height}-${name.replace(/\.html$/, "")}.png`) });
    }
    await context.close();
  }
  await browser.close();
  for (const f of failures) console.error("FAIL: " + f);
  console.log(`${names.length} pagina's, ${sizes.length} formaten, ${failures.length} fouten`);
  process.exit(failures.length ? 1 : 0);
})().catch((e) => {
  console.error(e);
  process.exit(1);
});
