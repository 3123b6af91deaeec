// The page's routes in a real browser (Debian's Chromium, headless, driven by puppeteer-core):
// korvane.html opened from file:// with the network cut off, entering, calculating, opening
// and saving files, the pre-check's messages, printing to PDF and to paper, the keyboard.
// What the page shows is held to korvane-calc, which shares the desktop program's code.
//
// Environment: KORVANE_HTML (the page), KORVANE_CALC (korvane-calc), KORVANE_CASES (saved
// cases, *.fdt), KORVANE_WEB (web/, for its node_modules).
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import fs from 'node:fs';
import { createRequire } from 'node:module';
import os from 'node:os';
import path from 'node:path';
import { after, before, describe, test } from 'node:test';
import { pathToFileURL } from 'node:url';

const html = process.env.KORVANE_HTML;
const calc = process.env.KORVANE_CALC;
const cases = process.env.KORVANE_CASES;
const require = createRequire(path.join(process.env.KORVANE_WEB, 'package.json'));
const puppeteer = require('puppeteer-core');

const calcEnv = { ...process.env, QT_QPA_PLATFORM: 'offscreen' };
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'korvane-page-'));
let browser;

before(async () => {
  browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium',
    userDataDir: path.join(work, 'profile'),
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-background-networking',
           '--disable-component-update', '--disable-sync', '--no-first-run'],
  });
});

after(async () => {
  await browser?.close();
  fs.rmSync(work, { recursive: true, force: true });
});

// The day every page takes as today, in Tokyo, and its date as the tables' CSV files carry it:
// dated outputs are held to korvane-calc --date whatever day (or midnight) the tests run on.
const fixedNoon = '2026-02-03T12:00:00+09:00';
const fixedCsvDate = '2026/02/03';

// Runs in the page before its own script: the clock reads the fixed day's noon plus the time
// since the page opened, for `new Date()`, `Date()` and `Date.now()` alike (the program's
// C library reads Date.now()); dates the page builds from given values are untouched.
function fixTheClock(noon) {
  const RealDate = Date;
  const offset = new RealDate(noon).getTime() - RealDate.now();
  const now = () => RealDate.now() + offset;
  globalThis.Date = new Proxy(RealDate, {
    construct: (target, args, newTarget) =>
      Reflect.construct(target, args.length ? args : [now()], newTarget),
    apply: () => new RealDate(now()).toString(),
    get: (target, key) => (key === 'now' ? now : Reflect.get(target, key)),
  });
}

// korvane.html from file://, every request that is not the page itself or its own data
// refused and counted; the messages it shows (alert) collected and answered; its clock fixed.
async function openPage() {
  const page = await browser.newPage();
  await page.setViewport({ width: 700, height: 1300 });
  await page.emulateTimezone('Asia/Tokyo');
  await page.evaluateOnNewDocument(fixTheClock, fixedNoon);
  const outside = [];
  await page.setRequestInterception(true);
  page.on('request', (request) => {
    const url = request.url();
    if (url.startsWith('file:') || url.startsWith('data:') || url.startsWith('blob:')) {
      request.continue();
    } else {
      outside.push(url);
      request.abort();
    }
  });
  const messages = [];
  page.on('dialog', async (dialog) => { messages.push(dialog.message()); await dialog.accept(); });
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  const downloads = fs.mkdtempSync(path.join(work, 'downloads-'));
  const session = await page.createCDPSession();
  await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
  await page.goto(pathToFileURL(html).href);
  await page.waitForSelector('body[data-ready]');
  // Downloads go where the page opened last says: each page says so again before its own.
  const downloadHere = () => session.send('Browser.setDownloadBehavior',
                                          { behavior: 'allow', downloadPath: downloads });
  return { page, outside, messages, errors, downloads, downloadHere, session };
}

// The sheet's texts as the page draws them: content, left edge, cell top and size in points.
// The cell top is the baseline less the sheet font's ascent at that pixel size (88 dpi).
async function sheetTexts(page) {
  return page.$$eval('#sheet text', (texts) => texts.map((t) => ({
    text: t.textContent, x: Number(t.getAttribute('x')), baseline: Number(t.getAttribute('y')),
    pixels: Number(t.getAttribute('font-size')), color: t.getAttribute('fill'),
  })));
}

