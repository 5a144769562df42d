// The calculator's web page in Debian's chromium, driven as a person would: the road of one
// calculation by mouse, keyboard and touch, the notice and its end, the lock, the menu, the
// About box, the clipboard, random keys against tomaro-cli, an accessibility audit, a reload
// with the server gone, and screenshots at pixel densities 1 and 2 and 360 pixels wide.
//
//   node --test tests/web/web_test.mjs
//
// TOMARO_WEB_SITE names the built site (default build/web), TOMARO_CLI the tomaro-cli to
// compare with (default build/release/cli/tomaro-cli); screenshots go to
// build/web-screenshots/.
import {test, before, after} from 'node:test';
import assert from 'node:assert/strict';
import {spawn, execFileSync} from 'node:child_process';
import fs from 'node:fs';
import net from 'node:net';
import path from 'node:path';
import {fileURLToPath} from 'node:url';
import {chromium} from 'playwright-core';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const site = path.resolve(process.env.TOMARO_WEB_SITE ?? path.join(root, 'build/web'));
const cli = path.resolve(process.env.TOMARO_CLI ?? path.join(root, 'build/release/cli/tomaro-cli'));
const shots = path.join(root, 'build/web-screenshots');
const axeSource = path.join(root, 'tests/web/node_modules/axe-core/axe.min.js');

const READOUT = 1026;
const KIND = 1027;
const OPERATOR = 1028;
const MEMORY = 1033;
const NOTICE_DIVIDE_BY_ZERO = '０（ゼロ）で除算することはできません。';

let browser;
let server;

async function freePort() {
  return new Promise((resolve) => {
    const probe = net.createServer().listen(0, '127.0.0.1', () => {
      const {port} = probe.address();
      probe.close(() => resolve(port));
    });
  });
}

// Python's web server on the loopback address, serving the site; waits until it answers.
async function serve() {
  const port = await freePort();
  const child = spawn('python3', ['-m', 'http.server', String(port), '--bind', '127.0.0.1'],
      {cwd: site, stdio: 'ignore'});
  const url = `http://127.0.0.1:${port}/`;
  for (let i = 0; i < 100; ++i) {
    try {
      if ((await fetch(url)).ok) return {url, stop: () => child.kill()};
    } catch {
      await new Promise((r) => setTimeout(r, 50));
    }
  }
  child.kill();
  throw new Error('the web server did not start');
}

