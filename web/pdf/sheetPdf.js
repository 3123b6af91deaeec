// The printed calculation sheet as an archival PDF file (PDF/A-1b), written in the browser or
// under node from the sheet's drawing steps for the printer: the JSON objects that
// `korvane-calc --draw-log --target printer` prints, one per step.
//
// The page is drawn as the desktop's PDF writer draws it: A4, device pixels of the steps'
// resolution (600 per inch) from the paper's top left corner, each text with the top of its
// cell at the step's y (its baseline one rounded font ascent lower), frames filled white and
// outlined, the font embedded as a subset with a Unicode map so that the text is searchable.

import {
  PDFArray,
  PDFDocument,
  PDFHexString,
  PDFName,
  PDFNumber,
  PDFOperator,
  PDFOperatorNames as Ops,
} from 'pdf-lib';
import fontkit from '@pdf-lib/fontkit';

// A4 as the desktop's PDF writer sizes it, in points.
export const A4_PAGE = Object.freeze({ widthPt: 595, heightPt: 842, dpi: 600 });

// What the placeholder of an empty title field holds, and the document title of a case
// without a title of its own.
export const TITLE_PLACEHOLDER = '件名を入力';
export const DEFAULT_DOCUMENT_TITLE = 'フラットデッキ構造計算';

const CREATOR = 'korvane';

// Whitespace as the desktop trims a title: the Unicode space separators, the ASCII
// controls tab to carriage return, and NEL.
const TRIMMED = '[\\t\\n\\v\\f\\r \\u0085\\p{Zs}\\u2028\\u2029]';
const TRIM_PATTERN = new RegExp(`^${TRIMMED}+|${TRIMMED}+$`, 'gu');

// Characters an XML 1.0 document cannot hold: the C0 controls other than tab, line feed and
// carriage return, lone surrogates, and U+FFFE/U+FFFF.
const NOT_XML = /[\u0000-\u0008\u000B\u000C\u000E-\u001F\uFFFE\uFFFF]|[\uD800-\uDBFF](?![\uDC00-\uDFFF])|(?<![\uD800-\uDBFF])[\uDC00-\uDFFF]/gu;

// The document title of a case's PDF: its project title, trimmed, or the program's subject
// when the case has none (the placeholder or a blank title). Characters that the metadata
// (XML) cannot hold are left out, so that the title reads the same in the document
// information and in the metadata.
export function documentTitle(projectTitle) {
  const title = String(projectTitle ?? '');
  const trimmed = title.replace(TRIM_PATTERN, '');
  if (title === TITLE_PLACEHOLDER || trimmed === '') return DEFAULT_DOCUMENT_TITLE;
  const kept = trimmed.replace(NOT_XML, '').replace(TRIM_PATTERN, '');
  return kept === '' ? DEFAULT_DOCUMENT_TITLE : kept;
}

