// A teacher's run with two losses travels by link and by QR code to a
// phone-sized page and plays there exactly as it did.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { launchBrowser, openPage, siteUrl } from './browser.mjs';

const site = process.env.SWD_WEB_SITE;
assert.ok(site, 'SWD_WEB_SITE names the built site');

let browser;
let close;
before(async () => ({ browser, close } = await launchBrowser()));
after(async () => close && close());

// Steps `count` ticks with the run bar's Step, losing the packet in flight
// (a double click) at the ticks in `losses`; the digest after each step.
function stepThrough(page, count, losses = []) {
  return page.evaluate((count, losses) => {
    const digests = [];
    for (let i = 1; i <= count; i++) {
      document.getElementById('stepOne').click();
      if (losses.includes(i)) {
        // Packets are drawn on a canvas: a double click where one is drawn.
        const packet = window.slidingWindowDemo.drawn().flights.find((flight) => !flight.ack);
        const at = window.slidingWindowDemo.flightCentre(false, packet.slot);
        for (let click = 0; click < 2; click++) {
          document.elementFromPoint(at.x, at.y).dispatchEvent(new PointerEvent('pointerdown',
            { bubbles: true, button: 0, pointerType: 'mouse', clientX: at.x, clientY: at.y }));
        }
      }
      digests.push(window.slidingWindowDemo.digest());
    }
    return digests;
  }, count, losses);
}

test('a run with two losses travels by link and QR code to a phone and plays the same there', async () => {
  const teacher = await openPage(browser, siteUrl(site));
  await teacher.page.click('#chkSlowStart input');
  const taught = await stepThrough(teacher.page, 300, [20, 170]);
  const log = await teacher.page.$eval('#log', (element) => element.textContent);
  assert.equal((log.match(/lost/g) || []).length >= 2, true, 'two packets lost');

  await teacher.page.click('#copyLink');
  await teacher.page.waitForFunction(() => document.getElementById('linkText').value.includes('#run='));
  const link = await teacher.page.$eval('#linkText', (field) => field.value);
  assert.ok(link.length < 8000, `${link.length} characters`);

  // The QR code, read back from the pixels on screen by an independent reader.
  await teacher.page.click('#showQr');
  await teacher.page.waitForFunction(() => document.getElementById('qrBox').open);
  const folder = mkdtempSync(join(tmpdir(), 'swd-qr-'));
  const shot = join(folder, 'qr.png');
  await (await teacher.page.$('#qrCode')).screenshot({ path: shot });
  const scanned = execFileSync('zbarimg', ['--raw', '-q', shot], { encoding: 'utf8' }).trim();
  rmSync(folder, { recursive: true, force: true });
  assert.equal(scanned, link);

  const phone = await openPage(browser, scanned, { width: 390, height: 844 });
  assert.equal(await phone.page.evaluate(() => JSON.parse(window.slidingWindowDemo.windowJson()).run.tick), 0);
  const played = await stepThrough(phone.page, 300);
  assert.deepEqual(played, taught);

  // A cut link is refused with a sentence, and the page stays usable.
  const cut = await openPage(browser, link.slice(0, link.length - 40));
  assert.match(await cut.page.$eval('#notices', (element) => element.textContent), /cannot be opened/);
  assert.deepEqual([...teacher.problems, ...phone.problems, ...cut.problems], []);
  for (const opened of [teacher.page, phone.page, cut.page]) await opened.close();
});
