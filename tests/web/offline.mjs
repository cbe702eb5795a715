// After the first visit the calculator works with the server gone and the browser offline, and
// the page can be installed as an app.
//   node offline.mjs SITE_DIR SCENARIO_DIR
import fs from 'node:fs';
import path from 'node:path';
import {serve, launch, openCalculator} from './lib/browser.mjs';
import {check, checkEqual, finish} from './lib/checks.mjs';

const [siteDir, scenarioDir] = process.argv.slice(2).map((p) => path.resolve(p));
const site = await serve(siteDir);
const browser = await launch();
const problems = [];
let serverStopped = false;
try {
  const page = await openCalculator(browser, site.url, problems);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null, {timeout: 30000});
  check('the service worker controls the page after the first visit', true);

  const cdp = await page.createCDPSession();
  const {installabilityErrors: errors} = await cdp.send('Page.getInstallabilityErrors');
  checkEqual('Chromium finds nothing that keeps the page from being installed',
             errors.map((e) => e.errorId), []);

  await site.stop();
  serverStopped = true;
  await page.setOfflineMode(true);
  await page.reload();
  await page.waitForFunction(() => performance.getEntriesByName('quorvel-window-built').length > 0,
                             {timeout: 30000});
  check('the page reloads with the server gone and the browser offline', true);

  const script = fs.readFileSync(path.join(scenarioDir, 'road_mouse.scn'), 'utf8');
  const expected = fs.readFileSync(path.join(scenarioDir, 'road_mouse.expected'), 'utf8');
  const actual = await page.evaluate((text) => window.quorvelScenario(text), script);
  checkEqual('offline, a whole calculation gives the same transcript', actual, expected);

  const manifest = await page.evaluate(async () => {
    const m = await (await fetch('quorvel.webmanifest')).json();
    const sizes = [];
    for (const icon of m.icons) {
      const image = await createImageBitmap(await (await fetch(icon.src)).blob());
      sizes.push(`${image.width}x${image.height}` === icon.sizes);
    }
    return {name: m.name, lang: m.lang, display: m.display, iconsMatch: sizes};
  });
  checkEqual('the manifest names the app and its icons load offline at their sizes', manifest,
             {name: 'Quorvel', lang: 'ja', display: 'standalone', iconsMatch: [true, true]});
} finally {
  await browser.close();
  if (!serverStopped) await site.stop();
}
finish(problems);
