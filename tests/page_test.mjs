// The web page as a visitor meets it, opened from disk in headless Chromium and Firefox ESR: the
// controls where the window's description puts them, the keyboard, each calculator under an
// English and a Russian browser, the boxes, every size from a phone's up, and nothing fetched or
// complained of; then the site served from this machine, installed and used offline.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { createRequire } from 'node:module';
import { after, before, describe, test } from 'node:test';
import { dirname, extname, join, normalize } from 'node:path';
import { pathToFileURL } from 'node:url';

const puppeteer = createRequire(new URL('../web/package.json', import.meta.url))('puppeteer-core');
const page = process.env.FLIGHTCALC_PAGE ?? 'build/web/flightcalc.html';
const description = process.env.FLIGHTCALC_WINDOW ?? 'build/wasm/web/window.json';
const window = JSON.parse(readFileSync(description));
const url = pathToFileURL(page).href;

// A second language of the other number format after the first: the page takes the first.
const accepted = (language) => `${language},${language === 'en-US' ? 'de-DE' : 'en-US'}`;
const browsers = {
  chromium: (language) => ({
    browser: 'chrome', executablePath: '/usr/bin/chromium', headless: true,
    args: ['--no-sandbox', `--lang=${language}`, `--accept-lang=${accepted(language)}`, '--disable-gpu'],
    env: { ...process.env, LANGUAGE: language.replace('-', '_') },
  }),
  firefox: (language) => ({
    browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: true,
    extraPrefsFirefox: { 'intl.accept_languages': accepted(language), 'intl.locale.requested': language },
  }),
};

// Viewports a visitor has, in CSS pixels, and whether they are narrower than the window: phones,
// a small tablet, and desktop browser windows at and above the window's width, smaller than it in
// one direction or the other.
const sizes = [[390, 844, true], [320, 568, true], [680, 900, true], [681, 900, false], [1024, 768, false],
  [900, 400, false], [700, 300, false]];
const mobile = { deviceScaleFactor: 3, isMobile: true, hasTouch: true };
// On a narrow screen, top to bottom: the banner, the fuel, descent and profit calculators each
// with its heading, its boxes under their captions and its button, the note last.
const narrowOrder = ['Image1', 'Label15', 'Label1', 'Text3', 'Label2', 'Text4', 'Label6', 'Text5', 'Label3', 'Text6',
  'Label5', 'Text7', 'Label11', 'Text8', 'Command2', 'Label14', 'Label9', 'Text1', 'Label10', 'Text2', 'Command1',
  'Label16', 'Label8', 'Text9', 'Label12', 'Text10', 'Label13', 'Text11', 'Label18', 'Text12', 'Command3', 'Label17'];

// The other boxes' words: an overflow (6) or a division by zero (11).
const otherErrors = 'Ошибка 6: переполнение. Ошибка 11: деление на ноль.';
const noNumber = (caption) => `Ошибка 13: несоответствие типов\nПоле «${caption}» не содержит числа.\n\n` +
  'Расчет не выполнен; введенные данные сохранены.';

// Per language: typed texts (in Russian the cargo grouped, as it reads the same both ways), the
// button, the output field and what it shows.
const clicks = {
  'en-US': [
    [{}, 'Command1', 'Text2', '187'],
    [{}, 'Command2', 'Text8', '26795.4987246009'],
    [{ Text8: '26795.4987246009', Text9: '100000', Text10: '2', Text11: '1000' }, 'Command3', 'Text12', '36336.709147685'],
  ],
  'ru-RU': [
    [{ Text1: '555' }, 'Command1', 'Text2', '16,1'],
    [{ Text8: '1234', Text5: '50 000' }, 'Command2', 'Text8', '26795,4910811456'],
    [{ Text8: '26795,4910811456', Text9: '100000', Text10: '2', Text11: '1000' }, 'Command3', 'Text12', '36337,94'],
  ],
};

// A few points of each box's icon, in its 40-unit square, and their colours: the warning's
// yellow triangle, its dark mark and its brown edge; the error's red disc, its white cross and
// its dark red rim.
const icons = {
  Warning: [[10, 32, [245, 197, 24]], [20, 20, [34, 34, 34]], [20, 36, [138, 109, 0]], [11, 19.5, [138, 109, 0]]],
  Error: [[20, 8, [212, 42, 42]], [20, 20, [255, 255, 255]], [16, 24, [255, 255, 255]], [20, 38, [139, 16, 16]]],
};
const iconColours = (tab, id) => tab.$eval(`#${id} svg`, async (svg, points) => {
  const image = new Image();
  image.src = `data:image/svg+xml,${encodeURIComponent(new XMLSerializer().serializeToString(svg))}`;
  await image.decode();
  const canvas = Object.assign(document.createElement('canvas'), { width: 160, height: 160 });
  const context = canvas.getContext('2d');
  context.drawImage(image, 0, 0, 160, 160);
  return points.map(([x, y]) => [...context.getImageData(x * 4, y * 4, 1, 1).data.slice(0, 3)]);
}, icons[id]);

