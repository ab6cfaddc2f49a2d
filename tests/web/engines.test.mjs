// The page in the browser engine SWD_ENGINE names (chromium, firefox or
// webkit), opened from disk: the few tests that prove an engine runs it, a
// phone's view read without pinching, and languages a browser may report.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { openPage, siteUrl } from './browser.mjs';
import { launchEngine } from './engines.mjs';

const site = process.env.SWD_WEB_SITE;
const engineName = process.env.SWD_ENGINE || 'chromium';
assert.ok(site, 'SWD_WEB_SITE names the built site');

let engine;
before(async () => { engine = await launchEngine(engineName); });
after(async () => engine && engine.close());

const desktop = { width: 1280, height: 1000 };
const tickOf = () => JSON.parse(window.slidingWindowDemo.windowJson()).run.tick;
const stepTicks = (count) => { for (let i = 0; i < count; i++) document.getElementById('stepOne').click(); };
const noProblemShown = () => document.getElementById('problem').hidden;

test('the page starts to a running clock, and a saved run reopens to the native build\'s state', async () => {
  const running = await engine.open(siteUrl(site, '?speed=4'), desktop);
  assert.ok(await running.evaluate(noProblemShown), 'started');
  await running.evaluate(() => document.getElementById('cmdReset').click());
  await running.waitFor(() => JSON.parse(window.slidingWindowDemo.windowJson()).run.tick > 20);
  assert.equal(await running.evaluate(() => JSON.parse(window.slidingWindowDemo.windowJson()).run.clockOn), true);
  assert.deepEqual(running.problems, []);
  await running.close();

  // A lesson stepped to its fast retransmit reaches the native digest; its
  // saved file, opened in a fresh page, reaches it again.
  const lessonQuery = '?lesson=fast-retransmit&speed=4';
  const steps = 460;
  const native = execFileSync(process.env.SWD_DIGEST_REFERENCE, ['--steps', lessonQuery, String(steps)])
    .toString().trim();
  const lesson = await engine.open(siteUrl(site, lessonQuery), desktop);
  await lesson.evaluate(stepTicks, steps);
  assert.equal(await lesson.evaluate(tickOf), steps);
  assert.equal(await lesson.evaluate(() => window.slidingWindowDemo.digest()), native);
  const saved = await lesson.evaluate(async () => {
    const [make, follow] = [URL.createObjectURL, HTMLAnchorElement.prototype.click];
    let blob = null;
    URL.createObjectURL = (made) => { blob = made; return make(made); };
    // Read here, not saved into the home folder of whoever runs the tests.
    HTMLAnchorElement.prototype.click = () => {};
    document.getElementById('saveRun').click();
    [URL.createObjectURL, HTMLAnchorElement.prototype.click] = [make, follow];
    return blob && blob.text();
  });
  assert.match(saved, /"title": "Fast retransmit after three duplicate ACKs"/);
  await lesson.close();

  const fresh = await engine.open(siteUrl(site), desktop);
  await fresh.evaluate((text) => {
    const input = document.getElementById('runFileInput');
    const files = new DataTransfer();
    files.items.add(new File([text], 'lesson.json', { type: 'application/json' }));
    input.files = files.files;
    input.dispatchEvent(new Event('change', { bubbles: true }));
  }, saved);
  await fresh.waitFor(() =>
    document.getElementById('log').textContent.includes('Opened "Fast retransmit after three duplicate ACKs"'));
  await fresh.evaluate(stepTicks, steps);
  assert.equal(await fresh.evaluate(() => window.slidingWindowDemo.digest()), native);
  assert.deepEqual(fresh.problems, []);
  await fresh.close();
});

// Every text on screen at its size as seen: the font's size times the scale
// of the boxes around it. Texts kept for screen readers only are left out.
const smallTexts = (smallest) => {
  const small = [];
  for (const element of document.querySelectorAll('body *')) {
    if (!(element instanceof HTMLElement) || !element.offsetWidth || element.closest('.unseen')) continue;
    if (![...element.childNodes].some((node) => node.nodeType === Node.TEXT_NODE && node.textContent.trim())) continue;
    if (element.checkVisibility && !element.checkVisibility({ visibilityProperty: true })) continue;
    const shown = parseFloat(getComputedStyle(element).fontSize) *
      element.getBoundingClientRect().width / element.offsetWidth;
    if (shown < smallest) small.push(`${element.id || element.tagName} ${shown.toFixed(1)} px "${element.textContent.trim().slice(0, 30)}"`);
  }
  return small;
};

