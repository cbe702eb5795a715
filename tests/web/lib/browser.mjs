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

// A static file server for the site folder; stop() takes it off the network.
export async function serve(root) {
  const server = http.createServer((request, response) => {
    const url = new URL(request.url, 'http://127.0.0.1');
    let file = path.join(root, decodeURIComponent(url.pathname));
    if (!file.startsWith(root)) {
      response.writeHead(403).end();
      return;
    }
    if (file.endsWith('/')) file = path.join(file, 'index.html');
    fs.readFile(file, (error, data) => {
      if (error) {
        response.writeHead(404).end();
        return;
      }
      response.writeHead(200, {'Content-Type': TYPES[path.extname(file)] ?? 'application/octet-stream',
                               'Cache-Control': 'no-cache'});
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
    async stop() {
      for (const socket of connections) socket.destroy();
      await new Promise((resolve) => server.close(resolve));
    },
  };
}

export async function launch() {
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
