// axe-core finds no accessibility violation on the page in six states: at start, with a box
// open, after a calculation, with the working open, with 答え合わせ and with 履歴; on a desktop
// screen and on a phone.
//   node axe.mjs SITE_DIR
import fs from 'node:fs';
import path from 'node:path';
import {createRequire} from 'node:module';
import {serve, launch, openCalculator} from './lib/browser.mjs';
import {checkEqual, finish} from './lib/checks.mjs';

const axeSource = fs.readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'),
                                  'utf8');
const site = await serve(path.resolve(process.argv[2]));
const browser = await launch('chromium');
const problems = [];

async function violations(page) {
  if (!(await page.evaluate(() => typeof window.axe === 'object'))) {
    await page.evaluate(axeSource);
  }
  const result = await page.evaluate(() => window.axe.run(document, {
    // Also the rule that a control's name holds the text it shows (WCAG 2.5.3), still marked
    // experimental in axe.
    rules: {'label-content-name-mismatch': {enabled: true}},
  }));
  return result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => `${n.target.join(" ")} ${n.failureSummary?.split("\n")[1] ?? ""}`).join(", ")}`);
}

const press = (page, name) => page.click(`[data-name="${name}"]`);
try {
  for (const [screen, viewport] of [['desktop', {width: 1024, height: 768}],
                                    ['phone', {width: 390, height: 844, isMobile: true,
                                               hasTouch: true}]]) {
    const page = await openCalculator(browser, site.url, problems, viewport);
    checkEqual(`${screen}, at start: no violations`, await violations(page), []);

    await press(page, 'Command1'); // nothing entered: an error box
    await page.waitForSelector('#box[open]');
    checkEqual(`${screen}, with a box open: no violations`, await violations(page), []);
    await page.keyboard.press('Enter');

    for (const name of ['Label9', 'Command5', 'Command20', 'Command5', 'Command19', 'Command6',
                        'Command14', 'Command20', 'Command6', 'Command19', 'Command7',
                        'Command1']) {
      await press(page, name);
    }
    checkEqual(`${screen}, after a calculation: no violations`, await violations(page), []);

    await page.evaluate(() => document.querySelector('[data-name="ViewWorking"]').click());
    await page.waitForSelector('#working[open]');
    checkEqual(`${screen}, with the working open: no violations`, await violations(page), []);
    await page.keyboard.press('Escape');

    // 答え合わせ with a verdict written, and 履歴 with the calculation in it.
    await page.waitForSelector('#working:not([open])');
    await page.evaluate(() => document.querySelector('[data-name="CheckAnswer"]').click());
    await page.waitForSelector('#working[open]');
    await page.keyboard.type('2');
    await page.keyboard.press('Enter');
    checkEqual(`${screen}, with 答え合わせ open: no violations`, await violations(page), []);
    await page.keyboard.press('Escape');
    await page.waitForSelector('#working:not([open])');
    await page.evaluate(() => document.querySelector('[data-name="History"]').click());
    await page.waitForSelector('#working[open]');
    checkEqual(`${screen}, with 履歴 open: no violations`, await violations(page), []);
    await page.close();
  }
} finally {
  await browser.close();
  await site.stop();
}
finish(problems);
