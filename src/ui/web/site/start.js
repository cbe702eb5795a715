// How the page starts: it shows 読み込み中… at once (index.html), checks that the browser has
// what the calculator needs, then loads the program. A load that fails says so in Japanese and
// offers to try again; a browser without what the page needs gets a plain message instead of a
// window that does nothing. Once a new release is ready (sw.js), the page offers to switch.
'use strict';

(() => {
  const root = document.documentElement;

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
      button.addEventListener('click', action);
      element.append(button);
      button.focus();
    }
  }

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

  let failed = false;
  function loadFailed() {
    if (failed) return;
    failed = true;
    notice('計算機を読み込めませんでした。ネットワークにつながっているか確かめてから、' +
           'もう一度お試しください。', 'もう一度読み込む', () => location.reload());
  }

  function loadProgram() {
    Module.locateFile = (file) => (file.endsWith('.wasm') ? root.dataset.wasm : file);
    Module.onAbort = loadFailed;
    const script = document.createElement('script');
    script.src = root.dataset.program;
    script.addEventListener('error', loadFailed);
    document.head.append(script);
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
    notice('このブラウザーでは、この計算機を使えません。新しい版のブラウザーで開いてください。');
    return;
  }
  loadProgram();
  if ('serviceWorker' in navigator && location.protocol !== 'file:') {
    // The first worker taking over the page is no update; a later one is.
    let updates = navigator.serviceWorker.controller ? 1 : 0;
    navigator.serviceWorker.addEventListener('controllerchange', () => {
      if (updates++ > 0) offerUpdate();
    });
    navigator.serviceWorker.register('sw.js', {updateViaCache: 'none'});
  }
})();
