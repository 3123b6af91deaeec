// The page: a thin view over the program's input form (PageForm). Every list, enabled
// state, hint, message and corrected text comes from the form; this script copies them
// into the controls and passes the user's actions on.
(async () => {
  const program = await KorvaneModule();
  const form = new program.PageForm();
  const captions = JSON.parse(program.captions());
  const $ = (id) => document.getElementById(id);
  const fields = ['unitWeight', 'span', 'slabThickness', 'workLoad', 'otherLoad'];

  function radioGroup(fieldsetId, name, groupCaption, options, choose) {
    const set = $(fieldsetId);
    set.querySelector('legend').textContent = groupCaption.trim();
    for (const option of options) {
      const label = document.createElement('label');
      const input = document.createElement('input');
      input.type = 'radio';
      input.name = name;
      input.value = String(option.code);
      input.addEventListener('change', () => { choose(option.code); show(); });
      label.append(input, ' ' + option.caption);
      set.append(label);
    }
  }
  radioGroup('shoring', 'shoring', captions.shoringGroup, captions.shoringOptions,
             (code) => form.chooseShoring(code));
  radioGroup('alpha-class', 'alphaClass', captions.alphaClassGroup, captions.alphaClassOptions,
             (code) => form.chooseAlphaClass(code));
  radioGroup('concrete-kind', 'concreteKind', captions.concreteKindGroup, captions.concreteKinds,
             (code) => form.chooseConcreteKind(code));
  $('work-load').querySelector('legend').textContent = captions.workLoadGroup.trim();
  $('work-standard-caption').textContent = captions.standardWorkLoadOption;
  $('work-other-caption').textContent = captions.otherWorkLoadOption;
  $('other-load-legend').textContent = captions.otherLoadGroup.trim();
  $('slab-legend').textContent = captions.slabThicknessGroup.trim();
  $('coating-label').textContent = captions.coatingLabel;
  $('unit-weight-label').textContent = captions.unitWeightLabel;

  function fill(select, items, position) {
    select.replaceChildren(...items.map((item, i) => new Option(item, String(i))));
    select.selectedIndex = position;
  }
  function check(name, value) {
    for (const input of document.getElementsByName(name)) input.checked = input.value === String(value);
  }

  // Copies the form's state into the controls.
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
    for (const field of fields) $(field).value = state.texts[field];
    $('workLoad').disabled = !state.workLoadEnabled;
    $('unitWeight').readOnly = !state.unitWeightEditable;
    $('unitWeight').title = state.unitWeightHint;
    $('span').title = state.spanHint;
  }

  // A reaction of the form: its message first, then the focus.
  function react(json) {
    const reaction = JSON.parse(json);
    show();
    if (reaction.message) alert(reaction.message);
    if (reaction.focus) $(reaction.focus).focus();
  }

  $('family-flat').addEventListener('change', () => react(form.chooseFamily(false)));
  $('family-ridge').addEventListener('change', () => react(form.chooseFamily(true)));
  $('model').addEventListener('change', (e) => react(form.chooseModel(e.target.selectedIndex)));
  $('thickness').addEventListener('change', (e) => react(form.chooseThickness(e.target.selectedIndex)));
  $('coating').addEventListener('change', (e) => react(form.chooseCoating(e.target.selectedIndex)));
  $('work-standard').addEventListener('change', () => react(form.chooseOtherWorkLoad(false)));
  $('work-other').addEventListener('change', () => react(form.chooseOtherWorkLoad(true)));
  for (const field of fields) {
    $(field).addEventListener('input', (e) => form.setText(field, e.target.value));
    $(field).addEventListener('change', () => react(form.leaveField(field)));
  }

  const svgNs = 'http://www.w3.org/2000/svg';
  // The sheet's character height in pixels at the picture's font resolution (88 dpi).
  const pixelSize = (points) => Math.floor((points * 88 * 2 + 72) / 144);

  // Draws the sheet's drawing steps into the inline SVG: texts as <text> elements whose
  // cell tops stand where the desktop's do.
  function drawSheet(drawLog) {
    const svg = $('sheet');
    const items = [];
    const background = document.createElementNS(svgNs, 'rect');
    background.setAttribute('width', '570');
    background.setAttribute('height', '670');
    background.setAttribute('fill', '#000080');
    items.push(background);
    for (const line of drawLog.split('\n')) {
      if (!line) continue;
      const step = JSON.parse(line);
      let element;
      if (step.op === 'text') {
        element = document.createElementNS(svgNs, 'text');
        element.setAttribute('x', step.x);
        element.setAttribute('y', step.y);
        element.setAttribute('dominant-baseline', 'text-before-edge');
        element.setAttribute('font-size', pixelSize(step.size));
        element.setAttribute('fill', step.color);
        element.setAttribute('xml:space', 'preserve');
        element.textContent = step.text;
      } else if (step.op === 'line') {
        element = document.createElementNS(svgNs, 'line');
        for (const [a, b] of [['x1', 'x'], ['y1', 'y'], ['x2', 'x2'], ['y2', 'y2']])
          element.setAttribute(a, step[b] + 0.5);
        element.setAttribute('stroke', step.color);
        element.setAttribute('stroke-width', Math.max(step.width, 1));
      } else if (step.op === 'rect' || step.op === 'fillrect') {
        element = document.createElementNS(svgNs, 'rect');
        element.setAttribute('x', step.x + 0.5);
        element.setAttribute('y', step.y + 0.5);
        element.setAttribute('width', step.x2 - step.x - 1);
        element.setAttribute('height', step.y2 - step.y - 1);
        element.setAttribute('fill', step.op === 'fillrect' ? step.color : 'none');
        if (step.op === 'rect') element.setAttribute('stroke', step.color);
      }
      if (element) items.push(element);
    }
    svg.replaceChildren(...items);
    $('result').hidden = false;
  }

  $('calculate').addEventListener('click', () => {
    const outcome = JSON.parse(form.calculate());
    show();
    if (outcome.precheck) {
      alert(outcome.precheck.message);
      $(outcome.precheck.field).focus();
      return;
    }
    drawSheet(outcome.drawLog);
  });

  // Opening: the chosen or dropped file goes through the program's own reader.
  async function openFile(file) {
    const bytes = new Uint8Array(await file.arrayBuffer());
    program.FS.writeFile('/opened.fdt', bytes);
    const opened = JSON.parse(form.open('/opened.fdt'));
    program.FS.unlink('/opened.fdt');
    show();
    if (opened.error) { alert(opened.error); return; }
    for (const notice of opened.notices) alert(notice);
    if (opened.warnings.length) alert(opened.warnings.join('\n'));
  }
  $('open-file').addEventListener('change', (e) => {
    if (e.target.files.length) openFile(e.target.files[0]);
    e.target.value = '';
  });
  document.addEventListener('dragover', (e) => e.preventDefault());
  document.addEventListener('drop', (e) => {
    e.preventDefault();
    if (e.dataTransfer.files.length === 1) openFile(e.dataTransfer.files[0]);
  });

  $('save').addEventListener('click', () => {
    const blob = new Blob([form.saveBytes()], { type: 'application/octet-stream' });
    const link = document.createElement('a');
    link.href = URL.createObjectURL(blob);
    link.download = 'korvane.fdt';
    link.click();
    URL.revokeObjectURL(link.href);
  });

  show();
  document.body.dataset.ready = 'true';
})();
