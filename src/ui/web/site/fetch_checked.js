// fetchChecked(url, integrity, {cache, stall, progress}): fetches one of the release's files and
// resolves to {bytes, response} only if the bytes are the release's own, as named by integrity
// ('sha256-' and the SHA-256 of the bytes in base64, as in a script's integrity attribute). It
// rejects otherwise: with `corrupt` set when an answer came whole but with other bytes (a
// response cut short, a filter's page in the file's place), else as a failed download (no
// connection, a reset, an error status). A download that gets no answer or no further byte for
// `stall` milliseconds is given up. progress() is called at each piece that arrives. Used by the
// page for the program and by the service worker for every file it keeps; where the browser
// cannot compute a digest (a page not served securely) the bytes go unchecked.
'use strict';

async function digestOf(bytes) {
  const digest = new Uint8Array(await crypto.subtle.digest('SHA-256', bytes));
  return `sha256-${btoa(String.fromCharCode(...digest))}`;
}

async function fetchChecked(url, integrity, {cache = 'default', stall, progress = () => {}}) {
  const abort = new AbortController();
  let timer = 0;
  const watch = () => {
    clearTimeout(timer);
    timer = setTimeout(() => abort.abort(), stall);
  };
  watch();
  try {
    const response = await fetch(url, {cache, signal: abort.signal});
    if (!response.ok) throw new Error(`${url}: ${response.status}`);
    const reader = response.body.getReader();
    const pieces = [];
    let length = 0;
    for (;;) {
      const {done, value} = await reader.read();
      if (done) break;
      pieces.push(value);
      length += value.length;
      watch();
      progress();
    }
    const bytes = new Uint8Array(length);
    let at = 0;
    for (const piece of pieces) {
      bytes.set(piece, at);
      at += piece.length;
    }
    if (globalThis.crypto?.subtle && (await digestOf(bytes)) !== integrity) {
      throw Object.assign(new Error(`${url}: not this release's bytes`), {corrupt: true});
    }
    return {bytes, response};
  } finally {
    clearTimeout(timer);
  }
}
