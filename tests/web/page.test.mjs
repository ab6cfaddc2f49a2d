// The page in headless Chromium, opened from disk: start-up picture, the
// user's actions, links, and the same engine as the native build.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { createRequire } from 'node:module';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { launchBrowser, openPage, siteUrl } from './browser.mjs';

const site = process.env.SWD_WEB_SITE;
assert.ok(site, 'SWD_WEB_SITE names the built site');

let browser;
let close;
before(async () => ({ browser, close } = await launchBrowser()));
after(async () => close && close());

const modelOf = async (page) => JSON.parse(await page.evaluate(() => window.slidingWindowDemo.windowJson()));
// What the window's canvas shows: bars, packets and ACKs, lost marks, the keyboard's pick.
const drawnOf = (page) => page.evaluate(() => window.slidingWindowDemo.drawn());

const sleep = (ms) => new Promise((done) => setTimeout(done, ms));
const rgb = (hex) => `rgb(${parseInt(hex.slice(1, 3), 16)}, ${parseInt(hex.slice(3, 5), 16)}, ${parseInt(hex.slice(5, 7), 16)})`;

// What the page shows of a label: its text, colour, place and visibility.
async function shownLabel(page, id) {
  return page.$eval(`#${id}`, (element) => ({
    text: element.textContent, colour: getComputedStyle(element).color, hidden: element.hidden,
    left: parseFloat(element.style.left), top: parseFloat(element.style.top),
  }));
}

test('the page loads cleanly from disk and its start-up picture is the model', async () => {
  const { page, problems } = await openPage(browser, siteUrl(site));
  const model = await modelOf(page);
  for (const [strip, cells] of [['lblTx', model.lblTx], ['lblRx', model.lblRx]]) {
    for (let i = 0; i < cells.length; i++) {
      const shown = await shownLabel(page, `${strip}_${i}`);
      assert.equal(shown.text, cells[i].caption, `${strip}_${i} caption`);
      assert.equal(shown.colour, rgb(cells[i].colour), `${strip}_${i} colour`);
      assert.equal(shown.left, cells[i].left / 15, `${strip}_${i} left`);
      assert.equal(shown.top, cells[i].top / 15, `${strip}_${i} top`);
    }
  }
  for (const [name, label] of Object.entries(model.labels)) {
    const shown = await shownLabel(page, name);
    assert.equal(shown.text, label.caption, `${name} caption`);
    assert.equal(shown.colour, rgb(label.colour), `${name} colour`);
  }
  for (const [name, caption] of Object.entries(model.buttons)) {
    assert.equal(await page.$eval(`#${name}`, (element) => element.textContent), caption);
  }
  for (const [name, check] of Object.entries(model.checks)) {
    if (['chkInOrderReceiver', 'chkGoBackN', 'chkTahoeRule'].includes(name)) continue; // beside the window, not in it
    const shown = await page.$eval(`#${name}`, (row) => ({
      text: row.textContent, ticked: row.querySelector('input').checked,
      disabled: row.querySelector('input').disabled }));
    assert.deepEqual(shown, { text: check.caption, ticked: check.value, disabled: !check.enabled }, name);
  }
  for (const [name, slider] of Object.entries(model.sliders)) {
    assert.equal(await page.$eval(`#${name}`, (element) => Number(element.value)), slider.value, name);
  }
  const frame = await page.$eval('#shpTxWindow', (element) => parseFloat(element.style.left));
  assert.equal(frame, model.shpTxWindow.left / 15);
  assert.deepEqual((await drawnOf(page)).flights, []);
  // Focus on Start, as on the desktop; Tab walks to Pause.
  assert.equal(await page.evaluate(() => document.activeElement.id), 'cmdReset');
  await page.keyboard.press('Tab');
  assert.equal(await page.evaluate(() => document.activeElement.id), 'cmdPause');
  await page.screenshot({ path: process.env.SWD_STARTUP_SHOT || '/dev/null' }).catch(() => {});
  assert.deepEqual(problems, []);

  // Without WebAssembly the page says so in a sentence.
  const bare = await browser.newPage();
  await bare.evaluateOnNewDocument(() => { delete globalThis.WebAssembly; });
  await bare.goto(siteUrl(site));
  await bare.waitForFunction(() => !document.getElementById('problem').hidden);
  assert.match(await bare.$eval('#problem', (element) => element.textContent), /cannot run WebAssembly/);
  await bare.close();

  // Without the browser's own base64 decoder and without OffscreenCanvas
  // the page decodes the engine itself and draws the lanes on its own
  // thread: the same engine, the same run.
  const stepped = async (target) => target.evaluate(() => {
    for (let i = 0; i < 40; i++) document.getElementById('stepOne').click();
    return window.slidingWindowDemo.digest();
  });
  const older = await browser.newPage();
  const olderProblems = [];
  older.on('pageerror', (error) => olderProblems.push(error.message));
  await older.evaluateOnNewDocument(() => {
    delete Uint8Array.fromBase64;
    delete HTMLCanvasElement.prototype.transferControlToOffscreen;
  });
  await older.goto(siteUrl(site));
  await older.waitForFunction(() => document.documentElement.dataset.ready === 'yes');
  assert.deepEqual(await modelOf(older), model);
  assert.equal(await stepped(older), await stepped(page));
  assert.deepEqual(olderProblems, []);
  await older.close();
  await page.close();
});

