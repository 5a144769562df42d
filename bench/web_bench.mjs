// The web page's size and speed in Debian's headless chromium, served from this machine:
// - the bytes a server that compresses with gzip sends for the page, its script and its
//   WebAssembly (the service worker, manifest and icons come later and are not waited for);
// - navigation to the first drawn display, and, in the same run, to the end of loading an
//   empty page (the browser's own floor), the median of RUNS fresh profiles each;
// - a key to the updated display: from the key-down's time stamp to the end of the drawing.
//
//   node bench/web_bench.mjs [SITE] [RUNS] [KEYS]     (after scripts/build-web.sh and
//                                                      npm ci in tests/web)
import {spawn} from 'node:child_process';
import fs from 'node:fs';
import net from 'node:net';
import path from 'node:path';
import zlib from 'node:zlib';
import {fileURLToPath} from 'node:url';
import {createRequire} from 'node:module';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '..');
const {chromium} = createRequire(path.join(root, 'tests/web/package.json'))('playwright-core');
const site = path.resolve(process.argv[2] ?? path.join(root, 'build/web'));
const runs = Number(process.argv[3] ?? 15);
const keyCount = Number(process.argv[4] ?? 300);

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

let total = 0;
for (const file of ['index.html', 'tomaro.js', 'tomaro.wasm']) {
  const gz = zlib.gzipSync(fs.readFileSync(path.join(site, file)), {level: 9}).length;
  total += gz;
  console.log(`${file}: ${fs.statSync(path.join(site, file)).size} bytes, ${gz} gzipped`);
}
console.log(`page transferred (gzip): ${(total / 1024).toFixed(1)} KiB (limit 250 KB)`);

fs.writeFileSync(path.join(site, 'bench-empty.html'), '<!doctype html><title>empty</title>');
const port = await new Promise((resolve) => {
  const probe = net.createServer().listen(0, '127.0.0.1', () => {
    const p = probe.address().port;
    probe.close(() => resolve(p));
  });
});
const server = spawn('python3', ['-m', 'http.server', String(port), '--bind', '127.0.0.1'],
    {cwd: site, stdio: 'ignore'});
const url = `http://127.0.0.1:${port}/`;
for (let i = 0; i < 100; ++i) {
  try {
    if ((await fetch(url)).ok) break;
  } catch {
    await new Promise((r) => setTimeout(r, 50));
  }
}
const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync'],
});

try {
  const first = [];
  const empty = [];
  for (let i = 0; i < runs; ++i) {
    const context = await browser.newContext({serviceWorkers: 'block'});
    const page = await context.newPage();
    await page.goto(`${url}bench-empty.html`);
    empty.push(await page.evaluate(() => performance.getEntriesByType('navigation')[0].loadEventEnd));
    await page.goto(url);
    await page.waitForFunction(() => window.TomaroHost && TomaroHost.stats.draws > 0);
    first.push(await page.evaluate(() => performance.getEntriesByName('tomaro-first-draw')[0].startTime));
    await context.close();
  }
  console.log(`navigation to the first drawn display: median ${median(first).toFixed(1)} ms ` +
      `(min ${Math.min(...first).toFixed(1)}, max ${Math.max(...first).toFixed(1)}; limit 150 ms)`);
  console.log(`navigation to an empty page's load end: median ${median(empty).toFixed(1)} ms ` +
      `(min ${Math.min(...empty).toFixed(1)}, max ${Math.max(...empty).toFixed(1)})`);

  const context = await browser.newContext({serviceWorkers: 'block'});
  const page = await context.newPage();
  await page.goto(url);
  await page.waitForFunction(() => window.TomaroHost && TomaroHost.stats.draws > 0);
  await page.evaluate(() => document.addEventListener('keydown', (e) => { window.benchKeyAt = e.timeStamp; }));
  const keys = ['1', '2', '3', 'f', '4', '+', '5', 'f', '7', 'Enter', 'Enter', 'Enter', 'Enter', '*', '9', 'Enter', 'Escape'];
  const latency = [];
  for (let i = 0; i < keyCount; ++i) {
    const draws = await page.evaluate(() => TomaroHost.stats.draws);
    await page.keyboard.press(keys[i % keys.length]);
    await page.waitForFunction((n) => TomaroHost.stats.draws > n, draws);
    await page.evaluate(() => TomaroHost.idle());
    latency.push(await page.evaluate(() => TomaroHost.stats.lastDraw - window.benchKeyAt));
  }
  latency.sort((a, b) => a - b);
  console.log(`a key to the updated display (${keyCount} keys): median ${median(latency).toFixed(2)} ms, ` +
      `95th percentile ${latency[Math.floor(latency.length * 0.95)].toFixed(2)} ms, ` +
      `max ${latency[latency.length - 1].toFixed(2)} ms (limit 2 ms)`);
  await context.close();
} finally {
  await browser.close();
  server.kill();
  fs.unlinkSync(path.join(site, 'bench-empty.html'));
}
