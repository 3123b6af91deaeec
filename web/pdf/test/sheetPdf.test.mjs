// The browser edition's archival PDF held to the desktop's: for saved cases, the page written
// from korvane-calc's drawing steps reads (poppler) as korvane-calc --pdf of the same file
// reads: the same text in the same places, the same picture, fonts embedded, the PDF/A-1b
// claim and the document title.
//
// Environment: KORVANE_CALC (korvane-calc), KORVANE_SHEET_FONT (the sheet font, .ttf),
// KORVANE_CASES (folder of saved cases), KORVANE_PDF_BUNDLE (the page's script of the
// writer). ctest sets them all.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

import { documentTitle, writeSheetPdf, DEFAULT_DOCUMENT_TITLE } from '../sheetPdf.js';

const repo = resolve(fileURLToPath(import.meta.url), '../../../..');
const calc = process.env.KORVANE_CALC ?? join(repo, 'build/cli/korvane-calc');
const fontPath = process.env.KORVANE_SHEET_FONT ?? join(repo, 'build/web-fonts/korvane-sheet-gothic.ttf');
const casesDir = process.env.KORVANE_CASES ?? join(repo, 'tests/golden/cases');
const bundlePath = process.env.KORVANE_PDF_BUNDLE ?? join(repo, 'build/web-pdf/korvane-pdf.js');
const iccPath = '/usr/share/color/icc/sRGB.icc';
const DATE_TEXT = '2026/01/01';
const DATE = new Date('2026-01-01T00:00:00Z');

const work = mkdtempSync(join(tmpdir(), 'korvane-pdf-'));
process.on('exit', () => rmSync(work, { recursive: true, force: true }));
const fontBytes = readFileSync(fontPath);
const iccBytes = readFileSync(iccPath);

const run = (cmd, args, options = {}) => execFileSync(cmd, args, { encoding: 'utf8', maxBuffer: 64 << 20, ...options });

// korvane-calc's case line and printer drawing steps for a file; null when it refuses it.
function calculate(file) {
  const out = spawnSync(calc, ['--json', '--draw-log', '--target', 'printer', '--date', DATE_TEXT, file], {
    encoding: 'utf8',
    maxBuffer: 64 << 20,
  });
  if (out.status === 2) return null;
  assert.equal(out.status, 0, `korvane-calc failed on ${file}: ${out.stderr}`);
  const lines = out.stdout.split('\n').filter(Boolean).map((l) => JSON.parse(l));
  const record = lines.find((l) => l.record)?.record;
  assert.ok(record, `no case line for ${file}`);
  return { title: record.projectTitle, steps: lines.filter((l) => l.op) };
}

function desktopPdf(file, out) {
  run(calc, ['--pdf', out, '--date', DATE_TEXT, file], { stdio: ['ignore', 'ignore', 'ignore'] });
  return out;
}

async function webPdf(calculated, out) {
  writeFileSync(out, await writeSheetPdf({ ...calculated, fontBytes, iccBytes, date: DATE }));
  return out;
}

function info(pdf) {
  const fields = {};
  for (const line of run('pdfinfo', ['-enc', 'UTF-8', pdf]).split('\n')) {
    const m = /^([^:]+):\s*(.*)$/.exec(line);
    if (m) fields[m[1]] = m[2];
  }
  return fields;
}

// The document title as pdfinfo prints it, without its trailing line break.
const infoTitle = (pdf) => /^Title:\s*(.*)$/m.exec(run('pdfinfo', ['-enc', 'UTF-8', pdf]))?.[1];

// The metadata as an XML parser reads it: well-formed, with its title and PDF/A claim.
function parsedMetadata(pdf) {
  const xmp = execFileSync('pdfinfo', ['-meta', pdf]);
  const parser = `
import sys, xml.dom.minidom as m
doc = m.parseString(sys.stdin.buffer.read())
def text(tag):
    nodes = doc.getElementsByTagName(tag)
    return "".join(c.data for n in nodes for c in n.childNodes if c.nodeType == c.TEXT_NODE) if nodes else None
import json
print(json.dumps({"title": text("rdf:li"), "part": text("pdfaid:part"), "conformance": text("pdfaid:conformance")}))
`;
  const out = spawnSync('/usr/bin/python3', ['-c', parser], { input: xmp, encoding: 'utf8' });
  assert.equal(out.status, 0, `metadata is not well-formed XML:\n${xmp}\n${out.stderr}`);
  return JSON.parse(out.stdout);
}

