// Every way a load can fail ends, within the page's stall time, in the failure message with
// もう一度読み込む, and the page recovers once the server is mended: a reset connection, a
// server that never answers, a 404, the file cut short, a filter's page in its place, for each
// file a first visit loads; an update that cannot be had leaves the running release whole and
// arrives once it can. The service worker keeps nothing whose bytes it cannot check, and the
// release's files are downloaded once. Each case is a server of its own: a new origin, so a
// first visit with nothing kept.
//   node load_failures.mjs ENGINE SITE_DIR SITE_SOURCE PROGRAM_DIR ICON_DIR WEB_SITE_CMAKE TERSER
import fs from 'node:fs';
import path from 'node:path';
import {serve, FAULT_KINDS} from './lib/browser.mjs';
import {openEngine, until} from './lib/engine_page.mjs';
import {buildSecondRelease, filesOf} from './lib/releases.mjs';
import {check, checkEqual, finish} from './lib/checks.mjs';

const [engine, ...dirs] = process.argv.slice(2);
const [siteDir, source, programDir, iconDir, siteScript, terser] = dirs.map((p) => path.resolve(p));
const stall = Number(/data-stall="(\d+)"/.exec(
  fs.readFileSync(path.join(siteDir, 'index.html'), 'utf8'))[1]);
const second = buildSecondRelease({source, programDir, iconDir, siteScript, terser});

const unreachable = '計算機を読み込めませんでした。ネットワークにつながっているか確かめてから、' +
                    'もう一度お試しください。';
const corrupted = '計算機のファイルが正しく届きませんでした。もう一度お試しください。';
const told = {reset: unreachable, stall: unreachable, missing: unreachable, cut: corrupted,
              foreign: corrupted};
const described = {reset: 'reset', stall: 'never answered', missing: 'missing (404)',
                   cut: 'cut short', foreign: "a filter's page in its place"};
const firstFiles = filesOf(siteDir);
const named = (pattern) => firstFiles.find((f) => pattern.test(f));
const loadedFiles = [['the style', named(/^\/assets\/page\..*\.css$/)],
                     ["the page's script", named(/^\/assets\/page\..*\.js$/)],
                     ["the program's loader", named(/^\/assets\/quorvel\..*\.js$/)],
                     ['the program', named(/\.wasm$/)]];
const changed = filesOf(second.dir).filter((f) => !firstFiles.includes(f));
const updateFaults = [["the new page's script", changed.find((f) => f.endsWith('.js')), FAULT_KINDS],
                      ['the new index.html', '/index.html', ['cut', 'missing']],
                      ['the new sw.js', '/sw.js', ['stall', 'foreign']]];

const page = await openEngine(engine, {waitForLoad: false});
// What the user sees, and which load of the page it is (each load has its own time origin).
const state = () => page.evaluate(async () => {
  const notice = document.querySelector('#notice[role="alert"]');
  return {
    load: performance.timeOrigin,
    built: performance.getEntriesByName('quorvel-window-built').length > 0,
    notice: notice && {text: notice.querySelector('p').textContent,
                       button: notice.querySelector('button')?.textContent ?? null,
                       focused: document.activeElement === notice.querySelector('button')},
    why: document.documentElement.dataset.loadFailure,
    release: window.quorvelRelease ?? 'first',
    offer: document.getElementById('update') !== null,
    controlled: Boolean(navigator.serviceWorker?.controller),
    // The releases the worker keeps (a first visit may leave its files for the worker beside).
    kept: self.caches ? (await caches.keys()).filter((n) => n !== 'quorvel-loaded').length : 0,
    workers: await navigator.serviceWorker?.getRegistration().then((r) => r &&
      ['installing', 'waiting', 'active'].map((w) => r[w]?.state ?? '-').join(' ')),
  };
});
const nextLoad = (previous, accept, ms = 20000) =>
  until(state, (s) => s.load !== previous.load && accept(s), ms);
const started = {load: 0};
// The server's last answers, to show with a failure.
const answers = (site) =>
  `\n     ${site.sent.slice(-12).map((s) => `${s.path} ${s.status}`).join(', ')}`;
const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
let workers = false;