test('Start animates, a double click loses a packet, settings take effect, the box stops the clock', async () => {
  const { page, problems } = await openPage(browser, siteUrl(site, '?speed=4'));
  // Space on the focused Start button starts the run.
  await page.keyboard.press('Space');
  await page.waitForFunction(() => window.slidingWindowDemo.drawn().flights.some((f) => !f.ack && f.slot === 0));
  const topOf = async () => (await drawnOf(page)).flights.find((f) => !f.ack && f.slot === 0).top;
  const firstTop = await topOf();
  await sleep(300);
  assert.ok(await topOf() > firstTop, 'packet moves');

  // A double click on the travelling packet loses it: the button goes at
  // once (checked before the next tick can launch another packet into the
  // slot), and once the timer runs out the cell and the sender say so.
  const [modelVisible, drawn] = await page.evaluate(() => {
    const at = window.slidingWindowDemo.flightCentre(false, 0);
    for (let i = 0; i < 2; i++) {
      document.elementFromPoint(at.x, at.y).dispatchEvent(new PointerEvent('pointerdown',
        { bubbles: true, button: 0, pointerType: 'mouse', clientX: at.x, clientY: at.y }));
    }
    return [JSON.parse(window.slidingWindowDemo.windowJson()).cmdPacket[0].visible,
      window.slidingWindowDemo.drawn().flights.some((f) => !f.ack && f.slot === 0)];
  });
  assert.deepEqual([modelVisible, drawn], [false, false]);
  await page.waitForFunction(() => document.getElementById('lblTxInfo').textContent.includes('Retransmitting packet 0'),
    { timeout: 30000 });
  assert.equal(await page.$eval('#lblTx_0', (element) => getComputedStyle(element).color), 'rgb(128, 0, 128)');
  assert.match(await page.$eval('#log', (element) => element.textContent), /packet 0 held.*packet 0 lost/s);

  // A slider counts when released: a change event on the receive window's
  // bar (the transmit window's moves with slow start while the run goes on).
  await page.$eval('#VScroll2', (slider) => {
    slider.value = '5';
    slider.dispatchEvent(new Event('change'));
  });
  assert.equal((await modelOf(page)).sliders.VScroll2.value, 5);
  assert.equal(await page.$eval('#lblRxWindow_1', (element) => element.textContent.trim()), '12');
  // An option box: a click goes to the model, which owns the tick.
  const before = (await modelOf(page)).checks.chkSelective.value;
  await page.click('#chkSelective input');
  assert.equal((await modelOf(page)).checks.chkSelective.value, !before);
  assert.equal(await page.$eval('#chkSelective input', (box) => box.checked), !before);
  await page.close();

  // Every packet held as it leaves: the sender runs out of packet buttons
  // and the model's box comes up; the clock stands still until OK.
  const boxed = await openPage(browser, siteUrl(site, '?options=none&tx=16&rx=16&timeout=1&run=1&speed=4'));
  await boxed.page.evaluate(() => {
    const held = new Set();
    const hold = () => {
      if (document.getElementById('messageBox').open) return;
      for (const flight of window.slidingWindowDemo.drawn().flights.filter((f) => !f.ack)) {
        const key = `${flight.slot} ${flight.caption}`;
        if (held.has(key)) continue;
        held.add(key);
        // Held packets pile up where they start: pressed by slot, not by place.
        window.slidingWindowDemo.pressFlight(false, flight.slot);
      }
      requestAnimationFrame(hold);
    };
    hold();
  });
  await boxed.page.waitForFunction(() => document.getElementById('messageBox').open, { timeout: 60000 });
  assert.equal(await boxed.page.$eval('#messageText', (element) => element.textContent), 'Run Out of Packets to Send');
  const stoppedAt = (await modelOf(boxed.page)).run.tick;
  await sleep(400);
  assert.equal((await modelOf(boxed.page)).run.tick, stoppedAt, 'no tick while the box is open');
  await boxed.page.click('#messageOk');
  await boxed.page.waitForFunction((tick) => JSON.parse(window.slidingWindowDemo.windowJson()).run.tick > tick + 2,
    {}, stoppedAt);
  assert.deepEqual([...problems, ...boxed.problems], []);
  await boxed.page.close();
});