// korvane-calc's screen drawing steps for a saved case (or the default case), texts only,
// placed as the page places them.
function calcTexts(file) {
  const result = spawnSync(calc, ['--draw-log', ...(file ? [file] : [])],
                           { encoding: 'utf8', env: calcEnv });
  return result.stdout.split('\n').filter((line) => line).map((line) => JSON.parse(line))
    .filter((step) => step.op === 'text').map((step) => {
      const pixels = Math.floor((step.size * 88 * 2 + 72) / 144);
      return { text: step.text, x: step.x, baseline: step.y + Math.round((pixels * 1802) / 2048),
               pixels, color: step.color };
    });
}

// The downloaded file once the browser has finished it: no partial download left in the
// folder, and its size the same over two looks (it may appear empty before its bytes).
async function waitForDownload(folder, suffix) {
  let last = -1;
  for (let i = 0; i < 400; i++) {
    const names = fs.readdirSync(folder);
    const done = names.filter((name) => name.endsWith(suffix));
    if (done.length && !names.some((name) => name.endsWith('.crdownload'))) {
      const file = path.join(folder, done[0]);
      const size = fs.statSync(file).size;
      if (size > 0 && size === last) return file;
      last = size;
    }
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
  throw new Error(`no ${suffix} file was downloaded`);
}

async function openCase(page, file) {
  const chooser = await page.$('#open-file');
  await page.evaluate(() => delete document.body.dataset.opened);
  await chooser.uploadFile(file);
  await page.waitForSelector('body[data-opened]');
}

async function calculate(page) {
  await page.evaluate(() => delete document.body.dataset.sheetShown);
  await page.click('#calculate');
}

const savedCases = fs.readdirSync(cases).filter((name) => name.endsWith('.fdt')).sort();

describe('the page opened from a disk', () => {
  test('the default case calculates to the sheet korvane-calc draws, with no network', async () => {
    const { page, outside, messages, errors } = await openPage();
    // The window's controls as plain HTML, with the desktop's captions.
    for (const caption of ['計　算', 'データ読込', 'データ保存'])
      assert.ok(await page.$(`xpath/.//button[normalize-space(.)="${caption}"]`), caption);
    assert.equal(await page.$eval('#model', (list) => list.value !== ''), true);
    await calculate(page);
    await page.waitForSelector('body[data-sheet-shown]');
    assert.deepEqual(await sheetTexts(page), calcTexts());
    assert.deepEqual(messages, []);
    assert.deepEqual(errors, []);
    assert.deepEqual(outside, [], 'the page asked the network');
    // The sheet is drawn in the page's own font, which the page carries.
    assert.equal(await page.evaluate(() => document.fonts.check('12px "Korvane Sheet Gothic"')), true);
    await page.close();
  });

  test('every saved case opened through the file chooser draws korvane-calc\'s sheet', async () => {
    const { page, messages, outside } = await openPage();
    let drawn = 0;
    for (const name of savedCases) {
      const file = path.join(cases, name);
      messages.length = 0;
      await openCase(page, file);
      await calculate(page);
      const calcRun = spawnSync(calc, ['--json', file], { encoding: 'utf8', env: calcEnv });
      const refusal = JSON.parse(calcRun.stdout.split('\n')[0]).precheck;
      if (refusal) {
        // Refused by the pre-check: the page shows korvane-calc's message.
        assert.equal(messages.at(-1), refusal.message, name);
        continue;
      }
      await page.waitForSelector('body[data-sheet-shown]');
      assert.deepEqual(await sheetTexts(page), calcTexts(file), name);
      drawn++;
    }
    assert.ok(drawn >= 8, `only ${drawn} saved cases were drawn`);
    assert.deepEqual(outside, []);
    await page.close();
  });

  // The page's sheet as the browser paints it against korvane-calc's picture of it. The
  // geometry is the same to the pixel; the two rasterisers (Chromium's Skia, the desktop's Qt
  // with FreeType) shade the edges of glyphs differently, so up to 0.5 % of the pixels may
  // differ by more than half the colour range (about 0.2 % do).
  test('a screenshot of each saved case\'s sheet matches korvane-calc --png', async () => {
    const { page } = await openPage();
    let compared = 0;
    for (const name of savedCases) {
      const file = path.join(cases, name);
      const desktop = path.join(work, 'desktop-sheet.png');
      if (spawnSync(calc, ['--png', desktop, file], { env: calcEnv }).status !== 0) continue;
      await openCase(page, file);
      await calculate(page);
      await page.waitForSelector('body[data-sheet-shown]');
      const browserPng = path.join(work, 'page-sheet.png');
      await (await page.$('#sheet')).screenshot({ path: browserPng });
      const result = spawnSync('compare', ['-metric', 'AE', '-fuzz', '50%', desktop, browserPng,
                                           'null:'], { encoding: 'utf8' });
      const differing = Number(result.stderr.trim().split(/\s/)[0]);
      assert.ok(Number.isFinite(differing), `compare: ${result.stderr}`);
      assert.ok(differing <= 0.005 * 570 * 670, `${name}: ${differing} pixels differ`);
      compared++;
    }
    assert.ok(compared >= 8, `only ${compared} sheets were compared`);
    await page.close();
  });

  test('a saved case opened and saved again downloads the same bytes, under its name', async () => {
    const { page, downloads } = await openPage();
    // Nothing opened yet: the desktop's proposal for a new case.
    await page.click('#save');
    assert.equal(path.basename(await waitForDownload(downloads, '.fdt')), 'Data.fdt');
    let compared = 0;
    for (const name of savedCases) {
      const file = path.join(cases, name);
      const reading = JSON.parse(spawnSync(calc, ['--json', file], { encoding: 'utf8', env: calcEnv })
        .stdout.split('\n')[0]);
      // Only where the window shows the file's values unchanged (korvane-calc then names no
      // differing reading) is the saved file the same as the opened one.
      if ('read' in reading) continue;
      await openCase(page, file);
      for (const old of fs.readdirSync(downloads)) fs.rmSync(path.join(downloads, old));
      await page.click('#save');
      const saved = await waitForDownload(downloads, '.fdt');
      assert.equal(path.basename(saved), name);
      assert.deepEqual(fs.readFileSync(saved), fs.readFileSync(file), name);
      compared++;
    }
    assert.ok(compared >= 8, `only ${compared} cases were saved`);
    await page.close();
  });
});

// A file dropped from the desktop onto the span field: the browser's own drag events carrying
// the file's path, as a file manager's drag gives them.
async function dropFile({ page, session }, file) {
  const box = await (await page.$('#span')).boundingBox();
  const at = { x: box.x + box.width / 2, y: box.y + box.height / 2 };
  const data = { items: [], files: [file], dragOperationsMask: 1 };
  for (const type of ['dragEnter', 'dragOver', 'drop'])
    await session.send('Input.dispatchDragEvent', { type, ...at, data });
}

// Waits (5 s at most) until the page has shown a message; reading a dropped file takes a moment.
async function untilShown(messages) {
  for (let i = 0; i < 100 && !messages.length; i++) await new Promise((r) => setTimeout(r, 50));
}

// Every control of the main window as the user sees it: texts, choices, enabled states.
const formShown = (page) => page.$$eval('#main-window input, #main-window select', (controls) =>
  controls.map((c) => `${c.id || c.name}=${c.value}:${c.checked}:${c.disabled}:${c.readOnly}`));

// korvane-calc's refusal of a file, named as the page names it (relative to its folder).
function calcRefusal(file) {
  const run = spawnSync(calc, ['--json', path.basename(file)],
                        { cwd: path.dirname(file), encoding: 'utf8', env: calcEnv });
  assert.notEqual(run.status, 0, `korvane-calc read ${file}`);
  return run.stderr.trim().replace(/^korvane-calc: /, '');
}

// A data file written from the default case's lines, changed as `edit` says.
function writeCase(name, edit) {
  const lines = fs.readFileSync(path.join(cases, 'default.fdt'), 'latin1').split('\r\n');
  const file = path.join(work, name);
  fs.writeFileSync(file, edit(lines).join('\r\n'), 'latin1');
  return file;
}

describe('dropping a file onto the page', () => {
  test('a dropped file opens with the reader\'s notices and calculates to korvane-calc\'s sheet', async () => {
    const opened = await openPage();
    const { page, messages, errors } = opened;
    // PX100 with the discontinued coating K35 (a notice), a work load of five digits, the
    // last line missing (one message listing both).
    const file = writeCase('notices.fdt', (lines) => {
      Object.assign(lines, { 1: '0', 2: '3', 4: '3', 6: '3100', 11: '12000' });
      return lines.slice(0, 15).concat(['']);
    });
    const reading = JSON.parse(spawnSync(calc, ['--json', file], { encoding: 'utf8', env: calcEnv })
      .stdout.split('\n')[0]);
    assert.ok(reading.notices.length >= 1 && reading.warnings.length >= 2);

    await dropFile(opened, file);
    await page.waitForSelector('body[data-opened]');
    assert.deepEqual(messages.slice(0, -1), reading.notices);
    const [heading, ...listed] = messages.at(-1).split('\n・');
    assert.match(heading, /^ファイル "notices\.fdt" には読めなかった値/);
    assert.deepEqual(listed, reading.warnings);
    assert.equal(await page.$eval('#span', (field) => field.value), '3100');

    messages.length = 0;
    await calculate(page);
    await page.waitForSelector('body[data-sheet-shown]');
    assert.deepEqual(await sheetTexts(page), calcTexts(file));
    assert.deepEqual(messages, []);
    assert.deepEqual(errors, []);
    await page.close();
  });

  test('a file the reader refuses gives its message and leaves the form as it was', async () => {
    const opened = await openPage();
    const { page, messages, errors } = opened;
    await page.click('#span', { clickCount: 3 });
    await page.keyboard.type('3170');
    await page.keyboard.press('Tab');
    await page.click('#shoring input[value="3"]');
    const before = await formShown(page);

    const tooLarge = path.join(work, 'large.fdt');
    const cap = 1 << 20;
    fs.writeFileSync(tooLarge, Buffer.concat([fs.readFileSync(path.join(cases, 'default.fdt')),
                                              Buffer.alloc(cap, 0x20)]).subarray(0, cap + 1));
    const folder = path.join(work, 'cases.fdt');
    fs.mkdirSync(folder, { recursive: true });
    const refused = [
      tooLarge,
      writeCase('unit-weight.fdt', (lines) => Object.assign(lines, { 5: '1l1' })),
      folder,
    ];
    for (const file of refused) {
      messages.length = 0;
      await dropFile(opened, file);
      await untilShown(messages);
      assert.deepEqual(messages, [calcRefusal(file)], file);
      assert.deepEqual(await formShown(page), before, `${file} changed the form`);
    }

    // A file gone after it was chosen: the browser cannot read it, and says why.
    const gone = writeCase('gone.fdt', (lines) => lines);
    const chooser = await page.evaluateHandle(() => Object.assign(document.createElement('input'),
                                                                  { type: 'file' }));
    await chooser.uploadFile(gone);
    fs.rmSync(gone);
    messages.length = 0;
    await page.evaluate((input) => {
      const carried = new DataTransfer();
      carried.items.add(input.files[0]);
      document.getElementById('span').dispatchEvent(
        new DragEvent('drop', { bubbles: true, cancelable: true, dataTransfer: carried }));
    }, chooser);
    await untilShown(messages);
    assert.equal(messages.length, 1);
    assert.match(messages[0], /^ファイル "gone\.fdt" を読み込めません。\(.+\)$/);
    assert.deepEqual(await formShown(page), before, 'a file gone changed the form');
    assert.equal(await page.evaluate(() => document.body.dataset.opened), undefined);
    assert.deepEqual(errors, []);
    await page.close();
  });
});

// Each pre-check refusal: how it is reached, its message, the field with the focus and that
// field's text afterwards (the corrected text, or what the user typed, for mending).
const overrides = (changes) => (text) => {
  const lines = text.split('\r\n');
  for (const [index, value] of Object.entries(changes)) lines[index] = value;
  return lines.join('\r\n');
};
const preChecks = [
  { name: 'unit weight 0 with coating 他', coating: '他', type: { unitWeight: '0' },
    message: 'デッキの単位重量を正しく設定して下さい。', focus: 'unitWeight', after: '0' },
  { name: 'unit weight far too large', coating: '他', type: { unitWeight: '100000' },
    message: 'デッキの単位重量を正しく設定して下さい。\n適正値をかなり超えています。',
    focus: 'unitWeight', after: '100000' },
  { name: 'span below 1000', type: { span: '999' }, message: '計算できるスパンは、1000 mm以上です',
    focus: 'span', after: '1000' },
  { name: 'span above 4900', type: { span: '5000' }, message: '計算できるスパンは、4900 mm以下です',
    focus: 'span', after: '4900' },
  { name: 'PX75Vα span above 5700', family: 'flat', model: 'PX75Vα', type: { span: '6000' },
    message: '計算できるスパンは、PX75Vαの場合5700 mm以下です', focus: 'span', after: '5700' },
  { name: 'slab below 120', type: { slabThickness: '100' },
    message: '計算できるコンクリート厚さは、120 mm以上です', focus: 'slabThickness', after: '120' },
  { name: 'slab above 800 (from a file)', file: overrides({ 10: '801' }),
    message: '計算できるコンクリート厚さは、800 mm以下です', focus: 'slabThickness', after: '800' },
  { name: 'work load blank', other: true, type: { workLoad: '' }, message: '施工荷重を入力して下さい。',
    focus: 'workLoad', after: '2450' },
  { name: 'work load 0000', other: true, type: { workLoad: '0000' },
    message: '施工荷重を入力して下さい。(1470N/㎡以上)', focus: 'workLoad', after: '1470' },
  { name: 'work load negative', other: true, type: { workLoad: '-500' },
    message: '作業荷重に負の値は指定できません。\n正しい値を入力して下さい。', focus: 'workLoad',
    after: '-500' },
  { name: 'other load negative (from a file)', file: overrides({ 12: '-50' }),
    message: 'その他荷重に負の値は指定できません。\n0 以上の値を入力して下さい。', focus: 'otherLoad',
    after: '-50' },
  { name: 'work load of three digits', other: true, type: { workLoad: '500' },
    message: '作業荷重は 4 桁の数値で入力して下さい。(1470N/㎡以上、例: 2450)', focus: 'workLoad',
    after: '500' },
];

async function chooseByText(page, listId, text) {
  const index = await page.$eval(`#${listId}`, (list, wanted) =>
    [...list.options].findIndex((option) => option.text === wanted), text);
  assert.ok(index >= 0, `${listId} offers no ${text}`);
  await page.select(`#${listId}`, String(index));
}

describe('the pre-check', () => {
  for (const row of preChecks) {
    test(`${row.name}: its message, the field focused and corrected`, async () => {
      const { page, messages } = await openPage();
      if (row.file) {
        const base = fs.readFileSync(path.join(cases, 'default.fdt'), 'latin1');
        const file = path.join(work, `${row.focus}.fdt`);
        fs.writeFileSync(file, row.file(base), 'latin1');
        await openCase(page, file);
      }
      if (row.family === 'flat') await page.click('#family-flat');
      if (row.model) await chooseByText(page, 'model', row.model);
      if (row.coating) await chooseByText(page, 'coating', row.coating);
      if (row.other) await page.click('#work-other');
      for (const [field, text] of Object.entries(row.type ?? {})) {
        await page.click(`#${field}`, { clickCount: 3 });
        await page.keyboard.press('Backspace');
        if (text) await page.keyboard.type(text);
        await page.keyboard.press('Tab');
      }
      messages.length = 0;
      await calculate(page);
      await page.waitForFunction(() => document.activeElement?.classList.contains('field'));
      assert.deepEqual(messages, [row.message]);
      assert.equal(await page.evaluate(() => document.activeElement.id), row.focus);
      assert.equal((await page.$eval(`#${row.focus}`, (field) => field.value)).trim(), row.after);
      assert.equal(await page.$eval('#result', (result) => result.hidden), true, 'a sheet was shown');
      await page.close();
    });
  }
});

describe('the keyboard and the arrows', () => {
  test('Tab goes through the controls in the desktop window\'s order; Return on 計　算 calculates', async () => {
    const { page } = await openPage();
    // The start-up gives the model list the focus, as the desktop's does.
    const order = [await page.evaluate(() => document.activeElement.id)];
    for (let i = 0; i < 14; i++) {
      await page.keyboard.press('Tab');
      order.push(await page.evaluate(() => {
        const active = document.activeElement;
        return active.id || `${active.name}=${active.value}`;
      }));
    }
    // The chosen option of each group; the arrows and the greyed work-load field are passed.
    assert.deepEqual(order, [
      'model', 'thickness', 'coating', 'unitWeight', 'span', 'shoring=1', 'alphaClass=4',
      'concreteKind=4', 'slabThickness', 'work-standard', 'otherLoad', 'calculate', 'open',
      'save', 'end',
    ]);
    await page.focus('#calculate');
    await page.keyboard.press('Enter');
    await page.waitForSelector('body[data-sheet-shown]');
    await page.close();
  });

  test('the arrows and Up/Down step a field within the bounds the form gives', async () => {
    const { page } = await openPage();
    await page.click('#span-band .arrows button:first-child');
    assert.equal(await page.$eval('#span', (field) => field.value), '2510');
    await page.click('#otherLoad');
    await page.keyboard.press('ArrowDown');
    assert.equal(await page.$eval('#otherLoad', (field) => field.value), '0');
    for (let i = 0; i < 3; i++) await page.keyboard.press('ArrowUp');
    assert.equal(await page.$eval('#otherLoad', (field) => field.value), '150');
    // Letters are not typed into the slab thickness.
    await page.click('#slabThickness', { clickCount: 3 });
    await page.keyboard.type('1a5b0');
    assert.equal(await page.$eval('#slabThickness', (field) => field.value), '150');
    await page.close();
  });
});

// The text of a PDF file as poppler reads it.
const pdfText = (file) => execFileSync('pdftotext', ['-raw', file, '-'], { encoding: 'utf8' });

describe('印刷', () => {
  test('the PDF/A download carries the desktop\'s text, its fonts and the case\'s title', async () => {
    const { page, downloads, outside } = await openPage();
    await openCase(page, path.join(cases, 'fails_every_check.fdt'));
    await calculate(page);
    // The print settings as the desktop's window sets them: title, position, page text.
    await page.click('#print-settings-open');
    await page.click('#project-title', { clickCount: 3 });
    await page.keyboard.type('○○ビル新築工事');
    await page.click('input[name="pageNumberPos"][value="12"]');
    await page.click('#page-text', { clickCount: 3 });
    await page.keyboard.type('p.7');
    await page.click('#print-settings-confirm');
    await page.click('#print-pdf');
    const downloaded = await waitForDownload(downloads, '.pdf');
    assert.equal(path.basename(downloaded), '○○ビル新築工事.pdf');
    const pdf = path.join(work, 'page.pdf');
    fs.copyFileSync(downloaded, pdf);
    const date = await page.evaluate(() => document.body.dataset.printDate);

    const info = execFileSync('pdfinfo', [pdf], { encoding: 'utf8' });
    assert.match(info, /^Title: +○○ビル新築工事$/m);
    assert.match(info, /^Pages: +1$/m);
    assert.match(info, /^Page size: +595 x 842 pts \(A4\)$/m);
    const fonts = execFileSync('pdffonts', [pdf], { encoding: 'utf8' }).split('\n').slice(2)
      .filter((line) => line.trim());
    assert.ok(fonts.length > 0);
    for (const line of fonts) assert.match(line, / yes yes yes /, `a font not embedded: ${line}`);

    // The same case with the same settings, printed by korvane-calc.
    const saved = path.join(work, 'printed.fdt');
    for (const old of fs.readdirSync(downloads)) fs.rmSync(path.join(downloads, old));
    await page.click('#save');
    fs.copyFileSync(await waitForDownload(downloads, '.fdt'), saved);
    const desktopPdf = path.join(work, 'desktop.pdf');
    execFileSync(calc, ['--pdf', desktopPdf, '--date', date, saved], { env: calcEnv });
    assert.equal(pdfText(pdf), pdfText(desktopPdf));
    assert.match(pdfText(pdf), /p\.7/);
    assert.deepEqual(outside, []);
    await page.close();
  });

  test('paper: the printed page alone, on A4 with no margin', async () => {
    const { page } = await openPage();
    await calculate(page);
    // The browser's print dialog is not opened here; the page asks for it once.
    await page.evaluate(() => { window.print = () => { document.body.dataset.printAsked = 'yes'; }; });
    await page.click('#print-paper');
    assert.equal(await page.evaluate(() => document.body.dataset.printAsked), 'yes');
    const paper = path.join(work, 'paper.pdf');
    await page.pdf({ path: paper, preferCSSPageSize: true });
    const info = execFileSync('pdfinfo', [paper], { encoding: 'utf8' });
    assert.match(info, /^Pages: +1$/m);
    assert.match(info, /^Page size: +59[45](\.\d+)? x 84[12](\.\d+)? pts \(A4\)$/m);
    const date = await page.evaluate(() => document.body.dataset.printDate);
    const desktopPdf = path.join(work, 'default.pdf');
    execFileSync(calc, ['--pdf', desktopPdf, '--date', date], { env: calcEnv });
    const words = (text) => text.split(/\s+/).filter((word) => word).sort();
    assert.deepEqual(words(pdfText(paper)), words(pdfText(desktopPdf)));
    await page.close();
  });
});

describe('the deck-choice tables', () => {
  // The CSV file korvane-calc writes for a case's table (the default case's without a file)
  // on the pages' day.
  const calcCsv = (option, file) => execFileSync(
    calc, [option, '--csv', '--date', fixedCsvDate, ...(file ? [file] : [])], { env: calcEnv });

  test('最大スパン表: its CSV is korvane-calc\'s; a span cell taken calculates to a passing sheet', async () => {
    const { page, downloads, messages } = await openPage();
    await page.click('#span-table');
    await page.waitForSelector('body[data-table="span"]');
    // Headed with the date (the case has no project title), the pages' fixed day.
    const today = await page.evaluate(() => new Date().toLocaleDateString());
    assert.match(today, /2026/);
    assert.equal(await page.$eval('#deck-table-heading', (line) => line.textContent), today);
    await page.click('#deck-table-csv');
    const csv = await waitForDownload(downloads, '.csv');
    assert.equal(path.basename(csv), '最大スパン表.csv');
    assert.deepEqual(fs.readFileSync(csv), calcCsv('--span-table'));

    // The chart: its legend grid has a row for every model of the table, in the table's
    // order; lines are drawn, and the legend reads 「＝MODEL」 where a model's line is another's.
    const legend = await page.$$eval('#span-chart text.legend', (texts) => texts.map((t) => t.textContent));
    const decks = await page.$$eval('#deck-table-grid tbody tr td:first-child', (cells) =>
      cells.map((cell) => cell.textContent.replace(/-\d+$/, '')));
    assert.deepEqual(legend, [...new Set(decks)]);
    assert.ok(await page.$$eval('#span-chart polyline', (lines) => lines.length) >= 3);
    const repeats = await page.$$eval('#span-chart text', (texts) =>
      texts.map((t) => t.textContent).filter((text) => text.startsWith('＝')));
    for (const repeat of repeats) assert.ok(legend.includes(repeat.slice(1)), repeat);

    // The marked row is the case's deck; its cell without shoring is chosen at first.
    const chosen = await page.$eval('#deck-table-grid td.selected', (cell) => ({
      text: cell.textContent, deck: cell.parentElement.cells[0].textContent,
    }));
    assert.match(chosen.text, /^\d+/, `the chosen cell holds no span: ${chosen.text}`);
    await page.focus('#deck-table-grid');
    await page.keyboard.press('Enter');
    await page.waitForSelector('body[data-taken]');
    assert.equal(await page.$eval('#span', (field) => field.value), chosen.text.match(/^\d+/)[0]);
    await calculate(page);
    await page.waitForSelector('body[data-sheet-shown]');
    const texts = (await sheetTexts(page)).map((t) => t.text).join('\n');
    assert.doesNotMatch(texts, /不 可/, 'the taken span does not pass');
    assert.deepEqual(messages, []);
    await page.close();
  });

  test('デッキ比較: its CSV is korvane-calc\'s; a row taken brings its deck into the inputs', async () => {
    const { page, downloads } = await openPage();
    // A project title set in the print settings heads the table with the date.
    await calculate(page);
    await page.click('#print-settings-open');
    await page.click('#project-title', { clickCount: 3 });
    await page.keyboard.type('○○ビル新築工事');
    await page.click('#print-settings-confirm');
    await page.click('#comparison');
    await page.waitForSelector('body[data-table="comparison"]');
    const today = await page.evaluate(() => new Date().toLocaleDateString());
    assert.equal(await page.$eval('#deck-table-heading', (line) => line.textContent),
                 `物件名：○○ビル新築工事　　${today}`);
    await page.click('#deck-table-csv');
    const csv = await waitForDownload(downloads, '.csv');
    assert.equal(path.basename(csv), 'デッキ比較.csv');
    // korvane-calc's for the same case, the title included, as the page saves it.
    const saved = path.join(work, 'compared.fdt');
    await page.click('#save');
    fs.copyFileSync(await waitForDownload(downloads, '.fdt'), saved);
    assert.deepEqual(fs.readFileSync(csv), calcCsv('--compare', saved));
    assert.match(fs.readFileSync(csv, 'utf8'), /○○ビル新築工事/);

    const rows = await page.$$('#deck-table-grid tbody tr');
    const last = rows.length - 1;
    const deck = await page.$eval(`#deck-table-grid tbody tr:nth-child(${last + 1}) td`, (c) => c.textContent);
    await page.click(`#deck-table-grid tbody tr:nth-child(${last + 1}) td`, { clickCount: 2 });
    await page.waitForSelector('body[data-taken]');
    await calculate(page);
    await page.waitForSelector('body[data-sheet-shown]');
    const texts = (await sheetTexts(page)).map((t) => t.text).join('\n');
    assert.ok(texts.includes(deck), `the sheet does not name ${deck}`);
    await page.close();
  });
});

describe('the case link', () => {
  // The page's データ保存 bytes.
  async function savedBytes({ page, downloads, downloadHere }) {
    await downloadHere();
    for (const old of fs.readdirSync(downloads)) fs.rmSync(path.join(downloads, old));
    await page.click('#save');
    return fs.readFileSync(await waitForDownload(downloads, '.fdt'));
  }

  // Makes the link on one page, opens it in a fresh page, and returns both pages' saves.
  async function roundTrip(first) {
    await first.page.click('#case-link');
    const link = await first.page.$eval('#case-link-text', (field) => field.value);
    assert.match(link, /^file:.*korvane\.html#case=[A-Za-z0-9_-]+$/);
    const sent = await savedBytes(first);
    const second = await openPage();
    await second.page.goto(link);
    await second.page.waitForSelector('body[data-opened]');
    const received = await savedBytes(second);
    assert.deepEqual(second.outside, [], 'the link was sent somewhere');
    await second.page.close();
    return { sent, received };
  }

  test('every field the user sets comes back from the link', async () => {
    const first = await openPage();
    const { page } = first;
    await page.click('#family-flat');
    await chooseByText(page, 'model', 'PX75Vα');
    await page.select('#thickness', '2');
    await chooseByText(page, 'coating', '他');
    const type = async (field, text) => {
      await page.click(`#${field}`, { clickCount: 3 });
      await page.keyboard.press('Backspace');
      await page.keyboard.type(text);
      await page.keyboard.press('Tab');
    };
    await type('unitWeight', '157');
    await type('span', '3170');
    await page.click('#shoring input[value="3"]');
    await page.click('#alpha-class input[value="6"]');
    await page.click('#concrete-kind .kind:has(input[value="6"])');
    await type('slabThickness', '185');
    await page.click('#work-other');
    await page.keyboard.type('2900');
    await type('otherLoad', '650');
    await page.click('#calculate');
    assert.deepEqual(first.messages, []);
    await page.click('#print-settings-open');
    await page.click('#project-title', { clickCount: 3 });
    await page.keyboard.type('リンク確認 <&> 物件');
    await page.click('input[name="pageNumberPos"][value="20"]');
    await page.click('#page-text', { clickCount: 3 });
    await page.keyboard.type('－３－');
    await page.click('#print-settings-confirm');

    const { sent, received } = await roundTrip(first);
    assert.deepEqual(received, sent);
    // Every line of the saved case differs from the default case's but the header.
    const lines = (bytes) => bytes.toString('latin1').split('\r\n');
    const defaults = lines(fs.readFileSync(path.join(cases, 'default.fdt')));
    const changed = lines(sent).filter((line, i) => line !== defaults[i]);
    assert.ok(changed.length >= 14, `only ${changed.length} lines were changed: ${changed}`);
    await page.close();
  });

  test('every saved case comes back from its link byte for byte', async () => {
    const first = await openPage();
    for (const name of savedCases) {
      await openCase(first.page, path.join(cases, name));
      const { sent, received } = await roundTrip(first);
      assert.deepEqual(received, sent, name);
    }
    await first.page.close();
  });
});

describe('HELP and 概　　要', () => {
  test('HELP ON shows the first picture, then the page of the band worked in', async () => {
    const { page, outside } = await openPage();
    const picture = () => page.evaluate(() => document.body.dataset.helpPicture);
    await page.click('#help');
    assert.equal(await picture(), 'KR_tag0');
    await page.click('#span');
    assert.equal(await picture(), 'KR_tag2');
    await page.click('#family-flat');
    assert.equal(await picture(), 'KR_tag1');
    await page.click('#family-ridge');
    assert.equal(await picture(), 'KR_tag1_2');
    await page.click('#otherLoad');
    assert.equal(await picture(), 'KR_tag5');
    // The picture is our own SVG, inline, its texts in the page's font.
    assert.ok(await page.$$eval('#help-picture svg text', (texts) => texts.length) > 5);
    await page.click('#help-close');
    await page.click('#slabThickness');
    assert.equal(await picture(), 'KR_tag5', 'a closed help changed its page');
    assert.deepEqual(outside, []);
    await page.close();
  });

  test('概　　要 shows the summary read by the program\'s rich-text reader', async () => {
    const { page, errors } = await openPage();
    await page.click('#summary');
    await page.waitForSelector('body[data-summary-shown]');
    const text = await page.$eval('#summary-text', (view) => view.textContent);
    assert.match(text, /Korvane for Win について/);
    assert.ok(await page.$$eval('#summary-text p', (ps) => ps.length) > 20);
    assert.deepEqual(errors, []);
    await page.close();
  });
});
