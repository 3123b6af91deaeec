// The page: a thin view over the program's input form (PageForm). Every list, enabled
// state, hint, bound, message and corrected text comes from the form; this script copies
// them into the controls and passes the user's actions on.
(async () => {
  performance.mark('korvane-script');
  const program = await KorvaneModule();
  performance.mark('korvane-program');
  const form = new program.PageForm();
  const captions = JSON.parse(program.captions());
  const $ = (id) => document.getElementById(id);
  const fields = ['unitWeight', 'span', 'slabThickness', 'workLoad', 'otherLoad'];
  const svgNs = 'http://www.w3.org/2000/svg';

  // ---- Building the controls the form names ----

  // Options of one choice, placed at the desktop's positions within their group.
  function optionGroup(groupId, name, caption, options, boxes, choose, hintOf) {
    const group = $(groupId);
    group.querySelector('.caption').textContent = caption;
    options.forEach((option, i) => {
      const [left, top, width] = boxes[i];
      const label = document.createElement('label');
      label.className = 'option';
      label.style.cssText = `left:${left}px;top:${top}px;width:${width}px`;
      label.dataset.hint = hintOf(i);
      const input = document.createElement('input');
      input.type = 'radio';
      input.name = name;
      input.value = String(option.code);
      input.addEventListener('change', () => { choose(option.code); show(); });
      label.append(input, option.caption);
      group.append(label);
    });
  }
  optionGroup('shoring', 'shoring', captions.shoringGroup, captions.shoringOptions,
              [[12, 22, 72], [96, 22, 88], [190, 22, 88]], (code) => form.chooseShoring(code),
              (i) => ['shoringNone', 'shoringOneRow', 'shoringTwoRows'][i]);
  optionGroup('alpha-class', 'alphaClass', captions.alphaClassGroup, captions.alphaClassOptions,
              [[12, 22, 70], [96, 22, 96], [200, 22, 104], [312, 22, 100]],
              (code) => form.chooseAlphaClass(code), (i) => (i === 0 ? 'steelBeam' : 'rcBeam'));

  // The concrete kinds: buttons of one choice, as the desktop's.
  const kindGroup = $('concrete-kind');
  kindGroup.querySelector('.caption').textContent = captions.concreteKindGroup;
  captions.concreteKinds.forEach((kind, i) => {
    const label = document.createElement('label');
    label.className = 'kind';
    label.style.left = `${8 + 80 * i}px`;
    label.dataset.hint = 'concreteKind';
    const input = document.createElement('input');
    input.type = 'radio';
    input.name = 'concreteKind';
    input.value = String(kind.code);
    input.addEventListener('change', () => { form.chooseConcreteKind(kind.code); show(); });
    label.append(input, kind.caption);
    kindGroup.append(label);
  });

  $('work-load-caption').textContent = captions.workLoadGroup;
  $('work-standard-caption').textContent = captions.standardWorkLoadOption;
  $('work-other-caption').textContent = captions.otherWorkLoadOption;
  $('other-load-caption').textContent = captions.otherLoadGroup;
  $('slab-caption').textContent = captions.slabThicknessGroup;
  $('coating-label').textContent = captions.coatingLabel;
  $('unit-weight-label').textContent = captions.unitWeightLabel;
  for (const unit of document.querySelectorAll('.load-unit')) unit.textContent = captions.loadUnit;
  for (const unit of document.querySelectorAll('.length-unit')) unit.textContent = captions.lengthUnit;

  // The arrows beside a field: not reached by Tab; Up and Down in the field step alike.
  for (const arrows of document.querySelectorAll('.arrows')) {
    const field = arrows.dataset.field;
    if (!captions.fieldBounds[field]) continue;
    for (const [mark, direction] of [['▲', 1], ['▼', -1]]) {
      const button = document.createElement('button');
      button.type = 'button';
      button.tabIndex = -1;
      button.textContent = mark;
      button.setAttribute('aria-label', `${$(field).getAttribute('aria-label') ?? field} ${direction > 0 ? '増' : '減'}`);
      button.addEventListener('mousedown', (e) => e.preventDefault()); // the field keeps the focus
      button.addEventListener('click', () => { form.stepArrows(field, direction); show(); });
      arrows.append(button);
    }
    $(field).addEventListener('keydown', (e) => {
      if (e.altKey || e.ctrlKey || e.metaKey || e.shiftKey) return;
      const direction = { ArrowUp: 1, ArrowDown: -1 }[e.key];
      if (!direction) return;
      e.preventDefault();
      form.stepArrows(field, direction);
      show();
    });
  }

  // ---- Hints: the hint line follows the mouse; short hints as tool tips ----
  const hints = { ...captions.hints, title: { line: captions.titleHint, tip: captions.titleHint } };
  function applyHints() {
    for (const control of document.querySelectorAll('[data-hint]')) {
      const hint = hints[control.dataset.hint];
      if (hint?.tip) control.title = hint.tip;
    }
  }
  $('hint-line').textContent = captions.legalLine;
  $('main-window').addEventListener('mouseover', (e) => {
    const control = e.target.closest('[data-hint]');
    const hint = control && hints[control.dataset.hint];
    if (hint) $('hint-line').textContent = hint.line;
  });

  // ---- The form's state into the controls ----
  function fill(select, items, position) {
    const same = select.options.length === items.length &&
      items.every((item, i) => select.options[i].text === item);
    if (!same) select.replaceChildren(...items.map((item, i) => new Option(item, String(i))));
    select.selectedIndex = position;
  }
  function check(name, value) {
    for (const input of document.getElementsByName(name)) input.checked = input.value === String(value);
  }
  function show() {
    const state = JSON.parse(form.state());
    $('family-flat').checked = !state.ridgeFamily;
    $('family-ridge').checked = state.ridgeFamily;
    fill($('model'), state.modelItems, state.modelPosition);
    fill($('thickness'), state.thicknessItems, state.thicknessPosition);
    fill($('coating'), state.coatingItems, state.coatingPosition);
    check('shoring', state.shoringCode);
    check('alphaClass', state.alphaClass);
    check('concreteKind', state.concreteKind);
    $('work-standard').checked = !state.otherWorkLoad;
    $('work-other').checked = state.otherWorkLoad;
    for (const field of fields) {
      const text = field === 'workLoad' ? state.texts[field].trimEnd() : state.texts[field];
      if ($(field).value !== text) $(field).value = text;
    }
    $('workLoad').disabled = !state.workLoadEnabled;
    $('unitWeight').readOnly = !state.unitWeightEditable;
    hints.unitWeight = { line: state.unitWeightHint, tip: state.unitWeightHint };
    $('unitWeight').title = state.unitWeightHint;
    hints.span = { ...hints.span, line: state.spanHint };
    $('allowable-stress').hidden = !state.allowableStressShown;
    return state;
  }

  // A field the form gives the focus to, its text selected so that typing replaces it.
  function focusField(name) {
    const field = $(name);
    field.focus();
    field.select();
  }

  // A reaction of the form: its message first, then the focus.
  function react(json) {
    const reaction = JSON.parse(json);
    show();
    if (reaction.message) alert(reaction.message);
    if (reaction.focus) focusField(reaction.focus);
  }

  $('family-flat').addEventListener('change', () => react(form.chooseFamily(false)));
  $('family-ridge').addEventListener('change', () => react(form.chooseFamily(true)));
  $('model').addEventListener('change', (e) => react(form.chooseModel(e.target.selectedIndex)));
  $('thickness').addEventListener('change', (e) => react(form.chooseThickness(e.target.selectedIndex)));
  $('coating').addEventListener('change', (e) => react(form.chooseCoating(e.target.selectedIndex)));
  $('work-standard').addEventListener('change', () => react(form.chooseOtherWorkLoad(false)));
  $('work-other').addEventListener('change', () => react(form.chooseOtherWorkLoad(true)));
  for (const field of fields) {
    const input = $(field);
    // Characters the form does not take for this field are not typed in.
    input.addEventListener('beforeinput', (e) => {
      if (!e.data || !e.inputType.startsWith('insert')) return;
      for (const character of e.data) {
        if (!program.PageForm.acceptsTyped(field, character.codePointAt(0))) {
          e.preventDefault();
          return;
        }
      }
    });
    input.addEventListener('input', () => form.setText(field, input.value));
    input.addEventListener('change', () => react(form.leaveField(field)));
  }

  // ---- The sheet ----
  // The sheet font's ascent over its em: the distance from a text cell's top to its baseline.
  const fontAscent = 1802 / 2048;
  const pixelSize = (points, dpi) => Math.floor((points * dpi * 2 + 72) / 144);

  // The drawing steps (JSON lines) as SVG elements, texts as <text> with their cell tops
  // where the desktop's stand, at `dpi` for the font size.
  function sheetElements(drawLog, dpi) {
    const items = [];
    for (const line of drawLog.split('\n')) {
      if (!line) continue;
      const step = JSON.parse(line);
      let element;
      if (step.op === 'text') {
        const size = pixelSize(step.size, dpi);
        element = document.createElementNS(svgNs, 'text');
        element.setAttribute('x', step.x);
        element.setAttribute('y', step.y + Math.round(size * fontAscent));
        element.setAttribute('font-size', size);
        element.setAttribute('fill', step.color);
        element.setAttribute('xml:space', 'preserve');
        element.textContent = step.text;
      } else if (step.op === 'line') {
        element = document.createElementNS(svgNs, 'line');
        const offset = step.width % 2 === 1 || step.width === 0 ? 0.5 : 0;
        for (const [a, b] of [['x1', 'x'], ['y1', 'y'], ['x2', 'x2'], ['y2', 'y2']])
          element.setAttribute(a, step[b] + offset);
        element.setAttribute('stroke', step.color);
        element.setAttribute('stroke-width', Math.max(step.width, 1));
      } else if (step.op === 'rect' || step.op === 'fillrect') {
        element = document.createElementNS(svgNs, 'rect');
        const filled = step.op === 'fillrect';
        element.setAttribute('x', filled ? step.x : step.x + 0.5);
        element.setAttribute('y', filled ? step.y : step.y + 0.5);
        // The outline runs through the pixels x..x2 and y..y2, as the desktop draws it; a
        // filled rectangle covers x..x2-1 and y..y2-1.
        element.setAttribute('width', step.x2 - step.x);
        element.setAttribute('height', step.y2 - step.y);
        element.setAttribute('fill', filled ? step.color : 'none');
        if (!filled) element.setAttribute('stroke', step.color);
      }
      if (element) items.push(element);
    }
    return items;
  }

  function drawSheet(drawLog) {
    const svg = $('sheet');
    const background = document.createElementNS(svgNs, 'rect');
    background.setAttribute('width', '570');
    background.setAttribute('height', '670');
    background.setAttribute('fill', '#000080');
    // The result picture's black border round its upper 650 pixels, as the desktop's.
    const border = document.createElementNS(svgNs, 'rect');
    for (const [name, value] of [['x', 0.5], ['y', 0.5], ['width', 569], ['height', 649],
                                 ['fill', 'none'], ['stroke', '#000000']])
      border.setAttribute(name, value);
    svg.replaceChildren(background, border, ...sheetElements(drawLog, 88));
    $('result').hidden = false;
  }

  $('calculate').addEventListener('click', () => {
    const outcome = JSON.parse(form.calculate());
    show();
    if (outcome.precheck) {
      alert(outcome.precheck.message);
      focusField(outcome.precheck.field);
      return;
    }
    drawSheet(outcome.drawLog);
    document.body.dataset.sheetShown = String(performance.now());
  });
  $('result-close').addEventListener('click', () => { $('result').hidden = true; });

  // ---- 印刷 ----
  const bytesOf = (base64) => Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
  // The PDF writer (pdf-lib with fontkit), its font and sRGB profile, read at the first use.
  let pageData = null;
  const data = () => (pageData ??= JSON.parse($('page-data').textContent));
  let pdfWriter = null;
  function loadPdfWriter() {
    if (!pdfWriter) {
      // The writer's bundle defines the global KorvanePdf.
      const script = document.createElement('script');
      script.textContent = $('pdf-writer').textContent;
      document.head.append(script);
      pdfWriter = { write: KorvanePdf.writeSheetPdf, documentTitle: KorvanePdf.documentTitle,
                    fontBytes: bytesOf(data().fontTtf), iccBytes: bytesOf(data().srgbProfile) };
    }
    return pdfWriter;
  }
  // The date in the printed page's footer, in the user's short form as the desktop's.
  const todayText = () => new Date().toLocaleDateString();

  function download(bytes, name, type) {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([bytes], { type }));
    link.download = name;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
  }

  function printedPage() {
    const dateText = todayText();
    const page = JSON.parse(form.printPage(dateText));
    document.body.dataset.printDate = dateText;
    return page;
  }

  // The printed page as a PDF/A file, offered as a download named after the case's title.
  $('print-pdf').addEventListener('click', async () => {
    const page = printedPage();
    const steps = page.drawLog.split('\n').filter((line) => line).map((line) => JSON.parse(line));
    const writer = loadPdfWriter();
    const bytes = await writer.write({ steps, title: page.projectTitle, fontBytes: writer.fontBytes,
                                       iccBytes: writer.iccBytes });
    download(bytes, `${writer.documentTitle(page.projectTitle)}.pdf`, 'application/pdf');
    document.body.dataset.pdfWritten = String(bytes.length);
  });

  // Paper: the printed page drawn for the browser's print dialog (A4, no margins).
  $('print-paper').addEventListener('click', () => {
    const page = printedPage();
    const width = 4958;
    const height = 7016;
    const svg = document.createElementNS(svgNs, 'svg');
    svg.setAttribute('viewBox', `0 0 ${width} ${height}`);
    svg.replaceChildren(...sheetElements(page.drawLog, 600));
    $('printed-page').replaceChildren(svg);
    window.print();
  });

  // 印刷用設定: title, page-number position and page text, committed through the form.
  const positionCaptions = ['無し', '上-左', '上-中', '上-右', '下-左', '下-中', '下-右'];
  const positionBox = $('page-number-options');
  captions.pageNumberPositions.forEach((code, i) => {
    const label = document.createElement('label');
    label.className = 'option';
    label.title = i === 0 ? 'ページ番号の記述無し' : 'ページ番号位置';
    if (i === 0) {
      label.style.cssText = 'left:10px;top:27px;width:60px';
    } else {
      const cell = i - 1;
      const left = 89 + (cell % 3) * 69;
      const top = cell < 3 ? 16 : 37;
      const frame = document.createElement('div');
      frame.className = 'page-cell';
      frame.style.cssText = `left:${left}px;top:${top}px`;
      positionBox.append(frame);
      label.style.cssText = `left:${left + 6}px;top:${top + 1}px;width:63px`;
    }
    const input = document.createElement('input');
    input.type = 'radio';
    input.name = 'pageNumberPos';
    input.value = String(code);
    input.addEventListener('change', () => { $('page-text').disabled = code === 0; });
    label.append(input, positionCaptions[i]);
    positionBox.append(label);
  });
  positionBox.style.cssText = 'left:0;top:0;width:100%;height:100%';

  $('print-settings-open').addEventListener('click', () => {
    const print = show().print;
    $('project-title').value = print.projectTitle;
    $('page-text').value = print.pageText;
    check('pageNumberPos', print.pageNumberPos);
    $('page-text').disabled = print.pageNumberPos === 0;
    $('print-settings').showModal();
    $('project-title').focus();
  });
  $('project-title').addEventListener('click', (e) => {
    if (e.target.value === captions.titlePlaceholder) e.target.value = '';
  });
  $('print-settings').addEventListener('close', () => {
    if ($('print-settings').returnValue !== 'confirm') return;
    const chosen = document.querySelector('input[name="pageNumberPos"]:checked');
    form.setPrintSettings($('project-title').value, $('page-text').value, Number(chosen?.value ?? 0));
  });

  // ---- Files ----
  // A chosen, dropped or linked data file is read by the program's own reader from the
  // program's file system, in a folder of its own and under the name the user knows it by,
  // so that the reader's messages name it as the desktop's name the file.
  program.FS.mkdir('/opening');
  program.FS.chdir('/opening');
  // The name a file is read under: its own, unless no file could be named so.
  const readingName = (name) => (/^\.{0,2}$/.test(name) || name.includes('/') ? 'data.fdt' : name);

  // Reads the file `put` places under `name` and shows it, as the open command does: its
  // notices, then the one message of what it did not give; or the reader's error, the form
  // left as it was.
  function openThrough(name, put) {
    put(name);
    let opened;
    try {
      opened = JSON.parse(form.open(name));
    } finally {
      const { mode } = program.FS.stat(name);
      if (program.FS.isDir(mode)) program.FS.rmdir(name); else program.FS.unlink(name);
    }
    show();
    if (opened.error) { alert(opened.error); return; }
    for (const notice of opened.notices) alert(notice);
    if (opened.warning) alert(opened.warning);
    // The coating 他 asks for the user's unit weight.
    if (!$('unitWeight').readOnly) $('unitWeight').focus();
    document.body.dataset.opened = name;
  }
  const openBytes = (bytes, name) =>
    openThrough(readingName(name), (path) => program.FS.writeFile(path, bytes));
  // A file of the user's: a folder is handed to the reader as a folder, which it refuses; of
  // a file larger than the reader's limit only one byte past it is read, enough for the
  // reader to refuse it, so that a huge file costs neither the time nor the memory to read.
  // A file the browser cannot read (gone since it was chosen) gets the reader's message.
  async function openFile(file, isFolder = false) {
    const name = readingName(file.name);
    if (isFolder) {
      openThrough(name, (path) => program.FS.mkdir(path));
      return;
    }
    const cap = program.dataFileByteCap;
    let bytes;
    try {
      // A slice of a file whose size reads 0 reads nothing, not even that the file is gone.
      const part = file.size > cap ? file.slice(0, cap + 1) : file;
      bytes = new Uint8Array(await part.arrayBuffer());
    } catch (error) {
      alert(program.unreadableFileMessage(name, error.message));
      return;
    }
    openBytes(bytes, name);
  }
  $('open').addEventListener('click', () => $('open-file').click());
  $('open-file').addEventListener('change', async (e) => {
    if (e.target.files.length) await openFile(e.target.files[0]);
    e.target.value = '';
  });
  // One file dropped anywhere on the page opens it; a drop of anything else (text onto a
  // field, several files) is not taken.
  document.addEventListener('dragover', (e) => e.preventDefault());
  document.addEventListener('drop', (e) => {
    e.preventDefault();
    if (e.dataTransfer.files.length !== 1) return;
    const entry = e.dataTransfer.items[0]?.webkitGetAsEntry?.();
    openFile(e.dataTransfer.files[0], entry?.isDirectory ?? false);
  });

  // ---- The deck-choice tables ----
  // The table shown: which, its rows' count and columns, the cell chosen.
  let table = null;
  function showTable(kind, content) {
    table = { kind, rows: content.rows.length, columns: content.rows[0]?.length ?? 0,
              row: Math.max(content.marked, 0), column: kind === 'span' ? 2 : 0 };
    $('deck-table-title').textContent = content.title;
    $('deck-table-heading').textContent = content.heading;
    $('deck-table-conditions').textContent = content.conditions.join('\n');
    $('deck-table-note').textContent = content.note;
    const grid = $('deck-table-grid');
    const headings = kind === 'span' ? [content.headings] :
      [content.headings.map((h) => h[0]), content.headings.map((h) => h[1])];
    grid.tHead.replaceChildren(...headings.map((line) => {
      const tr = document.createElement('tr');
      for (const text of line) {
        const th = document.createElement('th');
        th.textContent = text;
        tr.append(th);
      }
      return tr;
    }));
    grid.tBodies[0].replaceChildren(...content.rows.map((cells, r) => {
      const tr = document.createElement('tr');
      if (r === content.marked) tr.className = 'marked';
      cells.forEach((cell, c) => {
        const td = document.createElement('td');
        td.textContent = typeof cell === 'string' ? cell : cell.text;
        if (cell.failing) td.classList.add('failing');
        td.addEventListener('click', () => selectCell(r, c));
        td.addEventListener('dblclick', () => { selectCell(r, c); takeFromTable(); });
        tr.append(td);
      });
      return tr;
    }));
    $('span-chart').toggleAttribute('hidden', kind !== 'span'); // an SVG element has no .hidden
    if (kind === 'span') drawSpanChart(content.chart);
    $('deck-table').hidden = false;
    selectCell(table.row, table.column);
    grid.focus();
    document.body.dataset.table = kind;
  }
  // The span table's chart as the desktop draws it: the largest span against the plate
  // thickness, a line per model (its colour) and shoring option (its pen, the widest drawn
  // first so that narrower ones lie on top), each model's hollow marker at its points, and
  // below the plot the legend grid: a row per model (its marker and name), a column per
  // shoring option, each cell a piece of that line or 「＝MODEL」 where the line is an
  // earlier model's.
  const modelColours = ['#000080', '#cc0044', '#008000', '#e67800', '#8000a0', '#008c96'];
  const shoringWidths = [1.5, 3, 5];
  const shoringDashes = [(w) => '', (w) => `${4 * w} ${2 * w}`, (w) => `${w} ${2 * w}`];
  const markerSizes = [10, 9, 16, 14, 17, 12];
  // Circle, square, triangle, diamond, star, pentagon: corners (0 for the circle and square)
  // and the inner radius of a star's points.
  const markerShapes = [null, 'square', [3, 0], [4, 0], [5, 0.45], [5, 0]];
  function markerElement(model, cx, cy, scale = 1) {
    const colour = modelColours[model % modelColours.length];
    const size = markerSizes[model % markerSizes.length] * scale;
    const shape = markerShapes[model % markerShapes.length];
    const r = size / 2;
    const style = { fill: 'none', stroke: colour, 'stroke-width': 1.5 * scale };
    const element = (name, attributes) => {
      const made = document.createElementNS(svgNs, name);
      for (const [key, value] of Object.entries({ ...attributes, ...style })) made.setAttribute(key, value);
      return made;
    };
    if (shape === null) return element('circle', { cx, cy, r });
    if (shape === 'square') return element('rect', { x: cx - r, y: cy - r, width: size, height: size });
    const [corners, inner] = shape;
    const count = inner > 0 ? corners * 2 : corners;
    const points = [];
    for (let i = 0; i < count; i++) {
      const radius = inner > 0 && i % 2 === 1 ? r * inner : r;
      const angle = (2 * Math.PI * i) / count;
      points.push(`${cx + radius * Math.sin(angle)},${cy - radius * Math.cos(angle)}`);
    }
    return element('polygon', { points: points.join(' ') });
  }
  function drawSpanChart(chart) {
    const svg = $('span-chart');
    const plot = { left: 60, top: 10, width: 540, height: 260 };
    const rowHeight = 18;
    const legendTop = plot.top + plot.height + 40;
    const width = 628;
    const height = legendTop + (chart.models.length + 1) * rowHeight + 10;
    svg.setAttribute('width', width);
    svg.setAttribute('height', height);
    svg.setAttribute('viewBox', `0 0 ${width} ${height}`);
    const x = (thickness) => plot.left + ((thickness - 0.6) / (1.7 - 0.6)) * plot.width;
    const y = (span) => plot.top + plot.height - ((span - 1000) / (6000 - 1000)) * plot.height;
    const items = [];
    const add = (name, attributes, text) => {
      const element = document.createElementNS(svgNs, name);
      for (const [key, value] of Object.entries(attributes)) element.setAttribute(key, value);
      if (text !== undefined) element.textContent = text;
      items.push(element);
      return element;
    };
    for (let i = 0; i <= 11; i++) {
      const thickness = 0.6 + i * 0.1;
      add('line', { x1: x(thickness), x2: x(thickness), y1: plot.top, y2: plot.top + plot.height, stroke: '#dde1e6' });
      add('text', { x: x(thickness), y: plot.top + plot.height + 14, 'text-anchor': 'middle' }, thickness.toFixed(1));
    }
    for (let span = 1000; span <= 6000; span += 500) {
      add('line', { x1: plot.left, x2: plot.left + plot.width, y1: y(span), y2: y(span), stroke: '#dde1e6' });
      add('text', { x: plot.left - 4, y: y(span) + 4, 'text-anchor': 'end' }, String(span));
    }
    add('rect', { x: plot.left, y: plot.top, width: plot.width, height: plot.height, fill: 'none', stroke: '#808080' });
    add('text', { x: plot.left + plot.width / 2, y: plot.top + plot.height + 30, 'text-anchor': 'middle', 'font-weight': 'bold' }, '板厚 (mm)');
    add('text', { x: 14, y: plot.top + plot.height / 2, 'text-anchor': 'middle', 'font-weight': 'bold',
                  transform: `rotate(-90 14 ${plot.top + plot.height / 2})` }, '最大スパン (mm)');
    const pen = (model, shoring) => ({
      stroke: modelColours[model % modelColours.length], 'stroke-width': shoringWidths[shoring],
      'stroke-dasharray': shoringDashes[shoring](shoringWidths[shoring]), fill: 'none',
    });
    for (let shoring = shoringWidths.length - 1; shoring >= 0; shoring--) {
      for (const line of chart.lines.filter((l) => l.shoring === shoring)) {
        for (const segment of line.segments) {
          add('polyline', { points: segment.map(([t, s]) => `${x(t)},${y(s)}`).join(' '),
                            ...pen(line.model, shoring), 'data-line': line.name });
        }
      }
    }
    chart.modelPoints.forEach((points, model) => {
      for (const [t, s] of points) items.push(markerElement(model, x(t), y(s)));
    });

    const nameWidth = 200;
    const cellWidth = (width - 20 - nameWidth) / chart.shoringCaptions.length;
    const cellLeft = (shoring) => 10 + nameWidth + cellWidth * shoring;
    chart.shoringCaptions.forEach((caption, shoring) => {
      add('text', { x: cellLeft(shoring) + cellWidth / 2, y: legendTop + 13, 'text-anchor': 'middle' }, caption);
    });
    chart.models.forEach((model, m) => {
      const top = legendTop + (m + 1) * rowHeight;
      const middle = top + rowHeight / 2;
      const colour = modelColours[m % modelColours.length];
      items.push(markerElement(m, 20, middle, 0.8));
      add('text', { x: 36, y: middle + 5, fill: colour, class: 'legend' }, model);
      chart.repeats[m].forEach((earlier, shoring) => {
        const left = cellLeft(shoring);
        if (earlier !== null) {
          add('text', { x: left + cellWidth / 2, y: middle + 5, 'text-anchor': 'middle',
                        fill: modelColours[earlier % modelColours.length] }, `＝${chart.models[earlier]}`);
          return;
        }
        add('line', { x1: left + cellWidth * 0.1, x2: left + cellWidth * 0.9, y1: middle, y2: middle,
                      ...pen(m, shoring) });
        items.push(markerElement(m, left + cellWidth / 2, middle, 0.8));
      });
    });
    svg.replaceChildren(...items);
  }

  function selectCell(row, column) {
    table.row = Math.min(Math.max(row, 0), table.rows - 1);
    table.column = Math.min(Math.max(column, 0), table.columns - 1);
    const grid = $('deck-table-grid');
    for (const cell of grid.querySelectorAll('td.selected')) cell.classList.remove('selected');
    const chosen = grid.tBodies[0].rows[table.row]?.cells[table.column];
    chosen?.classList.add('selected');
    chosen?.scrollIntoView({ block: 'nearest' });
  }
  function closeTable() {
    $('deck-table').hidden = true;
    table = null;
    delete document.body.dataset.table;
  }
  // The chosen cell (span table) or row (comparison) into the inputs; the table closes.
  function takeFromTable() {
    if (!table) return;
    const { kind, row, column } = table;
    closeTable();
    if (kind === 'span') {
      react(form.takeSpanTableCell(row, column));
    } else {
      const taken = JSON.parse(form.takeComparisonRow(row));
      react(JSON.stringify(taken));
      if (taken.note) $('hint-line').textContent = taken.note;
    }
    document.body.dataset.taken = `${kind}:${row}:${column}`;
  }
  $('deck-table-grid').addEventListener('keydown', (e) => {
    if (!table) return;
    const move = { ArrowUp: [-1, 0], ArrowDown: [1, 0], ArrowLeft: [0, -1], ArrowRight: [0, 1] }[e.key];
    if (move) {
      e.preventDefault();
      selectCell(table.row + move[0], table.column + move[1]);
    } else if (e.key === 'Enter') {
      e.preventDefault();
      takeFromTable();
    }
  });
  $('deck-table-take').addEventListener('click', takeFromTable);
  $('deck-table-close').addEventListener('click', closeTable);
  $('deck-table-csv').addEventListener('click', () => {
    if (!table) return;
    const bytes = table.kind === 'span' ? form.spanTableCsv() : form.comparisonCsv();
    download(bytes, `${$('deck-table-title').textContent}.csv`, 'text/csv');
  });
  function openTable(kind) {
    const date = todayText();
    const content = JSON.parse(kind === 'span' ? form.spanTable(date) : form.comparison(date));
    show();
    if (content.precheck) {
      alert(content.precheck.message);
      focusField(content.precheck.field);
      return;
    }
    showTable(kind, content);
  }
  $('span-table').addEventListener('click', () => openTable('span'));
  $('comparison').addEventListener('click', () => openTable('comparison'));

  $('save').addEventListener('click', () => {
    download(form.saveBytes(), form.proposedSaveName(), 'application/octet-stream');
  });
  $('end').addEventListener('click', () => window.close());

  // ---- HELP: the help pictures, the page of the band being worked in while shown ----
  const helpPages = [
    { caption: '選択項目のHELP表示', picture: () => 'KR_tag0' },
    // The deck page shows the chosen family's decks.
    { caption: 'デッキ種類', picture: () => ($('family-ridge').checked ? 'KR_tag1_2' : 'KR_tag1') },
    { caption: 'スパン', picture: () => 'KR_tag2' },
    { caption: '支持梁/施工状況', picture: () => 'KR_tag3' },
    { caption: 'コンクリート', picture: () => 'KR_tag4' },
    { caption: '荷　重', picture: () => 'KR_tag5' },
  ];
  helpPages.forEach((page, i) => {
    const button = document.createElement('button');
    button.type = 'button';
    button.setAttribute('role', 'tab');
    button.textContent = page.caption;
    button.addEventListener('click', () => showHelpPage(i));
    $('help-pages').append(button);
  });
  function showHelpPage(index) {
    const name = helpPages[index].picture();
    $('help-picture').innerHTML = data().helpPictures[name];
    $('help-pages').querySelectorAll('button').forEach((button, i) =>
      button.setAttribute('aria-selected', String(i === index)));
    $('help-view').hidden = false;
    document.body.dataset.helpPicture = name;
  }
  // HELP ON: the first page; while the help is shown, working in a band shows its page.
  $('help').addEventListener('click', () => showHelpPage(0));
  $('help-close').addEventListener('click', () => { $('help-view').hidden = true; });
  for (const event of ['focusin', 'change']) {
    $('input-area').addEventListener(event, (e) => {
      const band = e.target.closest('[data-help-page]');
      if (band && !$('help-view').hidden) showHelpPage(Number(band.dataset.helpPage));
    });
  }

  // ---- 概　　要: the summary through the program's rich-text reader ----
  function showSummary() {
    if (!$('summary-text').childElementCount) {
      program.FS.writeFile('/Summary.rtf', bytesOf(data().summary));
      const paragraphs = JSON.parse(program.summary('/Summary.rtf'));
      program.FS.unlink('/Summary.rtf');
      const twips = (value) => `${value / 15}px`;
      $('summary-text').replaceChildren(...paragraphs.map((paragraph) => {
        const p = document.createElement('p');
        const style = paragraph.style;
        if (style) {
          Object.assign(p.style, {
            textAlign: style.alignment, marginLeft: twips(style.leftIndent),
            marginRight: twips(style.rightIndent), textIndent: twips(style.firstIndent),
            marginTop: twips(style.spaceBefore), marginBottom: twips(style.spaceAfter),
          });
        }
        for (const run of paragraph.runs) {
          const span = document.createElement('span');
          span.textContent = run.text;
          const r = run.style;
          if (r.bold) span.style.fontWeight = 'bold';
          if (r.italic) span.style.fontStyle = 'italic';
          if (r.underline) span.style.textDecoration = 'underline';
          if (r.halfPoints) span.style.fontSize = `${r.halfPoints / 2}pt`;
          if (r.colour !== null) span.style.color = `#${r.colour.toString(16).padStart(6, '0')}`;
          if (r.position !== 'normal') span.style.verticalAlign = r.position;
          p.append(span);
        }
        if (!paragraph.runs.length) p.append(document.createElement('br'));
        return p;
      }));
    }
    $('summary-view').hidden = false;
    document.body.dataset.summaryShown = 'true';
  }
  $('summary').addEventListener('click', showSummary);
  $('summary-close').addEventListener('click', () => { $('summary-view').hidden = true; });

  // ---- The case link: the data file's bytes (as データ保存 writes them) in the fragment ----
  const caseLinkPrefix = '#case=';
  const toBase64Url = (bytes) => btoa(Array.from(bytes, (b) => String.fromCharCode(b)).join(''))
    .replace(/\+/g, '-').replace(/\//g, '_').replace(/=+$/, '');
  const fromBase64Url = (text) => bytesOf(text.replace(/-/g, '+').replace(/_/g, '/'));
  let writtenLink = '';
  $('case-link').addEventListener('click', () => {
    writtenLink = caseLinkPrefix + toBase64Url(form.saveBytes());
    history.replaceState(null, '', writtenLink);
    $('case-link-text').value = location.href;
    $('case-link-text').select();
  });
  function openCaseLink() {
    if (!location.hash.startsWith(caseLinkPrefix) || location.hash === writtenLink) return;
    let bytes;
    try {
      bytes = fromBase64Url(location.hash.slice(caseLinkPrefix.length));
    } catch {
      alert('リンクの条件を読めません。');
      return;
    }
    openBytes(bytes, 'link');
  }
  window.addEventListener('hashchange', openCaseLink);

  applyHints();
  show();
  openCaseLink();
  await document.fonts.load('12px "Korvane Sheet Gothic"');
  performance.mark('korvane-ready');
  $('model').focus();
  document.body.dataset.ready = 'true';
})();
