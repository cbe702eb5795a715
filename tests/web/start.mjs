// The page is never blank or dead: while the program loads it says so; when the program cannot
// be loaded it says so in Japanese and a button loads it again; a browser without <dialog>
// gets a plain message, with no error and no window that would ignore every click.
//   node start.mjs SITE_DIR
import path from 'node:path';
import {serve, launch} from './lib/browser.mjs';
import {check, checkEqual, finish} from './lib/checks.mjs';

const siteDir = path.resolve(process.argv[2]);
const site = await serve(siteDir);
const browser = await launch();
const problems = [];
const built = () => performance.getEntriesByName('quorvel-window-built').length > 0;
const notice = (page) => page.$eval('#notice', (e) => ({
  role: e.getAttribute('role'),
  text: e.querySelector('p')?.textContent ?? e.textContent,
  button: e.querySelector('button')?.textContent ?? null,
  focused: document.activeElement === e.querySelector('button'),
  visible: e.getBoundingClientRect().width > 0,
}));

async function freshPage() {
  const context = await browser.createBrowserContext();
  return context.newPage();
}

try {
  // While the program is on its way, the page says so.
  {
    const page = await freshPage();
    await page.setRequestInterception(true);
    let release;
    const held = new Promise((resolve) => { release = resolve; });
    page.on('request', async (request) => {
      if (request.url().endsWith('.wasm')) await held;
      request.continue();
    });
    await page.goto(site.url);
    checkEqual('while the program loads, the page says 読み込み中…', await notice(page),
               {role: 'status', text: '読み込み中…', button: null, focused: false, visible: true});
    release();
    await page.waitForFunction(built, {timeout: 30000});
    checkEqual('once the window is there, the message is gone', await page.$('#notice'), null);
  }

  // The program cannot be fetched: the page says so and offers to load it again.
  {
    const page = await freshPage();
    site.refuse((p) => p.endsWith('.wasm'));
    await page.goto(site.url);
    await page.waitForSelector('#notice[role="alert"]', {timeout: 30000});
    checkEqual('a failed load is told in Japanese, with a button to try again', await notice(page), {
      role: 'alert',
      text: '計算機を読み込めませんでした。ネットワークにつながっているか確かめてから、' +
            'もう一度お試しください。',
      button: 'もう一度読み込む', focused: true, visible: true,
    });
    site.refuse(() => false);
    await Promise.all([page.waitForNavigation(), page.keyboard.press('Enter')]);
    await page.waitForFunction(built, {timeout: 30000});
    check('the button loads the calculator once the program can be fetched', true);
  }

  // A browser without <dialog>.showModal, or whose WebAssembly has no exceptions (it rejects a
  // module with a try block): a plain message, no window, no error.
  const lacking = [
    ['<dialog>', () => { delete HTMLDialogElement.prototype.showModal; }],
    ['WebAssembly exceptions', () => {
      const validate = WebAssembly.validate;
      WebAssembly.validate = (bytes) => !new Uint8Array(bytes).includes(0x06) && validate(bytes);
    }],
  ];
  for (const [what, takeAway] of lacking) {
    const page = await freshPage();
    const errors = [];
    page.on('pageerror', (error) => errors.push(error.message));
    await page.evaluateOnNewDocument(takeAway);
    await page.goto(site.url);
    await page.waitForFunction(() => document.querySelector('#notice p')?.textContent
        .startsWith('このブラウザーでは'), {timeout: 10000});
    checkEqual(`without ${what} the page says plainly that this browser cannot run it`,
               (await notice(page)).text,
               'このブラウザーでは、この計算機を使えません。新しい版のブラウザーで開いてください。');
    checkEqual('and shows no window and throws nothing',
               [await page.$('#window'), errors], [null, []]);
  }
} finally {
  await browser.close();
  await site.stop();
}
finish(problems);
