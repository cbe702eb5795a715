// The page in Firefox ESR (puppeteer over WebDriver BiDi) and WebKitGTK (WebKitWebDriver, the
// engine of Safari): every shared scenario transcript, then real input as a user gives it:
// mouse clicks, keypad keys, Delete, Tab and the arrow keys, and a failing calculation whose
// box takes the keys until Enter closes it. The boxes are drawn sharp: laid out
// at the window's scale, not drawn at 1× and stretched.
//   node engines.mjs firefox|webkit SITE_DIR SCENARIO_DIR
import path from 'node:path';
import {serve} from './lib/browser.mjs';
import {openEngine} from './lib/engine_page.mjs';
import {playScenarios} from './lib/scenarios.mjs';
import {check, checkEqual, finish} from './lib/checks.mjs';

const [engine, ...dirs] = process.argv.slice(2);
const [siteDir, scenarioDir] = dirs.map((p) => path.resolve(p));
const site = await serve(siteDir);

const page = await openEngine(engine);
let failures = 0;
try {
  await page.goto(site.url);
  await page.evaluate(() => new Promise((resolve) => {
    const built = () => performance.getEntriesByName('quorvel-window-built').length > 0;
    const wait = () => (built() ? resolve() : setTimeout(wait, 50));
    wait();
  }));
  failures += await playScenarios(page.evaluate, scenarioDir, engine);

  // Real input on a fresh page.
  await page.goto(site.url);
  await page.evaluate(() => new Promise((resolve) => {
    const wait = () => (performance.getEntriesByName('quorvel-window-built').length > 0
      ? resolve() : setTimeout(wait, 50));
    wait();
  }));
  const settle = () => page.evaluate(() => new Promise((resolve) =>
    requestAnimationFrame(() => setTimeout(resolve, 50))));
  const state = async () => {
    await settle();
    return page.evaluate(() => {
      const captions = {};
      for (const label of document.querySelectorAll('.label')) {
        captions[label.dataset.name] = label.dataset.caption;
      }
      const box = document.getElementById('box');
      return {
        captions,
        focus: document.activeElement?.dataset?.name ?? '',
        box: box.open ? document.getElementById('box-text').textContent : null,
      };
    });
  };
  const click = async (name) => {
    const {x, y} = await page.evaluate((n) => {
      const r = document.querySelector(`[data-name="${n}"]`).getBoundingClientRect();
      return {x: r.left + r.width / 2, y: r.top + r.height / 2};
    }, name);
    await page.click(x, y);
  };
  const result = (s) => [s.captions.Label6, s.captions.Label2, s.captions.Label1];

  for (const name of ['Label9', 'Command5', 'Command20', 'Command5', 'Command19', 'Command6',
                      'Command14', 'Command20', 'Command6', 'Command19', 'Command7', 'Command1']) {
    await click(name);
  }
  let s = await state();
  checkEqual(`${engine}: 1 1/2 ＋ 2/3 by mouse clicks is 2 1/6`, result(s), ['2', '1', '6']);
  checkEqual(`${engine}: the clicked button has the focus`, s.focus, 'Command1');

  await click('Command2');
  for (const code of ['Numpad1', 'Numpad7']) await page.press(code);
  checkEqual(`${engine}: keypad digits go into the active field`, (await state()).captions.Label9,
             '17');
  await page.press('Delete');
  checkEqual(`${engine}: Delete empties the active field`, (await state()).captions.Label9, '');
  await page.press('Numpad4');
  await page.press('NumpadAdd');
  checkEqual(`${engine}: keypad + chooses the operator`, (await state()).captions.Label3, '＋');

  await click('Command1');
  s = await state();
  check(`${engine}: 計算 on a missing numerator opens the error box`, s.box !== null);
  await click('Command5');
  await page.press('Numpad9');
  checkEqual(`${engine}: clicks and keys while the box is open reach nothing`,
             (await state()).captions.Label12, '');
  if (engine === 'webkit') {
    const drawn = await page.evaluate(() => {
      const style = getComputedStyle(document.getElementById('box'));
      return {transform: style.transform, zoom: Number(style.zoom),
              scale: Number(getComputedStyle(document.documentElement).getPropertyValue('--scale'))};
    });
    check('webkit: the box is laid out at the window\'s scale, not stretched from 1×',
          drawn.transform === 'none' && Math.abs(drawn.zoom - drawn.scale) < 0.01 && drawn.scale > 1,
          JSON.stringify(drawn));
  }
  await page.press('Enter');
  s = await state();
  checkEqual(`${engine}: Enter closes the box; the focus is back on 計算`, [s.box, s.focus],
             [null, 'Command1']);

  await click('Command2');
  await page.press('Tab');
  await page.press('Tab');
  checkEqual(`${engine}: two Tabs from 全て消す reach 帯分数`, (await state()).focus, 'Option5');
  await page.press('ArrowDown');
  checkEqual(`${engine}: Down in the group selects 仮分数`, [(await state()).focus,
             await page.evaluate(() => document.querySelector('[data-name=Option6]').checked)],
             ['Option6', true]);

  // A phone's width in a desktop browser, whose scroll bars take room: the page scrolls only
  // down, never sideways.
  if (engine === 'firefox') {
    await page.resize(320, 568);
    await settle();
    const sideways = await page.evaluate(() => {
      const desk = document.getElementById('desk');
      return {scrolls: desk.scrollWidth - desk.clientWidth, phone: desk.classList.contains('scrolls')};
    });
    checkEqual('firefox: at 320 × 568 the phone layout scrolls only down', sideways,
               {scrolls: 0, phone: true});
  }
} finally {
  await page.close();
  await site.stop();
}
if (failures > 0) check(`${engine}: every shared transcript`, false, `${failures} differ`);
finish();
