// The window's elements, built from the rows of the description the program hands over: labels
// (what they draw hidden from assistive technology, what they are called said in another
// element), the fraction bars, buttons, the display-mode group with its options, the menu bar and
// the title bar. Where they stand is page.js's business.
'use strict';

(() => {
  // The point size of a control whose row names none: the window's default font.

  function cssFont(face, points, bold) {
    return `${bold ? 'bold ' : ''}${points}pt ${face}`;
  }

  function place(element, r) {
    Object.assign(element.style, {
      left: `${r.left}px`, top: `${r.top}px`, width: `${r.width}px`, height: `${r.height}px`,
    });
  }

  // The builders for one window: they register each element in `controls` by its name, each
  // label's font in `labelFonts`, and run the program's handler through `runEvent`.
  function builders({fontOf, controls, labelFonts, runEvent, showWhole}) {
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
      labelFonts.set(row.name, {points: row.points, bold: row.bold});
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
      if (row.accessibleName !== row.caption) button.setAttribute('aria-label', row.accessibleName);
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

    return {keepFocusOnPress, label: buildLabel, line: buildLine, button: buildButton,
            frame: buildFrame, menu: buildMenu, titleBar: buildTitleBar};
  }

  window.quorvelControls = {cssFont, place, builders};
})();