export function escapeXml(text) {
  return text.replace(/[&<>"']/g, (c) => ({ '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;', "'": '&apos;' })[c]);
}

// Date as XMP writes it: 2026-01-31T09:05:00Z (UTC).
function xmpDate(date) {
  return date.toISOString().replace(/\.\d{3}Z$/, 'Z');
}

// The metadata packet: title, creator tool, dates, producer and the PDF/A-1b claim. Every
// value here is also in the document information dictionary, with the same text.
export function xmpPacket({ title, date, producer }) {
  const when = xmpDate(date);
  return `<?xpacket begin="\uFEFF" id="W5M0MpCehiHzreSzNTczkc9d"?>
<x:xmpmeta xmlns:x="adobe:ns:meta/">
  <rdf:RDF xmlns:rdf="http://www.w3.org/1999/02/22-rdf-syntax-ns#">
    <rdf:Description rdf:about="" xmlns:dc="http://purl.org/dc/elements/1.1/">
      <dc:format>application/pdf</dc:format>
      <dc:title><rdf:Alt><rdf:li xml:lang="x-default">${escapeXml(title)}</rdf:li></rdf:Alt></dc:title>
    </rdf:Description>
    <rdf:Description rdf:about="" xmlns:xmp="http://ns.adobe.com/xap/1.0/">
      <xmp:CreatorTool>${CREATOR}</xmp:CreatorTool>
      <xmp:CreateDate>${when}</xmp:CreateDate>
      <xmp:ModifyDate>${when}</xmp:ModifyDate>
    </rdf:Description>
    <rdf:Description rdf:about="" xmlns:pdf="http://ns.adobe.com/pdf/1.3/">
      <pdf:Producer>${escapeXml(producer)}</pdf:Producer>
    </rdf:Description>
    <rdf:Description rdf:about="" xmlns:pdfaid="http://www.aiim.org/pdfa/ns/id/">
      <pdfaid:part>1</pdfaid:part>
      <pdfaid:conformance>B</pdfaid:conformance>
    </rdf:Description>
  </rdf:RDF>
</x:xmpmeta>
<?xpacket end="w"?>`;
}

// Character height in device pixels of a font of `points` at `dpi`, rounded to nearest as
// every canvas of the sheet sizes its fonts.
export function fontPixelSize(points, dpi) {
  return Math.floor((points * dpi * 2 + 72) / 144);
}

// Distance from the top of a text cell to the baseline: the font's ascent at that pixel
// size, rounded to whole pixels as the desktop's font metrics give it.
export function ascentPixels(font, pixelSize) {
  return Math.round((pixelSize * font.ascent) / font.unitsPerEm);
}

function hexColor(text) {
  const m = /^#([0-9a-fA-F]{2})([0-9a-fA-F]{2})([0-9a-fA-F]{2})$/.exec(text ?? '#000000');
  if (!m) throw new Error(`not a colour: ${text}`);
  return m.slice(1).map((h) => parseInt(h, 16) / 255);
}

function integer(value, name) {
  if (!Number.isInteger(value)) throw new Error(`drawing step: ${name} is not a whole number`);
  return value;
}

const op = (name, ...args) =>
  PDFOperator.of(name, args.map((a) => (typeof a === 'number' ? PDFNumber.of(a) : a)));

// The page's content stream operators for the drawing steps, in device pixels under a
// matrix that puts the origin at the paper's top left with y downwards.
function pageOperators(steps, page, font, pdfFont, fontName) {
  const scale = 72 / page.dpi;
  const out = [op(Ops.PushGraphicsState), op(Ops.ConcatTransformationMatrix, scale, 0, 0, -scale, 0, page.heightPt)];
  for (const step of steps) {
    const color = hexColor(step.color);
    switch (step.op) {
      case 'text': {
        const pixels = fontPixelSize(integer(step.size, 'size'), page.dpi);
        const baseline = integer(step.y, 'y') + ascentPixels(font, pixels);
        out.push(
          op(Ops.NonStrokingColorRgb, ...color),
          op(Ops.BeginText),
          op(Ops.SetFontAndSize, fontName, pixels),
          // Text upright again under the page's downward y.
          op(Ops.SetTextMatrix, 1, 0, 0, -1, integer(step.x, 'x'), baseline),
          op(Ops.ShowText, pdfFont.encodeText(String(step.text ?? ''))),
          op(Ops.EndText),
        );
        break;
      }
      case 'line':
        out.push(
          ...penOperators(step, color),
          op(Ops.MoveTo, integer(step.x, 'x'), integer(step.y, 'y')),
          op(Ops.LineTo, integer(step.x2, 'x2'), integer(step.y2, 'y2')),
          op(Ops.StrokePath),
        );
        break;
      case 'rect':
        // Filled white and outlined: the printed frames cover what lies under them.
        out.push(
          ...penOperators(step, color),
          op(Ops.NonStrokingColorRgb, 1, 1, 1),
          rectangle(step),
          op(Ops.FillNonZeroAndStroke),
        );
        break;
      case 'fillrect':
        out.push(op(Ops.NonStrokingColorRgb, ...color), rectangle(step), op(Ops.FillNonZero));
        break;
      default:
        throw new Error(`unknown drawing step: ${step.op}`);
    }
  }
  out.push(op(Ops.PopGraphicsState));
  return out;
}

function penOperators(step, color) {
  return [
    op(Ops.StrokingColorRgb, ...color),
    op(Ops.SetLineWidth, integer(step.width ?? 0, 'width')),
    op(Ops.SetLineCapStyle, 0),
    op(Ops.SetLineJoinStyle, 0),
  ];
}

function rectangle(step) {
  const x = integer(step.x, 'x');
  const y = integer(step.y, 'y');
  return op(Ops.AppendRectangle, x, y, integer(step.x2, 'x2') - x, integer(step.y2, 'y2') - y);
}

// A 128-bit digest (FNV-1a in four lanes) of the document's content: the file identifier
// and the font subset's tag are the same for the same sheet, title and date.
function digest(text) {
  const lanes = [0x811c9dc5, 0x01000193, 0x9e3779b9, 0x85ebca6b];
  for (let i = 0; i < text.length; i++) {
    const c = text.charCodeAt(i);
    for (let l = 0; l < 4; l++) lanes[l] = Math.imul(lanes[l] ^ (c + l * 0x9e37), 0x01000193) >>> 0;
  }
  return lanes.map((v) => v.toString(16).padStart(8, '0')).join('').toUpperCase();
}

function subsetTag(hex) {
  let tag = '';
  for (let i = 0; i < 6; i++) tag += String.fromCharCode(65 + (parseInt(hex.slice(i * 2, i * 2 + 2), 16) % 26));
  return tag;
}

// The font program's length before compression: a TrueType font file in a PDF states it.
function recordFontLength(pdfFont) {
  const embedder = pdfFont.embedder;
  const serialize = embedder.serializeFont.bind(embedder);
  const measured = { length: 0 };
  embedder.serializeFont = async () => {
    const bytes = await serialize();
    measured.length = bytes.length;
    return bytes;
  };
  return measured;
}

// What PDF/A-1 asks of an embedded subset font beyond what the writer gives: the list of
// the glyphs it holds (the subset numbers them from 0 up without gaps) and the font file's
// length.
function describeFontProgram(doc, fontRef, fontLength) {
  const ctx = doc.context;
  const type0 = ctx.lookup(fontRef);
  const descendant = ctx.lookup(type0.lookup(PDFName.of('DescendantFonts'), PDFArray).get(0));
  const widths = descendant.lookup(PDFName.of('W'), PDFArray);
  let lastCid = 0;
  for (let i = 0; i + 1 < widths.size(); i += 2) {
    const first = widths.lookup(i, PDFNumber).asNumber();
    lastCid = Math.max(lastCid, first + widths.lookup(i + 1, PDFArray).size() - 1);
  }
  const bits = new Uint8Array(Math.floor(lastCid / 8) + 1);
  for (let cid = 0; cid <= lastCid; cid++) bits[cid >> 3] |= 0x80 >> (cid & 7);
  const descriptor = descendant.lookup(PDFName.of('FontDescriptor'));
  descriptor.set(PDFName.of('CIDSet'), ctx.register(ctx.flateStream(bits)));
  descriptor.lookup(PDFName.of('FontFile2')).dict.set(PDFName.of('Length1'), PDFNumber.of(fontLength));
}

function addOutputIntent(doc, iccBytes) {
  const ctx = doc.context;
  const profile = ctx.register(ctx.flateStream(iccBytes, { N: 3, Alternate: 'DeviceRGB' }));
  const intent = ctx.obj({
    Type: 'OutputIntent',
    S: 'GTS_PDFA1',
    OutputConditionIdentifier: PDFHexString.fromText('sRGB IEC61966-2.1'),
    Info: PDFHexString.fromText('sRGB IEC61966-2.1'),
    DestOutputProfile: profile,
  });
  doc.catalog.set(PDFName.of('OutputIntents'), ctx.obj([ctx.register(intent)]));
}

function addMetadata(doc, packet) {
  const ctx = doc.context;
  // Archival files keep the metadata unfiltered, so that any tool can read it.
  const stream = ctx.stream(new TextEncoder().encode(packet), { Type: 'Metadata', Subtype: 'XML' });
  doc.catalog.set(PDFName.of('Metadata'), ctx.register(stream));
}

/**
 * Writes the printed sheet as a one-page archival PDF file.
 *   steps     drawing steps of the printer target (objects of korvane-calc --draw-log)
 *   title     the case's project title (the document title follows documentTitle)
 *   fontBytes the sheet font (TrueType or WOFF2), embedded as a subset
 *   iccBytes  an sRGB ICC profile (version 2), the file's output intent
 *   page      { widthPt, heightPt, dpi }: A4 at 600 device pixels per inch unless given
 *   date      creation date (default now)
 * Returns the file's bytes (Uint8Array).
 */
export async function writeSheetPdf({ steps, title, fontBytes, iccBytes, page = A4_PAGE, date = new Date() }) {
  if (!Array.isArray(steps)) throw new Error('drawing steps missing');
  if (!fontBytes || !iccBytes) throw new Error('font or colour profile missing');
  const docTitle = documentTitle(title);
  const producer = CREATOR;
  const id = digest(JSON.stringify([steps, docTitle, date.toISOString()]));

  const doc = await PDFDocument.create({ updateMetadata: false });
  doc.registerFontkit(fontkit);
  const pdfFont = await doc.embedFont(fontBytes, { subset: true, customName: `${subsetTag(id)}+KorvaneSheetGothic` });
  const pdfPage = doc.addPage([page.widthPt, page.heightPt]);
  const fontName = pdfPage.node.newFontDictionary(pdfFont.name, pdfFont.ref);
  pdfPage.pushOperators(...pageOperators(steps, page, pdfFont.embedder.font, pdfFont, fontName));

  doc.setTitle(docTitle);
  doc.setCreator(CREATOR);
  doc.setProducer(producer);
  doc.setCreationDate(date);
  doc.setModificationDate(date);
  addMetadata(doc, xmpPacket({ title: docTitle, date, producer }));
  addOutputIntent(doc, iccBytes);

  const fontProgram = recordFontLength(pdfFont);
  await pdfFont.embed();
  describeFontProgram(doc, pdfFont.ref, fontProgram.length);
  const idHex = PDFHexString.of(id);
  doc.context.trailerInfo.ID = doc.context.obj([idHex, idHex]);
  // Archival files of this kind have no object or cross-reference streams.
  const bytes = await doc.save({ useObjectStreams: false, updateFieldAppearances: false });
  return withVersion14(bytes);
}

// The writer heads every file "%PDF-1.7"; the file uses nothing newer than PDF 1.4, the
// version archival files of this kind are made of, so its header says so. The header keeps
// its length, and every offset in the file stays right.
function withVersion14(bytes) {
  const head = new TextDecoder('latin1').decode(bytes.subarray(0, 8));
  if (head !== '%PDF-1.7') throw new Error(`unexpected PDF header ${head}`);
  bytes.set(new TextEncoder().encode('%PDF-1.4'), 0);
  return bytes;
}
