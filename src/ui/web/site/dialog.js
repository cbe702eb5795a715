// A secondary window of the calculator (the working, 途中式; 答え合わせ) on the page, made from
// the description the program hands over: a modal <dialog> with a line of text, a check box and
// entry fields, a reply (a live region, so what it writes is said), the lines as a list box, each
// line drawn where the program laid it out and read as its sentence, then the buttons; a part the
// description leaves empty is not drawn. The arrow keys, Home and End move through the lines; Tab
// goes round the controls; Enter in a field presses the default button; Escape and Ctrl+C do what
// the description says. The program goes on once it is closed, and the focus goes back where it
// was.
'use strict';

(() => {
  const dialog = document.getElementById('working');
  const list = document.getElementById('working-steps');
  const form = document.getElementById('working-form');
  const buttonRow = dialog.querySelector('.box-buttons');
  let open = false;
  let answerAtOnce = false; // a scenario reads the window and closes it at once
  let close = null;
  let described = null; // the description of the window that is open
  let seen = []; // what a scenario read, for the program's transcript

  function box([x, y, width, height]) {
    return {left: `${x}px`, top: `${y}px`, width: `${width}px`, height: `${height}px`};
  }

  function stepElement(line, index, pixelSize) {
    const item = document.createElement('li');
    item.setAttribute('role', 'option');
    item.setAttribute('aria-label', line.said);
    item.dataset.kind = line.kind;
    item.id = `working-step-${index}`;
    item.tabIndex = index === 0 ? 0 : -1;
    item.style.height = `${line.height}px`;
    for (const [text, ...rect] of line.ink) {
      const span = document.createElement('span');
      span.className = 'ink';
      span.setAttribute('aria-hidden', 'true');
      span.textContent = text;
      Object.assign(span.style, box(rect), {lineHeight: `${rect[3]}px`,
                                             fontSize: `${pixelSize}px`});
      item.append(span);
    }
    for (const rect of line.bars) {
      const bar = document.createElement('span');
      bar.className = 'bar';
      bar.setAttribute('aria-hidden', 'true');
      Object.assign(bar.style, box(rect));
      item.append(bar);
    }
    return item;
  }

  function steps() {
    return [...list.children];
  }

  function select(item) {
    for (const other of steps()) {
      other.tabIndex = other === item ? 0 : -1;
      other.setAttribute('aria-selected', other === item ? 'true' : 'false');
    }
    item.focus();
  }

  // What a user perceives, read back from the elements, one step a line:
  // kind TAB sentence TAB the texts drawn, separated by U+001F.
  function read() {
    const head = [described.name, document.getElementById('working-title').textContent,
                  document.activeElement?.getAttribute('aria-label') ?? '',
                  [...buttonRow.children].map((button) => button.textContent).join('\u001f')];
    const lines = steps().map((item) => [
      item.dataset.kind, item.getAttribute('aria-label'),
      [...item.querySelectorAll('.ink')].map((span) => span.textContent).join('\u001f'),
    ].join('\t'));
    return [head.join('\t'), ...lines].join('\n');
  }

  function buttonElement(row) {
    const button = document.createElement('button');
    button.type = 'button';
    button.id = row.name;
    button.dataset.name = row.name;
    button.textContent = row.caption;
    button.addEventListener('click', () => carryOut(row.command));
    return button;
  }

  function element(tag, attributes, text) {
    const made = Object.assign(document.createElement(tag), attributes);
    if (text !== undefined) made.textContent = text;
    return made;
  }

  // The line of text, the row of the check box and fields (each after its caption), the reply.
  function formElements() {
    const parts = [];
    if (described.textName) {
      const text = element('p', {id: described.textName}, described.text);
      text.dataset.name = described.textName;
      text.setAttribute('aria-label', described.textSaid);
      text.setAttribute('role', 'note');
      parts.push(text);
    }
    const row = element('div', {className: 'form-row'});
    if (described.checkName) {
      const box = element('input', {type: 'checkbox', id: described.checkName});
      box.dataset.name = described.checkName;
      row.append(element('label', {}, ''));
      row.lastChild.append(box, described.checkCaption);
    }
    for (const field of described.fields) {
      const input = element('input', {type: 'text', id: field.name, maxLength: field.maxLength,
                                      inputMode: 'numeric', autocomplete: 'off'});
      input.dataset.name = field.name;
      input.style.width = `${described.fieldDigits + 1}ch`;
      const caption = element('label', {htmlFor: field.name}, field.caption);
      // A caption and its field wrap to the next line together, never apart.
      const pair = element('span', {className: 'field'});
      pair.append(caption, input);
      row.append(pair);
    }
    if (row.children.length) parts.push(row);
    if (described.replyName) {
      const reply = element('div', {id: described.replyName, className: 'reply'}, described.reply);
      reply.dataset.name = described.replyName;
      reply.setAttribute('role', 'status');
      reply.setAttribute('aria-live', 'polite');
      reply.style.width = `${described.replyEms}em`;
      reply.style.minHeight = `${described.replyLines * 1.5}em`;
      parts.push(reply);
    }
    return parts;
  }

  // The check box and the fields as the program reads them: "1" or "0", then each field's text.
  function entries() {
    const box = described.checkName && document.getElementById(described.checkName);
    return [box?.checked ? '1' : '0',
            ...described.fields.map((field) => document.getElementById(field.name).value)]
      .join('\u001f');
  }

  function check() {
    const reply = document.getElementById(described.replyName);
    if (reply) {
      reply.textContent = Module.ccall('qv_dialog_check', 'string', ['string'], [entries()]);
    }
  }

  function show(json) {
    described = JSON.parse(json);
    document.getElementById('working-said').textContent = '';
    form.replaceChildren(...formElements());
    form.hidden = !form.children.length;
    list.hidden = !described.listName;
    dialog.dataset.name = described.name;
    list.dataset.name = described.listName;
    document.getElementById('working-title').textContent = described.title;
    list.setAttribute('aria-label', described.listAccessibleName);
    buttonRow.replaceChildren(...described.buttons.map(buttonElement));
    list.replaceChildren(...described.lines.map((line, i) =>
      stepElement(line, i, described.pixelSize)));
    list.style.width = `${described.width}px`;
    open = true;
    return new Promise((resolve) => {
      close = () => {
        close = null;
        dialog.close();
        open = false;
        resolve();
      };
      dialog.showModal();
      const first = form.querySelector('input[type=text]') ?? form.querySelector('input');
      if (first) first.focus();
      else select(steps()[0]);
      if (answerAtOnce && !first) {
        seen.push(read());
        setTimeout(() => carryOut('close'), 0);
      }
    });
  }

  // The line chosen in the list: the one a user last moved to.
  function chosenLine() {
    return Math.max(0, steps().findIndex((item) => item.tabIndex === 0));
  }

  async function copy(text = described.clipboard) {
    if (text === undefined) return;
    try {
      await navigator.clipboard.writeText(text);
    } catch {
      // Without the clipboard API (a page not served over HTTPS): the browser's copy command.
      const focused = document.activeElement;
      const area = document.createElement('textarea');
      area.value = text;
      dialog.append(area);
      area.select();
      document.execCommand('copy');
      area.remove();
      focused?.focus();
    }
  }

  // What the window says once a command is done (a copy made), from this window's live region.
  function say(command) {
    const said = described.buttons.find((button) => button.command === command)?.said;
    if (said) document.getElementById('working-said').textContent = said;
  }

  function carryOut(command) {
    if (command === 'copy') copy().then(() => say(command));
    else if (command === 'close') close?.();
    else if (command === 'check') check();
    else if (command === 'copy-line') {
      copy(described.lineTexts[chosenLine()]).then(() => say(command));
    }
    else if (command === 'working' || command === 'pick') {
      Module._qv_dialog_closing(command === 'pick' ? 1 : 0, chosenLine());
      close?.();
    }
  }

  list.addEventListener('keydown', (e) => {
    const all = steps();
    const at = all.indexOf(document.activeElement);
    const target = {ArrowDown: at + 1, ArrowUp: at - 1, Home: 0, End: all.length - 1}[e.key];
    if (target === undefined || at < 0) return;
    e.preventDefault();
    select(all[Math.max(0, Math.min(all.length - 1, target))]);
  });
  list.addEventListener('click', (e) => {
    const item = e.target.closest('li');
    if (item) select(item);
  });
  dialog.addEventListener('keydown', (e) => {
    if (e.key === 'Enter' && described?.defaultButton && e.target.tagName !== 'BUTTON') {
      // Enter anywhere but on a button presses the default button.
      e.preventDefault();
      document.getElementById(described.defaultButton)?.click();
    } else if (e.key === 'Escape') {
      e.preventDefault();
      carryOut(described?.escape);
    } else if (e.code === 'KeyC' && (e.ctrlKey || e.metaKey) && !e.altKey && !e.shiftKey &&
               described?.copies) {
      // Ctrl+C copies what Copy copies, wherever the focus is in the window.
      e.preventDefault();
      carryOut('copy');
    }
  });
  dialog.addEventListener('cancel', (e) => {
    e.preventDefault();
    carryOut(described?.escape);
  });
  quorvelKeepFocusIn(dialog);

  window.quorvelDialog = {
    show,
    isOpen: () => open,
    answerAtOnce(on) { answerAtOnce = on; },
    takeSeen: () => seen.splice(0).join('\u001e'),
  };
})();