test('a link sets the page, bad values are named and ignored, and Copy link round-trips', async () => {
  const query = '?options=slowstart,avoidance,fastretransmit&tx=8&seq=16&slide=1&timeout=9&inorder=1&tahoe=1';
  const { page, problems } = await openPage(browser, siteUrl(site, query));
  const model = await modelOf(page);
  assert.equal(model.checks.chkSlowStart.value && model.checks.chkAvoidance.value && model.checks.chkFastRetransmit.value, true);
  assert.equal(model.checks.chkSelective.value || model.checks.chkDelayedACK.value, false);
  assert.equal(model.checks.chkSlide.value, true);
  assert.equal(await page.$eval('#inOrder', (box) => box.checked), true);
  assert.equal(await page.$eval('#tahoeRule', (box) => box.checked), true);
  assert.match(await page.$eval('#runStatus', (e) => e.textContent), /Fast retransmit as Tahoe: back to one packet/);
  assert.equal(await page.$eval('#lblTxWindow_1', (element) => element.textContent.trim()), '8');
  assert.equal(await page.$eval('#lblSequences_1', (element) => element.textContent.trim()), '16');
  assert.equal(await page.$eval('#notices', (element) => element.textContent), '');

  await page.click('#copyLink');
  const link = await page.$eval('#linkText', (field) => field.value);
  const reopened = await openPage(browser, link);
  assert.deepEqual(await modelOf(reopened.page).then((m) => [m.checks, m.sliders]), [model.checks, model.sliders]);
  assert.equal(await reopened.page.evaluate(() => window.slidingWindowDemo.linkNow()), link);

  const bad = await openPage(browser, siteUrl(site, '?tx=99&options=warp&seq=16&run=maybe'));
  const notices = await bad.page.$eval('#notices', (element) => element.textContent);
  for (const named of ['tx=99', 'options=warp', 'run=maybe']) assert.ok(notices.includes(named), `${named} named`);
  const defaults = await openPage(browser, siteUrl(site));
  const badModel = await modelOf(bad.page);
  const defaultModel = await modelOf(defaults.page);
  assert.equal(badModel.sliders.VScroll1.value, defaultModel.sliders.VScroll1.value);
  assert.deepEqual(badModel.checks, defaultModel.checks);
  assert.equal(badModel.sliders.VScroll3.value, 16);
  assert.equal(badModel.run.clockOn, false);

  const embedded = await openPage(browser, siteUrl(site, '?embed=1'));
  assert.equal(await embedded.page.$eval('#beyond', (element) => getComputedStyle(element).display), 'none');
  assert.equal(await embedded.page.$eval('#window', (element) => getComputedStyle(element).display), 'block');
  assert.deepEqual([...problems, ...reopened.problems, ...bad.problems, ...defaults.problems, ...embedded.problems], []);
  for (const opened of [page, reopened.page, bad.page, defaults.page, embedded.page]) await opened.close();
});

