// One page in any of the three engines behind the same few calls, as a user drives it: goto,
// evaluate, a mouse click at a point, a key press by its KeyboardEvent.code, and in puppeteer's
// engines a new viewport size. Chromium and Firefox ESR through puppeteer-core, WebKitGTK through
// its WebDriver. Given {waitForLoad: false}, goto returns once the navigation has begun, for
// pages that may never finish loading.
import {launch} from './browser.mjs';
import {launchWebKit} from './webdriver.mjs';

export async function openEngine(engine, {waitForLoad = true} = {}) {
  if (engine === 'webkit') return launchWebKit({waitForLoad});
  const browser = await launch(engine);
  const page = await browser.newPage();
  await page.setViewport({width: 1024, height: 768});
  return {
    engine,
    async goto(url) {
      if (waitForLoad) return page.goto(url);
      page.goto(url, {timeout: 0}).catch(() => {});
      return until(() => page.evaluate(() => location.href), (href) => href === url, 10000);
    },
    evaluate: (fn, ...args) => page.evaluate(fn, ...args),
    click: (x, y) => page.mouse.click(x, y),
    press: (code) => page.keyboard.press(code),
    resize: (width, height) => page.setViewport({width, height}),
    close: () => browser.close(),
  };
}

// Polls fn() until accept(its value) holds, through navigations (an evaluation in a page that is
// going away fails, and is tried again); rejects after `ms` with the last value or error.
export async function until(fn, accept = Boolean, ms = 10000) {
  const end = Date.now() + ms;
  let last;
  for (;;) {
    try {
      last = await fn();
      if (accept(last)) return last;
    } catch (error) {
      last = error;
    }
    if (Date.now() > end) throw new Error(`gave up waiting: ${last instanceof Error ? last : JSON.stringify(last)}`);
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
}
