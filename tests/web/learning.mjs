// 答え合わせ and 履歴 in Chromium, on a desktop with a mouse and on a phone by touch, reached and
// used from the keyboard as a user without a mouse does: the menu by F10 and →, the answer typed
// and checked with Enter, the verdict in the window and in its live region, a history entry chosen
// with ↓ and Enter. Every control on screen, and at least 44 × 44 px where the pointer is a finger.
// With QUORVEL_SCREENSHOT_DIR set it saves pictures of both windows.
//   node learning.mjs SITE_DIR
import path from 'node:path';
import {serve, launch, openCalculator} from './lib/browser.mjs';
import {check, checkEqual, finish} from './lib/checks.mjs';

const [siteDir] = process.argv.slice(2).map((p) => path.resolve(p));
const shots = process.env.QUORVEL_SCREENSHOT_DIR;
const SIZES = [
  {name: 'desktop', width: 1024, height: 768},
  {name: 'phone', width: 390, height: 844, isMobile: true, hasTouch: true, deviceScaleFactor: 2},
];
// 1 1/2 ＋ 2/3 typed with the window's keys, not calculated; then 1/3 － 1/2 over it.
const ONE_AND_A_HALF = ['Command5', 'Command20', 'Command5', 'Command19', 'Command6', 'Command14',
                        'Command20', 'Command6', 'Command19', 'Command7'];
const A_THIRD_LESS_A_HALF = ['Command20', 'Command5', 'Command19', 'Command7', 'Command15',
                             'Command20', 'Command5', 'Command19', 'Command6'];
// Menu commands from the left: 終了, バージョン情報, 途中式, 答えを使う, 答え合わせ, 履歴.
const CHECK_ANSWER = 4;
const HISTORY = 5;

const site = await serve(siteDir);
const browser = await launch();
const problems = [];

try {
  for (const size of SIZES) {
    const page = await openCalculator(browser, site.url, problems, size);
    const where = size.name;
    const press = async (name) => {
      const box = await (await page.$(`[data-name="${name}"]`)).boundingBox();
      const x = box.x + box.width / 2;
      const y = box.y + box.height / 2;
      if (size.hasTouch) await page.touchscreen.tap(x, y);
      else await page.mouse.click(x, y);
    };
    const openFromMenu = async (steps) => {
      await page.keyboard.press('F10');
      for (let i = 0; i < steps; i++) await page.keyboard.press('ArrowRight');
      await page.keyboard.press('Enter');
      await page.waitForFunction(() => document.getElementById('working').open);
    };
    const focused = () => page.evaluate(() => document.activeElement.id ||
                                              document.activeElement.dataset.name || '');
    const text = (id) => page.evaluate((i) => document.getElementById(i).textContent, id);
    // Every control of the open window: on screen, and a finger's size on a touch screen.
    const measureWindow = () => page.evaluate(() => {
      const controls = [...document.querySelectorAll(
        '#working button, #working input, #working [role="option"]')];
      return controls.filter((e) => e.getClientRects().length > 0).map((e) => {
        const r = e.getBoundingClientRect();
        return {id: e.id || e.textContent, width: r.width, height: r.height,
                onScreen: r.left >= 0 && r.top >= 0 && r.right <= innerWidth &&
                          r.bottom <= innerHeight};
      });
    });
    const checkControls = async (what) => {
      const controls = await measureWindow();
      check(`${where}, ${what}: it has controls`, controls.length > 0);
      const off = controls.filter((c) => !c.onScreen).map((c) => c.id);
      check(`${where}, ${what}: every control on screen`, off.length === 0, off.join());
      if (size.hasTouch) {
        const small = controls.filter((c) => c.width < 44 || c.height < 44)
          .map((c) => `${c.id} ${c.width}×${c.height}`);
        check(`${where}, ${what}: every control at least 44 × 44 px`, small.length === 0,
              small.join(', '));
      }
    };

    for (const name of ONE_AND_A_HALF) await press(name);
    await openFromMenu(CHECK_ANSWER);
    checkEqual(`${where}: 答え合わせ opens on the whole part`, await focused(), 'CheckWhole');
    checkEqual(`${where}: it shows the problem in the fields`, await text('CheckProblem'),
               '問題: 1 1/2 ＋ 2/3');
    await checkControls('答え合わせ');
    // 2 2/12: the right value, not reduced.
    await page.keyboard.type('2');
    await page.keyboard.press('Tab');
    await page.keyboard.type('2');
    await page.keyboard.press('Tab');
    await page.keyboard.type('12');
    await page.keyboard.press('Enter');
    const notReduced = '大きさは合っていますが、約分できます。分母と分子を 2 で割りましょう。';
    checkEqual(`${where}: Enter checks 2 2/12`, await text('CheckVerdict'), notReduced);
    checkEqual(`${where}: the verdict is in a live region`,
               await page.evaluate(() => document.getElementById('CheckVerdict').role), 'status');
    checkEqual(`${where}: the focus stays in the window`, await focused(), 'CheckDenominator');
    // Corrected to 2 1/6 in place.
    await page.keyboard.down('Shift');
    await page.keyboard.press('Tab');
    await page.keyboard.up('Shift');
    await page.keyboard.press('Backspace');
    await page.keyboard.type('1');
    await page.keyboard.press('Tab');
    await page.keyboard.press('Backspace');
    await page.keyboard.press('Backspace');
    await page.keyboard.type('6');
    await page.keyboard.press('Enter');
    checkEqual(`${where}: the corrected 2 1/6 is right`, await text('CheckVerdict'), '正解です。');
    if (shots) {
      await (await page.$('#working')).screenshot({path: path.join(shots, `check-web-${where}.png`)});
    }
    await page.keyboard.press('Escape');
    check(`${where}: Escape closes 答え合わせ`,
          !(await page.evaluate(() => document.getElementById('working').open)));
    checkEqual(`${where}: and gives the focus back`, await focused(), 'Command7');

    // Two calculations, then the older one chosen back from 履歴.
    await press('Command1');
    await press('Command2'); // 全て消す
    for (const name of A_THIRD_LESS_A_HALF) await press(name);
    await press('Command1');
    await openFromMenu(HISTORY);
    const entries = await page.evaluate(() => [...document.querySelectorAll('#working-steps li')]
      .map((e) => e.getAttribute('aria-label')));
    checkEqual(`${where}: 履歴 lists both, newest first`, entries,
               ['3分の1 ひく 2分の1 は マイナス 6分の1', '1と2分の1 たす 3分の2 は 2と6分の1']);
    await checkControls('履歴');
    if (shots) {
      await (await page.$('#working')).screenshot({
        path: path.join(shots, `history-web-${where}.png`)});
    }
    await page.keyboard.press('ArrowDown');
    await page.keyboard.press('Enter');
    await page.waitForFunction(() => !document.getElementById('working').open);
    const shown = await page.evaluate(() => ['Label9', 'Label8', 'Label7', 'Label3', 'Label12',
      'Label11', 'Label10', 'Label6', 'Label2', 'Label1']
      .map((name) => document.querySelector(`[data-name="${name}"] .ink`).textContent));
    checkEqual(`${where}: ↓ and Enter put 1 1/2 ＋ 2/3 back and calculate it`, shown,
               ['1', '1', '2', '＋', '', '2', '3', '2', '1', '6']);
    await page.close();
  }
} finally {
  await browser.close();
  await site.stop();
}
finish(problems);