test('the engine built for the page gives the native digests for the same random events', async () => {
  // The page carries no random-event driver: the build makes a module of the
  // same engine with only that (ui/web/digest_bindings.cpp).
  const createDigests = createRequire(import.meta.url)(process.env.SWD_WEB_DIGESTS);
  // Handed the module's bytes: the loader would otherwise fetch() a path, which node refuses.
  const engine = await createDigests({ wasmBinary: readFileSync(process.env.SWD_WEB_DIGESTS.replace(/\.js$/, '.wasm')) });
  for (const seed of [1, 5, 20261208]) {
    const native = execFileSync(process.env.SWD_DIGEST_REFERENCE, [String(seed), '20', '2000']).toString().trim();
    const web = engine.randomEventDigests(seed, 20, 2000);
    assert.match(native, /^[0-9a-f]{16}(,[0-9a-f]{16}){19}$/);
    assert.equal(web, native, `seed ${seed}`);
  }
});

test('lessons and run files open, play as the native build does, save, and bad ones are refused', async () => {
  const lessonQuery = '?lesson=fast-retransmit&speed=4';
  const { page, problems } = await openPage(browser, siteUrl(site, lessonQuery));
  assert.equal(await page.$eval('#lessonNote', (note) => note.hidden), false);
  assert.equal(await page.$eval('#lessonNoteTitle', (title) => title.textContent),
    'Fast retransmit after three duplicate ACKs');
  assert.match(await page.$eval('#lessonNoteText', (text) => text.textContent), /third duplicate arrives at tick 450/);
  const opened = await modelOf(page);
  assert.deepEqual([opened.run.tick, opened.run.clockOn, opened.checks.chkFastRetransmit.value], [0, false, true]);

  // Stepped through the recorded loss to the fast retransmit it promises, the
  // page's engine reaches the native build's state, and the link still names the lesson.
  const steps = 460;
  const stepThrough = (count) => page.evaluate((n) => {
    for (let i = 0; i < n; i++) document.getElementById('stepOne').click();
  }, count);
  await stepThrough(steps);
  const native = execFileSync(process.env.SWD_DIGEST_REFERENCE, ['--steps', lessonQuery, String(steps)]).toString().trim();
  assert.equal(await page.evaluate(() => window.slidingWindowDemo.digest()), native);
  // Go to Tick rewinds to a tick reached and plays on to a later one, landing where stepping lands.
  const goTo = async (tick) => {
    page.once('dialog', (dialog) => dialog.accept(String(tick)));
    await page.click('#goToTick');
  };
  await goTo(200);
  assert.equal(await page.evaluate(() => window.slidingWindowDemo.digest()),
    execFileSync(process.env.SWD_DIGEST_REFERENCE, ['--steps', lessonQuery, '200']).toString().trim());
  await goTo(steps);
  assert.equal(await page.evaluate(() => window.slidingWindowDemo.digest()), native);
  assert.match(await page.$$eval('#log li[data-tick="450"]', (entries) => entries.map((e) => e.textContent).join('\n')),
    /Entering fast retransmit/);
  assert.match(await page.evaluate(() => window.slidingWindowDemo.linkNow()), /\?lesson=fast-retransmit&speed=4$/);

  // "Save run" hands the browser the run file the desktop would write.
  const saved = await page.evaluate(async () => {
    const make = URL.createObjectURL;
    let blob = null;
    URL.createObjectURL = (made) => { blob = made; return make(made); };
    document.getElementById('saveRun').click();
    URL.createObjectURL = make;
    return blob && blob.text();
  });
  assert.match(saved, /"title": "Fast retransmit after three duplicate ACKs"/);
  // An action of the user's own branches the lesson: the link carries settings again.
  await page.click('#chkDelayedACK input');
  assert.doesNotMatch(await page.evaluate(() => window.slidingWindowDemo.linkNow()), /lesson=/);

  // The saved file opened through the file input plays the same run.
  const folder = mkdtempSync(join(tmpdir(), 'swd-runs-'));
  const write = (name, text) => { writeFileSync(join(folder, name), text); return join(folder, name); };
  const fresh = await openPage(browser, siteUrl(site));
  const input = await fresh.page.$('#runFileInput');
  await input.uploadFile(write('lesson.json', saved));
  await fresh.page.waitForFunction(() =>
    document.getElementById('log').textContent.includes('Opened "Fast retransmit after three duplicate ACKs"'));
  await fresh.page.evaluate((n) => {
    for (let i = 0; i < n; i++) document.getElementById('stepOne').click();
  }, steps);
  assert.equal(await fresh.page.evaluate(() => window.slidingWindowDemo.digest()), native);

  // A file that is not a run, and one too large to read, are refused with a
  // sentence each; the run on screen stays exactly as it was.
  const logOf = () => fresh.page.$eval('#log', (log) => log.textContent);
  const before = [await fresh.page.evaluate(() => window.slidingWindowDemo.digest()), await logOf()];
  await input.uploadFile(write('broken.json', '{"format": "sliding-window-run", "version": 1, "title": '));
  await fresh.page.waitForFunction(() => document.getElementById('notices').textContent.includes('broken.json'));
  await input.uploadFile(write('huge.json', ' '.repeat(5 * 1024 * 1024)));
  await fresh.page.waitForFunction(() => document.getElementById('notices').textContent.includes('huge.json'));
  const notices = await fresh.page.$$eval('#notices p', (lines) => lines.map((line) => line.firstChild.textContent));
  assert.equal(notices.length, 2);
  assert.match(notices[0], /^broken\.json cannot be opened\. [^.]+\.$/);
  assert.match(notices[1], /^huge\.json cannot be opened\. The file is 5\.0 MB, larger than a run file may be/);
  assert.deepEqual([await fresh.page.evaluate(() => window.slidingWindowDemo.digest()), await logOf()], before);
  rmSync(folder, { recursive: true, force: true });

  // An unknown lesson is named among the link's notices; the rest of the link applies.
  const unknown = await openPage(browser, siteUrl(site, '?lesson=warp&tx=8'));
  assert.match(await unknown.page.$eval('#notices', (element) => element.textContent),
    /Ignored lesson=warp in the link\. There is no lesson called "warp"\./);
  assert.equal(await unknown.page.$eval('#lessonNote', (note) => note.hidden), true);
  assert.equal(await unknown.page.$eval('#lblTxWindow_1', (element) => element.textContent.trim()), '8');
  // A run file dropped on the page opens as one picked does.
  await unknown.page.evaluate((text) => {
    const files = new DataTransfer();
    files.items.add(new File([text], 'dropped.json', { type: 'application/json' }));
    document.body.dispatchEvent(new DragEvent('drop', { bubbles: true, cancelable: true, dataTransfer: files }));
  }, saved);
  await unknown.page.waitForFunction(() =>
    document.getElementById('log').textContent.includes('Opened "Fast retransmit after three duplicate ACKs"'));
  assert.deepEqual([...problems, ...fresh.problems, ...unknown.problems], []);
  for (const done of [page, fresh.page, unknown.page]) await done.close();
});

