'use strict';
// Plays a run that Zarni wrote into this page: the tree at the first step,
// then each step's changes of the tree and of its picture, both ways.
(async function () {
const data = JSON.parse(document.getElementById('data').textContent);
const LEAST = -2147483648, NO_LABEL = -2147483647;
const SPEEDS = [0.25, 0.5, 1, 2, 4, 8];

// The stream: whole numbers of seven bits a byte, signed ones zigzagged.
// Base64 read with a table: many times faster than atob's string of bytes.
function fromBase64(text) {
  const table = new Uint8Array(128);
  const letters = 'ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/';
  for (let i = 0; i < 64; ++i) table[letters.charCodeAt(i)] = i;
  const pad = text.endsWith('==') ? 2 : text.endsWith('=') ? 1 : 0;
  const out = new Uint8Array((text.length / 4) * 3 - pad);
  for (let i = 0, j = 0; i < text.length; i += 4) {
    const n = (table[text.charCodeAt(i)] << 18) | (table[text.charCodeAt(i + 1)] << 12)
      | (table[text.charCodeAt(i + 2)] << 6) | table[text.charCodeAt(i + 3)];
    out[j++] = n >> 16;
    if (j < out.length) out[j++] = (n >> 8) & 255;
    if (j < out.length) out[j++] = n & 255;
  }
  return out;
}
// What shows the first step comes first, and the player shows it at once;
// the steps after it follow in the page, compressed, read once it is loaded.
let bytes = fromBase64(data.first), loaded = false;
async function loadRest() {
  if (document.readyState === 'loading') await new Promise((resolve) => document.addEventListener('DOMContentLoaded', resolve, { once: true }));
  const packed = fromBase64(document.getElementById('rest').textContent.trim());
  const inflated = packed.length ? new Response(new Blob([packed]).stream().pipeThrough(new DecompressionStream('deflate'))) : null;
  const rest = inflated ? new Uint8Array(await inflated.arrayBuffer()) : new Uint8Array(0);
  const all = new Uint8Array(bytes.length + rest.length);
  all.set(bytes);
  all.set(rest, bytes.length);
  bytes = all;
  loaded = true;
}
let at = 0;
function num() {
  let n = 0, scale = 1, b;
  do { b = bytes[at++]; n += (b & 0x7f) * scale; scale *= 128; } while (b & 0x80);
  return n;
}
function signed() { const n = num(); return n % 2 ? -(n + 1) / 2 : n / 2; }
// A message: its parts, each a text's number and its arguments; each
// argument one number, what it is in its low three bits.
function message() {
  const parts = [];
  for (let p = num(); p > 0; --p) {
    if (parts.length) { parts.push(message()); continue; }
    const text = num(), args = [];
    for (let n = num(); n > 0; --n) {
      const tag = num(), kind = tag % 8, said = Math.floor(tag / 8);
      const number = said % 2 ? -(said + 1) / 2 : said / 2;
      if (kind === 0) args.push(String(number));
      else if (kind === 1) args.push(label(number));
      else if (kind === 2) args.push(message());
      else if (kind === 3) args.push(data.words[said]);
      else args.push(String(kind === 4 ? shown : data.steps));
    }
    parts.push({ text, args });
  }
  return parts;
}
// The same, passed over.
function skipMessage() {
  for (let p = num(), first = true; p > 0; --p, first = false) {
    if (!first) { skipMessage(); continue; }
    num();
    for (let n = num(); n > 0; --n) if (num() === 2) skipMessage();
  }
}
function label(value) { return value === LEAST ? '-∞' : value === NO_LABEL ? '' : String(value); }
function fill(text, args) {
  return text.replace(/%(\d{1,2})/g, (m, n) => (n >= 1 && n <= args.length ? args[n - 1] : m));
}
// Each text holds a word for every language of the program, in its order.
const LANGUAGES = data.languages.map(([code]) => code);
function langIndex(lang) { return Math.max(0, LANGUAGES.indexOf(lang)); }
function words(parts, lang) {
  if (!parts) return '';
  const li = langIndex(lang);
  let out = '';
  for (const part of parts) {
    if (Array.isArray(part)) { out += words(part, lang); continue; }
    const args = part.args.map((a) => (typeof a === 'string' ? a : words(a, lang)));
    out += part.text ? fill(data.texts[part.text - 1][li], args) : '';
  }
  return out;
}

// Reads the stream once: where each step's parts are.
const from = data.from, to = data.to, records = to - from + 1;
const maxCount = data.maxCount;
const S = {
  line: new Int32Array(records), cmp: new Float64Array(records), mov: new Float64Array(records),
  narr: new Int32Array(records), quest: new Int32Array(records).fill(-1),
  pt: [], ptStart: new Int32Array(records + 1),
  ch: [], chStart: new Int32Array(records + 1),
  lk: [], lkStart: new Int32Array(records + 1),
  tg: [], tgStart: new Int32Array(records + 1),
  sum: new Int32Array(records).fill(-1), pc: [], pcStart: new Int32Array(records + 1),
};
// Values as wide as a sum of many (past what 32 bits hold).
const first = { count: num(), values: new Float64Array(maxCount + 1), marks: new Uint8Array(maxCount + 1) };
for (let i = 0; i <= first.count; ++i) { first.values[i] = signed(); first.marks[i] = num(); }
// A box that begins or ends to show other than the tree: its node, then
// its look before and after, where it has one (NaN where not).
function readLooks(r) {
  S.lkStart[r] = S.lk.length;
  for (let n = num(); n > 0; --n) {
    const node = num(), flags = num();
    const was = flags & 1 ? [signed(), num()] : [NaN, NaN];
    const now = flags & 2 ? [signed(), num()] : [NaN, NaN];
    S.lk.push(node, was[0], was[1], now[0], now[1]);
  }
  S.lkStart[r + 1] = S.lk.length;
}
// A box whose tag (a small second number, as a pending tag) begins, ends or
// changes: its node, where its tag before and after are said.
function readTags(r) {
  S.tgStart[r] = S.tg.length;
  for (let n = num(); n > 0; --n) {
    const node = num(), was = at;
    skipMessage();
    S.tg.push(node, was, at);
    skipMessage();
  }
  S.tgStart[r + 1] = S.tg.length;
}
function readStep(r) {
  S.line[r] = num();
  S.ptStart[r] = S.pt.length;
  for (let n = num(); n > 0; --n) S.pt.push(num());
  S.ptStart[r + 1] = S.pt.length;
  S.cmp[r] = (r ? S.cmp[r - 1] : 0) + signed();
  S.mov[r] = (r ? S.mov[r - 1] : 0) + signed();
  S.narr[r] = at;
  skipMessage();
}
readLooks(0);
readTags(0);
readStep(0);
// The panel of a merge or a replacement, where the page shows one: its
// summary and rows at the first step, then each cell a step changes.
const firstPanel = [];
if (num()) {
  S.sum[0] = at;
  skipMessage();
  for (let rows = num(); rows > 0; --rows) {
    const row = [];
    for (let n = num(); n > 0; --n) row.push([signed(), num()]);
    firstPanel.push(row);
  }
}
function readPanel(r) {
  S.pcStart[r] = S.pc.length;
  if (num()) {
    S.sum[r] = at;
    skipMessage();
    for (let n = num(); n > 0; --n) {
      const row = num(), column = num(), flags = num();
      const was = flags & 1 ? [signed(), num()] : [NaN, NaN];
      const now = flags & 2 ? [signed(), num()] : [NaN, NaN];
      S.pc.push(row, column, was[0], was[1], now[0], now[1]);
    }
  } else S.sum[r] = S.sum[r - 1];
  S.pcStart[r + 1] = S.pc.length;
}
// The steps after the first are read when first needed, or in the
// background once the first is shown: a long run shows at once.
let parsed = 1, parseAt = at;
function parseUntil(last) {
  if (parsed > last) return;
  at = parseAt;
  for (; parsed <= last && parsed < records; ++parsed) {
    const r = parsed;
    for (let n = num(); n > 0; --n) S.ch.push(num(), signed(), signed());
    S.chStart[r + 1] = S.ch.length;
    readLooks(r);
    readTags(r);
    readStep(r);
    if (num()) { S.quest[r] = at - 1; num(); for (let n = num(); n > 0; --n) num(); num(); skipMessage(); skipMessage(); }
    readPanel(r);
  }
  parseAt = at;
}
function question(r) {
  if (S.quest[r] < 0) return null;
  at = S.quest[r];
  const kind = data.kinds[num() - 1], node = num(), choices = [];
  for (let n = num(); n > 0; --n) choices.push(num());
  const answer = num(), ask = message(), reveal = message();
  return { kind, node, choices, answer, ask, reveal };
}
function narration(r) { at = S.narr[r]; return message(); }

// Where the player stands.
// A tree, and the boxes whose picture differs from it; the nodes changed
// since it was last drawn.
function copyOf(t) {
  return {
    count: t.count, values: t.values.slice(), marks: t.marks.slice(), looks: new Map(t.looks), tags: new Map(t.tags), dirty: new Set(),
    panel: t.panel.map((row) => row.slice()), panelDirty: true,
  };
}
const tree = copyOf({ count: first.count, values: first.values, marks: first.marks, looks: new Map(), tags: new Map(), panel: firstPanel });
function setTag(t, j, after) {
  const node = S.tg[j];
  t.tags.set(node, S.tg[j + (after ? 2 : 1)]);
  t.dirty.add(node);
}
function setLook(t, j, after) {
  const node = S.lk[j], value = S.lk[j + (after ? 3 : 1)];
  if (Number.isNaN(value)) t.looks.delete(node);
  else t.looks.set(node, [value, S.lk[j + (after ? 4 : 2)]]);
  t.dirty.add(node);
}
let shown = from, layoutDue = true;
for (let j = S.lkStart[0]; j < S.lkStart[1]; j += 5) setLook(tree, j, true);
for (let j = S.tgStart[0]; j < S.tgStart[1]; j += 3) setTag(tree, j, true);
const practice = { on: false, held: null, passed: -1, asked: 0, right: 0, wrong: 0, missed: [], runAsked: 0, runWrong: 0, said: null };

function apply(t, r, forward) {
  const a = S.chStart[r], b = S.chStart[r + 1];
  for (let j = forward ? a : b - 3; forward ? j < b : j >= a; j += forward ? 3 : -3) {
    const nf = S.ch[j], node = Math.floor(nf / 4), field = nf % 4, value = forward ? S.ch[j + 2] : S.ch[j + 1];
    t.dirty.add(node);
    if (field === 0) t.values[node] = value;
    else if (field === 1) t.marks[node] = value;
    else if (field === 2) { const o = S.ch[j + 1]; const v = t.values[node]; t.values[node] = t.values[o]; t.values[o] = v; t.dirty.add(o); }
    else t.count = value;
  }
  for (let j = S.lkStart[r]; j < S.lkStart[r + 1]; j += 5) setLook(t, j, forward);
  for (let j = S.tgStart[r]; j < S.tgStart[r + 1]; j += 3) setTag(t, j, forward);
  for (let j = S.pcStart[r]; j < S.pcStart[r + 1]; j += 6) {
    const row = S.pc[j], column = S.pc[j + 1], value = S.pc[j + (forward ? 4 : 2)], look = S.pc[j + (forward ? 5 : 3)];
    while (t.panel.length <= row) t.panel.push([]);
    const cells = t.panel[row];
    if (Number.isNaN(value)) { cells[column] = undefined; while (cells.length && cells[cells.length - 1] === undefined) cells.pop(); }
    else cells[column] = [value, look];
    t.panelDirty = true;
  }
}
// Pictures of the whole tree every FRAME steps, made in the background: a
// seek starts from the nearest and plays at most FRAME steps.
const FRAME = 16384, frames = [copyOf(tree)];
let walker = copyOf(tree), walked = from;
function walkSome(until) {
  for (; walked < until && walked < to; ) {
    parseUntil(walked + 1 - from);
    apply(walker, ++walked - from, true);
    walker.dirty.clear();
    if ((walked - from) % FRAME === 0) frames[(walked - from) / FRAME] = copyOf(walker);
  }
}
let walkedAll;
const ready = new Promise((resolve) => { walkedAll = resolve; });
function background() {
  walkSome(Math.min(to, walked + FRAME));
  if (walked < to) setTimeout(background, 0); else walkedAll();
}
function restore(frame) {
  const before = tree.count;
  for (let i = 0; i <= Math.max(before, frame.count); ++i) {
    if (tree.values[i] !== frame.values[i] || tree.marks[i] !== frame.marks[i]) tree.dirty.add(i);
  }
  for (const node of tree.looks.keys()) tree.dirty.add(node);
  for (const node of frame.looks.keys()) tree.dirty.add(node);
  for (const node of tree.tags.keys()) tree.dirty.add(node);
  for (const node of frame.tags.keys()) tree.dirty.add(node);
  tree.tags = new Map(frame.tags);
  tree.values.set(frame.values);
  tree.marks.set(frame.marks);
  tree.looks = new Map(frame.looks);
  tree.count = frame.count;
  tree.panel = frame.panel.map((row) => row.slice());
  tree.panelDirty = true;
}
function seekTo(k) {
  k = loaded ? Math.max(view.from, Math.min(view.to, Math.round(k))) : from;
  parseUntil(k - from);
  const count = tree.count, frame = frames[Math.floor((k - from) / FRAME)];
  const frameStep = from + Math.floor((k - from) / FRAME) * FRAME;
  if (frame && Math.abs(k - frameStep) < Math.abs(k - shown)) { restore(frame); shown = frameStep; }
  while (shown < k) apply(tree, ++shown - from, true);
  while (shown > k) apply(tree, shown-- - from, false);
  if (tree.count !== count) layoutDue = true;
  render();
}

// The picture: the canvas as the program lays it out.
const svg = document.getElementById('tree');
const NS = 'http://www.w3.org/2000/svg';
const [W, H, XDIV, YDIV] = data.canvas;
// The program's palette: each mark's fill, frame, label and cue (1 a thick
// frame, 2 dashed, 3 dotted, 4 a corner tick, 5 a stripe), the lines' width.
const PALETTE = data.palette, MARKS = PALETTE.marks, LINE = PALETTE.line;
const CUE = { thick: 1, dashed: 2, dotted: 3, tick: 4, stripe: 5 };
for (const [name, colours] of [['read', PALETTE.read], ['head', PALETTE.head], ['winner', PALETTE.winner]])
  ['fill', 'frame', 'ink'].forEach((part, n) => document.documentElement.style.setProperty(`--${name}-${part}`, colours[n]));
document.documentElement.style.setProperty('--pointed', PALETTE.pointed);
svg.setAttribute('viewBox', `0 0 ${W} ${H}`);
const a = Math.floor(W / XDIV), b = Math.floor(H / YDIV);
const roomy = 2 * a >= 8 && 2 * b >= 8; // room for a cue, as the program sees it
function frameWidth(cue) { return !roomy ? LINE : cue === CUE.thick ? LINE + 2 : cue === CUE.dashed || cue === CUE.dotted ? LINE + 1 : LINE; }
// A box in its mark's colours, with the cue the program draws.
function styleBox(box, mark) {
  const [fillColour, frame, ink, cue] = MARKS[mark] || MARKS[0], w = frameWidth(cue), { x, y } = box;
  const set = (e, attrs) => { for (const k in attrs) e.setAttribute(k, attrs[k]); };
  set(box.r, { fill: fillColour, stroke: frame, 'stroke-width': w, x: x - a + w / 2, y: y - b + w / 2,
    width: Math.max(0, 2 * a - w), height: Math.max(0, 2 * b - w),
    'stroke-dasharray': !roomy ? 'none' : cue === CUE.dashed ? '6 4' : cue === CUE.dotted ? '2 2' : 'none' });
  if (box.t) box.t.setAttribute('fill', ink);
  if (box.tagText) box.tagText.setAttribute('fill', ink);
  const shape = roomy && (cue === CUE.tick || cue === CUE.stripe) ? cue : 0;
  if (!shape) { if (box.cue) box.cue.remove(); box.cue = null; return; }
  if (!box.cue || box.cueShape !== shape) {
    if (box.cue) box.cue.remove();
    box.cue = el(shape === CUE.tick ? 'polygon' : 'rect', {}, box.r.parentNode);
    box.r.parentNode.insertBefore(box.cue, box.r.nextSibling);
    box.cueShape = shape;
  }
  box.cue.setAttribute('fill', frame);
  if (shape === CUE.tick) {
    const size = Math.max(3, Math.floor(Math.min(2 * a, 2 * b) / 4)), r = x + a - w, t = y - b + w;
    box.cue.setAttribute('points', `${r - size},${t} ${r},${t} ${r},${t + size}`);
  } else {
    const h = Math.max(2, Math.floor((2 * b) / 6));
    set(box.cue, { x: x - a + w, y: y + b - w - h, width: Math.max(0, 2 * a - 2 * w), height: h });
  }
}
let boxes = [], outlines = null, geometry = null;
function levelOf(i) { return i <= 0 ? 0 : Math.floor(Math.log2(i)) + 1; }
function position(i) {
  const g = geometry;
  if (i === 0) return [Math.floor(W / 2), Math.floor(((2 * g.top - 1) * H) / (2 * (g.depth + g.top)))];
  const level = levelOf(i), place = i - 2 ** (level - 1);
  return [Math.floor(((2 * place + 1) * W) / 2 ** level), Math.floor(((2 * (level + g.top) - 1) * H) / (2 * (g.depth + g.top)))];
}
function el(name, attrs, parent) {
  const e = document.createElementNS(NS, name);
  for (const k in attrs) e.setAttribute(k, attrs[k]);
  if (parent) parent.appendChild(e);
  return e;
}
function layout() {
  svg.textContent = '';
  geometry = { depth: Math.max(1, levelOf(tree.count)), top: data.nodeZero ? 1 : 0 };
  el('rect', { x: 0, y: 0, width: W, height: H, fill: '#fff' }, svg);
  let d = '';
  for (let i = 1; 2 * i <= tree.count; ++i) {
    const [px, py] = position(i);
    for (const c of [2 * i, 2 * i + 1]) {
      if (c > tree.count) continue;
      const [cx, cy] = position(c);
      d += `M${c % 2 ? px + a : px - a} ${py}H${cx}V${cy}`;
    }
  }
  if (data.nodeZero) { const [zx, zy] = position(0), [rx, ry] = position(1); d += `M${zx} ${zy}L${rx} ${ry}`; }
  el('path', { d, stroke: '#000', fill: 'none', 'stroke-width': LINE, transform: `translate(${LINE / 2} ${LINE / 2})` }, svg);
  boxes = [];
  // Labels where a level's places are far enough apart to be read.
  const withText = (i) => b >= 4 && W / 2 ** Math.max(0, levelOf(i) - 1) >= 8;
  const size = Math.max(1, Math.round(b * 0.85));
  // Where nodes of a level share a column their boxes coincide: only the
  // last, which covers the others, is drawn.
  const covered = (i) => i >= 1 && i + 1 <= tree.count && levelOf(i + 1) === levelOf(i) && position(i + 1)[0] === position(i)[0];
  for (let i = data.nodeZero ? 0 : 1; i <= tree.count; ++i) {
    if (covered(i)) continue;
    const [x, y] = position(i);
    const g = el('g', { 'data-index': i }, svg);
    const r = el('rect', {}, g);
    const t = withText(i) ? el('text', { x, y, 'font-size': size, 'text-anchor': 'middle', 'dominant-baseline': 'central' }, g) : null;
    boxes[i] = { r, t, x, y };
  }
  outlines = el('g', { fill: 'none', stroke: PALETTE.pointed, 'stroke-width': 3 }, svg);
  layoutDue = false;
  for (let i = 0; i <= tree.count; ++i) drawBox(i);
  tree.dirty.clear();
}
// A box drawn again only where its mark or its label changed: a seek that
// changes thousands of values changes few boxes the picture shows.
function drawBox(i) {
  const box = boxes[i];
  if (!box) return;
  const look = tree.looks.get(i), value = look ? look[0] : tree.values[i], mark = look ? look[1] : tree.marks[i];
  if (box.mark !== mark) {
    styleBox(box, mark);
    box.mark = mark;
  }
  if (box.t && box.value !== value) {
    const text = label(value);
    if (box.t.firstChild) box.t.firstChild.nodeValue = text; else box.t.textContent = text;
    const room = 2 * a - 2, wide = text.length * 0.55 * Math.round(b * 0.85);
    const size = wide > room ? Math.max(6, Math.round(b * 0.85 * room / wide)) : Math.round(b * 0.85);
    if (box.size !== size) { box.t.setAttribute('font-size', size); box.size = size; }
    box.value = value;
  }
  const tagAt = tree.tags.get(i), tag = tagAt === undefined ? '' : ((at = tagAt), words(message(), view.lang));
  if (box.t && (box.tag || '') !== tag) {
    // Small, at the bottom right corner inside the frame, as the window draws it.
    box.tagText = box.tagText || el('text', { x: box.x + a - 2, y: box.y + b - 2, 'font-size': Math.max(6, Math.round((2 * b) / 3)), 'text-anchor': 'end', fill: (MARKS[mark] || MARKS[0])[2] }, box.r.parentNode);
    box.tagText.textContent = tag;
    box.tag = tag;
  }
}
function outline(i) {
  const [x, y] = position(i);
  el('rect', { x: x - a - 2, y: y - b - 2, width: 2 * a + 3, height: 2 * b + 3 }, outlines);
}
function drawExerciseOutline() {
  outlines.textContent = '';
  const i = exercise.picked || exercise.revealed;
  if (i >= 1 && i <= tree.count) outline(i);
}
function drawOutlines(r) {
  outlines.textContent = '';
  for (let j = S.ptStart[r]; j < S.ptStart[r + 1]; ++j) {
    const i = S.pt[j];
    if (i >= 1 && i <= tree.count) outline(i);
  }
}

// The heap array: each slot's index and its node's label in its mark's
// colours, the nodes the step points at outlined; of a large tree, the
// slots about them.
const ARRAY_SLOTS = 64;
let arrayCells = [], arrayFirst = 0;
function drawArray(r) {
  const strip = $('array');
  const pointed = S.pt.slice(S.ptStart[r], S.ptStart[r + 1]);
  const centre = pointed.length ? pointed[0] : 1;
  const firstSlot = Math.max(1, Math.min(centre - ARRAY_SLOTS / 2, tree.count - ARRAY_SLOTS + 1));
  const lastSlot = Math.min(tree.count, firstSlot + ARRAY_SLOTS - 1);
  if (firstSlot !== arrayFirst || arrayCells.length !== lastSlot - firstSlot + 1) {
    strip.textContent = '';
    arrayCells = [];
    arrayFirst = firstSlot;
    for (let i = firstSlot; i <= lastSlot; ++i) {
      const cell = document.createElement('span');
      cell.setAttribute('role', 'listitem');
      const index = document.createElement('small');
      index.textContent = i;
      cell.append(index, document.createTextNode(''));
      strip.appendChild(cell);
      arrayCells.push({ cell, text: cell.lastChild, mark: -1, value: NaN, pointed: false });
    }
  }
  arrayCells.forEach((slot, n) => {
    const i = firstSlot + n, look = tree.looks.get(i), mark = look ? look[1] : tree.marks[i], value = look ? look[0] : tree.values[i];
    if (slot.mark !== mark) {
      const [fillColour, frame, ink, cue] = MARKS[mark] || MARKS[0];
      Object.assign(slot.cell.style, { background: fillColour, borderColor: frame, color: ink, borderWidth: `${frameWidth(cue)}px`,
        borderStyle: cue === CUE.dashed ? 'dashed' : cue === CUE.dotted ? 'dotted' : 'solid' });
      slot.cell.firstChild.style.color = ink === '#000000' ? '' : ink; // the index as light as the label
      slot.mark = mark;
    }
    if (slot.value !== value) { slot.text.nodeValue = label(value); slot.value = value; }
    const isPointed = pointed.includes(i);
    if (slot.pointed !== isPointed) { slot.cell.className = isPointed ? 'pointed' : ''; slot.pointed = isPointed; }
  });
}

// The panel: its summary, then each row's title and cells in their looks.
const LOOKS = ['', 'read', 'head', 'winner', 'head'];
function drawPanel(r) {
  const record = $('record');
  record.hidden = !data.panel.length;
  tree.panelDirty = false;
  if (record.hidden) return;
  record.textContent = '';
  const summary = document.createElement('p');
  summary.textContent = S.sum[r] >= 0 ? (at = S.sum[r], words(message(), view.lang)) : '';
  record.appendChild(summary);
  tree.panel.forEach((cells, row) => {
    if (row > 0 && !cells.length) return;
    const line = document.createElement('div');
    const title = document.createElement('b');
    title.textContent = (data.panel[row] || [''])[langIndex(view.lang)] || '';
    line.appendChild(title);
    for (const cell of cells) {
      const span = document.createElement('span');
      span.textContent = cell ? label(cell[0]) : '';
      if (cell && LOOKS[cell[1]]) span.className = LOOKS[cell[1]];
      line.appendChild(span);
    }
    record.appendChild(line);
  });
}

// The panels and the controls.
const $ = (id) => document.getElementById(id);
const view = { from, to, lang: LANGUAGES.includes(data.language) ? data.language : LANGUAGES[0], speed: 1, playing: false, loop: false, timer: 0 };
// The page's own words come with its data, in every language of the table.
function ui(key, ...args) { return fill(data.ui[key][langIndex(view.lang)], args.map(String)); }
for (const [code, name] of data.languages) $('lang').append(new Option(name, code)); // each named in itself
function showTexts() {
  document.documentElement.lang = { zh_TW: 'zh-Hant', zh_CN: 'zh-Hans' }[view.lang] || view.lang;
  for (const id of ['start', 'back', 'step', 'end']) { $(id).title = ui(id); $(id).setAttribute('aria-label', ui(id)); }
  $('speedLabel').textContent = ui('speed');
  $('practiceLabel').textContent = ui('practice');
  $('zoomLabel').textContent = ui('zoom');
  $('hint').textContent = ui('hint');
  $('solution').textContent = ui('solution');
  $('lang').value = view.lang;
  const code = $('code');
  code.textContent = '';
  for (const [indent, texts] of data.listing) {
    const li = document.createElement('li');
    li.textContent = '  '.repeat(indent) + texts[langIndex(view.lang)];
    code.appendChild(li);
  }
  tree.panelDirty = true;
  render();
}
function render() {
  if (layoutDue) layout();
  for (const i of tree.dirty) drawBox(i);
  drawBox(0);
  tree.dirty.clear();
  const r = shown - from;
  if (exercising()) drawExerciseOutline(); else drawOutlines(r);
  drawArray(r);
  if (tree.panelDirty) drawPanel(r);
  const lines = $('code').children;
  for (let j = 0; j < lines.length; ++j) lines[j].className = j + 1 === S.line[r] ? 'current' : '';
  $('counts').textContent = ui(data.visits ? 'visits' : 'counts', shown, data.steps, S.cmp[r], S.mov[r]);
  $('slider').value = shown;
  $('stepText').textContent = `${shown} / ${data.steps}`;
  $('play').textContent = view.playing ? '||' : '▶';
  $('play').title = ui(view.playing ? 'pause' : 'play');
  if (shown >= view.to) reportScore();
  $('narration').textContent = exercise && !exercise.solution ? exerciseText()
    : practice.said || words(narration(r), view.lang);
  if (exercise) $('score').textContent = say('progress', exercise.right, EX.units.length);
  showQuiz();
}

// Practice: each step that decides waits for the learner's answer.
function showQuiz() {
  const quiz = $('quiz');
  quiz.hidden = !practice.on && !exercise;
  if (!practice.on) { $('hint').hidden = true; return; }
  const q = practice.held;
  $('question').textContent = q ? words(q.ask, view.lang) : shown === view.to ? summary() : '';
  const choices = $('choices');
  choices.textContent = '';
  if (q) {
    q.choices.forEach((c, n) => {
      const button = document.createElement('button');
      button.type = 'button';
      button.textContent = c === 0 && q.kind.none ? `${ui('none')} (N)` : `${c} (${n + 1})`;
      button.addEventListener('click', () => answer(c));
      choices.appendChild(button);
    });
  }
  $('hint').hidden = !q;
  $('score').textContent = ui('score', practice.right, practice.wrong, practice.asked);
}
function summary() {
  if (!practice.runAsked) return '';
  let text = ui('summary', practice.runAsked, practice.runWrong);
  if (practice.missed.length) text += ui('missed', practice.missed.map((m) => m[langIndex(view.lang)]).join(ui('joiner')));
  return text;
}
function hint() {
  const q = practice.held;
  if (!q) return;
  const nodes = q.kind.nodes ? q.choices.filter((c) => c !== 0) : [];
  let text = ui('hintText', q.node, nodes.length ? nodes.join(ui('joiner')) : ui('written'));
  const line = S.line[shown + 1 - from];
  if (line) text += ui('hintLine', line);
  $('question').textContent = `${words(q.ask, view.lang)} ${text}`;
}
// One step forward, unless practice holds it for an answer.
function stepForward() {
  if (shown >= view.to) return false;
  const r = shown + 1 - from;
  if (practice.on && practice.passed !== shown + 1 && !practice.held) {
    const q = question(r);
    if (q) { practice.held = q; stop(); render(); return false; }
  }
  if (practice.held) return false;
  practice.said = null;
  seekTo(shown + 1);
  return true;
}
function answer(choice) {
  const q = practice.held;
  if (!q || !q.choices.includes(Number(choice))) return false;
  practice.held = null;
  practice.passed = shown + 1;
  ++practice.asked; ++practice.runAsked;
  const right = Number(choice) === q.answer;
  if (right) ++practice.right;
  else {
    ++practice.wrong; ++practice.runWrong;
    if (!practice.missed.some((m) => m[0] === q.kind.missed[0])) practice.missed.push(q.kind.missed);
  }
  seekTo(shown + 1);
  practice.said = right ? null : `${words(q.reveal, view.lang)} ${words(narration(shown - from), view.lang)}`;
  reportScore();
  if (right) play(); else render();
  return right;
}

// Exercises: the learner does the run by hand and each action is graded
// against the steps of the run, as the program grades it. An action is a
// unit: [first step, last step, kind (1 swap, 2 promote, 3 choose), a, b,
// the node outlined when it is due, stage, task, run]: the units of one
// nonzero stage are done in any order, those of one task among them in
// order; a run chosen is 1 (the run being written, `run`) or 2 (the next).
const EX = data.exercise;
const exercise = EX ? {
  done: EX.units.map(() => false), next: 0, right: 0, wrong: 0, shown: 0, firstTry: 0, streak: 0, missed: [],
  told: null, revealed: 0, picked: 0, pressed: -1, finished: EX.units.length === 0, solution: false,
} : null;
const KIND_NAMES = ['', 'swap', 'match', 'run'];
function say(key, ...args) { return fill(EX.texts[key][langIndex(view.lang)], args.map(String)); }
function exercising() { return exercise && !exercise.finished; }
// A match between a node's two children, not a loser tree's climb.
function isMatch(u) { return u[2] === 2 && u[3] >= 2 && Math.floor(u[3] / 2) === u[5]; }
function unitNodes(u) {
  const nodes = [];
  for (let k = u[0]; k <= u[1]; ++k) {
    parseUntil(k - from);
    for (let j = S.chStart[k - from]; j < S.chStart[k - from + 1]; j += 3) {
      nodes.push(Math.floor(S.ch[j] / 4));
      if (S.ch[j] % 4 === 2) nodes.push(S.ch[j + 1]);
    }
  }
  return nodes;
}
// The unit due and the others of its stage: each task's next unit, where
// it changes no node an earlier unit not done changes.
function dueUnits() {
  if (exercise.next >= EX.units.length) return [];
  const head = EX.units[exercise.next], due = [exercise.next];
  if (!head[6]) return due;
  const tasks = new Set([head[7]]), touched = new Set(unitNodes(head));
  for (let u = exercise.next + 1; u < EX.units.length; ++u) {
    if (exercise.done[u]) continue;
    const unit = EX.units[u];
    if (unit[6] !== head[6]) break;
    const nodes = unitNodes(unit), apart = !nodes.some((n) => touched.has(n));
    nodes.forEach((n) => touched.add(n));
    if (tasks.has(unit[7])) continue;
    if (!apart) break;
    tasks.add(unit[7]);
    due.push(u);
  }
  return due;
}
function applyUnit(u) {
  const unit = EX.units[u];
  const count = tree.count;
  for (let k = unit[0]; k <= unit[1]; ++k) { parseUntil(k - from); apply(tree, k - from, true); }
  if (tree.count !== count) layoutDue = true;
  exercise.done[u] = true;
  while (exercise.next < EX.units.length && exercise.done[exercise.next]) ++exercise.next;
  if (exercise.next === EX.units.length) finishExercise();
}
function reason(kind, a, b, head) {
  if (kind !== head[2]) return say(['', 'swapDue', 'promoteDue', 'chooseDue'][head[2]]);
  if (kind === 1) return say('noSwap', a, b);
  if (kind === 3) return say('notInRun', head[8] + a - 1);
  const same = isMatch(head) ? Math.floor(a / 2) === head[5] : a === head[5] || a === 0;
  if (!same) return say('notYet', Math.floor(a / 2));
  let text = say('otherSide', head[5]);
  if (isMatch(head) && tree.values[2 * head[5]] === tree.values[2 * head[5] + 1]) text += say('tie');
  return text;
}
// One action: right, applied; wrong, told and counted; the third wrong try
// in a row applies the action due.
function act(kind, a, b = 0) {
  if (!exercising()) return 'over';
  if (kind === 1 && a > b) [a, b] = [b, a];
  exercise.picked = 0;
  exercise.told = null;
  exercise.revealed = 0;
  const due = dueUnits();
  const found = due.find((u) => { const x = EX.units[u]; return x[2] === kind && x[3] === a && (kind !== 1 || x[4] === b); });
  if (found !== undefined) {
    ++exercise.right;
    if (exercise.streak === 0) ++exercise.firstTry;
    exercise.streak = 0;
    applyUnit(found);
    render();
    return 'right';
  }
  const head = EX.units[due[0]];
  ++exercise.wrong;
  const missed = KIND_NAMES[head[2]];
  if (!exercise.missed.includes(missed)) exercise.missed.push(missed);
  exercise.told = reason(kind, a, b, head);
  exercise.revealed = head[5];
  if (++exercise.streak >= 3) {
    exercise.streak = 0;
    ++exercise.shown;
    exercise.told += say('threeWrong');
    applyUnit(due[0]);
  }
  render();
  reportScore();
  return 'wrong';
}
function exerciseScore() {
  return EX.units.length ? Math.round((100 * exercise.firstTry) / EX.units.length) : 100;
}
function exerciseText() {
  if (exercise.solution) return say('solutionShown');
  if (exercise.finished) {
    let text = say('summary', EX.units.length, exercise.firstTry, exercise.wrong, exercise.shown, exerciseScore());
    exercise.missed.forEach((m, i) => { text += say(i ? 'missedNext' : 'missedFirst', say(m)); });
    return text;
  }
  return exercise.told || say('start');
}
// The exercise over: the player's controls come back, at the last step.
function finishExercise() {
  exercise.finished = true;
  exercise.revealed = exercise.picked = 0;
  shown = view.to;
  for (const id of ['start', 'back', 'play', 'step', 'end', 'slider', 'practice']) $(id).disabled = false;
  reportScore();
}
function solution() {
  if (!exercise || exercise.solution) return;
  exercise.solution = true;
  exercise.told = null;
  finishExercise();
  restore(frames[0]);
  shown = from;
  layoutDue = true;
  play();
}
function clickBox(i) {
  if (!exercising()) return;
  if (!EX.units.some((u) => u[2] === 1)) { act(2, i); return; }
  if (exercise.picked && exercise.picked !== i) { act(1, exercise.picked, i); return; }
  exercise.picked = exercise.picked === i ? 0 : i;
  render();
}

// Playing: a step each half second divided by the speed.
function tick() {
  view.timer = 0;
  if (!view.playing) return;
  if (shown >= view.to) {
    if (view.loop) { practice.passed = -1; seekTo(view.from); } else { stop(); render(); reportScore(); return; }
  } else if (!stepForward()) return;
  view.timer = setTimeout(tick, 500 / view.speed);
}
function play() {
  if (view.playing) return;
  if (shown >= view.to && !view.loop) seekTo(view.from);
  view.playing = true;
  render();
  view.timer = setTimeout(tick, 500 / view.speed);
}
function stop() {
  view.playing = false;
  if (view.timer) clearTimeout(view.timer);
  view.timer = 0;
}
function pause() { stop(); render(); }
function setPractice(on) {
  practice.on = !!on;
  practice.held = null;
  practice.said = null;
  $('practice').checked = practice.on;
  render();
}

// A learning platform's API (SCORM 1.2), where the page was started by one.
function findAPI(win) {
  for (let n = 0; win && n < 16; ++n) {
    try { if (win.API) return win.API; } catch (e) { return null; }
    if (win.parent === win) break;
    win = win.parent;
  }
  return null;
}
const platform = data.scorm ? (findAPI(window) || (window.opener && findAPI(window.opener))) : null;
let reported = false; // the platform has been told the end
if (platform) {
  platform.LMSInitialize('');
  platform.LMSSetValue('cmi.core.lesson_status', 'incomplete');
  platform.LMSCommit('');
  window.addEventListener('pagehide', () => { if (!reported) { reported = true; platform.LMSFinish(''); } });
}
// The score so far; at the end, passed or failed against the pass mark.
function reportScore() {
  if (!platform || reported) return;
  if (exercise) { reportExercise(); return; }
  const score = practice.asked ? Math.round((practice.right / practice.asked) * 100) : 0;
  platform.LMSSetValue('cmi.core.score.raw', String(score));
  platform.LMSSetValue('cmi.core.score.min', '0');
  platform.LMSSetValue('cmi.core.score.max', '100');
  const done = shown >= view.to && !practice.held;
  platform.LMSSetValue('cmi.core.lesson_status', !done ? 'incomplete' : score >= data.scorm.pass ? 'passed' : 'failed');
  platform.LMSCommit('');
  if (done) { reported = true; platform.LMSFinish(''); }
}

function reportExercise() {
  const score = exercise.solution ? 0 : exerciseScore();
  platform.LMSSetValue('cmi.core.score.raw', String(exercise.finished ? score : Math.round((100 * exercise.firstTry) / Math.max(1, EX.units.length))));
  platform.LMSSetValue('cmi.core.score.min', '0');
  platform.LMSSetValue('cmi.core.score.max', '100');
  platform.LMSSetValue('cmi.core.lesson_status', !exercise.finished ? 'incomplete' : score >= data.scorm.pass ? 'passed' : 'failed');
  platform.LMSCommit('');
  if (exercise.finished) { reported = true; platform.LMSFinish(''); }
}

// The state, with the program's names and meanings.
// Each node's tag as its box shows it, or as the tree holds it where the box
// is too small for text.
function tagsShown() {
  const tags = [];
  for (const [node, said] of [...tree.tags.entries()].sort((p, q) => p[0] - q[0])) {
    const box = boxes[node], text = box && box.t ? box.tag || '' : ((at = said), words(message(), view.lang));
    if (text) tags.push([node, text]);
  }
  return tags;
}
function state() {
  const r = shown - from;
  const nodes = [];
  const stack = tree.count >= 1 ? [1] : [];
  while (stack.length) {
    const i = stack.pop();
    nodes.push({ index: i, label: label(tree.values[i]), mark: tree.marks[i] });
    if (2 * i + 1 <= tree.count) stack.push(2 * i + 1);
    if (2 * i <= tree.count) stack.push(2 * i);
  }
  const q = practice.held;
  return {
    step: shown, steps: data.steps, algorithm: data.algorithm, line: S.line[r],
    narration: words(narration(r), view.lang), comparisons: S.cmp[r], moves: S.mov[r], nodes,
    node0: data.nodeZero ? { label: label(tree.values[0]), mark: tree.marks[0] } : null,
    tags: tagsShown(),
    practice: {
      on: practice.on, question: q ? { kind: q.kind.name, node: q.node, choices: q.choices.slice() } : null,
      asked: practice.asked, right: practice.right, wrong: practice.wrong,
    },
    exercise: exercise ? {
      name: EX.name, size: EX.size, mode: 'continuous', actions: EX.units.length, right: exercise.right,
      wrong: exercise.wrong, done: exercise.finished, shown: exercise.solution,
      score: exercise.finished ? (exercise.solution ? 0 : exerciseScore()) : null, told: exercise.told,
    } : null,
  };
}

// The controls, the keys and the clicks.
$('slider').min = from;
$('slider').max = to;
for (const s of SPEEDS) { const o = document.createElement('option'); o.value = s; o.textContent = `${s}×`; $('speed').appendChild(o); }
$('speed').value = 1;
$('start').addEventListener('click', () => { stop(); practice.passed = -1; seekTo(view.from); });
$('back').addEventListener('click', () => { stop(); practice.held = null; practice.said = null; seekTo(shown - 1); });
$('play').addEventListener('click', () => (view.playing ? pause() : play()));
$('step').addEventListener('click', () => { stop(); stepForward(); render(); });
$('end').addEventListener('click', () => { stop(); practice.held = null; seekTo(view.to); reportScore(); });
$('slider').addEventListener('input', () => { stop(); practice.held = null; seekTo(Number($('slider').value)); });
$('speed').addEventListener('change', () => { view.speed = Number($('speed').value); });
$('practice').addEventListener('change', () => setPractice($('practice').checked));
$('lang').addEventListener('change', () => { view.lang = $('lang').value; showTexts(); });
$('zoom').addEventListener('input', () => { svg.style.width = `${Number($('zoom').value) * 100}%`; });
$('hint').addEventListener('click', hint);
function boxOf(event) {
  const g = event.target.closest && event.target.closest('g[data-index]');
  return g ? Number(g.getAttribute('data-index')) : -1;
}
svg.addEventListener('click', (event) => {
  const i = boxOf(event);
  if (i >= 0 && practice.held && practice.held.kind.nodes) answer(i);
});
// In an exercise a press and its release on one box click it; on two boxes
// they swap the two values.
svg.addEventListener('pointerdown', (event) => { if (exercising()) { exercise.pressed = boxOf(event); event.preventDefault(); } });
svg.addEventListener('pointerup', (event) => {
  if (!exercising() || exercise.pressed < 0) return;
  const pressed = exercise.pressed, released = boxOf(event);
  exercise.pressed = -1;
  if (released === pressed) clickBox(released);
  else if (released > 0 && pressed > 0 && EX.units.some((u) => u[2] === 1)) act(1, pressed, released);
});
document.addEventListener('keydown', (event) => {
  if (event.target.tagName === 'INPUT' && event.target.type !== 'checkbox' && event.target.type !== 'range') return;
  const q = practice.held;
  if (exercising()) {
    if (/^[12]$/.test(event.key) && EX.units.some((u) => u[2] === 3)) { act(3, Number(event.key)); event.preventDefault(); }
    return;
  }
  if (q && /^[0-9]$/.test(event.key)) {
    const n = Number(event.key);
    answer(q.kind.nodes ? q.choices[n - 1] : n);
  } else if (q && (event.key === 'n' || event.key === 'N') && q.kind.none) answer(0);
  else if (event.key === ' ') view.playing ? pause() : play();
  else if (event.key === 'ArrowRight' || event.key === 'PageDown') { stop(); stepForward(); render(); }
  else if (event.key === 'ArrowLeft' || event.key === 'PageUp') { stop(); practice.held = null; practice.said = null; seekTo(shown - 1); }
  else if (event.key === 'Home') { stop(); seekTo(view.from); }
  else if (event.key === 'End') { stop(); practice.held = null; seekTo(view.to); }
  else return;
  event.preventDefault();
});

// The parameters after '#', for a page embedded in another.
const params = new URLSearchParams(location.hash.slice(1));
// An exercise's tree is the learner's: no parameter moves it.
if (exercise) for (const moving of ['from', 'to', 'step', 'autoplay', 'loop']) params.delete(moving);
const within = (v, lo, hi) => Math.max(lo, Math.min(hi, v));
if (params.has('from')) view.from = within(Number(params.get('from')) || from, from, to);
if (params.has('to')) view.to = within(Number(params.get('to')) || to, view.from, to);
if (params.has('speed') && SPEEDS.includes(Number(params.get('speed')))) { view.speed = Number(params.get('speed')); $('speed').value = view.speed; }
if (LANGUAGES.includes(params.get('lang'))) view.lang = params.get('lang');
if (params.get('controls') === '0') document.body.className = 'bare';
view.loop = params.get('loop') === '1';
$('zoom').value = data.scale;
svg.style.width = `${data.scale * 100}%`;
$('slider').min = view.from;
$('slider').max = view.to;
showTexts();
performance.mark('zarni-first-step');
await loadRest();
if (exercise) { // the program's steps before the first action, and no player until it is done
  seekTo(EX.units.length ? EX.units[0][0] - 1 : view.to);
  for (const id of ['start', 'back', 'play', 'step', 'end', 'slider', 'practice']) $(id).disabled = !exercise.finished;
  $('quiz').hidden = false;
  $('solution').hidden = false;
  $('solution').addEventListener('click', solution);
} else seekTo(params.has('step') ? Number(params.get('step')) : view.from);
if (!exercise && (params.get('practice') === '1' || data.scorm)) setPractice(true);
if (params.get('autoplay') === '1') play();
reportScore();
setTimeout(background, 0);

window.zarni = {
  get steps() { return data.steps; },
  ready, // every step read and its pictures made: seeks are quickest
  seek(k) { if (!exercising()) { stop(); practice.held = null; practice.said = null; seekTo(k); } return shown; },
  play() { if (!exercising()) play(); },
  pause, answer, state,
  practice(on) { setPractice(on); },
  act(kind, a, b) { return act({ swap: 1, promote: 2, choose: 3 }[kind], a, b); },
  solution,
  step() { if (exercising()) return false; stop(); const moved = stepForward(); render(); return moved; },
};
})();
