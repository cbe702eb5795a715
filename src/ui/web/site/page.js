// The page side of the calculator: builds the window's elements from the description the
// WebAssembly window hands over (the control tables), forwards the user's clicks and keys to it,
// and draws what it is told. Its message boxes are in box.js.
'use strict';

(() => {
  // The window's faces, from the description the program gives (its one list of faces).
  let face = 'sans-serif';
  const DEFAULT_POINTS = 9;

  let controls = new Map(); // control name → element (options: their <input>)
  let labelFonts = new Map(); // label name → its font, for measuring
  let tabSequence = []; // the focusable controls in tab order
  let windowElement = null;
  let ended = false;
  let description = null; // what the program handed over: the tables, and the phone layout
  let phone = false; // laid out for a phone held upright
  let readout = null; // on a phone: the whole value of a shortened field, shown on a tap
  const canvas = document.createElement('canvas').getContext('2d');

  const desk = () => document.getElementById('desk');
  // A box or the working window is open: the window takes no input.
  const modalOpen = () => quorvelBox.isOpen() || quorvelDialog.isOpen();

  // Handlers run one at a time and never while a box is open: the box is modal. The program
  // catches its own faults; one that still escapes it ends the window with a message.
  function call(name, types, args) {
    if (modalOpen() || ended) return;
    try {
      Module.ccall(name, null, types, args);
    } catch (error) {
      fail(error);
    }
  }

  function runEvent(event) {
    call('qv_event', ['number'], [event]);
  }

  // A box or the working window the program opened has been closed: the program goes on.
  function modalClosed() {
    try {
      Module._qv_modal_closed();
    } catch (error) {
      fail(error);
    }
  }

  function fontOf(points, bold) {
    return `${bold ? 'bold ' : ''}${points || DEFAULT_POINTS}pt ${face}`;
  }

  function place(element, r) {
    Object.assign(element.style, {
      left: `${r.left}px`, top: `${r.top}px`, width: `${r.width}px`, height: `${r.height}px`,
    });
  }

  // A mouse press on something that cannot take the focus leaves the focus where it is, as on
  // the desktop; the browser would otherwise take it away from the focused button.
  function keepFocusOnPress(element) {
    element.addEventListener('mousedown', (e) => e.preventDefault());
  }

  // A label draws its caption in an element hidden from assistive technology and says its
  // accessible name in another, so a screen reader reads what the session named it.
  function buildLabel(row) {
    const label = document.createElement('div');
    label.className = 'label';
    label.dataset.name = row.name;
    place(label, row);
    label.style.font = fontOf(row.points, row.bold);
    label.style.textAlign = row.align;
    if (row.color) label.style.color = row.color;
    const ink = document.createElement('span');
    ink.className = 'ink';
    ink.setAttribute('aria-hidden', 'true');
    const spoken = document.createElement('span');
    spoken.className = 'screen-reader-only';
    label.append(ink, spoken);
    keepFocusOnPress(label);
    label.addEventListener('click', () => showWhole(row.name));
    if (row.click !== null) {
      label.setAttribute('role', 'button');
      label.addEventListener('click', () => runEvent(row.click));
    }
    labelFonts.set(row.name, {points: row.points || DEFAULT_POINTS, bold: row.bold});
    controls.set(row.name, label);
    return label;
  }

  function buildLine(row) {
    const line = document.createElement('div');
    line.className = 'line';
    line.dataset.name = row.name;
    place(line, row);
    keepFocusOnPress(line);
    controls.set(row.name, line);
    return line;
  }

  function buildButton(row) {
    const button = document.createElement('button');
    button.type = 'button';
    button.dataset.name = row.name;
    button.textContent = row.caption;
    place(button, row);
    button.style.font = fontOf(row.points, row.bold);
    button.setAttribute('aria-description', row.description);
    button.addEventListener('click', () => {
      button.focus({preventScroll: true});
      runEvent(row.click);
    });
    controls.set(row.name, button);
    return button;
  }

  function buildFrame(frame, options) {
    const group = document.createElement('div');
    group.className = 'frame';
    group.dataset.name = frame.name;
    group.setAttribute('role', 'radiogroup');
    place(group, frame);
    const caption = document.createElement('span');
    caption.className = 'frame-caption';
    caption.id = `${frame.name}-caption`;
    caption.textContent = frame.caption;
    group.setAttribute('aria-labelledby', caption.id);
    group.setAttribute('aria-description', frame.description);
    group.append(caption);
    keepFocusOnPress(group);
    for (const row of options) {
      const option = document.createElement('label');
      option.className = 'option';
      place(option, row);
      const input = document.createElement('input');
      input.type = 'radio';
      input.name = frame.name;
      input.checked = row.selected;
      input.dataset.name = row.name;
      input.setAttribute('aria-description', row.description);
      // The handler runs when the option becomes the selected one, by click, tap or arrow key.
      input.addEventListener('change', () => {
        if (input.checked) {
          input.focus({preventScroll: true});
          runEvent(row.click);
        }
      });
      option.addEventListener('mousedown', (e) => {
        e.preventDefault();
        input.focus({preventScroll: true});
      });
      option.append(input, document.createTextNode(row.caption));
      group.append(option);
      controls.set(row.name, input);
    }
    controls.set(frame.name, group);
    return group;
  }

  function buildMenu(menu) {
    const bar = document.createElement('div');
    bar.className = 'menu-bar';
    bar.setAttribute('role', 'menubar');
    for (const row of menu) {
      const item = document.createElement('button');
      item.type = 'button';
      item.tabIndex = -1;
      item.dataset.name = row.name;
      item.setAttribute('role', 'menuitem');
      item.textContent = row.caption;
      keepFocusOnPress(item);
      item.addEventListener('click', () => runEvent(row.click));
      bar.append(item);
      controls.set(row.name, item);
    }
    return bar;
  }

  function buildTitleBar(text) {
    const bar = document.createElement('div');
    bar.className = 'title-bar';
    const icon = document.createElement('img');
    icon.src = 'icons/quorvel-32.png';
    icon.alt = '';
    bar.append(icon, document.createTextNode(text));
    return bar;
  }

  // The controls stand in the client area in tab order, so that stacking and the browser's own
  // Tab order both follow it; the lines lie beneath them.
  function build(given) {
    remove();
    description = given;
    face = description.face;
    document.documentElement.style.setProperty('--face', face);
    windowElement = document.createElement('div');
    windowElement.id = 'window';
    windowElement.setAttribute('role', 'application');
    windowElement.setAttribute('aria-label', 'Quorvel');
    windowElement.style.width = `${description.width}px`;
    const client = document.createElement('div');
    client.className = 'client';
    client.style.width = `${description.width}px`;
    client.style.height = `${description.height}px`;
    keepFocusOnPress(client);
    for (const row of description.lines) client.append(buildLine(row));
    const rows = new Map();
    for (const row of description.labels) rows.set(row.name, () => buildLabel(row));
    for (const row of description.buttons) rows.set(row.name, () => buildButton(row));
    rows.set(description.frame.name, () => buildFrame(description.frame, description.options));
    for (const name of description.tabOrder) {
      const make = rows.get(name);
      if (make) client.append(make());
    }
    tabSequence = description.tabOrder.map((name) => controls.get(name))
      .filter((element) => element && (element.tagName === 'BUTTON' || element.tagName === 'INPUT'));
    windowElement.append(buildTitleBar('Quorvel'), buildMenu(description.menu), client);
    desk().append(windowElement);
    ended = false;
    fit();
  }

  function remove() {
    desk().replaceChildren();
    phone = false;
    readout = null;
    controls = new Map();
    labelFonts = new Map();
    tabSequence = [];
    windowElement = null;
  }

  // A phone held upright gets the phone layout; anything else the designed window, scaled as a
  // whole to fit the screen, a tablet large and a desktop as designed.
  function fit() {
    if (!windowElement) return;
    const upright = window.innerWidth < 560 && window.innerHeight > window.innerWidth;
    if (upright) {
      layOutForPhone();
      return;
    }
    if (phone) layOutAsDesigned();
    const width = windowElement.offsetWidth;
    const height = windowElement.offsetHeight;
    const scale = Math.min(3, (window.innerWidth - 16) / width, (window.innerHeight - 16) / height);
    windowElement.style.transform = `scale(${scale})`;
    // The boxes are drawn at the window's scale too.
    document.documentElement.style.setProperty('--scale', String(scale));
    windowElement.style.left = `${Math.max(0, (window.innerWidth - width * scale) / 2)}px`;
    windowElement.style.top = `${Math.max(0, (window.innerHeight - height * scale) / 2)}px`;
  }

  function designedRow(name) {
    return [...description.labels, ...description.lines, ...description.buttons,
            description.frame, ...description.options].find((row) => row.name === name);
  }

  function layOutAsDesigned() {
    phone = false;
    desk().classList.remove('scrolls');
    windowElement.classList.remove('phone');
    windowElement.style.width = `${description.width}px`;
    const client = windowElement.querySelector('.client');
    Object.assign(client.style, {width: `${description.width}px`, height: `${description.height}px`});
    for (const [name, element] of controls) {
      const row = designedRow(name);
      if (!row || element.tagName === 'INPUT') continue;
      place(element, row);
      element.style.zoom = '';
      if (row.points !== undefined) element.style.font = fontOf(row.points, row.bold);
    }
    for (const row of description.options) place(controls.get(row.name).parentElement, row);
    readout?.remove();
    readout = null;
  }

  // The phone layout (ui/controls/phone_layout.cpp): the display in two or three rows zoomed to
  // the width of the screen, the keys in a grid scaled with it, the page scrolling if it is
  // taller than the screen.
  function layOutForPhone() {
    phone = true;
    desk().classList.add('scrolls');
    const layout = description.phone;
    const width = document.documentElement.clientWidth;
    windowElement.classList.add('phone');
    Object.assign(windowElement.style, {transform: 'none', left: '0px', top: '0px',
                                        width: `${width}px`});
    document.documentElement.style.setProperty('--scale', '1');
    const margin = 8;
    // The display rows: the operands side by side where the fields then stand a finger apart
    // (44 pixels between centres), one above the other where they would not.
    const display = layout.display.map((d) => ({...d, rect: designedRow(d.name)}));
    const fields = display.filter((d) => d.name.startsWith('Label') &&
                                         controls.get(d.name).getAttribute('role') === 'button');
    let closest = Infinity;
    for (const a of fields) {
      for (const b of fields) {
        if (a === b) continue;
        closest = Math.min(closest, Math.max(
          Math.abs(a.rect.left + a.rect.width / 2 - b.rect.left - b.rect.width / 2),
          Math.abs(a.rect.top + a.rect.height / 2 - b.rect.top - b.rect.height / 2)));
      }
    }
    const arrange = (joined) => {
      const rowOf = (d) => (joined && d.row === 1 ? 0 : (joined && d.row === 2 ? 1 : d.row));
      const start = (d) => layout.rowStarts[joined && d.row === 1 ? 0 : d.row];
      const widths = display.map((d) => d.rect.left + d.rect.width - start(d));
      return {rowOf, start, width: Math.max(...widths), rows: joined ? 2 : 3};
    };
    let arrangement = arrange(true);
    let zoom = Math.min((width - 2 * margin) / arrangement.width, 2);
    if (zoom * closest < 44) {
      // One above the other, no larger than a finger needs, so that more of the keys fit.
      arrangement = arrange(false);
      zoom = Math.min((width - 2 * margin) / arrangement.width, 44.5 / closest);
    }
    // Rows far enough apart that a field of one and a field of the next are a finger apart too.
    const rowGap = 16;
    const top = Math.min(...display.map((d) => d.rect.top));
    const rowHeight = Math.max(...display.map((d) => d.rect.top + d.rect.height)) - top;
    for (const d of display) {
      const element = controls.get(d.name);
      element.style.zoom = String(zoom);
      // A zoomed element's place is given in its own, zoomed, pixels.
      const x = margin + (d.rect.left - arrangement.start(d)) * zoom;
      const y = margin + (arrangement.rowOf(d) * (rowHeight + rowGap) + d.rect.top - top) * zoom;
      place(element, {left: x / zoom, top: y / zoom, width: d.rect.width, height: d.rect.height});
    }
    let keysTop = margin + (arrangement.rows * (rowHeight + rowGap) - rowGap) * zoom + margin;
    readout = readout ?? document.createElement('p');
    readout.className = 'readout';
    readout.setAttribute('aria-hidden', 'true'); // a screen reader hears the whole value already
    place(readout, {left: margin, top: keysTop, width: width - 2 * margin, height: 20});
    windowElement.querySelector('.client').append(readout);
    keysTop += 24;
    const unit = Math.min(width, 560) / layout.width;
    const inset = (width - layout.width * unit) / 2;
    let bottom = keysTop;
    for (const key of layout.keys) {
      const element = controls.get(key.name);
      const rect = {left: inset + key.left * unit, top: keysTop + key.top * unit,
                    width: key.width * unit, height: key.height * unit};
      place(element, rect);
      bottom = Math.max(bottom, rect.top + rect.height);
    }
    // The two options side by side inside their frame.
    const frame = layout.keys.find((k) => k.name === description.frame.name);
    description.options.forEach((row, i) => {
      const half = (frame.width * unit) / 2;
      place(controls.get(row.name).parentElement,
            {left: 8 + i * half, top: 14 * unit, width: half - 16, height: 44});
    });
    Object.assign(windowElement.querySelector('.client').style,
                  {width: `${width}px`, height: `${bottom + margin}px`});
  }

  // On a phone a tap on a shortened field shows its whole value below the display, as the
  // tooltip does for a mouse.
  function showWhole(name) {
    if (!phone || !readout) return;
    const label = controls.get(name);
    readout.textContent = label.title ? label.children[1].textContent : '';
  }

  function measure(name, text, pixelSize) {
    // The working window's face is the window's, regular: it has no label name.
    const font = labelFonts.get(name) ?? {bold: false};
    canvas.font = `${font.bold ? 'bold ' : ''}${pixelSize}px ${face}`;
    const m = canvas.measureText(text);
    return {
      advance: m.width,
      inkLeft: -m.actualBoundingBoxLeft,
      inkTop: -m.actualBoundingBoxAscent,
      inkRight: m.actualBoundingBoxRight,
      inkBottom: m.actualBoundingBoxDescent,
      ascent: m.fontBoundingBoxAscent,
      descent: m.fontBoundingBoxDescent,
    };
  }

  // A label as the program laid it out: a caption that fits is placed by the browser as
  // designed, one that does not is drawn smaller or shortened where the caption rule put it.
  function showLabel(name, look) {
    const label = controls.get(name);
    const [ink, spoken] = label.children;
    label.dataset.caption = look.caption;
    label.style.backgroundColor = look.back;
    if (look.tooltip) label.title = look.tooltip;
    else label.removeAttribute('title');
    spoken.textContent = look.name;
    if (label.getAttribute('role') === 'button') label.setAttribute('aria-label', look.name);
    label.setAttribute('aria-description', look.description);
    ink.textContent = look.shown;
    // On a phone, typing into a field too narrow for its value shows the whole value below.
    if (phone && readout && look.back.toUpperCase() === '#80FF80') {
      readout.textContent = look.tooltip ? look.name : '';
    }
    if (look.asDesigned) {
      ink.className = 'ink';
      ink.removeAttribute('style');
      return;
    }
    const m = measure(name, look.shown, look.pixelSize);
    ink.className = 'ink fitted';
    Object.assign(ink.style, {
      fontSize: `${look.pixelSize}px`,
      lineHeight: `${m.ascent + m.descent}px`,
      left: `${look.x}px`,
      top: `${look.baseline - m.ascent}px`,
    });
  }

  function setLineVisible(name, visible) {
    controls.get(name).style.visibility = visible ? 'visible' : 'hidden';
  }

  function optionSelected(name) {
    return controls.get(name).checked;
  }

  function focus(name) {
    controls.get(name).focus({preventScroll: true});
  }

  // 終了: a tab cannot close itself, so the window goes and the page says so. After a fault the
  // page says what the program says of one.
  function end(words = '計算機を終了しました。') {
    if (ended) return;
    ended = true;
    if (!windowElement) return;
    const client = windowElement.querySelector('.client');
    client.inert = true;
    client.style.visibility = 'hidden';
    windowElement.querySelector('.menu-bar').inert = true;
    const note = document.createElement('div');
    note.className = 'ended';
    note.setAttribute('role', 'status');
    const text = document.createElement('p');
    text.textContent = words;
    const again = document.createElement('button');
    again.type = 'button';
    again.textContent = 'もう一度使う';
    again.addEventListener('click', () => location.reload());
    note.append(text, again);
    windowElement.append(note);
    again.focus({preventScroll: true});
  }

  // Said once for each user event, in the live region. The same words said twice must change
  // the region too, or they would be heard once: every other message ends in an unheard space.
  let announcements = 0;
  function announce(text) {
    announcements++;
    document.getElementById('announcements').textContent =
      announcements % 2 === 0 ? `${text}\u00A0` : text;
  }

  function readFocus() {
    return document.activeElement?.dataset?.name ?? '';
  }

  // What key preview needs (keys.js): whether the window takes input, and the handler to run.
  function takesInput() {
    return !modalOpen() && !ended && windowElement !== null;
  }

  function keyDown(e) {
    call('qv_key_down', ['string', 'string', 'number', 'number', 'number'],
         [e.code, e.key, e.shiftKey ? 1 : 0, e.ctrlKey ? 1 : 0, e.altKey ? 1 : 0]);
  }

  // Something failed outside the program's own guard: the window cannot be trusted any more.
  function fail(error) {
    console.error(error);
    if (windowElement && !ended) end(description?.fault ?? '計算機を終了しました。');
  }
  window.addEventListener('unhandledrejection', (e) => fail(e.reason));
  window.addEventListener('error', (e) => fail(e.error ?? e.message));

  // The handler has finished, every box it opened has been answered, and what the browser queued
  // after it has run.
  async function idle() {
    do {
      await new Promise((resolve) => setTimeout(resolve, 0));
    } while (modalOpen());
  }

  let resolveReady;
  const ready = new Promise((resolve) => { resolveReady = resolve; });

  // Ctrl+C copies the answer the program hands over: through the clipboard API where the page
  // may use it, and through the copy event that the same key raises everywhere else.
  let toCopy = null;
  function copyText(text) {
    toCopy = text;
    navigator.clipboard?.writeText(text).catch(() => {});
  }
  document.addEventListener('copy', (e) => {
    if (toCopy === null || String(getSelection() ?? '') !== '') return;
    e.clipboardData.setData('text/plain', toCopy);
    e.preventDefault();
    toCopy = null;
  });

  window.quorvelPage = {
    // The window's toolkit operations, as the program calls them (bridge.js).
    build, remove, showLabel, setLineVisible, optionSelected, focus, end, announce, measure,
    readFocus,
    messageBox: (text, title, error) => quorvelBox.show(text, title, error).then(modalClosed),
    showDialog: (json) => quorvelDialog.show(json).then(modalClosed),
    copyText,
    modalOpen,
    // For key preview (keys.js) and the scenario runner (scenario.js).
    takesInput, keyDown, ready, idle,
    tabSequence: () => tabSequence,
    windowElement: () => windowElement,
    control: (name) => controls.get(name),
    options: () => tabSequence.filter((e) => e.tagName === 'INPUT'),
  };
  // The window is built by the program's main(); the page is ready once it has run.
  window.Module = {
    postRun: [() => {
      performance.mark('quorvel-window-built');
      resolveReady();
    }],
  };
  window.addEventListener('resize', fit);
})();
