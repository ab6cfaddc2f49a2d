// Losses and comparisons in the page: the Network panel's rates reach the
// run, and a comparison steps all its configurations together, shows the
// engine's figures and saves as one file that opens again as a comparison.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { launchBrowser, openPage, siteUrl } from './browser.mjs';

const site = process.env.SWD_WEB_SITE;
assert.ok(site, 'SWD_WEB_SITE names the built site');

let browser;
let close;
before(async () => ({ browser, close } = await launchBrowser()));
after(async () => close && close());

const hooks = (page, name, ...args) => page.evaluate((name, args) => window.slidingWindowDemo[name](...args), name, args);
// The cells of a figures table as shown, row by row, without the row titles.
const shownCells = (page, id) => page.$$eval(`#${id} tbody tr`, (rows) =>
  rows.map((row) => [...row.querySelectorAll('td')].map((cell) => cell.textContent)));
const clickTimes = (page, id, times) => page.evaluate((id, times) => {
  for (let i = 0; i < times; i++) document.getElementById(id).click();
}, id, times);
// The figures table catches up a moment after the last action.
const settle = () => new Promise((done) => setTimeout(done, 400));

test('the Network panel\'s loss rate makes the run lose packets, and the figures table says so', async () => {
  const { page, problems } = await openPage(browser, siteUrl(site));
  await page.waitForSelector('#networkOpen');
  await page.click('#networkOpen');
  await page.$eval('#packetLoss', (field) => { field.value = '30'; field.dispatchEvent(new Event('change')); });
  await page.$eval('#lossSeed', (field) => { field.value = '7'; field.dispatchEvent(new Event('change')); });
  assert.equal(await page.$eval('#networkSummary', (e) => e.textContent), 'Losses: 30 % of packets (seed 7)');
  await page.$eval('#network form button', (button) => button.click());
  assert.match(await page.$eval('#runStatus', (e) => e.textContent), /Losses: 30 % of packets \(seed 7\)/);

  await clickTimes(page, 'stepOne', 600);
  await settle();
  const figures = await hooks(page, 'figures');
  assert.ok(figures.values[0].retransmissions > 0, 'lost packets were sent again');
  assert.deepEqual(await shownCells(page, 'runFigures'), figures.cells);
  assert.deepEqual(problems, []);
  await page.close();
});

test('a comparison steps all three together, shows the engine\'s figures, and saves and opens again', async () => {
  const { page, problems } = await openPage(browser, siteUrl(site));
  await page.waitForSelector('#compareOpen');
  await page.click('#networkOpen');
  await page.$eval('#packetLoss', (field) => { field.value = '10'; field.dispatchEvent(new Event('change')); });
  await page.$eval('#network form button', (button) => button.click());
  await page.click('#compareOpen');
  await page.click('#compareGo');
  await page.waitForFunction(() => window.slidingWindowDemo.comparing());
  assert.deepEqual(await page.$$eval('.compareView figcaption', (captions) => captions.map((c) => c.textContent)),
    ['Stop-and-wait', 'Go-back-N (textbook)', 'Selective repeat']);
  // Windows that coincide (go-back-N's and selective repeat's at 8) still
  // show as two lines: each configuration draws in its own dash.
  const windowDashes = await page.$$eval('#compareChart .chartLegend li i',
    (swatches) => swatches.filter((_, index) => index % 2 === 0).map((swatch) => swatch.style.borderTopStyle));
  assert.deepEqual(windowDashes, ['solid', 'dashed', 'dotted']);

  const before = await hooks(page, 'compareDigests');
  await clickTimes(page, 'compareStep', 1);
  const after = await hooks(page, 'compareDigests');
  assert.equal(after.length, 3);
  after.forEach((digest, index) => assert.notEqual(digest, before[index], `configuration ${index} stepped`));
  await clickTimes(page, 'compareStep', 799);
  await settle();
  const figures = await hooks(page, 'compareFigures');
  assert.equal(figures.tick, 800);
  assert.deepEqual(await shownCells(page, 'compareFigures'), figures.cells);
  assert.ok(figures.values.some((column) => column.retransmissions > 0), 'the losses reached the comparison');
  assert.equal(await page.$eval('#compareTick', (e) => e.textContent), 'Tick 800');

  // Saved as one file, it opens as the same comparison and plays to the same figures.
  const saved = JSON.parse(await hooks(page, 'compareSaved'));
  assert.equal(saved.error, '');
  const folder = mkdtempSync(join(tmpdir(), 'swd-compare-'));
  const file = join(folder, saved.fileName);
  writeFileSync(file, saved.text);
  await page.click('#compareLeave');
  assert.equal(await hooks(page, 'comparing'), false);
  const input = await page.$('#runFileInput');
  await input.uploadFile(file);
  await page.waitForFunction(() => window.slidingWindowDemo.comparing());
  await clickTimes(page, 'compareStep', 800);
  await settle();
  assert.deepEqual((await hooks(page, 'compareFigures')).values, figures.values);
  rmSync(folder, { recursive: true, force: true });
  assert.deepEqual(problems, []);
  await page.close();
});

test('a compare= link opens the comparison with its losses, and the compare bar\'s link opens the same', async () => {
  const captions = (page) => page.$$eval('.compareView figcaption', (all) => all.map((c) => c.textContent));
  const openComparison = async (url) => {
    const opened = await openPage(browser, url);
    await opened.page.waitForFunction(() => window.slidingWindowDemo.comparing());
    assert.deepEqual(await captions(opened.page), ['Stop-and-wait', 'Go-back-N (textbook)', 'Selective repeat']);
    await opened.page.click('#compareNetwork');
    assert.equal(await opened.page.$eval('#networkSummary', (e) => e.textContent), 'Losses: 5 % of packets (seed 7)');
    await opened.page.$eval('#network form button', (button) => button.click());
    return opened;
  };
  const first = await openComparison(siteUrl(site, '?compare=stop-and-wait,go-back-n,selective-repeat&loss=5&seed=7'));
  assert.equal(await first.page.$eval('#compareStatus', (e) => e.textContent), 'Losses: 5 % of packets (seed 7)');
  await clickTimes(first.page, 'compareStep', 300);
  await first.page.click('#compareCopyLink');
  const link = await first.page.$eval('#compareLinkText', (field) => field.value);
  assert.equal(link, await hooks(first.page, 'compareLink'));

  const second = await openComparison(link);
  await clickTimes(second.page, 'compareStep', 300);
  assert.deepEqual(await hooks(second.page, 'compareDigests'), await hooks(first.page, 'compareDigests'));

  // Behind the comparison, the single window's own link carries the losses too.
  await first.page.bringToFront(); // a click waits for a frame, which a page behind another never draws
  await first.page.click('#compareLeave');
  assert.match(await hooks(first.page, 'linkNow'), /[?&]loss=5&seed=7(&|$)/);
  assert.deepEqual([...first.problems, ...second.problems], []);
  await first.page.close();
  await second.page.close();
});
