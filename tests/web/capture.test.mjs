// "Save capture" downloads the run as the exporter writes it, byte for byte:
// the page hands over the bytes of the one C++ writer they share.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync, mkdtempSync, readFileSync, readdirSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { launchBrowser, openPage, siteUrl } from './browser.mjs';

const site = process.env.SWD_WEB_SITE;
const exporter = process.env.SWD_EXPORTER;
assert.ok(site, 'SWD_WEB_SITE names the built site');
assert.ok(exporter, 'SWD_EXPORTER names sliding-window-run');

let browser;
let close;
before(async () => ({ browser, close } = await launchBrowser()));
after(async () => close && close());

const sleep = (ms) => new Promise((done) => setTimeout(done, ms));

test('Save capture downloads the bytes the exporter writes for the same run', async () => {
  const folder = mkdtempSync(join(tmpdir(), 'swd-capture-'));
  try {
    // A lesson with a lost packet and SACK blocks, stepped to the end of its recording.
    const lesson = JSON.parse(readFileSync(new URL('../../lessons/04-selective-repeat.json', import.meta.url)));
    const { page, problems } = await openPage(browser, siteUrl(site, '?lesson=selective-repeat'));
    await page.evaluate((n) => {
      for (let i = 0; i < n; i++) document.getElementById('stepOne').click();
    }, lesson.ticks);

    const client = await page.target().createCDPSession();
    await client.send('Page.setDownloadBehavior', { behavior: 'allow', downloadPath: folder });
    await page.click('#saveCapture');
    const name = `selective-repeat-tick-${lesson.ticks}.pcap`;
    for (let waited = 0; !existsSync(join(folder, name)) && waited < 10000; waited += 100) await sleep(100);
    assert.deepEqual(readdirSync(folder), [name]);
    const downloaded = readFileSync(join(folder, name));

    execFileSync(exporter, ['--lesson', 'selective-repeat', '--pcap', join(folder, 'exporter.pcap')]);
    const exported = readFileSync(join(folder, 'exporter.pcap'));
    assert.ok(downloaded.length > 24 + 3 * 16, `${downloaded.length} bytes`);
    assert.ok(downloaded.equals(exported), 'the page and the exporter write the same bytes');
    assert.deepEqual(problems, []);
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
});
