// How the page starts: it shows 読み込み中… at once (index.html), checks that the browser has
// what the calculator needs, then loads the program, its bytes checked. A load that fails is told
// by the guard in index.html (load_guard.js), with a button to try again; a browser without what
// the page needs gets a plain message instead of a window that does nothing. Once the window
// stands, the service worker keeps the release (sw.js); once a new one is ready, the page offers
// to switch.
'use strict';

(() => {
  const root = document.documentElement;
  const load = window.quorvelLoad;

  // The smallest module with a try block: WebAssembly's own exceptions, which the program's
  // run-time errors are.
  const withExceptions = new Uint8Array([0, 0x61, 0x73, 0x6d, 1, 0, 0, 0, 1, 4, 1, 0x60, 0, 0,
    3, 2, 1, 0, 0x0d, 3, 1, 0, 0, 0x0a, 7, 1, 5, 0, 6, 0x40, 0x0b, 0x0b]);

  // What the page cannot do without: the program (WebAssembly with its exceptions) and modal
  // boxes (<dialog>).
  function supported() {
    return typeof WebAssembly === 'object' && WebAssembly.validate(withExceptions) &&
      typeof HTMLDialogElement === 'function' &&
      typeof HTMLDialogElement.prototype.showModal === 'function';
  }

  // The program's bytes are fetched here rather than by emscripten's loader, so that they are
  // checked before they run, and a download that breaks off or stalls is told as a failed load.
  function instantiateWasm(imports, receive) {
    fetchChecked(root.dataset.wasm, root.dataset.wasmIntegrity,
                 {stall: load.stall, progress: load.moving})
      .then(({bytes}) => {
        load.allArrived();
        return WebAssembly.instantiate(bytes, imports);
      })
      .then(({instance, module}) => {
        if (!load.failing()) receive(instance, module);
      })
      .catch((error) => load.fail(error.corrupt === true, error));
    return {};
  }

  function loadProgram() {
    Module.instantiateWasm = instantiateWasm;
    Module.onAbort = (what) => load.fail(false, what);
    const script = document.createElement('script');
    script.src = root.dataset.program;
    script.integrity = root.dataset.programIntegrity;
    document.head.append(script);
  }

  // The service worker, set up once the window stands, so that it keeps the files the page has
  // just loaded instead of fetching them a second time: a first visit hands them over in a cache
  // of their own, which the worker drops once it holds the release (a worker's own requests do
  // not reach the browser's copies in every engine).
  async function keepForOffline() {
    if (!navigator.serviceWorker.controller) await handOver();
    navigator.serviceWorker.register('sw.js', {updateViaCache: 'none'}).catch(() => {
      // Without a worker the page still works; it is only not kept for offline use.
    });
  }

  async function handOver() {
    try {
      const loaded = await caches.open('quorvel-loaded');
      const page = await fetch(location.href, {cache: 'force-cache'});
      if (page.ok) await loaded.put(new URL('index.html', location.href).href, page);
      // Only bytes checked again: what the browser's cache holds now may not be what it held.
      await Promise.all(load.files().map(async ([url, integrity]) => {
        const {bytes, response} =
          await fetchChecked(url, integrity, {cache: 'force-cache', stall: load.stall});
        const type = response.headers.get('Content-Type') ?? 'application/octet-stream';
        await loaded.put(url, new Response(bytes, {headers: {'Content-Type': type}}));
      }));
    } catch {
      // The worker fetches what it is not handed.
    }
  }

  function offerUpdate() {
    if (document.getElementById('update')) return;
    const bar = document.createElement('div');
    bar.id = 'update';
    bar.setAttribute('role', 'status');
    const words = document.createElement('p');
    words.textContent = '新しい版の準備ができました。';
    const button = document.createElement('button');
    button.type = 'button';
    button.textContent = '新しい版にする';
    button.addEventListener('click', () => location.reload());
    bar.append(words, button);
    document.body.append(bar);
    // The offer takes its own strip of the screen: the window is fitted above it, and a page
    // taller than the screen scrolls clear of it.
    document.body.style.paddingBottom = `${bar.offsetHeight}px`;
    window.dispatchEvent(new Event('resize'));
  }

  if (!supported()) {
    load.end();
    load.notice('このブラウザーでは、この計算機を使えません。新しい版のブラウザーで開いてください。');
    return;
  }
  // The program starts once the style is in: a window without it could not be used. Chromium
  // and Firefox run this script once the style has loaded or failed (and may tell its error
  // after), WebKit may run it before; a style that fails is the guard's to tell.
  function whenStyled(start) {
    const style = document.querySelector('link[rel="stylesheet"]');
    if (style.sheet) start();
    else style.addEventListener('load', start, {once: true});
  }

  whenStyled(() => {
    if (load.failing()) return;
    window.quorvelPage.ready.then(load.end);
    loadProgram();
  });
  if ('serviceWorker' in navigator && location.protocol !== 'file:') {
    // The worker says which release it serves; a page of another is offered the switch, whether
    // the new worker took over before this script ran or after.
    const workers = navigator.serviceWorker;
    workers.addEventListener('message', (event) => {
      if (event.data?.release && event.data.release !== root.dataset.release) offerUpdate();
    });
    const ask = () => workers.controller?.postMessage('release?');
    workers.addEventListener('controllerchange', ask);
    workers.startMessages();
    ask();
    window.quorvelPage.ready.then(keepForOffline);
  }
})();