const texts = (tab) => tab.$$eval('input', (all) => Object.fromEntries(all.map((f) => [f.id, f.value])));
const focused = (tab) => tab.evaluate(() => document.activeElement.id);

async function type(tab, typed) {
  for (const [id, text] of Object.entries(typed)) {
    await tab.$eval(`#${id}`, (field) => { field.value = ''; });
    await tab.type(`#${id}`, text);
  }
}

// What the page carries, byte for byte as the build made it (Node's own base64 and URL decoding
// the models): the notices first, the face, and the picture's drawing.
test('the page carries the notices, the face and the picture whole', () => {
  const built = (name) => readFileSync(join(dirname(description), name));
  const html = readFileSync(page, 'utf8');
  const notices = built('notices.txt').toString();
  assert.ok(!notices.includes('-->') && html.startsWith(`<!DOCTYPE html>\n<!--\n${notices}\n-->\n`));
  const data = (before, after) => html.split(before)[1]?.split(after)[0];
  assert.equal(data('data:font/woff2;base64,', ')'), built('face.woff2').toString('base64'));
  assert.equal(decodeURIComponent(data(" src='data:image/svg+xml,", "'")),
    readFileSync(new URL('../art/background.svg', import.meta.url), 'utf8'));
});

// FLIGHTCALC_PAGE_RUNS="chromium/en-US": some runs alone (the mutation runner's quick ones).
const runs = process.env.FLIGHTCALC_PAGE_RUNS?.split(' ');
for (const [name, options] of Object.entries(browsers)) {
  for (const language of Object.keys(clicks).filter((l) => runs?.includes(`${name}/${l}`) ?? true)) {
    describe(`${name}, ${language}`, () => {
      let browser; let tab; const requests = []; const complaints = [];
      before(async () => {
        browser = await puppeteer.launch(options(language));
        tab = await browser.newPage();
        // The page is ready within a second; the mutation runner waits less for one that never is.
        tab.setDefaultTimeout(Number(process.env.FLIGHTCALC_PAGE_TIMEOUT ?? 30000));
        tab.on('request', (request) => requests.push(request.url()));
        tab.on('console', (message) => message.type() === 'error' && complaints.push(message.text()));
        tab.on('pageerror', (error) => complaints.push(String(error)));
      });
      after(() => browser?.close());

      const open = async () => {
        await tab.goto(url);
        await tab.waitForSelector('#Form1[data-ready]');
      };

      test('every control at its place with its text, the focus on Command1', async () => {
        await open();
        // The picture decodes at its size (below), and the face loads. (Polled, face by face: on a
        // first page Firefox may leave the set's status, and so decode(), loading for good.)
        await tab.waitForFunction(() => [...document.images].every((i) => i.complete) &&
          [...document.fonts].every((f) => f.status === 'loaded' || f.status === 'error'));
        assert.deepEqual(await tab.evaluate(() => [...document.fonts].map((f) => f.status)), ['loaded']);
        assert.equal(await tab.title(), window.title);
        assert.equal(await tab.$eval('html', (html) => html.lang), 'ru');
        assert.equal(await tab.$eval('meta[charset]', (m) => m.getAttribute('charset')), 'utf-8', 'not left to a guess');
        assert.equal(await tab.evaluate(() => navigator.language), language);
        const shown = await tab.evaluate(() => {
          const form = document.getElementById('Form1').getBoundingClientRect();
          return [...document.querySelectorAll('#Form1 > *')].map((e) => {
            const r = e.getBoundingClientRect();
            const range = document.createRange();
            range.selectNodeContents(e);
            const t = range.getBoundingClientRect();  // where its text stands
            return {
              name: e.id, left: r.left - form.left, top: r.top - form.top, width: r.width,
              height: r.height, text: e.tagName === 'INPUT' ? e.value : e.textContent, fits: e.scrollWidth <= e.clientWidth,
              readOnly: Boolean(e.readOnly), partner: e.htmlFor || '', spoken: e.ariaLabel,
              colour: getComputedStyle(e).color, picture: [e.naturalWidth, e.naturalHeight],
              gap: { left: t.left - r.left, right: r.right - t.right }, tag: e.tagName,
              size: getComputedStyle(e).fontSize,
            };
          });
        });
        assert.deepEqual(shown.map((c) => c.name), window.controls.map((c) => c.name), 'in stacking order');
        const heading = Object.fromEntries(window.controls.map((c) => [c.name, c.text]));
        // Each control the element a browser and a screen reader know it as; the headings at
        // 9.75 pt, the rest at 7.5 pt, as on the desktop.
        const tags = { picture: 'IMG', heading: 'H2', caption: 'LABEL', note: 'DIV', textbox: 'INPUT', button: 'BUTTON' };
        for (const [c, s] of window.controls.map((c, i) => [c, shown[i]])) {
          assert.deepEqual([s.left, s.top, s.width, s.height], [c.left, c.top, c.width, c.height], c.name);
          assert.equal(s.tag, tags[c.kind], c.name);
          if (c.kind === 'picture') {
            assert.deepEqual(s.picture, [c.width, c.height]);
            continue;
          }
          assert.equal(s.text, c.text, c.name);
          assert.equal(s.size, c.kind === 'heading' ? '13px' : '10px', c.name);
          assert.equal(s.readOnly, c.readOnly, c.name);
          assert.ok(s.fits, `${c.name} shows its whole caption`);
          if (c.kind === 'caption') assert.equal(s.partner, c.partner);
          if (c.kind === 'button') assert.equal(s.spoken, `${c.text}: ${heading[c.partner]}`);
          if (c.kind === 'heading' || c.kind === 'caption') assert.equal(s.colour, 'rgb(0, 0, 192)', c.name);
          if (['heading', 'caption', 'note'].includes(c.kind)) {
            const off = { left: s.gap.left, right: s.gap.right, center: (s.gap.left - s.gap.right) / 2 }[c.align];
            assert.ok(Math.abs(off) < 1, `${c.name}'s text ${c.align}-aligned, ${JSON.stringify(s.gap)}`);
          }
        }
        for (const id of ['#Form1', '#Frame']) {
          assert.deepEqual(await tab.$eval(id, (f) => [f.offsetWidth, f.offsetHeight]), [window.width, window.height], id);
        }
        assert.equal(await focused(tab), window.focusOrder[0]);
        // Every character the page shows, a box says, a figure is grouped with (U+202F in some
        // languages) or a keyboard types (ASCII) is drawn in the page's face: where the face
        // lacks one, a serif and a monospace fallback give it two widths.
        const shownText = [...window.controls.map((c) => c.text), window.boxTitle, window.outOfRange,
          noNumber('Вес груза, кг'), otherErrors, '\u00A0\u202F',
          ...Array.from({ length: 95 }, (_, i) => String.fromCharCode(32 + i))].join('');
        assert.deepEqual(await tab.evaluate((text) => {
          const context = document.createElement('canvas').getContext('2d');
          const width = (c, fallback) => { context.font = `20px "DejaVu Sans Condensed", ${fallback}`; return context.measureText(c).width; };
          return [...new Set(text)].filter((c) => c !== '\n' && width(c, 'serif') !== width(c, 'monospace'));
        }, shownText), []);
      });

      test('Tab and Shift+Tab cycle through the window, Space and Enter press a button only', async () => {
        await open();
        const order = window.focusOrder;
        for (let step = 1; step <= order.length; step += 1) {
          await tab.keyboard.press('Tab');
          assert.equal(await focused(tab), order[step % order.length], `Tab, step ${step}`);
        }
        for (let step = 1; step <= order.length; step += 1) {
          await tab.keyboard.down('Shift'); await tab.keyboard.press('Tab'); await tab.keyboard.up('Shift');
          assert.equal(await focused(tab), order.at(-step % order.length), `Shift+Tab, step ${step}`);
        }
        await tab.evaluate(() => document.activeElement.blur());  // as a click on the picture
        await tab.keyboard.press('Tab');
        assert.equal(await focused(tab), order[0], 'Tab from outside the controls');
        for (const key of [' ', 'Enter']) {
          await tab.$eval('#Text2', (field) => { field.value = ''; });
          await tab.focus('#Command1');
          await tab.keyboard.press(key);
          assert.equal((await texts(tab)).Text2, '187', key);
        }
        await tab.$eval('#Text2', (field) => { field.value = ''; });
        const before = await texts(tab);
        for (const id of ['Text1', 'Text3', 'Text8']) {
          await tab.focus(`#${id}`);
          for (const key of ['Enter', 'Escape']) await tab.keyboard.press(key);
        }
        await tab.focus('#Text12');
        await tab.keyboard.type('12');
        assert.deepEqual(await texts(tab), before, 'nothing pressed, the result fields read-only');
        assert.equal(tab.url(), url);
      });

      test('each calculator writes the desktop\'s figure, leading digits in view', async () => {
        for (const [typed, button, output, figure] of clicks[language]) {
          await open();
          await type(tab, typed);
          const before = await texts(tab);
          await tab.click(`#${button}`);
          const after = await texts(tab);
          assert.equal(after[output], figure, button);
          assert.deepEqual({ ...after, [output]: '' }, { ...before, [output]: '' }, 'other fields kept');
          assert.equal(await tab.$eval(`#${output}`, (f) => f.scrollLeft + f.selectionStart), 0);
        }
      });

      test('the warning and the error are modal boxes that leave every field as it was', async () => {
        for (const [typed, id, message] of [[{ Text3: '12000' }, 'Warning', window.outOfRange], [{ Text3: '' }, 'Error', noNumber('Высота, м')],
          [{ Text5: 'груз' }, 'Error', noNumber('Вес груза, кг')]]) {
          await open();
          await type(tab, { Text8: '1234', ...typed });
          const before = await texts(tab);
          await tab.click('#Command2');
          const box = await tab.$eval(`#${id}`, (d) => ({
            // Title and text as a screen reader finds them, by the box's own references.
            open: d.open, modal: d.matches(':modal'), role: d.getAttribute('role'),
            title: document.getElementById(d.getAttribute('aria-labelledby'))?.textContent,
            text: document.getElementById(d.getAttribute('aria-describedby'))?.innerText,
            focus: document.activeElement.textContent,
          }));
          assert.deepEqual(box, { open: true, modal: true, role: 'alertdialog', title: window.boxTitle, text: message, focus: 'OK' });
          const colours = await iconColours(tab, id);
          icons[id].forEach(([x, y, expected], i) => assert.ok(colours[i].every((c, k) => Math.abs(c - expected[k]) <= 8),
            `${id}'s icon at ${x},${y}: ${colours[i]}`));
          // While it is open a click on a button or Tab reaches nothing of the window.
          const rect = await tab.$eval('#Command1', (b) => b.getBoundingClientRect().toJSON());
          await tab.mouse.click(rect.x + 5, rect.y + 5);
          await tab.keyboard.press('Tab');
          assert.equal(await tab.evaluate(() => document.activeElement.textContent), 'OK');
          await tab.keyboard.press('Enter');
          assert.equal(await tab.$eval(`#${id}`, (d) => d.open), false);
          assert.deepEqual(await texts(tab), before);
        }
      });

      // What a visitor sees at each size: below the window's width the calculators one under
      // another, readable and big enough for a thumb, nothing wider than the screen; from it up
      // the window's pixels, every part reachable by scrolling where the browser is smaller.
      // The focus on a box and on a button, and the colours of the captions and the note, alike.
      test('at every size each part is readable, reachable and where it belongs', async () => {
        for (const [width, height, phone] of sizes) {
          await open();
          await tab.setViewport({ width, height, ...(phone && name === 'chromium' ? mobile : {}) });
          const seen = await tab.evaluate(() => {
            const all = [...document.querySelectorAll('#Form1 > *')].map((e) => {
              const r = e.getBoundingClientRect(); const style = getComputedStyle(e);
              return { name: e.id, tag: e.tagName, x: r.x + scrollX, y: r.y + scrollY, width: r.width,
                height: r.height, size: parseFloat(style.fontSize), colour: style.color, kind: e.className };
            });
            const page = document.documentElement; const form = document.getElementById('Form1').getBoundingClientRect();
            return { all, scrollWidth: page.scrollWidth, scrollHeight: page.scrollHeight, form: [form.x + scrollX, form.y + scrollY] };
          });
          const at = `${width}x${height}`;
          const byName = Object.fromEntries(seen.all.map((c) => [c.name, c]));
          const form = window.controls.filter((c) => c.kind !== 'picture');
          const bottom = Math.max(...seen.all.filter((c) => c.tag !== 'IMG').map((c) => c.y + c.height));
          assert.ok(seen.scrollHeight >= bottom - 1, `${at}: every part reachable`);
          if (phone) {
            assert.ok(seen.scrollWidth <= width, `${at}: nothing wider than the screen`);
            const stacked = [...seen.all].sort((p, q) => p.y - q.y || p.x - q.x).map((c) => c.name);
            assert.deepEqual(stacked, narrowOrder, `${at}: one calculator under another`);
            for (const c of form) {
              const s = byName[c.name];
              const [least, tall] = { textbox: [16, 44], button: [16, 44], caption: [14, 0], heading: [14, 0], note: [14, 0] }[c.kind];
              assert.ok(s.size >= least && s.height >= tall && s.width >= s.height, `${at}: ${c.name} ${JSON.stringify(s)}`);
            }
          } else {
            const [left, top] = seen.form;
            for (const c of window.controls) {
              const s = byName[c.name];
              assert.deepEqual([s.x - left, s.y - top, s.width, s.height], [c.left, c.top, c.width, c.height], `${at}: ${c.name}`);
            }
          }
          for (const c of form.filter((f) => f.kind !== 'textbox' && f.kind !== 'button')) {
            assert.equal(byName[c.name].colour, c.kind === 'note' ? 'rgb(0, 0, 0)' : 'rgb(0, 0, 192)', `${at}: ${c.name}`);
          }
          for (const id of ['Text3', 'Command2']) {
            await tab.focus(`#${id}`);
            assert.equal(await tab.$eval(`#${id}`, (e) => getComputedStyle(e).borderTopColor), 'rgb(48, 128, 208)', `${at}: ${id} focused`);
          }
        }
      });

      test('on a phone each calculator gives the desktop\'s figure at a tap, its box fits', async () => {
        await open();
        await tab.setViewport({ width: 390, height: 844, ...(name === 'chromium' ? mobile : {}) });
        for (const [typed, button, output, figure] of clicks[language]) {
          await type(tab, typed);
          await (name === 'chromium' ? tab.tap(`#${button}`) : tab.click(`#${button}`));
          assert.equal((await texts(tab))[output], figure, button);
        }
        await type(tab, { Text3: '12000' });
        await tab.click('#Command2');
        const box = await tab.$eval('#Warning', (d) => d.getBoundingClientRect().toJSON());
        assert.ok(box.x >= 0 && box.x + box.width <= 390, `the box within the width: ${JSON.stringify(box)}`);
        await tab.keyboard.press('Enter');
        await tab.setViewport({ width: 800, height: 600 });
      });

      test('nothing is fetched and nothing complained of', () => {
        assert.deepEqual(requests.filter((r) => r !== url && !r.startsWith('data:')), []);
        assert.deepEqual(complaints, []);
      });
    });
  }
}

