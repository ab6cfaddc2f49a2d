// Links and files from strangers in the page: a link longer than the page
// ever makes is refused unread, a link's run stops inflating at a run file's
// size, and reading a large file never holds the page's one thread for long.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { deflateRawSync } from 'node:zlib';
import { launchBrowser, openPage, siteUrl } from './browser.mjs';

const site = process.env.SWD_WEB_SITE;
assert.ok(site, 'SWD_WEB_SITE names the built site');

let browser;
let close;
before(async () => ({ browser, close } = await launchBrowser()));
after(async () => close && close());

const runLink = (bytes) => `${siteUrl(site)}#run=${bytes.toString('base64url')}`;
const noticesOf = (page) => page.$eval('#notices', (element) => element.textContent);
const txWindowOf = (page) => page.$eval('#lblTxWindow_1', (element) => element.textContent.trim());

test('links past 8,000 characters, bombs and damaged runs are refused with the sentences of the desktop', async () => {
  // Over 8,000 characters: refused whole with the sentence that refuses making
  // one, and none of its settings applied.
  const long = await openPage(browser, siteUrl(site, `?tx=8&pad=${'x'.repeat(8000)}`));
  assert.match(await noticesOf(long.page), /too long for a browser's address bar \(8,000 at most\)/);
  assert.equal(await txWindowOf(long.page), '4');

  // A 2 MB link (one that would inflate to gigabytes, say): refused by its
  // length before a byte of it is inflated.
  const huge = await openPage(browser, `${siteUrl(site)}#run=${'A'.repeat(2000000)}`);
  assert.match(await noticesOf(huge.page), /too long for a browser's address bar/);

  // Short enough to read, but inflating past a run file's 4 MB: inflation
  // stops there, with the sentence the exporter gives for the same link.
  const bomb = deflateRawSync(Buffer.alloc(4.5 * 1024 * 1024, 32), { level: 9 });
  assert.ok(runLink(bomb).length < 8000);
  const inflated = await openPage(browser, runLink(bomb));
  assert.match(await noticesOf(inflated.page),
    /The run in this link cannot be opened\. It is larger than a run file may be \(4 MB\)\./);

  // Bytes after the compressed run: damaged, as the exporter judges it.
  const run = deflateRawSync(Buffer.from('{"format": "sliding-window-run"}'));
  const trailing = await openPage(browser, runLink(Buffer.concat([run, Buffer.from('junk')])));
  assert.match(await noticesOf(trailing.page), /The link is damaged/);

  const pages = [long, huge, inflated, trailing];
  assert.deepEqual(pages.flatMap((opened) => opened.problems), []);
  for (const opened of pages) await opened.page.close();
});

test('reading a 4 MB file holds the page for short steps only, and says what it found', async () => {
  const { page, problems } = await openPage(browser, siteUrl(site));
  // Every task that holds the main thread 50 ms or more, from now on.
  await page.evaluate(() => {
    window.longTasks = [];
    new PerformanceObserver((list) => {
      for (const entry of list.getEntries()) window.longTasks.push(Math.round(entry.duration));
    }).observe({ entryTypes: ['longtask'] });
  });
  const folder = mkdtempSync(join(tmpdir(), 'swd-hostile-'));
  const write = (name, text) => { writeFileSync(join(folder, name), text); return join(folder, name); };
  const settings = '"settings": {"options": {"slowStart": false, "avoidance": false, "fastRetransmit": false, ' +
    '"selectiveRepeat": false, "delayedAcks": false, "autoRtt": false, "slideNumbers": false, ' +
    '"inOrderReceiver": false}, "sliders": {"timeout": 6, "txWindow": 4, "rxWindow": 8, "highestSequence": 15}}';
  const actions = Array.from({ length: 100000 }, (_, i) => `{"tick":${i},"action":"pauseCont"}`).join(',');
  const input = await page.$('#runFileInput');
  await input.uploadFile(write('actions.swrun',
    `{"format": "sliding-window-run", "version": 1, "ticks": 100000, ${settings}, "actions": [${actions}]}`));
  await page.waitForFunction(() => document.getElementById('log').textContent.includes('Opened the run file'),
    { timeout: 60000 });
  await input.uploadFile(write('zeros.swrun', `{"zeros": [${new Array(1800000).fill(0).join(',')}]}`));
  await page.waitForFunction(() => document.getElementById('notices').textContent.includes('zeros.swrun'),
    { timeout: 60000 });
  assert.match(await noticesOf(page), /zeros\.swrun cannot be opened\. The file holds more values than a run file/);
  rmSync(folder, { recursive: true, force: true });

  const longest = Math.max(0, ...await page.evaluate(() => window.longTasks));
  console.log(`longest task while reading: ${longest} ms`);
  // 100 ms is the aim, met on a quiet machine (50 to 90 ms were measured
  // with two builds running beside the test); a loaded test machine gets a
  // margin. Reading whole took 0.5 to 1.8 s.
  assert.ok(longest < 200, `a task of ${longest} ms`);
  assert.deepEqual(problems, []);
  await page.close();
});
