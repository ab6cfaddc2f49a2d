// The page's pictures in docs/: two phones held upright and on their side
// with practice asking a question, and the desktop-sized page in the
// colour-blind safe palette with state marks.
//   node tests/web/_shot.mjs SITE_DIR DOCS_DIR
import { launchBrowser, openPage, siteUrl } from './browser.mjs';

const [site, docs] = process.argv.slice(2);
const busy = '?options=slowstart,avoidance,fastretransmit&tx=16&rx=16&slide=1&run=1&speed=4';
const sleep = (ms) => new Promise((done) => setTimeout(done, ms));
const { browser, close } = await launchBrowser();
const problems = [];

// A run under way with one packet held and one lost, state marks on.
async function shoot(name, options, query, safe) {
  const opened = await openPage(browser, siteUrl(site, query), options);
  problems.push(...opened.problems);
  const { page } = opened;
  await page.click('#stateMarks');
  if (safe) await page.click('#safeColours');
  await sleep(6000);
  await page.evaluate(() => {
    const flights = window.slidingWindowDemo.drawn().flights.filter((f) => !f.ack);
    if (flights.length < 2) return;
    window.slidingWindowDemo.pressFlight(false, flights[0].slot);
    window.slidingWindowDemo.pressFlight(false, flights[1].slot);
  });
  await sleep(600);
  await page.click('#cmdPause');
  await page.evaluate(() => window.scrollTo(0, 0));
  await sleep(300);
  console.log(name, JSON.stringify(await page.evaluate(() => window.slidingWindowDemo.drawn().flights
    .map((f) => `${f.caption.replace(/\D+/g, ' ').trim()}${f.held ? ' held' : ''}`))));
  await page.screenshot({ path: `${docs}/${name}`, fullPage: !options.touch });
  await page.close();
}

// Practice open on a phone: the run stands at a question, its choices shown.
async function shootPractice(name, width, height) {
  const opened = await openPage(browser, siteUrl(site, `${busy}&practice=1`), { width, height, touch: true });
  problems.push(...opened.problems);
  const { page } = opened;
  await page.waitForFunction(() => document.querySelectorAll('#practicePanel button.choice').length > 0,
    { timeout: 90000 });
  await page.evaluate(() => window.scrollTo(0, 0));
  await sleep(300);
  await page.screenshot({ path: `${docs}/${name}` });
  await page.close();
}

for (const [width, height] of [[360, 740], [390, 844]]) {
  await shootPractice(`web-phone-${width}-portrait.png`, width, height);
  await shootPractice(`web-phone-${width}-landscape.png`, height, width);
}
await shoot('web-safe-colours.png', { width: 1100, height: 900 }, busy, true);
console.log(problems.length ? problems : 'no problems');
await close();