test('on a phone and a tablet: no sideways scroll, controls a finger can hit, taps hold and lose as clicks do', async () => {
  for (const [width, height] of [[390, 844], [820, 1180]]) {
    const size = `${width}x${height}`;
    const { page, problems } = await openPage(browser, siteUrl(site, '?run=1'), { width, height, touch: true });
    const layout = await page.evaluate(() => {
      const controls = [...document.querySelectorAll('#touchBar button, #touchBar label, #runBar button, ' +
        '#runBar select, #runBar label, #chartBar button, #logBar select')].filter((c) => c.offsetParent !== null);
      return {
        scrollWidth: document.documentElement.scrollWidth,
        phone: document.body.classList.contains('phone'),
        windowWidth: document.getElementById('window').getBoundingClientRect().width,
        stageWidth: document.getElementById('stage').clientWidth,
        tooSmallOrOutside: controls.map((c) => [c.id || c.textContent.trim().slice(0, 20), c.getBoundingClientRect()])
          .filter(([, r]) => r.width < 44 || r.height < 44 || r.left < 0 || r.right > innerWidth)
          .map(([name, r]) => `${name} ${Math.round(r.width)}x${Math.round(r.height)} at ${Math.round(r.left)}`),
        touchControls: document.querySelectorAll('#touchBar button, #touchBar input').length,
      };
    });
    assert.ok(layout.scrollWidth <= width, `${size}: laid out ${layout.scrollWidth} px wide`);
    // A phone shows the strips at a readable size, scrolling sideways in their own box if need be.
    assert.equal(layout.phone, width < 700, `${size}: the phone view`);
    if (layout.phone) assert.ok(layout.windowWidth >= width && layout.stageWidth === width, `${size}: the strips' box`);
    else assert.ok(Math.abs(layout.windowWidth - width) <= 1, `${size}: the window is ${layout.windowWidth} px wide`);
    assert.deepEqual(layout.tooSmallOrOutside, [], `${size}: controls too small or off screen`);
    assert.equal(layout.touchControls, 2 + 7 + 4, `${size}: run buttons, options and sliders at finger size`);

    // A tap a little beside a packet (the buttons are a few pixels tall on a
    // phone) holds it; a second tap within seven ticks loses it.
    await page.waitForFunction(() => window.slidingWindowDemo.flightCentre(false, 0) !== null);
    const tapBeside = async () => {
      const at = await page.evaluate(() => window.slidingWindowDemo.flightCentre(false, 0));
      await page.touchscreen.tap(at.x, at.y + 12);
      return (await modelOf(page)).cmdPacket[0];
    };
    const held = await tapBeside();
    assert.deepEqual([held.visible, held.held], [true, true], `${size}: held`);
    const lost = await tapBeside();
    assert.equal(lost.visible, false, `${size}: lost`);
    assert.match(await page.$eval('#log', (log) => log.textContent), /packet 0 held.*packet 0 lost/s);
    // The touch bar's Pause is the model's.
    await page.tap('#touch_cmdPause');
    assert.equal((await modelOf(page)).run.clockOn, false, `${size}: paused`);
    assert.deepEqual(problems, []);
    await page.close();
  }
});

