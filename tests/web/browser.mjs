// Starts Debian's Chromium headless through puppeteer-core with a fresh
// profile, and opens the built site from disk, as a teacher's USB stick would.
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { createRequire } from 'node:module';
import { pathToFileURL } from 'node:url';

// The page's npm packages (puppeteer-core among them) are installed beside its sources.
const require = createRequire(new URL('../../ui/web/package.json', import.meta.url));
const puppeteer = require('puppeteer-core');

export const chromiumPath = process.env.CHROMIUM || '/usr/bin/chromium';

export async function launchBrowser() {
  const profile = mkdtempSync(join(tmpdir(), 'swd-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: chromiumPath,
    headless: true,
    args: ['--no-sandbox', '--headless', '--disable-gpu', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--no-first-run', `--user-data-dir=${profile}`,
      '--font-render-hinting=none'],
  });
  const close = async () => {
    await browser.close();
    rmSync(profile, { recursive: true, force: true });
  };
  return { browser, close };
}

export function siteUrl(siteDir, query = '') {
  return pathToFileURL(resolve(siteDir, 'index.html')).href + query;
}

// Opens the page and collects every console error and failed request.
// `touch`: a phone or tablet's screen, a finger for a pointer.
export async function openPage(browser, url, { width = 1280, height = 1000, touch = false } = {}) {
  const page = await browser.newPage();
  await page.setViewport({ width, height, deviceScaleFactor: 1, isMobile: touch, hasTouch: touch });
  const problems = [];
  page.on('console', (message) => { if (message.type() === 'error') problems.push(`console: ${message.text()}`); });
  page.on('pageerror', (error) => problems.push(`page error: ${error.message}`));
  page.on('requestfailed', (request) => problems.push(`failed request: ${request.url()}`));
  await page.goto(url);
  await page.waitForFunction(() => document.documentElement.dataset.ready === 'yes' ||
    !document.getElementById('problem').hidden, { timeout: 20000 });
  return { page, problems };
}
