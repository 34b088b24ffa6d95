// The web page's start in headless Chromium against its floor, the same page's HTML and
// picture with no script: from navigation to the window painted with its buttons ready,
// alternately, and the medians' ratio. One run: node bench/page.mjs [PAGE.html] [--pairs N]
// [--phone].
import { mkdtempSync, readFileSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';

const puppeteer = createRequire(new URL('../web/package.json', import.meta.url))('puppeteer-core');
const args = process.argv.slice(2);
const pairsAt = args.indexOf('--pairs');
const pairs = pairsAt < 0 ? 20 : Number(args.splice(pairsAt, 2)[1]);
// --phone: in a phone's viewport (390 x 844 CSS pixels at 3 device pixels each, touch).
const phoneAt = args.indexOf('--phone');
const phone = phoneAt >= 0 && Boolean(args.splice(phoneAt, 1));
const page = args[0] ?? 'build/web/flightcalc.html';

const floor = join(mkdtempSync(join(tmpdir(), 'flightcalc-bench-')), 'floor.html');
writeFileSync(floor, readFileSync(page, 'utf8').replace(/<script>[\s\S]*?<\/script>\n/g, ''));

// Measured inside the page: once the picture is decoded and, on the page, the buttons are
// wired, the next frame is the painted one; its time from the start of navigation.
const watch = () => {
  window.painted = new Promise((done) => {
    addEventListener('DOMContentLoaded', async () => {
      await document.getElementById('Image1').decode();
      const form = document.getElementById('Form1');
      const scripted = document.scripts.length > 0;
      while (scripted && !('ready' in form.dataset)) await new Promise(requestAnimationFrame);
      requestAnimationFrame(() => setTimeout(() => done(performance.now())));
    });
  });
};

const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];
const browser = await puppeteer.launch({
  browser: 'chrome', executablePath: '/usr/bin/chromium', headless: true, args: ['--no-sandbox'],
});
const times = { page: [], floor: [] };
for (let pair = 0; pair < pairs; pair += 1) {
  for (const [name, file] of [['page', page], ['floor', floor]]) {
    const tab = await browser.newPage();
    if (phone) await tab.setViewport({ width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true });
    await tab.evaluateOnNewDocument(watch);
    await tab.goto(pathToFileURL(file).href);
    times[name].push(await tab.evaluate(() => window.painted));
    await tab.close();
  }
}
await browser.close();
const [p, f] = [median(times.page), median(times.floor)];
console.log(`painted with the buttons ready, median of ${pairs}: page ${p.toFixed(1)} ms, ` +
  `floor ${f.toFixed(1)} ms, page / floor ${(p / f).toFixed(2)}`);
