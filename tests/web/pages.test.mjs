// The pages the program exports, played in Debian's Chromium: at sampled
// steps of every algorithm the page's state equals the program's after a
// seek to the same step; keys, parameters and practice; not one request.
// Usage: node pages.test.mjs ZARNI_BINARY
import { chromium } from 'playwright-core';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { inflateRawSync } from 'node:zlib';
import { join } from 'node:path';
import assert from 'node:assert/strict';

const zarni = process.argv[2];
const dir = mkdtempSync(join(tmpdir(), 'zarni-web-'));
let failures = 0;

function run(lines) {
  const script = join(dir, 'script.zs');
  writeFileSync(script, lines.join('\n') + '\n');
  execFileSync(zarni, ['--headless', '--script', script], { stdio: ['ignore', 'ignore', 'inherit'] });
}
function programState(path) {
  const view = JSON.parse(readFileSync(path, 'utf8')).views.find((v) => v.active);
  const { step, steps, algorithm, line, narration, comparisons, moves } = view.run;
  const nodes = view.nodes.map(({ index, label, mark }) => ({ index, label, mark }));
  // A segment tree's pending tags, as its boxes show them.
  const tags = (view.segment ? view.segment.lazy : []).map(([node, tag]) => [node, (tag > 0 ? '+' : '') + tag]);
  return { step, steps, algorithm, line, narration, comparisons, moves, nodes: sorted(nodes), node0: view.node0, tags, merge: view.merge };
}
function sorted(nodes) { return nodes.slice().sort((p, q) => p.index - q.index); }
function pageState(state) {
  const { practice, exercise, nodes, ...rest } = state;
  return { ...rest, nodes: sorted(nodes) };
}

// Steps picked at random, the same at every run (mulberry32).
let seed = 20261210;
function random() {
  seed = (seed + 0x6d2b79f5) | 0;
  let t = Math.imul(seed ^ (seed >>> 15), 1 | seed);
  t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
  return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
}

// Each row: a name and the statements that leave a run in the active view.
const rows = [
  ['tournament', ['nodes 31', 'leaves 5 17 -3 8 8 40 2 11 9 0 23 6 1 14 30 7', 'ID_WINNER_END']],
  ['loser tournament', ['tree loser', 'nodes 15', 'leaves 5 17 -3 8 8 40 2 11', 'ID_WINNER_END']],
  ['runner-up', ['nodes 15', 'leaves 5 17 -3 8 8 40 2 11', 'ID_WINNER_END', 'second']],
  ['path played again', ['nodes 15', 'leaves 5 17 -3 8 8 40 2 11', 'ID_WINNER_END', 'leaf 12 99']],
  ['loser path played again', ['tree loser', 'nodes 15', 'leaves 5 17 -3 8 8 40 2 11', 'ID_WINNER_END', 'leaf 9 -50']],
  ['merge', ['runs 9 5 1 / 8 6 2 / 7 4 3 / 10 0 / 12 11', 'ID_WINNER_POP_ALL']],
  ['loser merge', ['tree loser', 'runs 9 5 1 / 8 6 2 / 7 4 3 / 10 0', 'ID_WINNER_POP_ALL']],
  ['heap build', ['nodes 20', 'values 4 9 1 7 3 8 2 6 5 0 11 19 13 12 18 14 17 15 16 10', 'heap build']],
  ['min-heap build by insert', ['heap min', 'nodes 12', 'values 4 9 1 7 3 8 2 6 5 0 11 10', 'heap build-by-insert']],
  ['heapsort', ['nodes 15', 'values 4 9 1 7 3 8 2 6 5 0 11 14 13 12 10', 'heap sort']],
  ['heap insert', ['nodes 15', 'values 4 9 1 7 3 8 2 6 5 0 11 14 13 12 10', 'heap build', 'heap insert 50']],
  ['heap extract', ['nodes 16', 'values 4 9 1 7 3 8 2 6 5 0 11 14 13 12 10 15', 'heap build', 'heap extract']],
  ['heap key', ['nodes 15', 'values 4 9 1 7 3 8 2 6 5 0 11 14 13 12 10', 'heap build', 'heap key 9 40']],
  ['heap delete', ['nodes 15', 'values 4 9 1 7 3 8 2 6 5 0 11 14 13 12 10', 'heap build', 'heap delete 2']],
  ['replacement', ['replace 4 12 3 40 7 1 9 33 2 8 15 6 27 5 11 19 4']],
  ['merge of its runs', ['replace 3 12 3 40 7 1 9 33 2 8 15 6 27 5', 'merge-runs', 'ID_WINNER_POP_ALL']],
  ['segment add over tags', ['segment sum 5 8 6 3 2 7 2 6 1 4', 'segment add 2 7 3', 'segment add 0 5 -2']],
  ['segment sums past 2^30', ['segment sum random 10800 99990 99999', 'segment add 0 10000 -7', 'segment query 1 10799']],
  // Said in the program's language, plural forms included.
  ['runner-up in English', ['language en', 'nodes 15', 'leaves 5 17 -3 8 8 40 2 11', 'ID_WINNER_END', 'second']],
  ['query in Simplified Chinese', ['language zh_CN', 'segment sum 5 8 6 3 2 7 2 6 1 4', 'segment query 1 1']],
  ['merge in English', ['language en', 'runs 9 5 1 / 8', 'ID_WINNER_POP_ALL']],
];