test('view options change only the drawing; the keyboard alone picks and loses a packet', async () => {
  // The same forty ticks with the options off and on reach the same model.
  const steps = async (page, count) => page.evaluate((n) => {
    document.getElementById('cmdReset').click();
    for (let i = 0; i < n; i++) document.getElementById('stepOne').click();
  }, count);
  const plain = await openPage(browser, siteUrl(site));
  await steps(plain.page, 40);
  // The canvases show the flights the model places (drawn off the page's
  // thread where the browser allows): a packet's face colour at its centre.
  const { flights } = await drawnOf(plain.page);
  assert.ok(flights.length > 0, 'flights after forty ticks');
  const at = await plain.page.evaluate((f) => window.slidingWindowDemo.flightCentre(f.ack, f.slot), flights[0]);
  const faceShown = async () => {
    const shot = await plain.page.screenshot({ encoding: 'base64', clip: { x: at.x - 12, y: at.y - 4, width: 24, height: 8 } });
    return plain.page.evaluate(async (png) => {
      const image = new Image();
      image.src = `data:image/png;base64,${png}`;
      await image.decode();
      const canvas = document.createElement('canvas');
      [canvas.width, canvas.height] = [image.width, image.height];
      const context = canvas.getContext('2d');
      context.drawImage(image, 0, 0);
      const pixels = context.getImageData(0, 0, image.width, image.height).data;
      return pixels.some((_, i) => i % 4 === 0 && pixels[i] === 225 && pixels[i + 1] === 225 && pixels[i + 2] === 225);
    }, shot);
  };
  let shown = await faceShown();
  for (let tries = 0; !shown && tries < 20; tries++) shown = (await sleep(100), await faceShown());
  assert.ok(shown, 'the packet is drawn where the model places it');
  const { page, problems } = await openPage(browser, siteUrl(site));
  await page.click('#safeColours');
  await page.click('#stateMarks');
  await page.click('#showLegend');
  assert.match(await page.$eval('#legendBody', (body) => body.textContent), /lost here/);
  await page.click('#legend button');
  await steps(page, 40);
  assert.equal(await page.evaluate(() => window.slidingWindowDemo.digest()),
    await plain.page.evaluate(() => window.slidingWindowDemo.digest()));
  // Cell 0 has been sent: it is drawn in the safe palette's colour with its mark.
  const cell = await page.$eval('#lblTx_0', (c) => [getComputedStyle(c).color, c.dataset.mark]);
  assert.notEqual(cell[0], await plain.page.$eval('#lblTx_0', (c) => getComputedStyle(c).color));
  assert.ok(cell[1].length > 0, 'a state mark');

  // Cont, then Tab on through the panel to the flight area; the arrow keys
  // pick a packet, Delete loses it, and its place is marked.
  await page.focus('#cmdPause');
  await page.keyboard.press('Space');
  await page.waitForFunction(() => window.slidingWindowDemo.drawn().flights.length > 0);
  // (Options the model has switched off are passed over.)
  const focused = () => page.evaluate(() => document.activeElement.id || document.activeElement.parentElement.id);
  const walked = [];
  while (walked.length < 14 && walked.at(-1) !== 'flightArea') {
    await page.keyboard.press('Tab');
    walked.push(await focused());
  }
  assert.equal(walked.at(-1), 'flightArea', walked.join(' '));
  await page.keyboard.press('ArrowDown');
  const picked = (await drawnOf(page)).picked;
  assert.ok(picked, 'a packet is picked');
  assert.match(await page.$eval('#flightPick', (news) => news.textContent), /^(packet|ACK)/);
  await page.keyboard.press('Delete');
  const model = await modelOf(page);
  assert.equal(model[picked.ack ? 'cmdACK' : 'cmdPacket'][picked.slot].visible, false);
  assert.equal((await drawnOf(page)).lost.length, 1);
  assert.deepEqual([...problems, ...plain.problems], []);
  await page.close();
  await plain.page.close();
});