try {
  // A first visit.
  for (const [what, file] of loadedFiles) {
    for (const kind of FAULT_KINDS) {
      const site = await serve(siteDir, {caching: 'hosted'});
      site.fault((p) => p === file, kind);
      const before = await state().catch(() => started);
      const begun = Date.now();
      await page.goto(site.url);
      const failed = await nextLoad(before, (s) => s.notice || s.built, 3 * stall + 10000);
      const took = Date.now() - begun;
      checkEqual(`${engine}: ${what} ${described[kind]}: the page says so, its button focused`,
                 failed.notice, {text: told[kind], button: 'もう一度読み込む', focused: true});
      check(`${engine}: … within the stall time (${stall} ms) and a second`, took < stall + 1000,
            `${took} ms`);
      site.fault(() => false);
      await page.press('Enter');
      const mended = await nextLoad(failed, (s) => s.built || s.notice);
      check(`${engine}: … and once the server is mended, もう一度読み込む brings the calculator`,
            mended.built && !mended.notice, JSON.stringify(mended) + answers(site));
      workers = await page.evaluate(() => 'serviceWorker' in navigator);
      if (workers) {
        await until(state, (s) => s.controlled);
        await page.goto(site.url);
        const again = await nextLoad(mended, (s) => s.built || s.notice);
        check(`${engine}: … and what the worker kept is whole: a reload runs`,
              again.built && again.controlled && again.kept === 1, JSON.stringify(again));
      }
      await site.stop();
    }
  }

  if (workers) {
    // The worker's own download of the program is cut short: it keeps nothing.
    const site = await serve(siteDir, {caching: 'never'});
    const wasm = named(/\.wasm$/);
    site.fault((p, nth) => p === wasm && nth >= 2, 'cut');
    const before = await state();
    await page.goto(site.url);
    const first = await nextLoad(before, (s) => s.built);
    await until(async () => site.asked(wasm), (n) => n >= 3);
    await pause(1000);
    const s = await state();
    checkEqual(`${engine}: bytes the worker cannot check are never kept`,
               [s.built, s.controlled, s.kept], [true, false, 0]);
    site.fault(() => false);
    await page.goto(site.url);
    await nextLoad(first, (x) => x.built);
    const kept = await until(state, (x) => x.controlled, 20000).catch(() => state());
    checkEqual(`${engine}: … and once they are right, the worker keeps the release`,
               [kept.controlled, kept.kept], [true, 1]);
    await site.stop();

    // An update that cannot be had.
    for (const [what, file, kinds] of updateFaults) {
      for (const kind of kinds) {
        const site = await serve(siteDir, {caching: 'hosted'});
        const previous = await state();
        await page.goto(site.url);
        await nextLoad(previous, (x) => x.built && x.controlled);
        site.deploy(second.dir, null);
        site.fault((p) => p === file, kind);
        const asked = site.asked(file);
        const before = await state();
        await page.goto(site.url);
        const during = await nextLoad(before, (x) => x.built || x.notice);
        await until(async () => site.asked(file), (n) => n > asked);
        await pause(kind === 'stall' ? 2 * stall + 1000 : 1500);
        const after = {...(await state()), load: during.load};
        checkEqual(`${engine}: ${what} ${described[kind]}: the running release goes on, whole`,
                   [after.built, after.release, after.notice, after.offer, after.kept],
                   [true, 'first', null, false, 1]);
        site.fault(() => false);
        await page.goto(site.url);
        // Chromium now and then holds the new worker back for about 30 s before it takes over;
        // WebKit may have it take over before the page loads, which is then the new release.
        // After a stalled install has given up, WebKit starts the next one at the second load
        // after the server is mended, not the first: there the update may take one load more.
        const arrived = (x) => x.offer || x.release === 'second';
        const loads = engine === 'webkit' && kind === 'stall' ? 2 : 1;
        let offered = null;
        for (let load = 1; load <= loads && !offered; load++) {
          const base = load > 1 ? await state() : after;
          if (load > 1) await page.goto(site.url);
          offered = await nextLoad(base, arrived, load < loads ? 20000 : 60000)
            .catch((error) => { if (load === loads) throw error; return null; });
        }
        let updated = offered;
        if (offered.offer) {
          await page.evaluate(() => document.querySelector('#update button').click());
          updated = await nextLoad(offered, (x) => x.built);
        }
        checkEqual(`${engine}: … and once the server is mended the update arrives (the release ` +
                   'before kept for a page that began to load it)',
                   [updated.release, updated.kept], ['second', 2]);
        await site.stop();
      }
    }

    // One download per release: the first visit's files are the ones the worker keeps, and an
    // update fetches only the files whose names changed (and the worker's script).
    {
      const site = await serve(siteDir, {caching: 'hosted'});
      const previous = await state();
      await page.goto(site.url);
      const visited = await nextLoad(previous, (x) => x.built && x.controlled);
      const firstVisit = site.sent.filter((s) => s.status === 200);
      const twice = firstVisit.map((s) => s.path).filter((p, i, all) => all.indexOf(p) !== i);
      // WebKitGTK under WebDriver downloads each file again whoever asks (its page too), so
      // there the count is only shown.
      if (engine !== 'webkit') {
        checkEqual(`${engine}: a first visit downloads each file once (but the worker's script)`,
                   twice.filter((p) => p !== '/sw.js'), []);
      }
      site.deploy(second.dir, null);
      const from = site.sent.length;
      await page.goto(site.url);
      const offered = await nextLoad(visited, (x) => x.offer, 60000);
      await page.evaluate(() => document.querySelector('#update button').click());
      await nextLoad(offered, (x) => x.built && x.release === 'second');
      const update = site.sent.slice(from).filter((s) => s.status === 200);
      const fetched = [...new Set(update.map((s) => s.path))].sort();
      checkEqual(`${engine}: an update downloads only what changed`, fetched,
                 [...changed, '/index.html', '/sw.js'].sort());
      const bytes = (list) => list.reduce((sum, s) => sum + s.bytes, 0);
      console.log(`     ${engine}: first visit ${bytes(firstVisit)} bytes in ` +
                  `${firstVisit.length} files, update ${bytes(update)} bytes in ` +
                  `${update.length} (uncompressed)`);
      await site.stop();
    }
  } else {
    console.log(`     ${engine}: no service worker here; its cases are left out`);
  }
} finally {
  await page.close();
  second.remove();
}
finish();