const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
    '--disable-sync', '--no-first-run', '--disable-quic'],
});
const context = await browser.newContext();
let requests = 0;
context.on('request', (request) => { if (!request.url().startsWith('file:')) ++requests; });

async function check(name, body) {
  try { await body(); console.log(`PASS ${name}`); } catch (error) { ++failures; console.log(`FAIL ${name}: ${error.message.slice(0, 2000)}`); }
}
async function open(path, hash = '') {
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (e) => errors.push(e.message));
  await page.goto(`file://${path}${hash}`);
  await page.waitForFunction(() => window.zarni);
  assert.deepEqual(errors, []);
  return page;
}

for (const [name, setup] of rows) {
  await check(name, async () => {
    const first = join(dir, 'steps.json');
    run([...setup, `state ${first}`]);
    const steps = programState(first).steps;
    const picked = [0, 1, Math.floor(random() * steps), Math.floor(random() * steps), steps - 1, steps];
    const samples = picked.filter((k, i, all) => k >= 0 && all.indexOf(k) === i);
    const page = join(dir, 'run.html');
    run([...setup, `export-run ${page}`, ...samples.flatMap((k) => [`seek ${k}`, `state ${join(dir, `s${k}.json`)}`])]);
    const browserPage = await open(page);
    for (const k of [...samples, ...samples.slice().reverse()]) {
      const shown = pageState(await browserPage.evaluate((step) => { window.zarni.seek(step); return window.zarni.state(); }, k));
      const { merge, ...expected } = programState(join(dir, `s${k}.json`));
      assert.deepEqual(shown, expected, `step ${k}`);
      // A merge's panel: its output row says what the program wrote out.
      const output = await browserPage.$$eval('#record div:first-of-type span', (cells) => cells.map((c) => Number(c.textContent)));
      if (merge) assert.deepEqual(output, merge.output, `output at step ${k}`);
    }
    await browserPage.close();
  });
}

// A tournament of 15 nodes, as a teacher shares it.
const page = join(dir, 'tournament.html');
run(['nodes 15', 'leaves 5 17 -3 8 8 40 2 11', 'ID_WINNER_END', `export-run ${page}`]);

await check('keys', async () => {
  const p = await open(page);
  const step = async () => (await p.evaluate(() => window.zarni.state())).step;
  const keys = [['End', 21], ['Home', 0], ['ArrowRight', 1], ['PageDown', 2], ['ArrowLeft', 1], ['PageUp', 0]];
  for (const [key, expected] of keys) {
    await p.keyboard.press(key);
    assert.equal(await step(), expected, key);
  }
  await p.keyboard.press('Space');
  await p.waitForFunction(() => window.zarni.state().step >= 2);
  await p.keyboard.press('Space');
  const paused = await step();
  await p.waitForTimeout(700);
  assert.equal(await step(), paused, 'Space pauses');
});

await check('parameters', async () => {
  const cases = [['#step=7', 7], ['#from=4&to=9', 4], ['#from=4&to=9&step=20', 9], ['#step=99', 21]];
  for (const [hash, expected] of cases) {
    const p = await open(page, hash);
    assert.equal((await p.evaluate(() => window.zarni.state())).step, expected, hash);
    await p.close();
  }
  const p = await open(page, '#autoplay=1&speed=8&loop=1&lang=en&controls=0');
  await p.waitForFunction(() => window.zarni.state().step > 3);
  assert.match((await p.evaluate(() => window.zarni.state())).narration, /^Step \d+\/21/);
  assert.equal(await p.isVisible('#bar'), false);
  await p.close();
});