test('the time-sequence diagram is the native description, drawn under the window, and picks the cursor', async () => {
  const lessonQuery = '?lesson=go-back-n&speed=4';
  const steps = 600;
  const { page, problems } = await openPage(browser, siteUrl(site, lessonQuery));
  await page.evaluate((n) => {
    for (let i = 0; i < n; i++) document.getElementById('stepOne').click();
  }, steps);
  const described = JSON.parse(await page.evaluate(() => window.slidingWindowDemo.ladderJson(0, -1)));
  const native = execFileSync(process.env.SWD_DIGEST_REFERENCE, ['--ladder', lessonQuery, String(steps)]).toString();
  assert.deepEqual(described, JSON.parse(native));
  // What the lesson promises: packet 1 lost at tick 15, sent again at its timeout at tick 174.
  const packets = described.lines.filter((line) => line.kind === 'packet' || line.kind === 'resend');
  assert.deepEqual(packets.filter((line) => line.ending === 'lost').map((line) => [line.label, line.ended]), [['1', 15]]);
  assert.ok(packets.some((line) => line.kind === 'resend' && line.label === '1' && line.left === 174));
  assert.ok(described.marks.some((mark) => mark.kind === 'timeout' && mark.tick === 174));

  // Scrolled to the start, the panel shows the loss; a click on the lost line puts the cursor on the tick it left.
  // As a reader would: the panel comes into view and draws the run's end,
  // then is scrolled back. (Before its first drawing it also reports tick 0.)
  await page.$eval('#ladder', (box) => box.scrollIntoView());
  await page.waitForFunction(() => window.slidingWindowDemo.ladderDrawn().lines > 0);
  await page.$eval('#ladder', (box) => { box.scrollTop = 0; });
  await page.waitForFunction(() => {
    const drawn = window.slidingWindowDemo.ladderDrawn();
    return drawn.from === 0 && drawn.lines > 0;
  });
  const shown = await page.evaluate(() => window.slidingWindowDemo.ladderDrawn());
  assert.ok(shown.lines > 0 && shown.lost === 1, JSON.stringify(shown));
  const lost = described.lines.find((line) => line.ending === 'lost');
  const target = await page.$eval('#ladder g.lost', (cross) => {
    const box = cross.ownerSVGElement.getBoundingClientRect();
    const drawn = cross.getBBox(); // the cross's two strokes
    return { x: box.left + drawn.x + drawn.width / 2, y: box.top + drawn.y + drawn.height / 2 };
  });
  await page.mouse.click(target.x, target.y);
  assert.equal(await page.$eval('#cursorReadout', (readout) => readout.textContent), `Cursor: tick ${lost.left}`);
  assert.equal(await page.$eval('.ladderCursor', (line) => line.hidden), false);
  assert.deepEqual(problems, []);
  await page.screenshot({ path: process.env.SWD_LADDER_SHOT || '/dev/null', fullPage: true }).catch(() => {});
  await page.close();
});
