// How fast an exported page plays in headless Chromium: its size, the time
// from loading to its first step shown, and seeks to random steps.
// Usage: node bench/web_page.mjs ZARNI_BINARY (after make check or make bench,
// which install tests/web's packages).
import { chromium } from '../tests/web/node_modules/playwright-core/index.mjs';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

const dir = mkdtempSync(join(tmpdir(), 'zarni-bench-web-'));
const cases = [
  ['15-node tournament', ['nodes 15', 'leaves 5 17 -3 8 8 40 2 11', 'ID_WINNER_END']],
  ['heapsort of 1,023 values', ['nodes 1023', 'values random', 'heap sort']],
  ['heapsort of 32,767 values', ['nodes 32767', 'values random', 'heap sort']],
];
const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update', '--no-first-run'],
});
for (const [name, setup] of cases) {
  const page = join(dir, 'run.html');
  writeFileSync(join(dir, 'run.zs'), [...setup, `export-run ${page}`].join('\n') + '\n');
  const started = Date.now();
  execFileSync(process.argv[2], ['--headless', '--script', join(dir, 'run.zs')], { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' } });
  const exported = Date.now() - started;
  const tab = await browser.newPage();
  const loading = Date.now();
  await tab.goto(`file://${page}`);
  await tab.waitForFunction(() => window.zarni, null, { polling: 10, timeout: 60000 });
  const loaded = Date.now() - loading;
  const shown = await tab.evaluate(() => performance.getEntriesByName('zarni-first-step')[0].startTime);
  await tab.evaluate(() => window.zarni.ready);
  const ready = Date.now() - loading;
  const seeks = await tab.evaluate(() => {
    const times = [];
    for (let n = 0; n < 50; ++n) {
      const k = Math.floor(Math.random() * (window.zarni.steps + 1)), t = performance.now();
      window.zarni.seek(k);
      void document.body.offsetHeight; // the layout the seek asks for
      times.push(performance.now() - t);
    }
    times.sort((p, q) => p - q);
    return { median: times[25], worst: times[49], steps: window.zarni.steps };
  });
  console.log(`${name}: ${seeks.steps} steps, ${(statSync(page).size / 1e6).toFixed(2)} MB, exported in ${exported} ms, first step shown ${shown.toFixed(0)} ms after navigation began, every step seekable at ${loaded} ms and quickest at ${ready} ms, seek median ${seeks.median.toFixed(1)} ms, worst ${seeks.worst.toFixed(1)} ms`);
  await tab.close();
}
await browser.close();
rmSync(dir, { recursive: true, force: true });