await check('practice', async () => {
  const p = await open(page, '#practice=1');
  // Each question answered with its first choice: some right, some wrong.
  const given = await p.evaluate(() => {
    const z = window.zarni, answers = [];
    for (let guard = 0; guard < 200; ++guard) {
      const s = z.state();
      if (s.practice.question) { answers.push(s.practice.question.choices[0]); z.answer(answers.at(-1)); }
      else if (s.step >= s.steps) break;
      else z.step();
    }
    return { answers, practice: z.state().practice };
  });
  const state = join(dir, 'practice.json');
  run(['nodes 15', 'leaves 5 17 -3 8 8 40 2 11', 'practice on', 'ID_WINNER_STEP',
    ...given.answers.map((c) => `answer ${c}`), `state ${state}`]);
  const { asked, right, wrong } = JSON.parse(readFileSync(state, 'utf8')).practice;
  assert.deepEqual(given.practice, { on: true, question: null, asked, right, wrong });
  assert.ok(right >= 1 && wrong >= 1, JSON.stringify(given.practice));
  await p.close();
});

// An exercise done in the page as in the program: a wrong action, then the
// model answer's, the first by dragging or clicking boxes and the tasks of
// each stage (a level's sifts or matches) from the last; the same tree and
// the same counts.
function lastTaskFirst(units) {
  const runs = [];
  for (const u of units) {
    const run = runs[runs.length - 1];
    if (run && u[6] && run[0][6] === u[6]) run.push(u); else runs.push([u]);
  }
  return runs.flatMap((run) => {
    const tasks = [...new Set(run.map((u) => u[7]))].reverse();
    return tasks.flatMap((t) => run.filter((u) => u[7] === t));
  });
}
const exercises = [
  ['heap-build random 10 seed 5', []], ['loser-tournament random 8 seed 3', []],
  ['merge random 4 seed 2', ['tree loser']], ['replacement random 3 seed 9', []],
];
for (const [statement, before] of exercises) {
  await check(`exercise ${statement}`, async () => {
    const html = join(dir, 'exercise.html');
    const start = join(dir, 'start.json');
    run([...before, `exercise ${statement}`, `export-run ${html}`, `state ${start}`]);
    // Nothing a link or a script says moves the learner's tree.
    const p = await open(html, '#from=40&step=40&autoplay=1');
    await p.evaluate(() => { window.zarni.seek(9); window.zarni.step(); window.zarni.play(); });
    assert.deepEqual(sorted((await p.evaluate(() => window.zarni.state())).nodes), programState(start).nodes);
    const units = await p.evaluate(() => JSON.parse(document.getElementById('data').textContent).exercise.units);
    const words = { 1: 'swap', 2: 'promote', 3: 'choose' };
    const wrong = units[0][2] === 1 ? ['swap', 1, units[0][3] === 1 && units[0][4] === 2 ? 3 : 2] : ['choose', units[0][2] === 3 ? 3 - units[0][3] : 1];
    assert.equal(await p.evaluate((w) => window.zarni.act(...w), wrong), 'wrong');
    const [kind, a, b] = units[0];
    const centre = async (i) => { const r = await p.locator(`g[data-index="${i}"]`).boundingBox(); return [r.x + r.width / 2, r.y + r.height / 2]; };
    if (units[0][2] !== 3) {
      const from = await centre(units[0][3]), to = await centre(units[0][2] === 1 ? units[0][4] : units[0][3]);
      await p.mouse.move(...from); await p.mouse.down(); await p.mouse.move(...to); await p.mouse.up();
    } else await p.keyboard.press(String(units[0][3]));
    assert.equal((await p.evaluate(() => window.zarni.state())).exercise.right, 1, `${kind} ${a} ${b} by the mouse`);
    const rest = lastTaskFirst(units.slice(1));
    for (const u of rest) assert.equal(await p.evaluate((w) => window.zarni.act(...w), [words[u[2]], u[3], u[4]]), 'right');
    const shown = await p.evaluate(() => window.zarni.state());
    const state = join(dir, 'exercise.json');
    run([...before, `exercise ${statement}`, [wrong[0], ...wrong.slice(1)].join(' '),
      ...[units[0], ...rest].map((u) => (u[2] === 1 ? `swap ${u[3]} ${u[4]}` : `${words[u[2]]} ${u[3]}`)), `state ${state}`]);
    const program = JSON.parse(readFileSync(state, 'utf8'));
    const { right, wrong: wrongs, done, score, actions } = program.exercise;
    assert.deepEqual(shown.exercise, { ...shown.exercise, right, wrong: wrongs, done, score, actions });
    assert.deepEqual(sorted(shown.nodes), programState(state).nodes);
    assert.deepEqual(shown.node0, programState(state).node0);
    await p.close();
  });
}

