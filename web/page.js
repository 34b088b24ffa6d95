// The page's wiring: each button asks the core compiled to WebAssembly what its click shows, with
// the fields' texts by id and the browser's number format, and writes what it answers; Tab
// follows the window's focus order.
(() => {
  const form = document.getElementById('Form1');
  const order = form.dataset.focusOrder.split(' ');

  // The decimal and grouping separators of the browser's first language.
  function numberFormat(language) {
    const parts = new Intl.NumberFormat(language).formatToParts(1234567.5);
    const part = (type) => parts.find((p) => p.type === type)?.value ?? '';
    return { decimal: part('decimal'), group: part('group') };
  }

  const format = numberFormat(navigator.languages?.[0] ?? navigator.language);

  function show(dialog, message) {
    dialog.querySelector('p').textContent = message;
    dialog.showModal();
  }

  // The core answers with what the window shows: the output field and its text, or a box.
  function press(button) {
    const texts = Object.fromEntries([...form.querySelectorAll('input')].map((f) => [f.id, f.value]));
    const answer = Module.click(button.id, texts, format.decimal, format.group);
    if (answer.box) {
      show(document.getElementById(answer.box), answer.text);
      return;
    }
    const output = document.getElementById(answer.output);
    output.value = answer.text;
    // A long figure is wider than its box: the caret before its leading digits, not its tail.
    output.setSelectionRange(0, 0);
  }

  for (const button of form.querySelectorAll('button')) {
    button.addEventListener('click', () => press(button));
  }
  for (const dialog of document.querySelectorAll('dialog')) {
    dialog.querySelector('.ok').addEventListener('click', () => dialog.close());
  }

  // Tab and Shift+Tab cycle through the window's controls, never out to the browser; in a box
  // they stay on its OK.
  document.addEventListener('keydown', (event) => {
    if (event.key !== 'Tab') return;
    event.preventDefault();
    const box = document.querySelector('dialog[open]');
    if (box) {
      box.querySelector('.ok').focus(); // its one button
      return;
    }
    const at = order.indexOf(document.activeElement?.id);
    const next = at < 0 ? 0 : (at + (event.shiftKey ? order.length - 1 : 1)) % order.length;
    document.getElementById(order[next]).focus();
  });

  // Served from a host, the page can be installed and opened offline: its manifest and the
  // worker that keeps it are beside it there, and nothing is fetched when it opens from disk.
  if (location.protocol === 'https:' || location.protocol === 'http:') {
    document.head.append(Object.assign(document.createElement('link'),
      { rel: 'manifest', href: 'manifest.webmanifest' }));
    navigator.serviceWorker?.register('sw.js');
  }

  // Where the window has it; not scrolled to, so that a phone opens on the picture.
  document.getElementById(form.dataset.firstFocus).focus({ preventScroll: true });
  form.dataset.ready = '';
})();
