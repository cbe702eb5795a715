// Serves a built site as the README asks a host to: compressed with gzip, the content-named
// assets kept a year, everything else revalidated.
//   node bench/serve_compressed.mjs SITE_DIR PORT
import http from 'node:http'; import fs from 'node:fs'; import path from 'node:path'; import zlib from 'node:zlib';
const root = path.resolve(process.argv[2]); const port = Number(process.argv[3]);
const TYPES = {'.html': 'text/html; charset=utf-8', '.css': 'text/css; charset=utf-8', '.js': 'text/javascript; charset=utf-8', '.wasm': 'application/wasm', '.webmanifest': 'application/manifest+json', '.png': 'image/png'};
http.createServer((req, res) => {
  let file = path.join(root, decodeURIComponent(new URL(req.url, 'http://x').pathname));
  if (file.endsWith('/')) file += 'index.html';
  fs.readFile(file, (e, data) => {
    if (e) { res.writeHead(404).end(); return; }
    const ext = path.extname(file);
    const h = {'Content-Type': TYPES[ext] ?? 'application/octet-stream',
               'Cache-Control': file.includes('/assets/') ? 'public, max-age=31536000, immutable' : 'no-cache',
               'X-Content-Type-Options': 'nosniff'};
    if (ext !== '.png' && /gzip/.test(req.headers['accept-encoding'] ?? '')) { h['Content-Encoding'] = 'gzip'; data = zlib.gzipSync(data, {level: 9}); }
    res.writeHead(200, h); res.end(data);
  });
}).listen(port, '127.0.0.1');