function fonts(pdf) {
  const rows = run('pdffonts', [pdf]).split('\n').slice(2).filter(Boolean);
  return rows.map((row) => {
    const cols = row.trim().split(/\s+/);
    const [emb, sub, uni] = cols.slice(-5, -2);
    return { name: cols[0], emb, sub, uni };
  });
}

function words(pdf) {
  const html = run('pdftotext', ['-bbox', pdf, '-']);
  return [...html.matchAll(/<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(.*?)<\/word>/g)].map(
    (m) => ({ box: m.slice(1, 5).map(Number), text: m[5] }),
  );
}

// Grey pixels of the page at `dpi` (binary PGM from pdftoppm).
function greyPixels(pdf, dpi) {
  const pgm = execFileSync('pdftoppm', ['-gray', '-r', String(dpi), pdf], { maxBuffer: 64 << 20 });
  const header = /^P5\s+(\d+)\s+(\d+)\s+(\d+)\s/.exec(pgm.toString('latin1', 0, 40));
  return { width: +header[1], height: +header[2], data: pgm.subarray(header[0].length) };
}

const cases = readdirSync(casesDir)
  .filter((f) => f.endsWith('.fdt'))
  .sort()
  .map((f) => ({ name: f, file: join(casesDir, f) }));

test('saved cases: the browser PDF reads as the desktop PDF', async (t) => {
  let compared = 0;
  for (const { name, file } of cases) {
    const calculated = calculate(file);
    if (!calculated) continue; // refused by the pre-check: neither program writes a page
    await t.test(name, async () => {
      const desk = desktopPdf(file, join(work, `${name}.desk.pdf`));
      const web = await webPdf(calculated, join(work, `${name}.web.pdf`));

      // Text in drawing order, character for character.
      assert.equal(run('pdftotext', ['-raw', web, '-']), run('pdftotext', ['-raw', desk, '-']));

      // Every word in the same place: the desktop places glyphs to 1/64 pixel of 600 dpi,
      // so boxes agree to well within a tenth of a point (0.035 mm).
      const dw = words(desk);
      const ww = words(web);
      assert.deepEqual(ww.map((w) => w.text), dw.map((w) => w.text));
      ww.forEach((w, i) =>
        w.box.forEach((v, k) =>
          assert.ok(Math.abs(v - dw[i].box[k]) < 0.1, `${w.text}: ${w.box} against ${dw[i].box}`),
        ),
      );

      // The same picture: rules, frames and glyphs. At 100 dpi a pixel is 0.25 mm; the few
      // pixels that differ are anti-aliased glyph edges a fraction of a pixel apart.
      const dp = greyPixels(desk, 100);
      const wp = greyPixels(web, 100);
      assert.deepEqual([wp.width, wp.height], [dp.width, dp.height]);
      let far = 0;
      for (let i = 0; i < dp.data.length; i++) if (Math.abs(dp.data[i] - wp.data[i]) > 128) far++;
      assert.ok(far / dp.data.length < 0.001, `${far} pixels differ by more than half the grey range`);

      const wi = info(web);
      const di = info(desk);
      assert.equal(wi.Title, di.Title);
      assert.equal(wi.Pages, '1');
      assert.equal(wi['Page size'], di['Page size']);
      assert.equal(wi['PDF version'], '1.4');

      const meta = parsedMetadata(web);
      assert.deepEqual(meta, { title: di.Title, part: '1', conformance: 'B' });

      const fs = fonts(web);
      assert.ok(fs.length > 0);
      for (const f of fs) assert.deepEqual([f.emb, f.sub, f.uni], ['yes', 'yes', 'yes'], f.name);
    });
    compared++;
  }
  assert.ok(compared > 0, `no saved case in ${casesDir} was calculated`);
});

// The default case's file with another project title (code page 932 bytes).
function caseWithTitle(titleBytes, name) {
  const lines = readFileSync(join(casesDir, 'default.fdt')).toString('latin1').split('\r\n');
  lines[13] = Buffer.from(titleBytes).toString('latin1');
  const file = join(work, name);
  writeFileSync(file, Buffer.from(lines.join('\r\n'), 'latin1'));
  return file;
}

