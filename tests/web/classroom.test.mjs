// A classroom session end to end: the desktop program on a virtual X screen
// starts a session on 127.0.0.1, three headless phones join by the address
// read from the QR code on its panel, follow 300 ticks with digests equal to
// the teacher's, answer the room's question and see the revealed histogram;
// a late joiner and a rejoiner catch up, and no phone can change the run.
//
// Run under xvfb-run (CMake does); SWD_DEMO names the desktop program.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync, spawn } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { createServer } from 'node:net';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { launchBrowser, openPage } from './browser.mjs';

const program = process.env.SWD_DEMO;
const pictures = process.env.SWD_PICTURES || tmpdir();
assert.ok(program, 'SWD_DEMO names the desktop program');
const sleep = (ms) => new Promise((done) => setTimeout(done, ms));

let browser;
let close;
let teacher;
let scratch;

// A free port on 127.0.0.1, for this run's session only.
function freePort() {
  return new Promise((found) => {
    const server = createServer();
    server.listen(0, '127.0.0.1', () => {
      const { port } = server.address();
      server.close(() => found(port));
    });
  });
}

const xdotool = (...args) => execFileSync('xdotool', args, { encoding: 'utf8' }).trim();
// The teacher's keys, into the window named `name`: no window manager gives focus, so it is set.
function press(name, keys) {
  const window = xdotool('search', '--sync', '--name', name).split('\n')[0];
  xdotool('windowfocus', '--sync', window);
  xdotool('key', '--clearmodifiers', keys);
}

async function until(what, check, ms = 20000) {
  const end = Date.now() + ms;
  for (;;) {
    const value = await check();
    if (value) return value;
    if (Date.now() > end) assert.fail(`timed out waiting until ${what}`);
    await sleep(100);
  }
}

const followState = (page) => page.evaluate(() => window.slidingWindowDemo.follow.state());

before(async () => {
  scratch = mkdtempSync(join(tmpdir(), 'swd-classroom-'));
  const port = await freePort();
  teacher = spawn(program, ['--classroom', '--listen', '127.0.0.1', '--port', String(port)], {
    env: { ...process.env, QT_QPA_PLATFORM: 'xcb', XDG_CONFIG_HOME: scratch }, stdio: ['ignore', 'inherit', 'inherit'],
  });
  xdotool('search', '--sync', '--name', 'Classroom Session');
  ({ browser, close } = await launchBrowser());
});

after(async () => {
  if (close) await close();
  teacher?.kill();
  rmSync(scratch, { recursive: true, force: true });
});

test('three phones follow the teacher, answer the room and cannot change the run', async () => {
  // The address, as a phone's camera reads it from the projector.
  const shot = join(scratch, 'projector.png');
  const link = await until('the QR code reads', async () => {
    execFileSync('import', ['-window', 'root', shot]);
    try {
      return execFileSync('zbarimg', ['--raw', '-q', shot], { encoding: 'utf8' }).trim();
    } catch {
      return '';
    }
  });
  assert.match(link, /^http:\/\/127\.0\.0\.1:\d+\/\?follow=[A-Za-z0-9_-]{22}$/);

  // Each phone a device of its own: its own storage, so its own token.
  const phone = async () => {
    const context = await browser.createBrowserContext();
    const opened = await openPage(context, link, { width: 390, height: 844, touch: true });
    await until('the phone follows', async () => (await followState(opened.page)).synced);
    return opened;
  };
  const first = await phone();
  const second = await phone();

  press("^Quill's Sliding Window Demo$", 'ctrl+5'); // 4x, so that 300 ticks pass in seconds
  press("^Quill's Sliding Window Demo$", 'F5');
  await until('the run has gone 150 ticks', async () =>
    (await first.page.evaluate(() => JSON.parse(window.slidingWindowDemo.windowJson()).run.tick)) >= 150);

  // A late joiner catches up at once; a phone that lost its connection joins again.
  const late = await phone();
  await first.page.evaluate(() => window.slidingWindowDemo.follow.dropConnection());
  await until('the rejoiner is back', async () => {
    const state = await followState(first.page);
    return state.connected && state.synced;
  });

  // A student's taps and a made-up message change nothing of the teacher's run.
  await second.page.evaluate(() => {
    document.querySelector('#cmdPause')?.click();
    document.querySelector('#cmdReset')?.click();
    const socket = new WebSocket(`ws://${location.host}/class`);
    socket.addEventListener('open', () => socket.send('{"k":"a","e":[1,0,0]}'));
  });

  for (const { page } of [first, second, late]) {
    await until('300 ticks followed', async () =>
      (await page.evaluate(() => window.slidingWindowDemo.follow.digests())).length >= 300);
  }
  for (const { page } of [first, second, late]) {
    const digests = await page.evaluate(() => window.slidingWindowDemo.follow.digests());
    assert.ok(digests.length >= 300, `${digests.length} calls followed`);
    for (const [teachers, own] of digests) assert.equal(own, teachers);
    assert.equal((await followState(page)).strayed, 0);
  }
  // Ticks come every two seconds; in between, each phone keeps the class's clock itself.
  for (const { page } of [first, second, late])
    await until('the phone keeps the clock between batches', async () => (await followState(page)).ahead > 0);

  // Ask the room: the question reaches every phone; two vote the first choice, one the second.
  press('^Classroom Session$', 'alt+a');
  for (const { page } of [first, second, late]) await page.waitForSelector('#roomChoice2', { timeout: 10000 });
  await first.page.click('#roomChoice1');
  await second.page.click('#roomChoice2'); // changed before the reveal
  await second.page.click('#roomChoice1');
  await late.page.click('#roomChoice2');
  await sleep(500);
  press('^Classroom Session$', 'alt+r');
  const histogram = await until('the histogram shows', async () =>
    late.page.evaluate(() => {
      const shown = document.getElementById('roomHistogram');
      if (!shown) return null;
      return [...shown.querySelectorAll('.bar')].map((bar) => ({
        text: bar.textContent, right: bar.classList.contains('right') }));
    }));
  assert.match(histogram[0].text, /\b2 \(67 %\)/);
  assert.match(histogram[1].text, /\b1 \(33 %\)/);
  assert.equal(histogram.filter((bar) => bar.right).length, 1, 'the right answer marked');
  await late.page.screenshot({ path: join(pictures, 'classroom-phone.png') });
  execFileSync('import', ['-window', 'root', join(pictures, 'classroom-projector.png')]);

  // Play: the question leaves the phones and the run goes on, still in step.
  press('^Classroom Session$', 'alt+p');
  await until('the question is gone', async () => first.page.evaluate(() =>
    document.getElementById('roomQuestion').hidden));
  // The digests kept are the last few hundred: the tick shows the run going on.
  const tickOf = (page) => page.evaluate(() => JSON.parse(window.slidingWindowDemo.windowJson()).run.tick);
  const before = await tickOf(first.page);
  await until('the run goes on', async () => (await tickOf(first.page)) > before + 20);
  for (const { page } of [first, second, late]) {
    for (const [teachers, own] of await page.evaluate(() => window.slidingWindowDemo.follow.digests()))
      assert.equal(own, teachers);
  }

  // Try it yourself leaves the class's run; Back to the class returns to it.
  await second.page.click('#followOwn');
  assert.equal((await followState(second.page)).own, true);
  await second.page.click('#followOwn');
  const back = await followState(second.page);
  assert.equal(back.own, false);
  assert.deepEqual([...first.problems, ...second.problems, ...late.problems], []);
});