// Served from a host on this machine (127.0.0.1 only), the site is one Chromium can install, and
// after one visit it opens and computes with the network gone.
describe('the site, served', () => {
  let server; let browser; let address;
  const site = process.env.FLIGHTCALC_SITE ?? join(dirname(page), 'site');
  const types = { '.html': 'text/html', '.js': 'text/javascript', '.png': 'image/png', '.webmanifest': 'application/manifest+json' };
  before(async () => {
    server = createServer((request, response) => {
      const path = new URL(request.url, 'http://host').pathname.replace(/\/$/, '/index.html');
      try {
        const body = readFileSync(join(site, normalize(path).replace(/^(\.\.[/\\])+/, '')));
        response.writeHead(200, { 'content-type': types[extname(path)] ?? 'application/octet-stream' }).end(body);
      } catch {
        response.writeHead(404).end();
      }
    });
    await new Promise((ready) => server.listen(0, '127.0.0.1', ready));
    address = `http://127.0.0.1:${server.address().port}/`;
    browser = await puppeteer.launch(browsers.chromium('ru-RU'));
  });
  after(async () => {
    await browser?.close();
    server?.close();
  });

  test('Chromium finds it installable, and it computes offline after a first visit', async () => {
    const tab = await browser.newPage();
    await tab.goto(address);
    await tab.waitForSelector('#Form1[data-ready]');
    await tab.evaluate(() => navigator.serviceWorker.ready);
    const devTools = await tab.createCDPSession();
    const { installabilityErrors } = await devTools.send('Page.getInstallabilityErrors');
    assert.deepEqual(installabilityErrors, []);
    await tab.setOfflineMode(true);
    await tab.reload();
    await tab.waitForSelector('#Form1[data-ready]');
    await tab.click('#Command2');
    assert.equal((await texts(tab)).Text8, '26795,4910811456');
  });
});
