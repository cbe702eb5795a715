// Watches the page's loading from its first line; it is written into index.html itself, so that
// it is there whatever else fails to arrive. A script or the style that fails (missing, reset,
// or with other bytes than its release's: the browser checks each against its integrity
// attribute), or a load in which nothing moves on for the stall time, ends in a message with a
// button that loads the page again past every cache, never in 読み込み中… for ever. The page's
// scripts report their progress and the end through window.quorvelLoad.
'use strict';

window.quorvelLoad = (() => {
  const root = document.documentElement;
  const stall = Number(root.dataset.stall);
  const unreachable = '計算機を読み込めませんでした。ネットワークにつながっているか確かめてから、' +
                      'もう一度お試しください。';
  const corrupted = '計算機のファイルが正しく届きませんでした。もう一度お試しください。';
  let timer = 0;
  let over = false; // started, or its failure told
  let failing = false; // nothing more is to be loaded
  let arrived = false; // every file is here: what is left takes no network

  // A message on the desk where the window would be, with at most one button.
  function notice(text, buttonText = null, action = null) {
    let element = document.getElementById('notice');
    if (!element) {
      element = document.createElement('div');
      element.id = 'notice';
      document.getElementById('desk').append(element);
    }
    element.className = 'notice';
    element.setAttribute('role', buttonText ? 'alert' : 'status');
    const words = document.createElement('p');
    words.textContent = text;
    element.replaceChildren(words);
    if (buttonText) {
      const button = document.createElement('button');
      button.type = 'button';
      button.textContent = buttonText;
      button.addEventListener('click', action, {once: true});
      element.append(button);
      button.focus();
    }
  }

  // This release's files, each with the digest its bytes must have.
  function files() {
    const tagged = [...document.querySelectorAll('script[integrity], link[integrity]')]
      .map((e) => [e.src || e.href, e.integrity]);
    return [...tagged, [root.dataset.program, root.dataset.programIntegrity],
            [root.dataset.wasm, root.dataset.wasmIntegrity]];
  }

  const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

  // Loads the page again past every cache: the service worker and its copies are dropped, and
  // the browser's own copies of this release's files are replaced by the server's.
  async function afresh() {
    try {
      const workers = (await navigator.serviceWorker?.getRegistrations()) ?? [];
      await Promise.all(workers.map((worker) => worker.unregister()));
      for (const name of (await self.caches?.keys()) ?? []) await caches.delete(name);
      const refetched = files().map(([url]) => fetch(url, {cache: 'reload'})
        .then((response) => response.arrayBuffer()).catch(() => null));
      await Promise.race([Promise.all(refetched), pause(stall)]);
    } finally {
      location.reload();
    }
  }

  function end() {
    over = true;
    clearTimeout(timer);
  }

  // reason: what went wrong, kept for whoever looks into it (the console, a test).
  function fail(corrupt = false, reason = 'stalled') {
    if (over) return;
    console.warn(`the calculator could not be loaded: ${reason}`);
    root.dataset.loadFailure = String(reason);
    failing = true;
    end();
    const show = () => notice(corrupt ? corrupted : unreachable, 'もう一度読み込む', afresh);
    if (document.getElementById('desk')) show();
    else document.addEventListener('DOMContentLoaded', show);
  }

  // Something arrived: the load goes on.
  function moving() {
    if (over || arrived) return;
    clearTimeout(timer);
    timer = setTimeout(() => fail(false), stall);
  }

  // The last file is here. Compiling the program and building the window may take a slow
  // machine longer than the stall time, and are not waiting for anything.
  function allArrived() {
    arrived = true;
    clearTimeout(timer);
  }

  // The browser refused one of the page's files; fetched once more, it tells whether it was
  // missing or arrived with other bytes, so that the message can say which.
  async function refused(url, integrity) {
    try {
      await fetchChecked(url, integrity, {cache: 'no-store', stall});
      return false;
    } catch (error) {
      return error.corrupt === true;
    }
  }

  const ownFile = (e) => (e instanceof HTMLScriptElement || e instanceof HTMLLinkElement) &&
                         e.integrity !== '';
  // A page without its style or a script cannot work: nothing more is started. The second look
  // is bounded too.
  function refuse(element) {
    if (over || failing) return;
    failing = true;
    moving();
    refused(element.src || element.href, element.integrity)
      .then((corrupt) => fail(corrupt, `${element.src || element.href} refused`));
  }
  // Load and error events of elements do not bubble, but are seen on their way down.
  addEventListener('error', (event) => {
    if (ownFile(event.target)) refuse(event.target);
  }, true);
  addEventListener('load', (event) => {
    if (ownFile(event.target)) moving();
  }, true);
  moving();

  return {notice, fail, refuse, moving, allArrived, end, files, stall, failing: () => failing};
})();