test('on a phone upright and on its side, every text reads at 11 px or more and practice stays on screen', async () => {
  // Only Chromium plays a touch screen here; with a mouse the page takes its
  // phone view in windows narrower than 760 px. MiniBrowser's window keeps
  // to about 450 px at least, which still makes a phone's view.
  const screens = [[360, 740], [740, 360], [390, 844], [844, 390]]
    .filter(([width]) => engineName === 'chromium' || width < 760)
    .slice(0, engineName === 'webkit' ? 2 : 4);
  for (const [width, height] of screens) {
    const size = `${width}x${height}`;
    const tab = await engine.open(siteUrl(site, '?run=1&practice=1&speed=4'),
      { width, height, touch: engineName === 'chromium' });
    await tab.waitFor(() => window.slidingWindowDemo.drawn().flights.length > 0);
    const seen = await tab.evaluate((smallestCode) => {
      const panel = document.getElementById('practicePanel').getBoundingClientRect();
      return {
        phone: document.body.classList.contains('phone'),
        sideways: document.documentElement.scrollWidth - innerWidth,
        small: new Function(`return (${smallestCode})(11)`)(),
        flightText: window.slidingWindowDemo.drawn().textPixels,
        practice: [panel.width > 0, Math.round(panel.left), Math.round(innerWidth - panel.right)],
      };
    }, smallTexts.toString());
    assert.equal(seen.phone, true, `${size}: the phone view`);
    assert.ok(seen.sideways <= 0, `${size}: the page scrolls ${seen.sideways} px sideways`);
    assert.deepEqual(seen.small, [], `${size}: texts under 11 px`);
    assert.ok(seen.flightText >= 11, `${size}: packet captions at ${seen.flightText} px`);
    const [practiceShown, ...margins] = seen.practice;
    assert.ok(practiceShown && margins.every((margin) => margin >= 0), `${size}: practice at ${margins} from the edges`);
    assert.deepEqual(tab.problems, []);
    await tab.close();
  }
});

// WebDriver classic cannot set navigator.language before the page's own
// scripts run, so WebKit is left to the two engines puppeteer drives.
test('a language tag that is invalid, unknown or empty never stops the page', { skip: engineName === 'webkit' }, async () => {
  for (const language of ['C', 'x-bogus', '']) {
    const tab = await engine.open(siteUrl(site, '?run=1&speed=4'), { ...desktop, language });
    assert.equal(await tab.evaluate(() => navigator.language), language);
    assert.ok(await tab.evaluate(noProblemShown), `"${language}": started`);
    await tab.waitFor(() => JSON.parse(window.slidingWindowDemo.windowJson()).run.tick > 20);
    // The chart has drawn its axes by now, numbers and all.
    assert.ok(await tab.evaluate(() => document.querySelector('#chart canvas, #chart svg') !== null), 'chart');
    assert.deepEqual(tab.problems, [], `"${language}"`);
    await tab.close();
  }
});

