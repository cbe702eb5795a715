// The page side of the calculator: builds the window's elements from the description the
// WebAssembly window hands over (the control tables), forwards the user's clicks and keys to it,
// and draws what it is told. Its message boxes are in box.js.
'use strict';

(() => {
  let face = 'sans-serif'; // the window's faces, from the program's one list of them

  let controls = new Map(); // control name → element (options: their <input>)
  let labelFonts = new Map(); // label name → its font, for measuring
  let tabSequence = []; // the focusable controls in tab order
  let windowElement = null;
  let ended = false;
  let description = null; // what the program handed over: the tables, and the phone layout
  let phone = false; // laid out for a phone or another touch screen
  let scale = 1; // the window's, and its boxes' and working's
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

  const runEvent = (event) => call('qv_event', ['number'], [event]);

  // A box or the working window the program opened has been closed: the program goes on.
  function modalClosed() {
    try {
      Module._qv_modal_closed();
    } catch (error) {
      fail(error);
    }
  }

  const fontOf = (points, bold) => quorvelControls.cssFont(face, points, bold);
  const place = quorvelControls.place;
  let make = null; // the builders of the window's elements (controls.js), for this description

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
    windowElement.setAttribute('aria-label', description.title);
    windowElement.style.width = `${description.width}px`;
    const client = document.createElement('div');
    client.className = 'client';
    client.style.width = `${description.width}px`;
    client.style.height = `${description.height}px`;
    make = quorvelControls.builders({fontOf, controls, labelFonts, runEvent, showWhole});
    make.keepFocusOnPress(client);
    for (const row of description.lines) client.append(make.line(row));
    const rows = new Map();
    for (const row of description.labels) rows.set(row.name, () => make.label(row));
    for (const row of description.buttons) rows.set(row.name, () => make.button(row));
    rows.set(description.frame.name, () => make.frame(description.frame, description.options));
    for (const name of description.tabOrder) {
      const make = rows.get(name);
      if (make) client.append(make());
    }
    tabSequence = description.tabOrder.map((name) => controls.get(name))
      .filter((element) => element && (element.tagName === 'BUTTON' || element.tagName === 'INPUT'));
    const frame = description.windowFrame;
    const titleBar = make.titleBar(description.title);
    titleBar.style.height = `${frame.titleBar}px`;
    const menuBar = make.menu(description.menu);
    menuBar.style.height = `${frame.menuBar}px`;
    menuBar.style.borderBottomWidth = `${frame.menuRule}px`;
    windowElement.style.borderWidth = `${frame.border}px`;
    windowElement.append(titleBar, menuBar, client);
    ended = false;
    // Placed before it joins the page, so that reading the viewport lays out only the page.
    fit();
    desk().append(windowElement);
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

  // The program decides how the window meets the screen (ui/web/window_fit.cpp): scaled whole,
  // or the phone layout wherever a finger's targets would be too small. The page never measures
  // the window, which would lay it out before its first frame.
  function fit(room = document.documentElement.clientWidth) {
    if (!windowElement) return;
    const offer = document.getElementById('update'); // a new release's, at the screen's foot
    const height = window.innerHeight - (offer ? offer.offsetHeight : 0);
    const layout = JSON.parse(Module.ccall('qv_window_layout', 'string',
      ['number', 'number', 'number', 'number'],
      [window.innerWidth, height, room,
       matchMedia('(pointer: coarse)').matches ? 1 : 0]));
    scale = layout.phone ? 1 : layout.scale;
    // The boxes and the working are drawn at the window's scale too.
    document.documentElement.style.setProperty('--scale', String(scale));
    if (layout.phone) {
      layOutForPhone(layout);
      // Taller than the screen it scrolls; where a scroll bar takes room (a narrow desktop
      // browser) it is laid out again in the width left, so that nothing scrolls sideways.
      const left = desk().clientWidth;
      if (left < room) fit(left);
      return;
    }
    if (phone) layOutAsDesigned();
    windowElement.style.transform = `scale(${scale})`;
    windowElement.style.left = `${layout.left}px`;
    windowElement.style.top = `${layout.top}px`;
  }

  function designedRow(name) {
    return [...description.labels, ...description.lines, ...description.buttons,
            description.frame, ...description.options].find((row) => row.name === name);
  }

  function layOutAsDesigned() {
    phone = false;
    windowElement.querySelector('.menu-bar').style.height = `${description.windowFrame.menuBar}px`;
    windowElement.style.borderWidth = `${description.windowFrame.border}px`;
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

  // The phone layout as the program arranged it (ui/web/phone_arrangement.cpp), the page
  // scrolling if it is taller than the screen.
  function layOutForPhone(layout) {
    phone = true;
    desk().classList.add('scrolls');
    windowElement.classList.add('phone');
    Object.assign(windowElement.style, {transform: 'none', left: `${layout.left}px`,
                                        top: `${layout.top}px`, width: `${layout.width}px`});
    windowElement.querySelector('.menu-bar').style.height = `${layout.menuBar}px`;
    windowElement.style.borderWidth = '0px';
    for (const control of [...layout.display, ...layout.keys]) {
      const element = controls.get(control.name);
      element.style.zoom = control.zoom === 1 ? '' : String(control.zoom);
      place(element, control);
    }
    for (const option of layout.options) place(controls.get(option.name).parentElement, option);
    readout = readout ?? document.createElement('p');
    readout.className = 'readout';
    readout.setAttribute('aria-hidden', 'true'); // a screen reader hears the whole value already
    place(readout, layout.readout);
    const client = windowElement.querySelector('.client');
    client.append(readout);
    Object.assign(client.style, {width: `${layout.width}px`, height: `${layout.height}px`});
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
    if (phone && readout && look.readout !== null) readout.textContent = look.readout;
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

  const optionSelected = (name) => controls.get(name).checked;

  // The first focus waits for a task of its own: given while the window is being built, it would
  // force the browser's first style and layout, with the Japanese face, into that one long task.
  let started = false;
  let firstFocus = null; // the control to focus once the window is built
  function focus(name) {
    if (started) {
      controls.get(name).focus({preventScroll: true});
    } else {
      firstFocus = name;
    }
  }

  // 終了: a tab cannot close itself, so the window goes and the page says so. After a fault the
  // page says what the program says of one.
  function end(words) {
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
    text.textContent = words ?? description.ended;
    const again = document.createElement('button');
    again.type = 'button';
    again.textContent = description.again;
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
    return firstFocus ?? document.activeElement?.dataset?.name ?? '';
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
    if (windowElement && !ended) end(description.fault);
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

  window.quorvelPage = {
    // The window's toolkit operations, as the program calls them (bridge.js).
    build, remove, showLabel, setLineVisible, optionSelected, focus, end, announce, measure,
    readFocus,
    messageBox: (text, title, error) => quorvelBox.show(text, title, error).then(modalClosed),
    showDialog: (json) => quorvelDialog.show(json).then(modalClosed),
    copyText: quorvelCopyText,
    modalOpen,
    scale: () => scale,
    // For key preview (keys.js) and the scenario runner (scenario.js).
    takesInput, keyDown, ready, idle,
    tabSequence: () => tabSequence,
    windowElement: () => windowElement,
    control: (name) => controls.get(name),
    options: () => tabSequence.filter((e) => e.tagName === 'INPUT'),
  };
  // The window is built by the program's main(); the page is ready once it has run.
  window.Module = {
    postRun: [() => setTimeout(() => {
      started = true;
      if (firstFocus !== null) focus(firstFocus);
      firstFocus = null;
      performance.mark('quorvel-window-built');
      resolveReady();
    }, 0)],
  };
  window.addEventListener('resize', () => fit());
})();
