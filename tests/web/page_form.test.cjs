// The page's program under node: the default case's sheet is korvane-calc's, a span out
// of range is refused with the window's message and corrected text, and a saved case
// opened and saved again keeps every byte.
// Usage: node page_form.test.cjs KORVANE_MODULE.js KORVANE_CALC CASES_FOLDER
const assert = require('node:assert/strict');
const { execFileSync, spawnSync } = require('node:child_process');
const fs = require('node:fs');
const path = require('node:path');

const [modulePath, calc, cases] = process.argv.slice(2);

(async () => {
  const program = await require(path.resolve(modulePath))();

  const form = new program.PageForm();
  const outcome = JSON.parse(form.calculate());
  assert.equal(outcome.precheck, null);
  const expected = execFileSync(calc, ['--draw-log'], {
    encoding: 'utf8', env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' },
  });
  assert.equal(outcome.drawLog, expected, 'the default sheet differs from korvane-calc');

  form.setText('span', '99999');
  const refused = JSON.parse(form.calculate());
  assert.ok(refused.precheck, 'a span of 99999 mm passed the pre-check');
  assert.equal(refused.precheck.field, 'span');
  const state = JSON.parse(form.state());
  if (refused.precheck.corrected !== null)
    assert.equal(state.texts.span, refused.precheck.corrected);

  let reopened = 0;
  for (const name of fs.readdirSync(cases).filter((n) => n.endsWith('.fdt')).sort()) {
    const bytes = fs.readFileSync(path.join(cases, name));
    const opening = new program.PageForm();
    program.FS.writeFile('/opened.fdt', bytes);
    const opened = JSON.parse(opening.open('/opened.fdt'));
    assert.equal(opened.error, null, name);
    const saved = Buffer.from(opening.saveBytes());
    // (a case the pre-check refuses exits 2 and still prints its line)
    const desktop = JSON.parse(spawnSync(calc, ['--json', path.join(cases, name)], {
      encoding: 'utf8',
    }).stdout.split('\n')[0]);
    // The window's reading of the file, saved: equal to the file where the window shows
    // the file's values unchanged (korvane-calc names a differing reading under "read").
    if (!('read' in desktop)) {
      assert.deepEqual(saved, bytes, `${name}: saved bytes differ from the file`);
      reopened++;
    }
    opening.delete();
  }
  assert.ok(reopened > 0, 'no saved case was compared');

  const tooLarge = new program.PageForm();
  program.FS.writeFile('/large.fdt', new Uint8Array(1024 * 1024 + 1));
  assert.notEqual(JSON.parse(tooLarge.open('/large.fdt')).error, null,
                  'a file over 1 MiB was read');
  console.log(`page form: default sheet, pre-check, ${reopened} cases saved byte for byte`);
})().catch((error) => { console.error(error); process.exit(1); });
