// The calculator's message boxes on the page: a modal <dialog> with the title, the icon, the text
// and OK, answered by OK, Enter, Space or Escape; the program goes on once it is answered.
'use strict';

// A box or window of the page keeps the keyboard as a desktop one does: Tab and Shift+Tab go
// round its own controls and never to the page behind it or the browser.
function quorvelKeepFocusIn(dialog) {
  dialog.addEventListener('keydown', (e) => {
    if (e.key !== 'Tab' || e.altKey || e.ctrlKey || e.metaKey) return;
    e.preventDefault();
    const stops = [...dialog.querySelectorAll('input, button, [tabindex="0"]')]
      .filter((element) => !element.disabled);
    if (stops.length === 0) return;
    const at = stops.indexOf(document.activeElement);
    const step = e.shiftKey ? stops.length - 1 : 1;
    stops[at < 0 ? 0 : (at + step) % stops.length].focus();
  });
}

(() => {
  const box = document.getElementById('box');
  const ok = document.getElementById('box-ok');
  let open = false;
  let answerAtOnce = false; // a scenario answers every box with OK
  let answer = null; // closes the open box and lets the handler go on

  function show(text, title, error) {
    box.querySelector('.title-bar').textContent = title;
    box.querySelector('.box-icon').className = `box-icon ${error ? 'error' : 'information'}`;
    box.setAttribute('role', error ? 'alertdialog' : 'dialog');
    document.getElementById('box-text').textContent = text.replaceAll('\r', '\n');
    open = true;
    return new Promise((resolve) => {
      // The window takes input again as soon as the box has gone, not a task later when the
      // browser fires its close event.
      answer = () => {
        answer = null;
        box.close();
        open = false;
        resolve();
      };
      box.showModal();
      ok.focus();
      if (answerAtOnce) setTimeout(() => ok.click(), 0);
    });
  }

  quorvelKeepFocusIn(box);
  ok.addEventListener('click', () => answer?.());
  box.addEventListener('cancel', (e) => {
    e.preventDefault();
    answer?.();
  });
  // A press anywhere but on OK, inside the box or on the window behind it, leaves the focus on
  // OK, so that Enter, Space and Escape still answer the box.
  box.addEventListener('mousedown', (e) => {
    if (e.target !== ok) e.preventDefault();
  });

  window.quorvelBox = {
    show,
    isOpen: () => open,
    answerAtOnce(on) { answerAtOnce = on; },
  };
})();