// Where puppeteer reads Chromium's accessibility tree: every control a
// screen reader meets has a name, on a desktop and on a phone, and every
// control a finger uses on a phone is at least 44 x 44 CSS pixels (a box
// inside a label counts as its label; the window's own controls, clipped
// on a phone, are repeated at finger size in the touch bar). Meanwhile a
// question holds the clock, and the tick readout still tells its tick;
// answered, it is marked right or wrong in words.
test('every control is named, and on a touch screen every one is a finger\'s size', { skip: engineName !== 'chromium' }, async () => {
  for (const [width, height, touch] of [[1280, 1000, false], [390, 844, true]]) {
    const { page, problems } = await openPage(engine.browser, siteUrl(site, '?run=1&practice=1&speed=4'),
      { width, height, touch });
    await page.waitForFunction(() => document.querySelectorAll('#practicePanel button.choice').length > 0,
      { timeout: 90000 });
    // The question holds the clock; the run bar tells the tick it stands at.
    const held = () => page.evaluate(() => [document.getElementById('tickReadout').textContent,
      JSON.parse(window.slidingWindowDemo.windowJson()).run.tick]);
    const [shown, tick] = await held();
    await new Promise((done) => setTimeout(done, 600));
    assert.deepEqual([shown, await held()], [`Tick ${tick}`, [shown, tick]], 'the readout of a held clock');
    const controls = new Set(['button', 'checkbox', 'slider', 'combobox', 'textbox', 'spinbutton', 'link', 'radio']);
    const unnamed = [];
    let named = 0;
    const walk = (node) => {
      if (controls.has(node.role)) {
        if (node.name && node.name.trim()) named++;
        else unnamed.push(`${node.role} ${JSON.stringify(node.value ?? '')}`);
      }
      for (const child of node.children ?? []) walk(child);
    };
    walk(await page.accessibility.snapshot({ interestingOnly: true }));
    assert.deepEqual(unnamed, [], `${width}x${height}: unnamed controls`);
    assert.ok(named > 40, `${width}x${height}: ${named} named controls`);
    if (touch) {
      const small = await page.evaluate(() => [...document.querySelectorAll('button, input, select, summary, label')]
        .filter((control) => control.checkVisibility() && !control.closest('#window, .unseen'))
        .map((control) => [control, (control.closest('label') ?? control).getBoundingClientRect()])
        .filter(([, box]) => box.width > 0 && (box.width < 44 || box.height < 44))
        .map(([control, box]) => `${control.id || control.textContent.trim().slice(0, 20)} ` +
          `${Math.round(box.width)}x${Math.round(box.height)}`));
      assert.deepEqual(small, [], 'controls under 44 x 44 px');
      // Answered, the choices say right and wrong in marks and words, not by colour alone.
      await page.tap('#practicePanel button.choice');
      await page.waitForFunction(() => document.getElementById('practicePanel').textContent.includes('\u2714'),
        { timeout: 30000 });
      const marks = await page.$$eval('#practicePanel button.choice', (choices) => choices.map((choice) =>
        [choice.classList.contains('chosen'), choice.classList.contains('right'), choice.textContent]));
      const [chosen] = marks.filter(([isChosen]) => isChosen);
      const [right] = marks.filter(([, isRight]) => isRight);
      assert.ok(chosen && right, JSON.stringify(marks));
      if (chosen === right) assert.match(chosen[2], /\u2714 right: your answer$/);
      else assert.deepEqual([/\u2718 your answer$/.test(chosen[2]), /\u2714 the run's answer$/.test(right[2])], [true, true]);
    }
    assert.deepEqual(problems, []);
    await page.close();
  }
});

// WCAG 2's contrast ratio of every text on screen against the first opaque
// background behind it, at least 4.5:1 (level AA), in both palettes. The
// classic palette's strips keep the desktop's own colours (their grey
// "not yet" numbers are 2.3:1); the safe palette is the one that reads.
const lowContrastTexts = (exceptStrips) => {
  const parse = (colour) => {
    const parts = colour.match(/[\d.]+/g).map(Number);
    return { rgb: parts.slice(0, 3), alpha: parts.length > 3 ? parts[3] : 1 };
  };
  const linear = (value) => (value / 255 <= 0.04045 ? value / 255 / 12.92 : ((value / 255 + 0.055) / 1.055) ** 2.4);
  const luminance = ([r, g, b]) => 0.2126 * linear(r) + 0.7152 * linear(g) + 0.0722 * linear(b);
  const backgroundOf = (element) => {
    for (let node = element; node; node = node.parentElement) {
      const colour = parse(getComputedStyle(node).backgroundColor);
      if (colour.alpha > 0.5) return colour.rgb;
    }
    return [255, 255, 255];
  };
  const low = [];
  for (const element of document.querySelectorAll('body *')) {
    if (!(element instanceof HTMLElement) || !element.offsetWidth || element.closest('.unseen')) continue;
    if (![...element.childNodes].some((node) => node.nodeType === Node.TEXT_NODE && node.textContent.trim())) continue;
    if (!element.checkVisibility({ visibilityProperty: true })) continue;
    if (exceptStrips && /^lbl(Tx|Rx)_\d+$/.test(element.id)) continue;
    const [text, back] = [luminance(parse(getComputedStyle(element).color).rgb), luminance(backgroundOf(element))];
    const ratio = (Math.max(text, back) + 0.05) / (Math.min(text, back) + 0.05);
    if (ratio < 4.5) low.push(`${element.id || element.textContent.trim().slice(0, 20)} ${ratio.toFixed(2)}`);
  }
  return low;
};

test('every text stands out from its background by 4.5:1 in both palettes', { skip: engineName !== 'chromium' }, async () => {
  for (const safe of [false, true]) {
    for (const [width, height, touch] of [[1280, 1000, false], [390, 844, true]]) {
      const { page, problems } = await openPage(engine.browser, siteUrl(site, '?run=1&practice=1&speed=4'),
        { width, height, touch });
      if (safe) await page.click('#safeColours');
      await page.waitForFunction(() => JSON.parse(window.slidingWindowDemo.windowJson()).run.tick > 40);
      const low = await page.evaluate(lowContrastTexts, !safe);
      assert.deepEqual(low, [], `${safe ? 'safe' : 'classic'} palette at ${width}x${height}`);
      assert.deepEqual(problems, []);
      await page.close();
    }
  }
});
