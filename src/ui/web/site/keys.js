// Key preview on the page: every key press reaches the window's key handler once, before the
// focused control, whatever has the focus; the key is not consumed. Keys pressed while a box is
// open belong to the box. Tab walks the window's tab order and wraps round, as on the desktop.
'use strict';

(() => {
  const page = window.quorvelPage;

  // In the option group only the selected option takes part.
  function tabStops() {
    return page.tabSequence().filter((e) => e.tagName !== 'INPUT' || e.checked);
  }

  // The next control for Tab (or Shift+Tab).
  function nextInTabSequence(from, backwards) {
    const stops = tabStops();
    const at = stops.indexOf(from);
    if (at < 0) return stops[backwards ? stops.length - 1 : 0];
    return stops[(at + (backwards ? stops.length - 1 : 1)) % stops.length];
  }

  function onKeyDown(e) {
    if (!page.takesInput()) return;
    const target = document.activeElement;
    if (e.key === 'Enter' && target?.tagName === 'BUTTON' && page.windowElement().contains(target)) {
      e.preventDefault(); // no button is a default button
    }
    const stops = tabStops();
    const last = stops[e.shiftKey ? 0 : stops.length - 1];
    if (e.key === 'Tab' && !e.ctrlKey && !e.altKey && target === last) {
      e.preventDefault();
      nextInTabSequence(target, e.shiftKey).focus();
    }
    page.keyDown(e);
  }

  page.nextInTabSequence = nextInTabSequence;
  window.addEventListener('keydown', onKeyDown, true);
})();
