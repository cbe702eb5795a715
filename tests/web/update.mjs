// A new release reaches the user whole, whatever the host says about caching. The first release
// is served as python's http.server serves files: no Cache-Control and an old Last-Modified, so
// the browser keeps them on its own. A second release, built by the same script from a page.js
// that differs, replaces it on the server under the same Last-Modified, so that only the bytes
// say the worker's script changed. By the second load the page is the new release, every
// file it loaded is the new release's, and before that the page says a new version is ready.
//   node update.mjs SITE_DIR SITE_SOURCE PROGRAM_DIR ICON_DIR WEB_SITE_CMAKE
import fs from 'node:fs';
import path from 'node:path';
import {serve, launch, openCalculator} from './lib/browser.mjs';
import {buildSecondRelease} from './lib/releases.mjs';
import {check, checkEqual, finish} from './lib/checks.mjs';

const [siteDir, source, programDir, iconDir, siteScript, terser] =
    process.argv.slice(2).map((p) => path.resolve(p));
const {dir: second, remove} =
    buildSecondRelease({source, programDir, iconDir, siteScript, terser});

const yearAgo = new Date(Date.now() - 365 * 24 * 3600 * 1000);
const site = await serve(siteDir, {lastModified: yearAgo});
const browser = await launch();
const problems = [];
// What the page loaded: its scripts, style and program, by their names on the server.
const loaded = (page) => page.evaluate(() => {
  const names = performance.getEntriesByType('resource').map((e) => new URL(e.name).pathname);
  return [...new Set(names.filter((n) => n.startsWith('/assets/')).map((n) => n.slice(1)))].sort();
});
const assetsOf = (dir) => fs.readdirSync(path.join(dir, 'assets')).map((f) => `assets/${f}`);
const released = (page) => page.evaluate(() => window.quorvelRelease ?? 'first');
try {
  const page = await openCalculator(browser, site.url, problems);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null, {timeout: 30000});
  await page.reload();
  await page.waitForFunction(() => performance.getEntriesByName('quorvel-window-built').length > 0);
  checkEqual('the first release runs', await released(page), 'first');

  // The host keeps the first release's Last-Modified: only the bytes say the script changed.
  site.deploy(second, yearAgo);
  await page.reload();
  await page.waitForFunction(() => performance.getEntriesByName('quorvel-window-built').length > 0);
  const first = await released(page);
  check('the first load after the release runs one release whole',
        (await loaded(page)).every((f) => assetsOf(first === 'first' ? siteDir : second).includes(f)),
        JSON.stringify(await loaded(page)));
  if (first === 'first') {
    await page.waitForSelector('#update', {timeout: 30000});
    checkEqual('the page says that a new version is ready',
               await page.$eval('#update', (e) => [e.getAttribute('role'), e.textContent]),
               ['status', '新しい版の準備ができました。新しい版にする']);
    // The offer covers no control of the window: each ends above it, on a small screen and a
    // wide one.
    for (const [width, height] of [[800, 600], [1366, 768]]) {
      await page.setViewport({width, height});
      await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => done())));
      const covered = await page.evaluate(() => {
        const top = document.getElementById('update').getBoundingClientRect().top;
        return [...document.querySelectorAll('[data-name]')]
          .filter((e) => e.getBoundingClientRect().bottom > top + 0.5)
          .map((e) => e.dataset.name);
      });
      checkEqual(`at ${width} × ${height} the offer covers no control`, covered, []);
    }
  }

  await Promise.all([page.waitForNavigation(), page.click('#update button').catch(() => page.reload())]);
  await page.waitForFunction(() => performance.getEntriesByName('quorvel-window-built').length > 0);
  checkEqual('by the second load the page is the new release', await released(page), 'second');
  const files = await loaded(page);
  check('every file it loaded is the new release’s',
        files.length >= 4 && files.every((f) => assetsOf(second).includes(f)), JSON.stringify(files));
  checkEqual('the service worker keeps the new release and the one before, no more',
             await page.evaluate(async () => (await caches.keys())
               .filter((n) => n !== 'quorvel-loaded').length), 2);
} finally {
  await browser.close();
  await site.stop();
  remove();
}
finish(problems);
