// The page in other languages: the test language (every text accented and
// longer) leaves nothing cut off or sticking out at 100 % and 250 %, Arabic
// mirrors the page around a simulation that keeps its direction and its
// own English texts, and a reader's choice sticks.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { launchBrowser, openPage, siteUrl } from './browser.mjs';

const site = process.env.SWD_WEB_SITE;
assert.ok(site, 'SWD_WEB_SITE names the built site');

let browser;
let close;
before(async () => ({ browser, close } = await launchBrowser()));
after(async () => close && close());

// Every element around the simulation that sticks out of the page, and
// every control whose text is wider than its box.
function cutOrOverflowing(page) {
  return page.evaluate(() => {
    const found = [];
    const width = document.documentElement.clientWidth;
    for (const e of document.querySelectorAll('body *')) {
      if (!(e instanceof HTMLElement) || e.offsetParent === null || e.closest('#stage')) continue;
      const box = e.getBoundingClientRect();
      if (box.right > width + 1 || box.left < -1) found.push(`${e.id || e.tagName} sticks out`);
      const control = e.matches('button, label, select, summary');
      if (control && e.scrollWidth > e.clientWidth + 1 && getComputedStyle(e).overflow !== 'visible')
        found.push(`${e.id || e.textContent} is cut`);
    }
    return found;
  });
}

test('the test language fits at 100 % and at 250 %', async () => {
  for (const scale of [1, 2.5]) {
    const { page, problems } = await openPage(browser, siteUrl(site, '?lang=x-pseudo'),
      { width: Math.round(1280 / scale), height: Math.round(1000 / scale) });
    await page.setViewport({ width: Math.round(1280 / scale), height: Math.round(1000 / scale),
      deviceScaleFactor: scale });
    // The pseudo texts really are on the page: brackets and accents.
    const step = await page.$eval('#stepOne', (e) => e.textContent);
    assert.match(step, /[\u00c0-\u024f]/u, step);
    assert.deepEqual(await cutOrOverflowing(page), [], `at ${scale * 100} %`);
    assert.deepEqual(problems, []);
    await page.close();
  }
});

test('Arabic mirrors the page, not the simulation, whose texts stay as written', async () => {
  const { page, problems } = await openPage(browser, siteUrl(site, '?lang=ar&options=slowstart'));
  const seen = await page.evaluate(() => ({
    lang: document.documentElement.lang,
    dir: document.documentElement.dir,
    stageDirection: getComputedStyle(document.getElementById('stage')).direction,
    chartDirection: getComputedStyle(document.getElementById('chart')).direction,
    legend: document.getElementById('showLegend').textContent,
    window: document.getElementById('window').textContent,
  }));
  assert.equal(seen.lang, 'ar');
  assert.equal(seen.dir, 'rtl');
  assert.equal(seen.stageDirection, 'ltr');
  assert.equal(seen.chartDirection, 'ltr');
  assert.equal(seen.legend, 'وسيلة الإيضاح');
  assert.match(seen.window, /Slow Start/);
  assert.deepEqual(problems, []);
  await page.close();
});

test('a tag no language can use is English, and a reader\'s choice is remembered', async () => {
  const { page } = await openPage(browser, siteUrl(site, '?lang=C'));
  assert.equal(await page.evaluate(() => document.documentElement.lang), 'en');
  assert.equal(await page.$eval('#showLegend', (e) => e.textContent), 'Legend');
  await Promise.all([page.waitForNavigation(), page.select('#language', 'de')]);
  await page.waitForFunction(() => document.documentElement.dataset.ready === 'yes');
  assert.equal(await page.$eval('#showLegend', (e) => e.textContent), 'Legende');
  // Remembered without lang= in the address.
  await page.goto(siteUrl(site, ''));
  await page.waitForFunction(() => document.documentElement.dataset.ready === 'yes');
  assert.equal(await page.evaluate(() => document.documentElement.lang), 'de');
  await page.close();
});
