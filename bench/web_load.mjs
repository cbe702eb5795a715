// Load time of the web page in headless Chromium, from navigation start: the page parsed, the
// program's wasm loaded, the window built by the program, and the first contentful paint; on a
// first visit (nothing cached) and on a return visit (served by the service worker). Prints
// medians over the rounds.
//   node bench/web_load.mjs SITE_DIR [ROUNDS]   (after ./build.sh web and npm ci in tests/web)
import path from 'node:path';
import {serve, launch} from '../tests/web/lib/browser.mjs';

const siteDir = path.resolve(process.argv[2] ?? 'build/web-release/site');
const rounds = Number(process.argv[3] ?? 15);
const site = await serve(siteDir);
const browser = await launch();

async function visit(page) {
  await page.goto(site.url);
  await page.waitForFunction(() => performance.getEntriesByName('quorvel-window-built').length > 0 &&
                             performance.getEntriesByName('first-contentful-paint').length > 0);
  return page.evaluate(() => ({
    parsed: performance.getEntriesByType('navigation')[0].domContentLoadedEventEnd,
    wasm: performance.getEntriesByType('resource').find((r) => r.name.endsWith('.wasm')).responseEnd,
    built: performance.getEntriesByName('quorvel-window-built')[0].startTime,
    paint: performance.getEntriesByName('first-contentful-paint')[0].startTime,
  }));
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const first = [];
const again = [];
for (let i = 0; i < rounds; i++) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  first.push(await visit(page));
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  again.push(await visit(page));
  await context.close();
}
await browser.close();
await site.stop();
const ms = (runs, key) => `${median(runs.map((r) => r[key])).toFixed(1)} ms`;
for (const [name, runs] of [['first visit', first], ['return visit', again]]) {
  console.log(`${name} (medians of ${rounds}): page parsed ${ms(runs, 'parsed')}, ` +
              `wasm loaded ${ms(runs, 'wasm')}, window built ${ms(runs, 'built')}, ` +
              `first contentful paint ${ms(runs, 'paint')}`);
}
