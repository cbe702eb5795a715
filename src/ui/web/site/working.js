// The working window (途中式) on the page: a modal <dialog> with the steps as a list box, each
// step drawn where the program laid it out and read as its sentence, and コピー and 閉じる. The
// arrow keys, Home and End move through the steps; Tab goes round the list and the two buttons;
// Escape closes. The program goes on once it is closed, and the focus goes back where it was.
'use strict';

(() => {
  const dialog = document.getElementById('working');
  const list = document.getElementById('working-steps');
  const copyButton = document.getElementById('working-copy');
  const closeButton = document.getElementById('working-close');
  let open = false;
  let answerAtOnce = false; // a scenario reads the window and closes it at once
  let close = null;
  let plainText = '';
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
    const head = [document.getElementById('working-title').textContent,
                  document.activeElement?.getAttribute('aria-label') ?? '',
                  [copyButton.textContent, closeButton.textContent].join('\u001f')];
    const lines = steps().map((item) => [
      item.dataset.kind, item.getAttribute('aria-label'),
      [...item.querySelectorAll('.ink')].map((span) => span.textContent).join('\u001f'),
    ].join('\t'));
    return [head.join('\t'), ...lines].join('\n');
  }

  function show(json) {
    const page = JSON.parse(json);
    document.getElementById('working-title').textContent = page.title;
    list.setAttribute('aria-label', page.listName);
    copyButton.textContent = page.copy;
    closeButton.textContent = page.close;
    plainText = page.plain;
    list.replaceChildren(...page.lines.map((line, i) => stepElement(line, i, page.pixelSize)));
    list.style.width = `${page.width}px`;
    open = true;
    return new Promise((resolve) => {
      close = () => {
        close = null;
        dialog.close();
        open = false;
        resolve();
      };
      dialog.showModal();
      select(steps()[0]);
      if (answerAtOnce) {
        seen.push(read());
        setTimeout(() => closeButton.click(), 0);
      }
    });
  }

  async function copy() {
    try {
      await navigator.clipboard.writeText(plainText);
    } catch {
      // Without the clipboard API (a page not served over HTTPS): the browser's copy command.
      const area = document.createElement('textarea');
      area.value = plainText;
      dialog.append(area);
      area.select();
      document.execCommand('copy');
      area.remove();
      copyButton.focus();
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
    if (e.key === 'Escape') {
      e.preventDefault();
      close?.();
    } else if (e.code === 'KeyC' && (e.ctrlKey || e.metaKey) && !e.altKey && !e.shiftKey) {
      // Ctrl+C copies what コピー copies, wherever the focus is in the window.
      e.preventDefault();
      copy();
    }
  });
  dialog.addEventListener('cancel', (e) => {
    e.preventDefault();
    close?.();
  });
  quorvelKeepFocusIn(dialog);
  copyButton.addEventListener('click', copy);
  closeButton.addEventListener('click', () => close?.());

  window.quorvelWorking = {
    show,
    isOpen: () => open,
    answerAtOnce(on) { answerAtOnce = on; },
    takeSeen: () => seen.splice(0).join('\u001e'),
  };
})();
