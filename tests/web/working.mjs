// The working window (途中式) in Chromium at phone, tablet and desktop sizes, with real input:
// opened from the menu, every text inside the window and the screen, the arrow keys moving
// through the steps, Escape giving the focus back. With QUORVEL_SCREENSHOT_DIR set it saves
// pictures of the window.
//   node working.mjs SITE_DIR
import path from 'node:path';
import {serve, launch, openCalculator} from './lib/browser.mjs';

const [siteDir] = process.argv.slice(2).map((p) => path.resolve(p));
const shots = process.env.QUORVEL_SCREENSHOT_DIR;
const SIZES = [
  {name: 'phone', width: 390, height: 844, isMobile: true, hasTouch: true, deviceScaleFactor: 2},
  {name: 'narrow-phone', width: 320, height: 640, isMobile: true, hasTouch: true},
  {name: 'tablet', width: 768, height: 1024, hasTouch: true},
  {name: 'desktop', width: 1024, height: 768},
];
// 1 1/2 ＋ 2/3, and 1/2147483647 － 1 = -2147483646/2147483647.
const CALCULATIONS = {
  'one-and-a-half': ['Command5', 'Command20', 'Command5', 'Command19', 'Command6', 'Command14',
                     'Command20', 'Command6', 'Command19', 'Command7', 'Command1'],
  'ten-digits': ['Command20', 'Command5', 'Command19', 'Command6', 'Command5', 'Command8',
                 'Command11', 'Command8', 'Command12', 'Command7', 'Command10', 'Command8',
                 'Command11', 'Command15', 'Command20', 'Command5', 'Command19', 'Command5',
                 'Command1'],
};

const site = await serve(siteDir);
const browser = await launch();
await browser.defaultBrowserContext().overridePermissions(
  site.url.replace(/\/$/, ''), ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
const problems = [];
let failures = 0;
function check(what, ok, detail = '') {
  console.log(`${ok ? 'ok  ' : 'FAIL'} ${what}${ok ? '' : `: ${detail}`}`);
  if (!ok) failures++;
}

try {
  for (const size of SIZES) {
    for (const [calculation, clicks] of Object.entries(CALCULATIONS)) {
      const page = await openCalculator(browser, site.url, problems, size);
      const click = async (name) => {
        const box = await (await page.$(`[data-name="${name}"]`)).boundingBox();
        await page.mouse.click(box.x + box.width / 2, box.y + box.height / 2);
      };
      for (const name of clicks) await click(name);
      await click('ViewWorking');
      await page.waitForFunction(() => document.getElementById('working').open);
      const where = `${size.name}, ${calculation}`;
      // Every text and bar inside the list, the list inside the window, the window on screen.
      const fit = await page.evaluate(() => {
        const dialog = document.getElementById('working').getBoundingClientRect();
        const list = document.getElementById('working-steps');
        const inside = list.getBoundingClientRect();
        const outside = [...list.querySelectorAll('.ink, .bar')].filter((e) => {
          const r = e.getBoundingClientRect();
          return r.left < inside.left - 0.5 || r.right > inside.right + 0.5;
        }).map((e) => e.textContent || 'bar');
        const sizes = [...list.querySelectorAll('.ink')]
          .map((e) => parseFloat(getComputedStyle(e).fontSize));
        // The window's own scale, from the transform the page drew it with.
        const windowScale = new DOMMatrix(
          getComputedStyle(document.getElementById('window')).transform).a;
        return {outside, smallest: Math.min(...sizes), largest: Math.max(...sizes), windowScale,
                onScreen: dialog.left >= 0 && dialog.right <= innerWidth && dialog.top >= 0 &&
                          dialog.bottom <= innerHeight,
                scrollsSideways: list.scrollWidth > list.clientWidth + 1};
      });
      check(`${where}: every text inside the list`, fit.outside.length === 0,
            JSON.stringify(fit.outside));
      check(`${where}: the window on screen`, fit.onScreen);
      check(`${where}: nothing scrolls sideways`, !fit.scrollsSideways);
      check(`${where}: text at least 12 px`, fit.smallest >= 12, String(fit.smallest));
      // 12 points, 16 CSS pixels, at the scale of the window it belongs to.
      check(`${where}: the steps' text at the window's scale`,
            Math.abs(fit.largest - 16 * fit.windowScale) < 0.1 && fit.smallest === fit.largest,
            JSON.stringify([fit.smallest, fit.largest, fit.windowScale]));
      if (shots) {
        await (await page.$('#working')).screenshot({
          path: path.join(shots, `working-${calculation}-web-${size.name}.png`)});
      }
      const focused = () => page.evaluate(() => document.activeElement.getAttribute('aria-label') ??
                                                document.activeElement.dataset.name ?? '');
      check(`${where}: the first step has the focus`, (await focused()).startsWith('問題 '),
            await focused());
      await page.keyboard.press('ArrowDown');
      check(`${where}: ↓ reads the next step`,
            (await focused()).startsWith('仮分数に直す 一つ目の数は'), await focused());
      await page.keyboard.press('End');
      check(`${where}: End reads the decimal`, (await focused()).startsWith('小数で表すと'),
            await focused());
      const selected = await page.evaluate(() => document.activeElement.id);
      const tabbed = [];
      for (let i = 0; i < 3; i++) {
        await page.keyboard.press('Tab');
        tabbed.push(await page.evaluate(() => document.activeElement.id));
      }
      check(`${where}: Tab goes round コピー, 閉じる and the selected step`,
            tabbed.join() === ['WorkingCopy', 'WorkingClose', selected].join(), tabbed.join());
      await page.keyboard.press('Escape');
      check(`${where}: Escape closes it`,
            !(await page.evaluate(() => document.getElementById('working').open)));
      check(`${where}: the focus is back on 計算`, (await focused()) === 'Command1',
            await focused());
      if (size.name === 'desktop' && calculation === 'one-and-a-half') {
        // Ctrl+C in the window copies the answer; コピー in the working window copies the steps.
        const clipboard = () => page.evaluate(() => navigator.clipboard.readText());
        await page.keyboard.down('Control');
        await page.keyboard.press('KeyC');
        await page.keyboard.up('Control');
        check('Ctrl+C copies the answer', (await clipboard()) === '2 1/6', await clipboard());
        await click('ViewWorking');
        await page.waitForFunction(() => document.getElementById('working').open);
        await page.click('#WorkingCopy');
        const copied = await clipboard();
        check('コピー copies the working, a step a line',
              copied.startsWith('問題: 1 1/2 ＋ 2/3\n仮分数に直す: 3/2\n') &&
              copied.endsWith('答え: 2 1/6\n小数で表す: 2.1(6)（6 がくり返す）\n'), copied);
        await page.evaluate(() => navigator.clipboard.writeText(''));
        await page.keyboard.down('Control');
        await page.keyboard.press('KeyC');
        await page.keyboard.up('Control');
        check('Ctrl+C in the working window copies the working too', (await clipboard()) === copied,
              await clipboard());
        await page.keyboard.press('Escape');
      }
      await page.close();
    }
  }
} finally {
  await browser.close();
  await site.stop();
}
for (const problem of problems) console.log(problem);
process.exit(failures === 0 && problems.length === 0 ? 0 : 1);