// The files of a zip, from its central directory.
function unzip(zip) {
  const files = {};
  const end = zip.lastIndexOf(Buffer.from([0x50, 0x4b, 0x05, 0x06]));
  let at = zip.readUInt32LE(end + 16);
  for (let n = zip.readUInt16LE(end + 10); n > 0; --n) {
    const method = zip.readUInt16LE(at + 10), size = zip.readUInt32LE(at + 20), nameLength = zip.readUInt16LE(at + 28);
    const local = zip.readUInt32LE(at + 42), start = local + 30 + zip.readUInt16LE(local + 26) + zip.readUInt16LE(local + 28);
    const bytes = zip.subarray(start, start + size);
    files[zip.toString('utf8', at + 46, at + 46 + nameLength)] = method === 8 ? inflateRawSync(bytes) : bytes;
    at += 46 + nameLength + zip.readUInt16LE(at + 30) + zip.readUInt16LE(at + 32);
  }
  return files;
}

// The package in a page that offers the SCORM 1.2 API as a platform does.
async function onPlatform(zip, body) {
  const files = unzip(readFileSync(zip));
  assert.match(files['imsmanifest.xml'].toString(), /adlcp:scormtype="sco" href="index.html"/);
  const scorm = readFileSync(new URL('node_modules/scorm-again/dist/scorm12.min.js', import.meta.url));
  const served = {
    '/platform.html': '<script src="scorm12.min.js"></script><script>window.API = new Scorm12API({ autocommit: false, lmsCommitUrl: false, logLevel: 5 });</script><iframe src="pkg/index.html"></iframe>',
    '/scorm12.min.js': scorm, '/pkg/index.html': files['index.html'],
  };
  const server = createServer((request, response) => {
    const body = served[request.url];
    response.writeHead(body ? 200 : 404, { 'Content-Type': request.url.endsWith('.js') ? 'text/javascript' : 'text/html' });
    response.end(body);
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const p = await browser.newPage();
  await p.goto(`http://127.0.0.1:${server.address().port}/platform.html`);
  const frame = await (await p.waitForSelector('iframe')).contentFrame();
  await frame.waitForFunction(() => window.zarni);
  const cmi = () => p.evaluate(() => ({ raw: window.API.cmi.core.score.raw, status: window.API.cmi.core.lesson_status }));
  assert.equal((await cmi()).status, 'incomplete');
  await body(frame, cmi);
  await p.close();
  server.close();
}

await check('SCORM package', async () => {
  const zip = join(dir, 'run.zip');
  run(['nodes 15', 'leaves 5 17 -3 8 8 40 2 11', 'ID_WINNER_END', `export-run ${zip}`]);
  await onPlatform(zip, async (frame, cmi) => {
    const practice = await frame.evaluate(() => {
      const z = window.zarni;
      for (let guard = 0; guard < 200; ++guard) {
        const s = z.state();
        if (s.practice.question) z.answer(s.practice.question.choices[0]);
        else if (s.step >= s.steps) break;
        else z.step();
      }
      return z.state().practice;
    });
    const score = Math.round((100 * practice.right) / practice.asked);
    assert.ok(practice.on && practice.asked > 0);
    assert.deepEqual(await cmi(), { raw: String(score), status: score >= 80 ? 'passed' : 'failed' });
  });
});

// An exercise's package reports the exercise's score: one action missed
// three times of the model answer's.
await check('SCORM package of an exercise', async () => {
  const zip = join(dir, 'exercise.zip');
  run(['exercise tournament random 8 seed 3', `export-run ${zip}`]);
  await onPlatform(zip, async (frame, cmi) => {
    const actions = await frame.evaluate(() => {
      const units = JSON.parse(document.getElementById('data').textContent).exercise.units;
      const wrong = units[0][3] ^ 1;
      for (let n = 0; n < 3; ++n) window.zarni.act('promote', wrong);
      for (const u of units.slice(1)) window.zarni.act('promote', u[3]);
      return units.length;
    });
    const score = Math.round((100 * (actions - 1)) / actions);
    assert.deepEqual(await cmi(), { raw: String(score), status: score >= 80 ? 'passed' : 'failed' });
  });
});

await check('no request leaves the page', async () => {
  assert.equal(requests, 0);
});

await browser.close();
rmSync(dir, { recursive: true, force: true });
process.exit(failures ? 1 : 0);
