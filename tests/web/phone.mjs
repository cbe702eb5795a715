// On a touch screen the calculator is comfortable with a thumb: on phones either way up
// (390 × 844, 320 × 568, 844 × 390) and a tablet (768 × 1024) every control a finger taps is at
// least 44 CSS pixels each way (the fields, which stand in zoomed rows, at least 44 pixels apart),
// no text is under 12 pixels, nothing is wider than the screen; the controls, their tab order and
// what they do are the window's. A tap on a shortened field shows its whole value. The same
// screens with a mouse keep the designed window, scaled.
//   node phone.mjs SITE_DIR [SCREENSHOT_DIR]
import path from 'node:path';
import {serve, launch, openCalculator} from './lib/browser.mjs';
import {check, checkEqual, finish} from './lib/checks.mjs';

const siteDir = path.resolve(process.argv[2]);
const shots = process.argv[3];
const site = await serve(siteDir);
const browser = await launch('chromium');
const problems = [];

const measure = (page) => page.evaluate(() => {
  const visible = (e) => e.getClientRects().length > 0 && getComputedStyle(e).visibility !== 'hidden';
  const targets = [...document.querySelectorAll('#window button, #window .option')]
    .filter(visible).map((e) => {
      const r = e.getBoundingClientRect();
      return {name: e.dataset.name ?? e.textContent, width: r.width, height: r.height};
    });
  const texts = [];
  const walker = document.createTreeWalker(document.getElementById('window'), NodeFilter.SHOW_TEXT);
  while (walker.nextNode()) {
    const node = walker.currentNode;
    const element = node.parentElement;
    if (!node.textContent.trim() || !visible(element) || element.closest('.screen-reader-only')) continue;
    const style = getComputedStyle(element);
    // The size drawn: the computed size times the zoom of the element and its ancestors.
    let zoom = 1;
    for (let e = element; e; e = e.parentElement) zoom *= Number(getComputedStyle(e).zoom) || 1;
    texts.push({text: node.textContent.trim(), px: parseFloat(style.fontSize) * zoom});
  }
  const fields = [...document.querySelectorAll('.label[role="button"]')].map((e) => {
    const r = e.getBoundingClientRect();
    return {name: e.dataset.name, top: r.top, left: r.left, bottom: r.bottom, right: r.right};
  });
  return {targets, texts, fields, pageWidth: document.documentElement.scrollWidth,
          screen: innerWidth, tabOrder: [...document.querySelectorAll('#window [data-name]')]
            .map((e) => e.dataset.name)};
});

try {
  const desktop = await openCalculator(browser, site.url, problems, {width: 1024, height: 768});
  const designedOrder = (await measure(desktop)).tabOrder;
  // The program places the window from the size it reckons the page draws it at.
  checkEqual('the designed window is drawn 434 × 340, as the program reckons',
             await desktop.evaluate(() => {
               const w = document.getElementById('window');
               return [w.offsetWidth, w.offsetHeight];
             }), [434, 340]);
  await desktop.close();

  for (const [width, height] of [[390, 844], [320, 568], [844, 390], [768, 1024]]) {
    const page = await openCalculator(browser, site.url, problems,
                                      {width, height, hasTouch: true, isMobile: true});
    const m = await measure(page);
    const small = m.targets.filter((t) => t.width < 44 || t.height < 44);
    checkEqual(`${width}×${height}: every button, menu item and option is at least 44 px`,
               small, []);
    const tiny = m.texts.filter((t) => t.px < 12 - 0.01);
    checkEqual(`${width}×${height}: no text is under 12 px`, tiny, []);
    checkEqual(`${width}×${height}: nothing is wider than the screen`, m.pageWidth, width);
    checkEqual(`${width}×${height}: the same controls in the same order`, m.tabOrder,
               designedOrder);
    // Fields a finger taps: far enough apart that a 44-pixel finger picks one.
    const close = [];
    for (const a of m.fields) {
      for (const b of m.fields) {
        const apart = Math.max(Math.abs((a.top + a.bottom) - (b.top + b.bottom)) / 2,
                               Math.abs((a.left + a.right) - (b.left + b.right)) / 2);
        if (a.name < b.name && apart < 44) close.push([a.name, b.name, Math.round(apart)]);
      }
    }
    checkEqual(`${width}×${height}: the fields' centres are at least 44 px apart`, close, []);

    // What the buttons do is the window's: 1 1/2 ＋ 2/3 is 2 1/6.
    for (const name of ['Label9', 'Command5', 'Command20', 'Command5', 'Command19', 'Command6',
                        'Command14', 'Command20', 'Command6', 'Command19', 'Command7',
                        'Command1']) {
      await page.tap(`[data-name="${name}"]`);
    }
    checkEqual(`${width}×${height}: taps on the phone layout calculate 2 1/6`,
               await page.evaluate(() => ['Label6', 'Label2', 'Label1'].map(
                 (n) => document.querySelector(`[data-name=${n}]`).dataset.caption)),
               ['2', '1', '6']);
    if (shots) await page.screenshot({path: path.join(shots, `web-phone-${width}.png`)});
    // A box's OK is a finger's target too.
    await page.tap('[data-name="Command2"]');
    await page.tap('[data-name="Command1"]');
    await page.waitForFunction(() => document.getElementById('box').open);
    const ok = await page.$eval('#box-ok', (e) => {
      const r = e.getBoundingClientRect();
      return {width: Math.round(r.width), height: Math.round(r.height)};
    });
    check(`${width}×${height}: a box's OK is at least 44 × 44 px`, ok.width >= 44 && ok.height >= 44,
          JSON.stringify(ok));
    await page.tap('#box-ok');
    // A shortened field's whole value, by a tap and by typing.
    await page.tap('[data-name="Command2"]');
    for (let i = 0; i < 10; i++) await page.tap('[data-name="Command13"]');
    checkEqual(`${width}×${height}: typing a value too long for its field shows it whole`,
               await page.$eval('.readout', (e) => e.textContent),
               '一つ目の数の整数部分 9999999999（入力中）');
    await page.tap('[data-name="Label8"]');
    await page.tap('[data-name="Label9"]');
    checkEqual(`${width}×${height}: so does a tap on it`,
               await page.$eval('.readout', (e) => e.textContent),
               '一つ目の数の整数部分 9999999999（入力中）');
    await page.close();
  }

  for (const [width, height] of [[768, 1024], [844, 390]]) {
    const page = await openCalculator(browser, site.url, problems, {width, height});
    check(`${width}×${height} with a mouse: the designed window, scaled`,
          await page.evaluate(() => !document.getElementById('window').classList.contains('phone') &&
            getComputedStyle(document.getElementById('window')).transform !== 'none'));
    await page.close();
  }
} finally {
  await browser.close();
  await site.stop();
}
finish(problems);
