// Key preview on the page: every key press reaches the window's key handler once, before the
// focused control, whatever has the focus; the key is not consumed. Keys pressed while a box is
// open belong to the box. Tab walks the window's tab order and wraps round, as on the desktop.
// Alt alone (or F10) reaches the menu bar, as on the desktop: ← → move along it, Enter or Space
// chooses, Escape or Alt again goes back; meanwhile the keys belong to the menu.
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

  // The menu bar's keyboard mode: the menu item with the focus, and where the focus was.
  let menuFrom = null;
  let altAlone = false;
  const menuItems = () => [...page.windowElement().querySelectorAll('[role="menuitem"]')];
  const inMenu = () => menuItems().includes(document.activeElement);

  function enterMenu() {
    menuFrom = document.activeElement;
    menuItems()[0]?.focus({preventScroll: true});
  }

  function leaveMenu() {
    if (inMenu()) (menuFrom ?? document.body).focus({preventScroll: true});
    menuFrom = null;
  }

  function onMenuKey(e) {
    const items = menuItems();
    const at = items.indexOf(document.activeElement);
    e.preventDefault();
    if (e.key === 'ArrowRight' || e.key === 'ArrowLeft') {
      const step = e.key === 'ArrowRight' ? 1 : items.length - 1;
      items[(at + step) % items.length].focus({preventScroll: true});
    } else if (e.key === 'Enter' || e.key === ' ') {
      const item = items[at];
      leaveMenu();
      item.click();
    } else if (e.key === 'Escape' || e.key === 'F10') {
      leaveMenu();
    }
  }

  function onKeyDown(e) {
    if (!page.takesInput()) return;
    altAlone = e.key === 'Alt';
    if (inMenu()) {
      onMenuKey(e);
      return;
    }
    if (e.key === 'F10' && !e.shiftKey) {
      e.preventDefault();
      enterMenu();
    }
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

  function onKeyUp(e) {
    if (!page.takesInput() || e.key !== 'Alt' || !altAlone) return;
    altAlone = false;
    e.preventDefault();
    if (inMenu()) leaveMenu();
    else enterMenu();
  }

  page.nextInTabSequence = nextInTabSequence;
  window.addEventListener('keydown', onKeyDown, true);
  window.addEventListener('keyup', onKeyUp, true);
  // A press anywhere leaves the menu's keyboard mode.
  window.addEventListener('mousedown', () => { menuFrom = null; altAlone = false; }, true);
})();
