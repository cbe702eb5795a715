// Serves the built site on 127.0.0.1 and opens it in Debian's headless Chromium.
import http from 'node:http';
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

// A static file server for the site folder; stop() takes it off the network. By default it asks
// browsers to revalidate everything. Given {lastModified}, it behaves like python's http.server
// instead: no Cache-Control, the deployment's Last-Modified, answering If-Modified-Since with
// 304, which lets browsers keep files for a long time on their own. deploy(dir, lastModified)
// puts another release in place; refuse(test) answers 404 for the paths it matches.
export async function serve(root, {lastModified = null} = {}) {
  let current = {root, lastModified};
  let refused = () => false;
  const server = http.createServer((request, response) => {
    const url = new URL(request.url, 'http://127.0.0.1');
    let file = path.join(current.root, decodeURIComponent(url.pathname));
    if (!file.startsWith(current.root)) {
      response.writeHead(403).end();
      return;
    }
    if (file.endsWith('/')) file = path.join(file, 'index.html');
    fs.readFile(file, (error, data) => {
      if (error || refused(url.pathname)) {
        response.writeHead(404).end();
        return;
      }
      const headers = {'Content-Type': TYPES[path.extname(file)] ?? 'application/octet-stream'};
      if (current.lastModified) {
        const since = Date.parse(request.headers['if-modified-since'] ?? '');
        if (since >= Math.floor(current.lastModified.getTime() / 1000) * 1000) {
          response.writeHead(304).end();
          return;
        }
        headers['Last-Modified'] = current.lastModified.toUTCString();
      } else {
        headers['Cache-Control'] = 'no-cache';
      }
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
    deploy(dir, modified) { current = {root: dir, lastModified: modified}; },
    refuse(test) { refused = test; },
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
