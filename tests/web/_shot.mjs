// The page's pictures in docs/: a phone held upright and on its side, and
// the desktop-sized page in the colour-blind safe palette with state marks.
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

await shoot('web-phone-portrait.png', { width: 390, height: 844, touch: true }, busy, false);
await shoot('web-phone-landscape.png', { width: 844, height: 390, touch: true }, busy, false);
await shoot('web-safe-colours.png', { width: 1100, height: 900 }, busy, true);
console.log(problems.length ? problems : 'no problems');
await close();