const sjis = (...parts) => Buffer.concat(parts.map((p) => (typeof p === 'string' ? Buffer.from(p, 'latin1') : Buffer.from(p))));
const GENBA = [0x8c, 0xbb, 0x8f, 0xea]; // 現場
const IDEOGRAPHIC_SPACE = [0x81, 0x40];
const PLACEHOLDER = [0x8c, 0x8f, 0x96, 0xbc, 0x82, 0xf0, 0x93, 0xfc, 0x97, 0xcd]; // 件名を入力

test('document title: the project title or the default, and always well-formed metadata', async (t) => {
  const rows = [
    // [case, title bytes, document title]
    ['own title', sjis(GENBA, ' A-1'), '現場 A-1'],
    ['trimmed', sjis('  ', GENBA, IDEOGRAPHIC_SPACE), '現場'],
    ['placeholder', sjis(PLACEHOLDER), DEFAULT_DOCUMENT_TITLE],
    ['blank', sjis(IDEOGRAPHIC_SPACE, '  '), DEFAULT_DOCUMENT_TITLE],
    ['empty', sjis(''), DEFAULT_DOCUMENT_TITLE],
    ['XML specials', sjis('A&B <c> "q" \'s\' ]]> --'), 'A&B <c> "q" \'s\' ]]> --'],
    // Control characters cannot stand in XML; they are left out of the title.
    ['control characters', sjis('A\x01B\x1f\x7fC\tD'), 'AB\x7fC\tD'],
    ['only control characters', sjis('\x01\x02'), DEFAULT_DOCUMENT_TITLE],
  ];
  for (const [name, bytes, expected] of rows) {
    await t.test(name, async () => {
      const file = caseWithTitle(bytes, `${name.replace(/\W/g, '_')}.fdt`);
      const calculated = calculate(file);
      assert.equal(documentTitle(calculated.title), expected);
      const web = await webPdf(calculated, join(work, `${name.replace(/\W/g, '_')}.pdf`));
      assert.equal(infoTitle(web), expected);
      assert.equal(parsedMetadata(web).title, expected);
      assert.equal(infoTitle(desktopPdf(file, join(work, 'title.desk.pdf'))), expected);
    });
  }
});

test('the same sheet, title and date give the same bytes', async () => {
  const calculated = calculate(join(casesDir, 'default.fdt'));
  const a = await writeSheetPdf({ ...calculated, fontBytes, iccBytes, date: DATE });
  const b = await writeSheetPdf({ ...calculated, fontBytes, iccBytes, date: DATE });
  assert.deepEqual(Buffer.from(a), Buffer.from(b));
});

test("the page's bundled script writes the same file as the module", async () => {
  // Loaded as a classic script is: one global, nothing imported.
  const KorvanePdf = new Function(`${readFileSync(bundlePath, 'utf8')}\nreturn KorvanePdf;`)();
  const calculated = calculate(join(casesDir, 'default.fdt'));
  const fromBundle = await KorvanePdf.writeSheetPdf({ ...calculated, fontBytes, iccBytes, date: DATE });
  const fromModule = await writeSheetPdf({ ...calculated, fontBytes, iccBytes, date: DATE });
  assert.deepEqual(Buffer.from(fromBundle), Buffer.from(fromModule));
  assert.equal(KorvanePdf.documentTitle(''), DEFAULT_DOCUMENT_TITLE);
});

test('drawing steps that are not whole numbers or known operations are refused', async () => {
  const bad = [
    [{ op: 'text', x: 1.5, y: 0, size: 10, color: '#000000', text: 'a' }, /x is not a whole number/],
    [{ op: 'line', x: 0, y: 0, x2: '9', y2: 0, width: 1, color: '#000000' }, /x2 is not a whole number/],
    [{ op: 'ellipse', x: 0, y: 0, color: '#000000' }, /unknown drawing step/],
    [{ op: 'rect', x: 0, y: 0, x2: 1, y2: 1, width: 1, color: 'red' }, /not a colour/],
  ];
  for (const [step, message] of bad)
    await assert.rejects(writeSheetPdf({ steps: [step], title: '', fontBytes, iccBytes, date: DATE }), message);
});