before(async () => {
  fs.mkdirSync(shots, {recursive: true});
  server = await serve();
  browser = await chromium.launch({
    executablePath: '/usr/bin/chromium',
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
});

after(async () => {
  await browser?.close();
  server?.stop();
});

// A fresh profile each time: no service worker or cache of an earlier test.
async function openPage(options = {}, url = server.url) {
  const context = await browser.newContext({viewport: {width: 1024, height: 768}, ...options});
  await context.grantPermissions(['clipboard-read', 'clipboard-write'], {origin: url});
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (e) => errors.push(e.message));
  page.on('console', (m) => m.type() === 'error' && errors.push(m.text()));
  page.errors = errors;
  await page.goto(url);
  await page.waitForFunction(() => window.TomaroHost && TomaroHost.stats.draws > 0);
  await settle(page);
  return page;
}

// Everything the page queued has been handled and the program waits for more.
const settle = (page) => page.evaluate(() => TomaroHost.idle());

async function shown(page) {
  await settle(page);
  return page.evaluate(([memory, readout, kind, operator]) => {
    const field = (id) => document.querySelector(`[data-id="${id}"]`).value;
    const canvas = document.querySelector('canvas');
    return {
      fields: [field(memory), field(readout), field(kind), field(operator)],
      reading: canvas.getAttribute('aria-label'),
      spoken: document.getElementById(canvas.getAttribute('aria-describedby')).textContent,
    };
  }, [MEMORY, READOUT, KIND, OPERATOR]);
}

const button = (page, name) => page.getByRole('button', {name, exact: true});

async function clickAll(page, names) {
  for (const name of names) await button(page, name).click();
}

// What tomaro-cli shows after the same keys: the four fields and what the display drew.
function cliShows(tokens, options = []) {
  const json = JSON.parse(execFileSync(cli, ['--json', ...options, ...tokens], {encoding: 'utf8'}));
  const align = {0: 'left', 2: 'right', 6: 'center'};
  return {
    fields: [json.memText, json.readoutText, json.kindText, json.opText],
    paint: json.paint.map((op) => op[0] === 'align' ? ['align', align[op[1]]] :
      op[0] === 'text' ? ['text', op[3]] : [op[0]]),
  };
}

async function pageShows(page) {
  const {fields} = await shown(page);
  return {fields, paint: await page.evaluate(() => TomaroHost.stats.lastPaint)};
}

// Rows of the canvas that hold a dark run wider than a digit: the fraction bar.
async function barRows(page) {
  return page.evaluate(() => {
    const canvas = document.querySelector('canvas');
    const {width, height} = canvas;
    const data = canvas.getContext('2d').getImageData(0, 0, width, height).data;
    const rows = [];
    for (let y = 0; y < height; ++y) {
      let run = 0;
      let longest = 0;
      for (let x = 0; x < width; ++x) {
        run = data[(y * width + x) * 4] < 64 ? run + 1 : 0;
        longest = Math.max(longest, run);
      }
      if (longest >= width / 20) rows.push(y);
    }
    return rows;
  });
}

const ROAD = [
  {reading: '5/6', spoken: '6分の5', fields: ['', '0.833333333333333', '真分数', '=']},
  {reading: '0 5/6', fields: ['', '0.833333333333333', '帯分数', '=']},
  {reading: '0.8{3}', fields: ['', '0.833333333333333', '循環小数', '=']},
  {reading: '1', fields: ['', '0.833333333333333', '整数', '=']},
];

// 3 "~ | _" 2 + 6 "~ | _" 1 =, then "=" steps through the forms; the fraction has its bar.
async function checkRoad(page, pressEquals) {
  let s = await shown(page);
  assert.deepEqual(s.fields, ROAD[0].fields);
  assert.equal(s.reading, ROAD[0].reading);
  assert.equal(s.spoken, ROAD[0].spoken);
  assert.ok((await barRows(page)).length > 0, 'the fraction is drawn with its bar');
  for (const step of ROAD.slice(1)) {
    await pressEquals();
    s = await shown(page);
    assert.deepEqual(s.fields, step.fields);
    assert.equal(s.reading, step.reading);
  }
  assert.deepEqual(await barRows(page), [], 'an integer has no bar');
}

test('the road by mouse, keyboard and touch', async () => {
  const mouse = await openPage();
  assert.deepEqual((await shown(mouse)).fields, cliShows([]).fields);
  assert.equal(await mouse.evaluate(() => document.activeElement.textContent), '=');
  await clickAll(mouse, ['3', '分数線', '2', '足す', '6', '分数線', '1', 'イコール']);
  await checkRoad(mouse, () => button(mouse, 'イコール').click());
  assert.deepEqual(mouse.errors, []);

  const keyboard = await openPage();
  for (const key of ['3', 'f', '2', '+', '6', 'ArrowDown', '1', 'Enter']) await keyboard.keyboard.press(key);
  await checkRoad(keyboard, () => keyboard.keyboard.press('Enter'));
  // Enter moved the focus to "=", and neither it nor Escape closes anything.
  assert.equal(await keyboard.evaluate(() => document.activeElement.getAttribute('aria-label')), 'イコール');

  const touch = await openPage({hasTouch: true, isMobile: true, viewport: {width: 390, height: 800}});
  for (const name of ['3', '分数線', '2', '足す', '6', '分数線', '1', 'イコール']) await button(touch, name).tap();
  await checkRoad(touch, () => button(touch, 'イコール').tap());
  // A long press opens the menu where the finger is, and presses nothing.
  const five = await button(touch, '5').boundingBox();
  const at = {x: Math.round(five.x + five.width / 2), y: Math.round(five.y + five.height / 2)};
  const cdp = await touch.context().newCDPSession(touch);
  await cdp.send('Input.dispatchTouchEvent', {type: 'touchStart', touchPoints: [at]});
  await touch.waitForTimeout(800);
  await cdp.send('Input.dispatchTouchEvent', {type: 'touchEnd', touchPoints: []});
  await touch.getByRole('menu').waitFor();
  const menu = await touch.getByRole('menu').boundingBox();
  assert.deepEqual([menu.x, menu.y], [at.x, at.y]);
  assert.equal((await shown(touch)).reading, '1');
  await Promise.all([mouse, keyboard, touch].map((p) => p.context().close()));
});

// Layouts read from the key: the key right of L is ":*" on a Japanese keyboard (multiply)
// and "'" on a US one (nothing), and what it types tells which; ";" is then "+" or "*".
// The keypad's digits and point count with Num Lock on; with it off they are the named keys.
test('keys become the virtual-key codes of the layout they reveal', async () => {
  const page = await openPage();
  const rows = [
    {keys: [['7', 'Digit7'], [':', 'Quote']], vks: [55, 186]},
    {keys: [['7', 'Digit7'], [';', 'Semicolon']], vks: [55, 187]},
    {keys: [['7', 'Digit7'], ['^', 'Equal'], ['=', 'Minus']], vks: [55, 222, 189]},
    {keys: [['7', 'Digit7'], ["'", 'Quote'], [';', 'Semicolon']], vks: [55, 222, 186]},
    {keys: [['7', 'Digit7'], ['=', 'Equal']], vks: [55, 187]},
    {keys: [['"', 'Digit2'], ['5', 'Numpad5'], ['.', 'NumpadDecimal'], ['5', 'Numpad5']], vks: [50, 101, 110, 101]},
    {keys: [['8', 'Digit8'], ['Clear', 'Numpad5'], ['ArrowLeft', 'Numpad4']], vks: [56, 12, 37]},
  ];
  for (const row of rows) {
    await page.keyboard.press('Escape');
    await page.evaluate((keys) => {
      for (const [key, code] of keys) {
        document.activeElement.dispatchEvent(new KeyboardEvent('keydown', {key, code, bubbles: true}));
      }
    }, row.keys);
    assert.deepEqual(await pageShows(page), cliShows(row.vks.map((vk) => `vk:${vk}`)), JSON.stringify(row.keys));
  }
  await page.context().close();
});

test('a notice shows for 2 seconds, then the value again', async () => {
  const page = await openPage();
  for (const key of ['1', '/', '0', 'Enter']) await page.keyboard.press(key);
  const start = Date.now();
  let s = await shown(page);
  assert.equal(s.fields[1], NOTICE_DIVIDE_BY_ZERO);
  const said = await page.evaluate(() => document.getElementById('status').textContent);
  assert.ok(said.endsWith(NOTICE_DIVIDE_BY_ZERO), `announced: ${said}`);
  const expected = cliShows(['1', '/', '0', '=', 'TICK']).fields;
  await page.waitForFunction((id) => document.querySelector(`[data-id="${id}"]`).value !==
    '０（ゼロ）で除算することはできません。', READOUT, {timeout: 3000});
  const lasted = Date.now() - start;
  assert.ok(lasted >= 1900 && lasted < 2600, `the notice lasted ${lasted} ms`);
  assert.deepEqual((await shown(page)).fields, expected);
  await page.context().close();
});

test('an overflow locks every button but A.C. until A.C.', async () => {
  const page = await openPage();
  const big = '999999999999999999';
  await page.keyboard.type(big);
  await page.keyboard.press('NumpadMultiply');
  await page.keyboard.type(big);
  await page.keyboard.press('Enter');
  const locked = cliShows([big, '*', big, '=']);
  assert.deepEqual(await pageShows(page), locked);
  const disabled = () => page.evaluate(() =>
    [...document.querySelectorAll('button.key')].filter((b) => b.getAttribute('aria-disabled')).length);
  assert.equal(await disabled(), 26);
  assert.equal(await page.evaluate(() => document.activeElement.getAttribute('aria-label')), 'A.C. オールクリア');
  await button(page, '7').click({force: true});
  await page.keyboard.press('7');
  assert.deepEqual(await pageShows(page), locked);
  await axeFindsNothing(page, 'locked');
  await page.keyboard.press('Escape');
  assert.equal(await disabled(), 0);
  assert.deepEqual((await shown(page)).fields, cliShows([big, '*', big, '=', 'AC']).fields);
  await page.context().close();
});

async function axeFindsNothing(page, where) {
  await page.addScriptTag({path: axeSource});
  const violations = await page.evaluate(async () =>
    (await axe.run(document)).violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`));
  assert.deepEqual(violations, [], `axe-core (${where})`);
}

test('the context menu, the About box, copy and paste through the clipboard', async () => {
  const page = await openPage();
  await clickAll(page, ['3', '分数線', '2', '足す', '6', '分数線', '1', 'イコール']);
  await axeFindsNothing(page, 'the calculator');

  // A right-click on the display opens the menu at the pointer; "C" copies.
  const display = await page.locator('canvas').boundingBox();
  const at = {x: Math.round(display.x + 20), y: Math.round(display.y + 10)};
  await page.mouse.click(at.x, at.y, {button: 'right'});
  const menu = page.getByRole('menu');
  await menu.waitFor();
  assert.deepEqual(await menu.getByRole('menuitem').allTextContents(),
      ['コピー(C)', '貼り付け(P)', 'バージョン情報(A)', '終了(X)']);
  const box = await menu.boundingBox();
  assert.deepEqual([box.x, box.y], [at.x, at.y]);
  await axeFindsNothing(page, 'the menu');
  await page.keyboard.press('c');
  await settle(page);
  assert.equal(await page.evaluate(() => navigator.clipboard.readText()), '5/6');
  assert.equal(await menu.count(), 0);

  // Pasted text is keyed as a new operand, when the clipboard has answered.
  await page.evaluate(() => navigator.clipboard.writeText('2 1/3'));
  await page.keyboard.press('Control+V');
  assert.deepEqual(await pageShows(page), cliShows(['PASTE'], ['--clipboard', '2 1/3']));
  await page.evaluate(() => navigator.clipboard.writeText('0.8{3}'));
  await page.keyboard.press('Shift+Insert');
  assert.equal((await shown(page)).reading, '5/6');
  await page.keyboard.press('Control+Insert');
  await settle(page);
  assert.equal(await page.evaluate(() => navigator.clipboard.readText()), '5/6');

  // From the keyboard the menu opens 5 pixels into the dialog; the arrows and Enter choose
  // the About box, whose OK, Enter and Escape close it and change nothing.
  const before = await pageShows(page);
  for (const close of [(p) => p.keyboard.press('Enter'), (p) => p.keyboard.press('Escape'),
    (p) => button(p, 'OK').click()]) {
    await page.keyboard.press('Shift+F10');
    await menu.waitFor();
    const client = await page.locator('.client').first().boundingBox();
    const keyboardBox = await menu.boundingBox();
    assert.deepEqual([keyboardBox.x, keyboardBox.y], [Math.round(client.x) + 5, Math.round(client.y) + 5]);
    for (const key of ['ArrowDown', 'ArrowDown', 'Enter']) await page.keyboard.press(key);
    const about = page.getByRole('dialog', {name: 'Tomaroのバージョン情報'});
    await about.waitFor();
    assert.match(await about.textContent(), /Tomaro -Quillet- Version \d+\.\d+\.\d+/);
    await axeFindsNothing(page, 'the About box');
    await close(page);
    await about.waitFor({state: 'detached'});
    assert.deepEqual(await pageShows(page), before);
  }

  // Exit ends the calculator; the page offers it again.
  await page.keyboard.press('ContextMenu');
  await page.keyboard.press('x');
  await page.getByRole('button', {name: 'もう一度開く'}).click();
  await page.getByRole('button', {name: 'イコール'}).waitFor();
  assert.equal((await shown(page)).reading, '0');
  assert.deepEqual(page.errors, []);
  await page.context().close();
});

// Random keys typed into the page end as tomaro-cli ends with the same virtual-key codes.
// (Playwright's keypad has Num Lock off: its 5 is Clear.)
test('random keys show what tomaro-cli shows', async () => {
  const keys = [
    ...[...'0123456789'].map((d) => [d, 48 + Number(d)]), ...[...'0123456789'].map((d) => [d, 48 + Number(d)]),
    ['Numpad5', 12], ['o', 79], ['.', 190], ['+', 187], ['-', 189],
    ['*', 56], [';', 186], ['/', 191], ['NumpadMultiply', 106], ['NumpadDivide', 111],
    ['NumpadAdd', 107], ['NumpadSubtract', 109], ['Enter', 13], ['Enter', 13], ['Backspace', 8],
    ['ArrowLeft', 37], ['Delete', 46], ['End', 35], ['Home', 36], ['ArrowUp', 38], ['r', 82],
    ['ArrowRight', 39], ['m', 77], ['F9', 120], ['ArrowDown', 40], ['f', 70], ['f', 70],
    ['v', 86], ['c', 67], ['x', 88], ['z', 90],
  ];
  let seed = 20261208;
  const random = (n) => {
    seed = (seed * 1103515245 + 12345) % 2147483648;
    return seed % n;
  };
  const page = await openPage();
  for (let sequence = 0; sequence < 16; ++sequence) {
    await page.keyboard.press('Escape');
    await page.keyboard.press('z');
    const played = [];
    for (let i = 0; i < 30; ++i) {
      const [key, vk] = keys[random(keys.length)];
      await page.keyboard.press(key);
      played.push(`vk:${vk}`);
    }
    assert.deepEqual(await pageShows(page), cliShows(played), played.join(' '));
  }
  await page.context().close();
});

test('it can be installed, and works offline once loaded', async () => {
  const own = await serve();
  const page = await openPage({}, own.url);
  await page.evaluate(async () => {
    await navigator.serviceWorker.ready;
    if (!navigator.serviceWorker.controller) {
      await new Promise((r) => navigator.serviceWorker.addEventListener('controllerchange', r, {once: true}));
    }
  });
  const cdp = await page.context().newCDPSession(page);
  const {installabilityErrors} = await cdp.send('Page.getInstallabilityErrors');
  // A test profile is incognito, where nothing installs; the page itself must lack nothing.
  assert.deepEqual(installabilityErrors.filter((e) => e.errorId !== 'in-incognito'), []);
  own.stop();
  await new Promise((r) => setTimeout(r, 200));
  await page.reload();
  await page.waitForFunction(() => window.TomaroHost && TomaroHost.stats.draws > 0);
  for (const key of ['3', 'f', '2', '+', '6', 'f', '1', 'Enter']) await page.keyboard.press(key);
  assert.equal((await shown(page)).reading, '5/6');
  assert.deepEqual(page.errors, []);
  await page.context().close();
});

// Looked at by a person: build/web-screenshots/*.png.
test('screenshots at densities 1 and 2 and 360 pixels wide, sharp and fitting', async () => {
  for (const [name, options] of [
    ['dpr1', {viewport: {width: 1024, height: 768}, deviceScaleFactor: 1}],
    ['dpr2', {viewport: {width: 1024, height: 768}, deviceScaleFactor: 2}],
    ['phone-360', {viewport: {width: 360, height: 740}, deviceScaleFactor: 2, hasTouch: true, isMobile: true}],
  ]) {
    const page = await openPage(options);
    await clickAll(page, ['3', '分数線', '2', '足す', '6', '分数線', '1', 'イコール']);
    const fit = await page.evaluate(() => {
      const canvas = document.querySelector('canvas');
      const css = canvas.getBoundingClientRect();
      return {
        overflow: document.documentElement.scrollWidth - document.documentElement.clientWidth,
        backing: [canvas.width, canvas.height],
        expected: [Math.round(css.width * devicePixelRatio), Math.round(css.height * devicePixelRatio)],
      };
    });
    assert.equal(fit.overflow, 0, `${name}: nothing sticks out sideways`);
    assert.deepEqual(fit.backing, fit.expected, `${name}: the display has a pixel for each screen pixel`);
    await page.screenshot({path: path.join(shots, `${name}.png`)});
    if (name === 'dpr1') {
      await page.keyboard.press('Shift+F10');
      await page.getByRole('menu').waitFor();
      await page.screenshot({path: path.join(shots, 'menu.png')});
      await page.keyboard.press('Escape');
      await page.keyboard.press('ContextMenu');
      await page.keyboard.press('a');
      await page.getByRole('dialog').waitFor();
      await page.screenshot({path: path.join(shots, 'about.png')});
    }
    if (name === 'phone-360') {
      // Turned sideways and back: laid out again, drawn again, the same value.
      const draws = await page.evaluate(() => TomaroHost.stats.draws);
      await page.setViewportSize({width: 740, height: 360});
      await page.waitForFunction((n) => TomaroHost.stats.draws > n, draws);
      await page.setViewportSize({width: 360, height: 740});
      await page.waitForFunction((n) => TomaroHost.stats.draws > n + 1, draws);
      assert.equal((await shown(page)).reading, '5/6');
    }
    assert.deepEqual(page.errors, []);
    await page.context().close();
  }
});
