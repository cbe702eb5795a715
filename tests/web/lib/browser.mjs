// Serves the built site on 127.0.0.1 and opens it in Debian's headless Chromium.
import http from 'node:http';
import crypto from 'node:crypto';
import fs from 'node:fs';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

const TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.webmanifest': 'application/manifest+json',
  '.png': 'image/png',
};

// What a server in the way may send instead of a file: a reset connection, nothing at all, a
// 404, the file cut short with a Content-Length that matches what is sent, or a filter's page.
const stalled = new Set();
const FAULTS = {
  reset: (request) => request.socket.destroy(),
  stall: (request) => stalled.add(request.socket),
  missing: (request, response) => response.writeHead(404).end(),
  cut: (request, response, data, headers) => {
    const half = data.subarray(0, Math.floor(data.length / 2));
    response.writeHead(200, {...headers, 'Content-Length': half.length}).end(half);
  },
  foreign: (request, response) => response.writeHead(200, {'Content-Type': 'text/html'})
    .end('<!doctype html><title>このページはブロックされました</title>'),
};
export const FAULT_KINDS = Object.keys(FAULTS);

// The caching headers a server sends. 'revalidate' asks browsers to check everything; 'hosted'
// is the README's advice (a year for the files named by their content, revalidate the rest);
// 'never' lets nothing be kept.
const CACHING = {
  revalidate: () => 'no-cache',
  hosted: (pathname) => (pathname.startsWith('/assets/') ? 'public, max-age=31536000, immutable'
                                                         : 'no-cache'),
  never: () => 'no-store',
};

// A static file server for the site folder; stop() takes it off the network. By default it asks
// browsers to revalidate everything ({caching} chooses other headers). Given {lastModified}, it
// behaves like python's http.server instead: no Cache-Control, the deployment's Last-Modified,
// answering If-Modified-Since with 304, which lets browsers keep files for a long time on their
// own. deploy(dir, lastModified) puts another release in place; refuse(test) answers 404 for the
// paths it matches; fault(test, kind) answers the requests test(pathname, nth) matches with one
// of FAULTS (nth counts that path's requests from 1); a new fault(), or none, ends
// the requests left stalled. sent lists every answer:
// {path, status, bytes}; asked(pathname) counts the requests for it.
export async function serve(root, {lastModified = null, caching = 'revalidate'} = {}) {
  let current = {root, lastModified};
  let faulty = () => null;
  const sent = [];
  const asked = new Map();
  const server = http.createServer((request, response) => {
    const url = new URL(request.url, 'http://127.0.0.1');
    const nth = (asked.get(url.pathname) ?? 0) + 1;
    asked.set(url.pathname, nth);
    let file = path.join(current.root, decodeURIComponent(url.pathname));
    if (!file.startsWith(current.root)) {
      response.writeHead(403).end();
      return;
    }
    if (file.endsWith('/')) file = path.join(file, 'index.html');
    const end = response.end.bind(response);
    response.end = (body) => {
      sent.push({path: url.pathname, status: response.statusCode, bytes: body?.length ?? 0});
      return end(body);
    };
    fs.readFile(file, (error, data) => {
      if (error) {
        response.writeHead(404).end();
        return;
      }
      const headers = {'Content-Type': TYPES[path.extname(file)] ?? 'application/octet-stream'};
      const fault = faulty(url.pathname, nth);
      if (fault) {
        FAULTS[fault](request, response, data, headers);
        return;
      }
      if (current.lastModified) {
        const since = Date.parse(request.headers['if-modified-since'] ?? '');
        if (since >= Math.floor(current.lastModified.getTime() / 1000) * 1000) {
          response.writeHead(304).end();
          return;
        }
        headers['Last-Modified'] = current.lastModified.toUTCString();
      } else {
        // As hosts do, a validator: a file asked for again unchanged is answered 304.
        const tag = `"${crypto.createHash('sha256').update(data).digest('hex').slice(0, 16)}"`;
        if (request.headers['if-none-match'] === tag) {
          response.writeHead(304).end();
          return;
        }
        headers.ETag = tag;
        headers['Cache-Control'] = CACHING[caching](url.pathname);
      }
      headers['Content-Length'] = data.length;
      response.writeHead(200, headers);
      response.end(data);
    });
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const connections = new Set();
  server.on('connection', (socket) => {
    connections.add(socket);
    socket.on('close', () => connections.delete(socket));
  });
  return {
    url: `http://127.0.0.1:${server.address().port}/`,
    sent,
    asked: (pathname) => asked.get(pathname) ?? 0,
    deploy(dir, modified) { current = {root: dir, lastModified: modified}; },
    refuse(test) { faulty = (pathname) => (test(pathname) ? 'missing' : null); },
    // A server mended drops the connections it left hanging, as one restarted would.
    fault(test, kind) {
      faulty = (pathname, n) => (test(pathname, n) ? kind : null);
      for (const socket of stalled) socket.destroy();
      stalled.clear();
    },
    async stop() {
      for (const socket of connections) socket.destroy();
      await new Promise((resolve) => server.close(resolve));
    },
  };
}

// Debian's headless Chromium, or Firefox ESR (driven over WebDriver BiDi).
export async function launch(engine = 'chromium') {
  if (engine === 'firefox') {
    return puppeteer.launch({
      browser: 'firefox',
      executablePath: process.env.FIREFOX ?? '/usr/bin/firefox-esr',
      headless: true,
      extraPrefsFirefox: {'intl.accept_languages': 'ja-JP, ja'},
    });
  }
  const args = ['--lang=ja-JP', '--window-size=800,600'];
  if (process.getuid?.() === 0) args.push('--no-sandbox');
  return puppeteer.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    args,
  });
}

// A page showing the calculator, its window built; console errors and page errors fail the test.
export async function openCalculator(browser, url, problems, viewport = null) {
  const page = await browser.newPage();
  if (viewport) await page.setViewport(viewport);
  page.on('pageerror', (error) => problems.push(`page error: ${error.message}`));
  page.on('console', (message) => {
    if (message.type() === 'error') problems.push(`console: ${message.text()}`);
  });
  await page.goto(url);
  await page.waitForFunction(() => performance.getEntriesByName('quorvel-window-built').length > 0);
  return page;
}
