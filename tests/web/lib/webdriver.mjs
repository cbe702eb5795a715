// A small WebDriver client, enough to drive WebKitGTK (Debian's webkit2gtk-driver, whose
// WebKitWebDriver starts its MiniBrowser) with the same few calls as a puppeteer page:
// goto, evaluate, a mouse click at a point and a key press by its KeyboardEvent.code.
import {spawn} from 'node:child_process';
import fs from 'node:fs';
import net from 'node:net';

// WebDriver's key values for the codes the tests press.
const KEYS = {
  Enter: '\uE007', Escape: '\uE00C', Tab: '\uE004', Delete: '\uE017', Space: ' ',
  ArrowLeft: '\uE012', ArrowUp: '\uE013', ArrowRight: '\uE014', ArrowDown: '\uE015',
  NumpadMultiply: '\uE024', NumpadAdd: '\uE025', NumpadSubtract: '\uE027', NumpadDivide: '\uE029',
  NumpadEqual: '\uE019',
};
for (let d = 0; d <= 9; d++) KEYS[`Numpad${d}`] = String.fromCharCode(0xE01A + d);

async function freePort() {
  const server = net.createServer();
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const {port} = server.address();
  await new Promise((resolve) => server.close(resolve));
  return port;
}

function miniBrowser() {
  for (const api of ['4.1', '4.0', '6.0']) {
    const file = `/usr/lib/x86_64-linux-gnu/webkit2gtk-${api}/MiniBrowser`;
    if (fs.existsSync(file)) return file;
  }
  throw new Error('no MiniBrowser: install webkit2gtk-driver');
}

// {waitForLoad: false}: goto returns once the navigation has begun (WebDriver's page load
// strategy 'none').
export async function launchWebKit({waitForLoad = true} = {}) {
  const port = await freePort();
  const driver = spawn('WebKitWebDriver', [`--port=${port}`], {stdio: 'ignore'});
  const base = `http://127.0.0.1:${port}`;
  const call = async (method, path, body) => {
    const response = await fetch(`${base}${path}`, {
      method, headers: {'Content-Type': 'application/json'},
      body: body === undefined ? undefined : JSON.stringify(body),
    });
    const {value} = await response.json();
    if (value && value.error) throw new Error(`${path}: ${value.error}: ${value.message}`);
    return value;
  };
  for (let i = 0; ; i++) {
    try {
      if ((await call('GET', '/status')).ready) break;
    } catch (error) {
      if (i > 100) throw error;
    }
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
  const {sessionId} = await call('POST', '/session', {capabilities: {alwaysMatch: {
    'webkitgtk:browserOptions': {binary: miniBrowser(), args: ['--automation']},
    pageLoadStrategy: waitForLoad ? 'normal' : 'none',
  }}});
  const session = (method, path, body) => call(method, `/session/${sessionId}${path}`, body);
  await session('POST', '/window/rect', {width: 1024, height: 768});

  const page = {
    engine: 'webkit',
    goto: (url) => session('POST', '/url', {url}),
    // Runs fn(...args) in the page and waits for what it returns, promise or value.
    async evaluate(fn, ...args) {
      const result = await session('POST', '/execute/async', {
        script: `const done = arguments[arguments.length - 1];
                 Promise.resolve().then(() => (${fn}).apply(null, [...arguments].slice(0, -1)))
                   .then((value) => done({value}), (e) => done({error: String(e)}));`,
        args,
      });
      if (result.error) throw new Error(result.error);
      return result.value;
    },
    async click(x, y) {
      await session('POST', '/actions', {actions: [{type: 'pointer', id: 'mouse',
        parameters: {pointerType: 'mouse'}, actions: [
          {type: 'pointerMove', x: Math.round(x), y: Math.round(y), origin: 'viewport'},
          {type: 'pointerDown', button: 0}, {type: 'pointerUp', button: 0}]}]});
    },
    async press(code) {
      const value = KEYS[code] ?? code;
      await session('POST', '/actions', {actions: [{type: 'key', id: 'keyboard',
        actions: [{type: 'keyDown', value}, {type: 'keyUp', value}]}]});
    },
    async close() {
      await session('DELETE', '').catch(() => {});
      driver.kill();
    },
  };
  return page;
}
