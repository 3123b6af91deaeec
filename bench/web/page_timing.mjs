// Timings of the browser page opened from a disk in headless Chromium: the file's size, the
// time from navigation to the page being ready and to the first sheet shown when 計　算 is
// pressed as soon as it is ready (each run a fresh browser with a fresh profile: a cold
// start), and the time 計　算 takes to draw the sheet, first and later presses.
//
// Usage: node bench/web/page_timing.mjs build-web/web/korvane.html [runs]
// (puppeteer-core from web/node_modules, /usr/bin/chromium).
import fs from 'node:fs';
import { createRequire } from 'node:module';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const [html, runsText = '5'] = process.argv.slice(2);
if (!html) {
  console.error('usage: node page_timing.mjs KORVANE_HTML [runs]');
  process.exit(2);
}
const web = path.join(path.dirname(fileURLToPath(import.meta.url)), '..', '..', 'web');
const puppeteer = createRequire(path.join(web, 'package.json'))('puppeteer-core');
const runs = Number(runsText);
const url = pathToFileURL(path.resolve(html)).href;

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = Math.floor(sorted.length / 2);
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};
const summary = (values) =>
  `median ${median(values).toFixed(1)} ms (min ${Math.min(...values).toFixed(1)}, max ${Math.max(...values).toFixed(1)})`;

const ready = [];
const firstSheet = [];
const firstPress = [];
const laterPress = [];
for (let run = 0; run < runs; run++) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'korvane-bench-'));
  const browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium',
    userDataDir: profile,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-background-networking',
           '--disable-component-update', '--disable-sync', '--no-first-run'],
  });
  try {
    const page = await browser.newPage();
    await page.setViewport({ width: 700, height: 1300 });
    // 計　算 pressed as soon as the page says it is ready; the sheet is drawn by the click.
    await page.evaluateOnNewDocument(() => {
      new MutationObserver((changes, observer) => {
        if (!document.body?.dataset.ready) return;
        observer.disconnect();
        const start = performance.now();
        document.getElementById('calculate').click();
        document.body.dataset.benchPress = String(performance.now() - start);
      }).observe(document, { attributes: true, subtree: true, attributeFilter: ['data-ready'] });
    });
    await page.goto(url);
    await page.waitForSelector('body[data-sheet-shown]');
    const times = await page.evaluate(() => ({
      ready: performance.getEntriesByName('korvane-ready')[0].startTime,
      sheet: Number(document.body.dataset.sheetShown),
      press: Number(document.body.dataset.benchPress),
    }));
    ready.push(times.ready);
    firstSheet.push(times.sheet);
    firstPress.push(times.press);
    for (let i = 0; i < 10; i++) {
      laterPress.push(await page.evaluate(() => {
        const start = performance.now();
        document.getElementById('calculate').click();
        return performance.now() - start;
      }));
    }
  } finally {
    await browser.close();
    fs.rmSync(profile, { recursive: true, force: true });
  }
}

console.log(`korvane.html: ${fs.statSync(html).size} bytes`);
console.log(`navigation → page ready (cold):        ${summary(ready)}`);
console.log(`navigation → first sheet shown (cold): ${summary(firstSheet)}`);
console.log(`計　算 → sheet, first press:            ${summary(firstPress)}`);
console.log(`計　算 → sheet, later presses:          ${summary(laterPress)}`);
console.log(`load average: ${os.loadavg().map((load) => load.toFixed(2)).join(' ')}`);
