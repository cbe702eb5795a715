// Ctrl+C in the window copies the answer the program hands over: through the clipboard API where
// the page may use it, and through the copy event that the same key raises everywhere else.
'use strict';

const quorvelCopyText = (() => {
  let toCopy = null;
  document.addEventListener('copy', (e) => {
    if (toCopy === null || String(getSelection() ?? '') !== '') return;
    e.clipboardData.setData('text/plain', toCopy);
    e.preventDefault();
    toCopy = null;
  });
  return (text) => {
    toCopy = text;
    navigator.clipboard?.writeText(text).catch(() => {});
  };
})();
