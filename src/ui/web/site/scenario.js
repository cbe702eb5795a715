// window.quorvelScenario(text): plays the scenario language of quorvel-scenario against the
// live page, with real DOM events, and resolves to the same JSON lines. The program reads each
// line and keeps the transcript; this script performs the actions the lines ask for, answers
// each box with OK and waits for the handler before the next line.
'use strict';

(() => {
  const page = window.quorvelPage;

  // What the browser itself does with a key the page did not take, for the keys a scenario
  // presses; a real key press in the tests checks that the two agree.
  function keyDefaultAction(target, key, e) {
    const isOption = target?.tagName === 'INPUT' && target.type === 'radio';
    if (e.type === 'keyup') {
      // A button is pressed by Space when the key comes up.
      if (target?.tagName === 'BUTTON' && key.code === 'Space') target.click();
    } else if (key.code === 'Tab') {
      page.nextInTabSequence(target, key.shift)?.focus();
    } else if (isOption && key.code.startsWith('Arrow')) {
      const options = page.options();
      const step = key.code === 'ArrowDown' || key.code === 'ArrowRight' ? 1 : options.length - 1;
      const next = options[(options.indexOf(target) + step) % options.length];
      next.focus();
      next.checked = true;
      next.dispatchEvent(new Event('change', {bubbles: true}));
    } else if (isOption && key.code === 'Space' && !target.checked) {
      target.checked = true;
      target.dispatchEvent(new Event('change', {bubbles: true}));
    }
  }

  async function pressKey(key) {
    const init = {code: key.code, key: key.key, shiftKey: key.shift, ctrlKey: key.ctrl,
                  altKey: key.alt, bubbles: true, cancelable: true, composed: true};
    for (const type of ['keydown', 'keyup']) {
      const target = document.activeElement ?? document.body;
      const e = new KeyboardEvent(type, init);
      if (target.dispatchEvent(e) && !page.modalOpen()) keyDefaultAction(target, key, e);
      await page.idle();
    }
  }

  // A click where a mouse would click: a control that takes the focus takes it.
  function clickControl(name) {
    const element = page.control(name);
    if (element.tagName === 'INPUT') {
      element.focus({preventScroll: true});
    }
    element.click();
  }

  // 答え合わせ: the answer typed into its fields, 確かめる pressed, what it then shows and what its
  // live region said read back, and the window closed with Escape.
  const checks = [];
  // A menu command that opens a window: once it is open (idle() would wait for it to close).
  async function openWindow(command) {
    page.control(command).click();
    for (let tries = 0; !quorvelDialog.isOpen() && tries < 100; ++tries) {
      await new Promise((resolve) => setTimeout(resolve, 10));
    }
  }

  // 履歴's pick-th entry chosen with Down and Enter, as keys to the focused line.
  async function pickFromHistory(pick) {
    quorvelDialog.answerAtOnce(false);
    await openWindow('History');
    quorvelDialog.answerAtOnce(true);
    for (let i = 0; i <= pick - 1; ++i) {
      const key = i < pick - 1 ? 'ArrowDown' : 'Enter';
      document.activeElement.dispatchEvent(new KeyboardEvent('keydown',
        {key, code: key, bubbles: true, cancelable: true, composed: true}));
    }
  }

  async function checkAnswer(action) {
    await openWindow('CheckAnswer');
    const byName = (name) => document.getElementById(name);
    if (action.negative) byName('CheckNegative').click();
    ['CheckWhole', 'CheckNumerator', 'CheckDenominator'].forEach((name, i) => {
      const field = byName(name);
      field.focus();
      field.value = action.answer[i];
      field.dispatchEvent(new InputEvent('input', {bubbles: true}));
    });
    const reply = byName('CheckVerdict');
    const said = [];
    const listener = new MutationObserver(() => said.push(reply.textContent));
    listener.observe(reply, {childList: true, characterData: true, subtree: true});
    byName('CheckRun').click();
    await new Promise((resolve) => setTimeout(resolve, 0)); // the live region's record
    listener.disconnect();
    checks.push([byName('CheckProblem').textContent, reply.textContent, said.at(-1) ?? '']
      .join('\t'));
    await pressKey({code: 'Escape', key: 'Escape', shift: false, ctrl: false, alt: false});
  }

  async function perform(action) {
    switch (action.do) {
      case 'click': clickControl(action.name); break;
      case 'menu': page.control(action.name).click(); break;
      case 'key': await pressKey(action); break;
      case 'check': await checkAnswer(action); break;
      case 'history':
        if (action.pick > 0) await pickFromHistory(action.pick);
        else page.control('History').click();
        break;
      case 'sleep': await new Promise((resolve) => setTimeout(resolve, action.ms)); break;
    }
    await page.idle();
  }

  // What the page shows, read back from its elements: of a label its caption, the text it draws,
  // its tooltip and accessible name; the colour painted behind a control; whether a line shows;
  // what the live region said since the last read.
  function read(what, name) {
    const element = page.control(name);
    switch (what) {
      case 'caption': return element.dataset.caption ?? '';
      case 'shown': return element.children[0].textContent;
      case 'tooltip': return element.title;
      case 'name': return element.getAttribute('aria-label') ?? element.children[1].textContent;
      case 'back': {
        // As painted, &HBBGGRR.
        const [r, g, b] = getComputedStyle(element).backgroundColor.match(/\d+/g).map(Number);
        return String((b << 16) | (g << 8) | r);
      }
      case 'visible': return getComputedStyle(element).visibility === 'hidden' ? '0' : '1';
      case 'announced': return window.quorvelHeard.splice(0).join('\n');
      case 'working': return quorvelDialog.takeSeen();
      case 'checks': return checks.splice(0).join('\u001e');
      default: return '';
    }
  }
  page.read = read;

  // What a screen reader is told: each change of the live region, as it happens.
  window.quorvelHeard = [];
  new MutationObserver(() => {
    const text = document.getElementById('announcements').textContent.replace(/\u00A0$/, '');
    if (text) window.quorvelHeard.push(text);
  }).observe(document.getElementById('announcements'),
             {childList: true, characterData: true, subtree: true});

  // Plays scenario lines against a fresh window on this page and resolves to the transcript,
  // the same JSON lines the desktop runners print.
  async function quorvelScenario(text) {
    await page.ready;
    await page.idle();
    quorvelBox.answerAtOnce(true);
    quorvelDialog.answerAtOnce(true);
    try {
      Module._qv_scenario_begin();
      window.quorvelHeard.length = 0;
      for (const line of text.split('\n')) {
        const action = Module.ccall('qv_scenario_step', 'string', ['string'], [line]);
        if (action) await perform(JSON.parse(action));
        if (Module._qv_scenario_ended()) break;
      }
      return Module.ccall('qv_scenario_finish', 'string', [], []);
    } finally {
      quorvelBox.answerAtOnce(false);
      quorvelDialog.answerAtOnce(false);
    }
  }

  window.quorvelScenario = quorvelScenario;
})();
