// One small surface over the three browser engines students arrive with:
// Chromium and Firefox ESR through puppeteer-core (Firefox over WebDriver
// BiDi), and WebKitGTK's MiniBrowser (Safari's engine) through
// WebKitWebDriver, which needs an X server (run under xvfb-run).
//
// A tab offers evaluate(fn, ...args) (fn runs in the page; it may be async),
// waitFor(fn, timeoutMs), the problems seen so far and close().
import { spawn } from 'node:child_process';
import { createRequire } from 'node:module';
import { launchBrowser } from './browser.mjs';

const require = createRequire(new URL('../../ui/web/package.json', import.meta.url));
const sleep = (ms) => new Promise((done) => setTimeout(done, ms));

// Every tab checks whether the page started or said why it could not.
const startedOrStopped = () => document.documentElement.dataset.ready === 'yes' ||
  !document.getElementById('problem').hidden;

function puppeteerTab(page, problems) {
  return {
    problems,
    evaluate: (fn, ...args) => page.evaluate(fn, ...args),
    waitFor: (fn, timeout = 20000) => page.waitForFunction(fn, { timeout, polling: 100 }),
    close: () => page.close(),
  };
}

// `language`: the tag navigator.language reports, set before any script of
// the page runs (the tags a misconfigured system gives: "C", "", made up ones).
async function openPuppeteerTab(browser, url, { width, height, touch = false, language }) {
  const page = await browser.newPage();
  await page.setViewport({ width, height, deviceScaleFactor: 1, ...(touch ? { isMobile: true, hasTouch: true } : {}) });
  const problems = [];
  page.on('console', (message) => { if (message.type() === 'error') problems.push(`console: ${message.text()}`); });
  page.on('pageerror', (error) => problems.push(`page error: ${error.message}`));
  if (language !== undefined) {
    await page.evaluateOnNewDocument((tag) => {
      Object.defineProperty(Navigator.prototype, 'language', { get: () => tag, configurable: true });
      Object.defineProperty(Navigator.prototype, 'languages', { get: () => (tag ? [tag] : []), configurable: true });
    }, language);
  }
  await page.goto(url);
  await page.waitForFunction(startedOrStopped, { timeout: 20000 });
  return puppeteerTab(page, problems);
}

async function launchFirefox() {
  const puppeteer = require('puppeteer-core');
  const browser = await puppeteer.launch({
    browser: 'firefox', executablePath: process.env.FIREFOX || '/usr/bin/firefox-esr', headless: true,
  });
  return { browser, close: () => browser.close() };
}

// WebDriver over HTTP on 127.0.0.1: the few commands the tests need. Every
// command is bounded: WebKitWebDriver waits five minutes for a page to load
// unless told otherwise, and a browser that stops answering would otherwise
// hold the test until CTest kills it, saying nothing of where it stood.
// A new MiniBrowser answers within a second or two; now and then one never
// does (here four in about 260), so its session is given less.
const commandMilliseconds = 60000;
const sessionMilliseconds = 20000;

class StalledCommand extends Error {}

async function launchWebKit() {
  const port = 4444 + Math.floor(Math.random() * 2000);
  const driver = spawn(process.env.WEBKIT_WEBDRIVER || 'WebKitWebDriver', [`--port=${port}`], { stdio: 'ignore' });
  const base = `http://127.0.0.1:${port}`;
  const call = async (method, path, body, bound = commandMilliseconds) => {
    let response;
    try {
      response = await fetch(base + path, {
        method, headers: { 'content-type': 'application/json' }, body: body && JSON.stringify(body),
        signal: AbortSignal.timeout(bound) });
    } catch (error) {
      if (error.name === 'TimeoutError') throw new StalledCommand(`WebKitWebDriver ${method} ${path}: no answer in ${bound} ms`);
      throw error;
    }
    const { value } = await response.json();
    if (value && value.error) {
      const failure = `WebKitWebDriver ${method} ${path}: ${value.error}: ${value.message}`;
      throw value.error === 'timeout' ? new StalledCommand(failure) : new Error(failure);
    }
    return value;
  };
  for (let attempt = 0; ; attempt++) {
    try { await call('GET', '/status'); break; } catch (error) {
      if (attempt > 100) { driver.kill(); throw error; }
      await sleep(100);
    }
  }
  const sessions = new Set();
  const openOnce = async (url, { width, height }) => {
    const { sessionId } = await call('POST', '/session', { capabilities: { alwaysMatch: {
      timeouts: { script: 30000, pageLoad: 30000 },
      'webkitgtk:browserOptions': { binary: process.env.MINIBROWSER ||
        '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser', args: ['--automation'] } } } },
      sessionMilliseconds);
    sessions.add(sessionId);
    const session = `/session/${sessionId}`;
    const close = async () => { sessions.delete(sessionId); await call('DELETE', session); };
    const evaluate = async (fn, ...args) => {
      const outcome = await call('POST', `${session}/execute/async`, {
        script: `const done = arguments[arguments.length - 1];
          Promise.resolve().then(() => (${fn}).apply(null, [...arguments].slice(0, -1)))
            .then((value) => done({ value }), (error) => done({ error: String(error && error.stack || error) }));`,
        args });
      if (outcome.error) throw new Error(outcome.error);
      return outcome.value;
    };
    const waitFor = async (fn, timeout = 20000) => {
      for (const end = Date.now() + timeout; ;) {
        if (await evaluate(fn)) return;
        if (Date.now() > end) throw new Error(`waited ${timeout} ms for ${fn}`);
        await sleep(100);
      }
    };
    try {
      // MiniBrowser's window keeps a width of its own below about 450 px.
      await call('POST', `${session}/window/rect`, { width, height });
      await call('POST', `${session}/url`, { url });
      await waitFor(startedOrStopped);
    } catch (error) {
      await close().catch(() => {});
      throw error;
    }
    return { problems: [], evaluate, waitFor, close };
  };
  // A browser that stalls while a tab opens gets one more, fresh browser:
  // the stall is told on stderr, and a page that stalls it again fails.
  const open = async (url, options) => {
    try {
      return await openOnce(url, options);
    } catch (error) {
      if (!(error instanceof StalledCommand)) throw error;
      console.error(`${error.message}; opening ${url} once more in a new browser`);
      return openOnce(url, options);
    }
  };
  const close = async () => {
    for (const sessionId of sessions) await call('DELETE', `/session/${sessionId}`).catch(() => {});
    driver.kill();
  };
  return { open, close };
}

// name: chromium, firefox or webkit; `browser` is puppeteer's, where it drives one.
export async function launchEngine(name) {
  if (name === 'webkit') return { name, ...(await launchWebKit()) };
  const { browser, close } = name === 'firefox' ? await launchFirefox() : await launchBrowser();
  return { name, browser, open: (url, options) => openPuppeteerTab(browser, url, options), close };
}
