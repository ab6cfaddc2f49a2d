// "Download picture…" in headless Chromium: every view of a run and of a
// comparison saved as the picture, the size and the ticks asked.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, readdirSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { launchBrowser, openPage, siteUrl } from './browser.mjs';

const site = process.env.SWD_WEB_SITE;
assert.ok(site, 'SWD_WEB_SITE names the built site');

let browser;
let close;
before(async () => ({ browser, close } = await launchBrowser()));
after(async () => close && close());

const sleep = (ms) => new Promise((done) => setTimeout(done, ms));
// The rows of the dialog a reader can see: a run offers one view, a comparison several together.
const shownRows = (page) => page.evaluate(() => ['pictureViewRow', 'pictureViewsRow']
  .filter((id) => getComputedStyle(document.getElementById(id)).display !== 'none'));

// "Download picture…" with these choices; the file it saves, once it is whole.
async function downloadPicture(page, folder, button, choices) {
  const before = new Set(readdirSync(folder));
  await page.click(button);
  assert.deepEqual(await shownRows(page), [button === '#downloadPicture' ? 'pictureViewRow' : 'pictureViewsRow']);
  await page.evaluate((asked) => {
    for (const [id, value] of Object.entries(asked.values)) document.getElementById(id).value = String(value);
    document.getElementById('pictureTitled').checked = asked.titled;
    for (const box of document.querySelectorAll('input[name="pictureViews"]')) box.checked = asked.views.includes(box.value);
  }, { titled: true, views: [], ...choices });
  await page.click('#pictureGo');
  for (let waited = 0; waited < 15000; waited += 100) {
    // Chromium makes an empty file of the final name beside the .crdownload it
    // writes to, so the picture is whole only once the .crdownload is gone.
    const names = readdirSync(folder);
    const fresh = names.filter((name) => !before.has(name) && !name.endsWith('.crdownload'));
    if (fresh.length === 1 && !names.some((name) => name.endsWith('.crdownload'))) {
      const bytes = readFileSync(join(folder, fresh[0]));
      rmSync(join(folder, fresh[0])); // the next download may take the same name
      return { name: fresh[0], bytes };
    }
    await sleep(100);
  }
  throw new Error(`nothing downloaded for ${JSON.stringify(choices)}`);
}

const pngSize = (bytes) => {
  assert.equal(bytes.subarray(1, 4).toString(), 'PNG');
  return [bytes.readUInt32BE(16), bytes.readUInt32BE(20)];
};

test('every view downloads as a titled picture of the ticks asked, the comparison too', async () => {
  const folder = mkdtempSync(join(tmpdir(), 'swd-pictures-'));
  try {
    const { page, problems } = await openPage(browser, siteUrl(site, '?lesson=go-back-n'));
    await page.evaluate(() => { for (let i = 0; i < 300; i++) document.getElementById('stepOne').click(); });
    // Go-back-N has no Slow Start: the page's chart leaves the threshold out of its legend too.
    await page.waitForFunction(() => [...document.querySelectorAll('#chart .chartLegend li')]
      .some((item) => item.textContent === 'SSThresh' && item.hidden));
    const client = await page.target().createCDPSession();
    await client.send('Page.setDownloadBehavior', { behavior: 'allow', downloadPath: folder });

    // A slide-sized PNG of each view, and the SVG it was drawn from, titled with the lesson and the ticks asked.
    for (const view of ['window', 'chart', 'diagram', 'table']) {
      const png = await downloadPicture(page, folder, '#downloadPicture',
        { values: { pictureView: view, pictureFormat: 'png', pictureFrom: 20, pictureTo: 250 } });
      assert.match(png.name, new RegExp(`-${view}\\.png$`));
      assert.deepEqual(pngSize(png.bytes), [1920, 1080], view);
      const svg = (await downloadPicture(page, folder, '#downloadPicture',
        { values: { pictureView: view, pictureFormat: 'svg', pictureFrom: 20, pictureTo: 250 } })).bytes.toString();
      assert.match(svg, /<svg[^>]* width="1920(\.0)?" height="1080(\.0)?"/, view);
      // The title line drawn at the top, and said again in the document's title.
      assert.match(svg, /<text[^>]*>Go-back-N \(textbook\) recovering one lost packet · /, view);
      const ticks = view === 'window' ? 'tick 250' : view === 'table' ? 'figures at tick 300' : 'ticks 20–250';
      assert.match(svg, new RegExp(`<title>[^<]*${ticks}</title>`), view);
    }
    // Another size, without the title line.
    const small = await downloadPicture(page, folder, '#downloadPicture', { titled: false,
      values: { pictureView: 'chart', pictureFormat: 'png', pictureFrom: 0, pictureTo: 300, pictureWidth: 800, pictureHeight: 450 } });
    assert.deepEqual(pngSize(small.bytes), [800, 450]);
    const untitled = (await downloadPicture(page, folder, '#downloadPicture', { titled: false,
      values: { pictureView: 'chart', pictureFormat: 'svg' } })).bytes.toString();
    assert.match(untitled, /<title>[^<]*ticks 0–300<\/title>/);
    assert.doesNotMatch(untitled, /<text[^>]*>[^<]*ticks 0–300/);
    const csv = (await downloadPicture(page, folder, '#downloadPicture', { values: { pictureFormat: 'csv' } })).bytes.toString();
    assert.match(csv, /^configuration,delivered,retransmissions,timeouts,drops,goodput,recent_goodput\n[^,\n]+,\d+,/);

    // The comparison: its windows, diagrams, chart and table together, each configuration named.
    await page.goto(siteUrl(site, '?compare=go-back-n,selective-repeat&loss=5&seed=7'));
    await page.waitForFunction(() => document.documentElement.dataset.ready === 'yes' && window.slidingWindowDemo.comparing());
    await client.send('Page.setDownloadBehavior', { behavior: 'allow', downloadPath: folder });
    await page.evaluate(() => { for (let i = 0; i < 200; i++) document.getElementById('compareStep').click(); });
    // Their diagrams side by side, at the same ticks, each with its own lines.
    await page.$eval('#compareLadders', (holder) => holder.scrollIntoView());
    await page.waitForFunction(() => window.slidingWindowDemo.compareLaddersDrawn().every((drawn) => drawn.lines > 0));
    const ladders = await page.evaluate(() => window.slidingWindowDemo.compareLaddersDrawn());
    assert.equal(ladders.length, 2);
    assert.deepEqual([ladders[0].from, ladders[0].to], [ladders[1].from, ladders[1].to]);
    assert.ok(ladders.every((drawn) => drawn.lost > 0), JSON.stringify(ladders)); // the network lost some of each
    const together = await downloadPicture(page, folder, '#compareDownloadPicture',
      { views: ['window', 'diagram', 'chart', 'table'], values: { pictureFormat: 'svg', pictureFrom: 0, pictureTo: 200 } });
    const drawing = together.bytes.toString();
    assert.match(together.name, /comparison/);
    assert.match(drawing, /Go-back-N[^<]* vs [^<]*Selective/);
    assert.match(drawing, /ticks 0–200/);
    const comparedPng = await downloadPicture(page, folder, '#compareDownloadPicture',
      { views: ['chart'], values: { pictureFormat: 'png' } });
    assert.deepEqual(pngSize(comparedPng.bytes), [1920, 1080]);
    const comparedCsv = (await downloadPicture(page, folder, '#compareDownloadPicture',
      { values: { pictureFormat: 'csv' } })).bytes.toString();
    assert.equal(comparedCsv.trim().split('\n').length, 3, comparedCsv);
    assert.deepEqual(problems, []);
    await page.close();
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
});
