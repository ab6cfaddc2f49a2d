// The page: starts the engine, builds the window and the run panel, runs the
// clock and shows the model's modal box. The engine is the C++ session; this
// file only wires it to the browser.
import { Engine, Frame, Layout, PageFacts, ViewOptions, WebSession, WindowChanges, WindowState } from './engine';
import { CompareMode } from './compare_mode';
import { instantiateEmbeddedEngine } from './engine_loader';
import { ViewOptionControls } from './legend';
import { download, RunFiles } from './run_files';
import { PictureDownload } from './picture_download';
import { PracticeView } from './practice';
import { RunBar } from './run_bar';
import { openLinkedRun } from './run_link';
import { RunPanels } from './run_panels';
import { ShareControls } from './share_controls';
import { pageText, startLanguage } from './page_language';
import { OneAtATime, TickClock } from './tick_clock';
import { TouchBar } from './touch_bar';
import { PhoneView, WindowView } from './window_view';

declare const createEngine: ((options: object) => Promise<Engine>) | undefined;

// The run bar's readouts, the chart, the log and the figures follow a
// running clock once a second, all in the same tick, so that all of them
// reach the screen in one frame. The moving parts of the window are
// canvases that reach the screen without the page being laid out or painted
// again; any text changed in the page costs a layout, a paint and a commit of
// the whole page, twice what a tick costs: readouts twice a second, in a
// frame of their own every other time, cost an eighth of the page's thread.
// A clock that stands (a pause, a step, practice holding it) is shown at once.
const RunningReadoutMilliseconds = 1000;
// Below this height a phone lies on its side: the window takes the whole height.
const ShortScreen = 560;
// No text a student reads is drawn smaller than this many CSS pixels: where
// the whole window would be, on a phone or in a narrow window, the page
// switches to its phone view.
const ReadablePixels = 11;
// The phone view draws its texts a little larger than the least readable size.
const PhoneTextPixels = 12;
// Narrower than this, a page with a mouse takes the phone view too.
const NarrowWindow = 760;
// On a phone on its side, practice takes this share of the width beside the window.
const PracticeSideShare = 0.42;

function element<T extends HTMLElement>(id: string): T {
  return document.getElementById(id) as T;
}

// Anything that goes wrong is said on the page, never only in the console.
function showProblem(text: string): void {
  const problem = element<HTMLDivElement>('problem');
  problem.hidden = false;
  const line = document.createElement('p');
  line.textContent = text;
  problem.appendChild(line);
}

function describe(error: unknown): string {
  if (error instanceof Error) return `${error.name}: ${error.message}`;
  return String(error);
}

window.addEventListener('error', (event) => {
  showProblem(`Something went wrong in the page: ${event.message || describe(event.error)}. ` +
    'Reload the page to start again.');
});
window.addEventListener('unhandledrejection', (event) => {
  showProblem(`Something went wrong in the page: ${describe(event.reason)}. Reload the page to start again.`);
});

function notice(text: string): void {
  const line = document.createElement('p');
  line.textContent = text;
  const dismiss = document.createElement('button');
  dismiss.textContent = pageText('OK');
  dismiss.addEventListener('click', () => line.remove());
  line.appendChild(dismiss);
  element('notices').appendChild(line);
}

// Members of a change set that replace, rather than merge into, the state;
// a flight comes with only its members that changed.
function merge(state: WindowState, changes: WindowChanges): void {
  for (const [name, value] of Object.entries(changes)) {
    const held = (state as unknown as Record<string, unknown>)[name];
    if (name === 'run' || name === 'shpTxWindow' || name === 'shpRxWindow') {
      (state as unknown as Record<string, unknown>)[name] = value;
    } else if (name === 'cmdPacket' || name === 'cmdACK') {
      const flights = held as Record<string, object>;
      for (const [slot, flight] of Object.entries(value as object)) flights[slot] = { ...flights[slot], ...flight };
    } else {
      Object.assign(held as object, value);
    }
  }
}

// The page: the window and its touch bar, the clock, and once the window is
// drawn, the panels, the run bar, sharing, run files and the comparison. It
// wires them to the session; each owns its own part of the page.
class Page {
  private readonly view: WindowView;
  private readonly practice: PracticeView;
  private readonly looks: ViewOptions;
  private readonly layout: Layout;
  private readonly state: WindowState;
  private readonly touchBar: TouchBar;
  private readonly clock: TickClock;
  private readonly viewOptions: ViewOptionControls;
  private readonly pictures: PictureDownload;
  private panels: RunPanels | null = null;
  private runBar: RunBar | null = null;
  private share: ShareControls | null = null;
  private compare: CompareMode | null = null;
  private readoutShownAt = 0;
  private readonly actions = new OneAtATime();
  private readonly phone: PhoneView;
  private readonly phoneLines: { sender: HTMLElement; state: HTMLElement; receiver: HTMLElement };

  constructor(private readonly engine: Engine, private readonly facts: PageFacts, private readonly session: WebSession,
    embed: boolean) {
    const root = element<HTMLDivElement>('window');
    this.layout = JSON.parse(session.layoutJson()) as Layout;
    this.looks = JSON.parse(session.viewOptionsJson()) as ViewOptions;
    const send = (control: string, index: number, value: number) =>
      this.run(() => session.use(control, index, value));
    this.view = new WindowView(root, this.layout, this.looks, send, (ack, slot) => session.flightName(ack, slot),
      (current, arrow) => JSON.parse(session.nextPickJson(current?.ack ?? false, current?.slot ?? -1, arrow)));
    this.state = JSON.parse(session.windowJson()) as WindowState;
    this.touchBar = new TouchBar(element('touchBar'), this.layout, send);
    this.phone = { readablePixels: PhoneTextPixels, shortCaption: (ack, caption) => engine.shortFlightCaption(ack, caption) };
    this.phoneLines = { sender: element('senderLineText'), state: element('senderState'), receiver: element('receiverLine') };
    this.clock = new TickClock(session, {
      tick: () => this.run(() => session.tick(), true),
      standsStill: () => Boolean(this.compare?.view),
      busy: () => this.actions.busy,
    });
    if (embed) document.body.classList.add('embed');
    else element('beyond').hidden = false;
    this.practice = new PracticeView(session, (change) => this.run(change), (tick, cell) => {
      this.view.markCell(cell);
      if (tick !== null && tick >= 0) this.panels?.chart.pick(tick);
    }, () => window.dispatchEvent(new Event('resize')));
    this.viewOptions = new ViewOptionControls(this.layout, this.looks, (safe, marks) => {
      this.view.setViewOptions(safe, marks);
      this.panels?.ladder.setViewOptions(safe, marks);
      this.compare?.view?.setViewOptions(safe, marks);
    });
    this.pictures = new PictureDownload(this.viewOptions, notice);
    this.fitWindow(embed);
    document.addEventListener('visibilitychange', () => this.clock.schedule());
    this.refresh();
    this.view.focusStart();
  }

  // The window fills the width, leaving room below for the run bar; on a
  // phone on its side it takes the whole height instead. Where the whole
  // window would draw some text too small to read, on a phone or in a narrow
  // window, the page shows its phone view: the strips and the flight area
  // at a readable size, the commentary lines above and below them and the
  // panel in the touch bar.
  private fitWindow(embed: boolean): void {
    const coarse = matchMedia('(pointer: coarse)');
    const fit = () => {
      document.body.classList.toggle('touch', coarse.matches);
      let width = document.documentElement.clientWidth;
      const height = window.innerHeight;
      const reserved = embed || height < ShortScreen ? 0 : 140;
      const whole = Math.min(width / (this.layout.clientWidth / this.layout.twipsPerPixel),
        Math.max(200, height - reserved) / (this.layout.clientHeight / this.layout.twipsPerPixel));
      const phone = !embed && whole * this.looks.flightTextPixels < ReadablePixels &&
        (width < NarrowWindow || coarse.matches);
      document.body.classList.toggle('phone', phone);
      const side = phone && width > height && this.practice.open;
      document.body.classList.toggle('practiceSide', side);
      if (side) {
        const sideWidth = Math.round(width * PracticeSideShare);
        document.body.style.setProperty('--practice-side', `${sideWidth}px`);
        width -= sideWidth;
      }
      if (!phone) {
        this.view.fit(width, Math.max(200, height - reserved));
        return;
      }
      const lines = this.phoneLines.sender.parentElement!.offsetHeight + this.phoneLines.receiver.offsetHeight;
      this.view.fit(width, Math.max(100, height - lines), this.phone);
    };
    window.addEventListener('resize', fit);
    coarse.addEventListener('change', fit);
    fit();
  }

  // The phone view's commentary lines and the sender's state, outside the window.
  private showPhoneLines(changes: WindowChanges): void {
    const labels = changes.labels;
    if (!labels) return;
    for (const [name, line] of [['lblTxInfo', this.phoneLines.sender], ['lblState', this.phoneLines.state],
      ['lblRxInfo', this.phoneLines.receiver]] as const) {
      const label = labels[name];
      if (!label) continue;
      if (line.textContent !== label.caption) line.textContent = label.caption;
      line.style.color = label.colour;
    }
  }

  // The chart and the log come after the window's first frame: the window is
  // what a class looks at first, and the chart's set-up costs a layout of its own.
  buildPanel(): void {
    const panels = new RunPanels(this.session, this.looks, (tick) => this.run(() => this.session.rewindTo(tick)));
    this.panels = panels;
    panels.ladder.setViewOptions(this.viewOptions.safeColours(), this.viewOptions.stateMarks());
    const runBar = new RunBar(this.session, this.facts.speeds, (action) => this.run(action), () => panels.chart.picked);
    this.runBar = runBar;
    panels.chart.onPick = (tick) => {
      runBar.showCursor(tick);
      panels.ladder.setCursor(tick);
    };
    this.share = new ShareControls(this.session, this.facts.qr, notice);
    const session = this.session;
    element('downloadPicture').addEventListener('click', () => this.pictures.open({
      comparison: false,
      ticks: () => session.ticks(),
      pictureSvg: (...asked) => session.pictureSvg(...asked),
      figuresCsv: () => session.figuresCsv(),
      pictureFileName: (ending) => session.pictureFileName(ending),
    }));
    this.wirePresenterKeys();
    this.buildCompare();
    this.runFiles().wire();
    if (!element<HTMLDialogElement>('messageBox').open) this.refresh();
  }

  // One user action or step: runs to completion, then the page catches up.
  // Nothing runs inside it, and nothing runs while the model's box is open.
  run(action: () => void, byClock = false): void {
    if (this.compare?.view || element<HTMLDialogElement>('messageBox').open) return;
    if (this.actions.run(action)) this.refresh(byClock);
  }

  // The Network panel works on whatever is on screen; Compare switches the page over.
  private buildCompare(): void {
    const messageOpen = () => element<HTMLDialogElement>('messageBox').open;
    this.compare = new CompareMode(this.engine, this.session, this.layout, this.looks, this.facts.speeds, {
      notice, download, messageOpen,
      downloadPicture: (source) => this.pictures.open(source),
      viewOptions: () => ({ safeColours: this.viewOptions.safeColours(), stateMarks: this.viewOptions.stateMarks() }),
      showMessage: (text, closed) => this.showMessage(text, closed),
      entered: () => this.clock.stop(),
      left: () => {
        window.dispatchEvent(new Event('resize'));
        this.refresh();
      },
      lossesChanged: () => this.runBar?.show(this.state),
    });
  }

  enterCompare(): void { this.compare?.enter(); }

  // The run on screen was replaced (a classroom's run rebuilt): the chart and log begin again.
  startOver(): void { this.panels?.chart.startOver(); }

  // After a tick the panels wait for their next redraw; after a user's
  // action they catch up at once, so the log answers what was done.
  // Everything the page reads from the session after a tick or an action
  // comes in one call: each call into the engine costs a crossing and a text.
  refresh(byClock = false): void {
    const frame = JSON.parse(this.session.frameJson()) as Frame;
    const changes = frame.changes;
    merge(this.state, changes);
    this.view.show(changes);
    this.showPhoneLines(changes);
    this.practice.update(frame.practice);
    if (changes.buttons || changes.checks || changes.sliders || changes.labels) this.touchBar.show(this.state);
    // While the clock runs, the readouts and the chart change in the same
    // frames, so that the page is laid out and painted as seldom as it can be.
    // A tick after which the clock stands (practice holding it for a
    // question, the end of a lesson) is shown at once, like an action.
    const running = byClock && frame.clockRuns;
    const now = performance.now();
    if (!running || now - this.readoutShownAt >= RunningReadoutMilliseconds) {
      this.readoutShownAt = now;
      this.runBar?.show(this.state);
      if (running) this.panels?.followRunning();
    }
    if (!running) this.panels?.followAction();
    if (frame.message) {
      this.showMessage(frame.message);
      return;
    }
    this.clock.schedule(frame);
  }

  // The model's modal box: the clock stands still until OK.
  private showMessage(text: string, closed?: () => void): void {
    const box = element<HTMLDialogElement>('messageBox');
    element('messageText').textContent = text;
    box.addEventListener('close', closed ?? (() => {
      this.session.messageClosed();
      this.clock.restartInterval();
      this.refresh();
    }), { once: true });
    box.showModal();
  }

  // A presenter's clicker sends Page Down and Page Up; in a slider or a
  // list they keep their own meaning.
  private wirePresenterKeys(): void {
    document.addEventListener('keydown', (event) => {
      if (event.altKey || event.metaKey) return;
      const inField = (event.target as HTMLElement).matches?.('input, select, textarea');
      const forward = event.ctrlKey ? event.key === 'ArrowRight' : event.key === 'PageDown' && !inField;
      const back = event.ctrlKey ? event.key === 'ArrowLeft' : event.key === 'PageUp' && !inField;
      const compare = this.compare?.view;
      if (event.ctrlKey && event.key === 'g' && !compare && this.runBar) {
        this.runBar.askGoToTick((action) => this.run(action));
        event.preventDefault();
        return;
      }
      if (forward) compare ? compare.run(() => compare.comparison.step()) : this.run(() => this.session.step());
      else if (back) compare ? compare.run(() => compare.comparison.stepBack()) : this.run(() => this.session.stepBack());
      else return;
      event.preventDefault();
    });
  }

  runFiles(): RunFiles {
    return new RunFiles(this.session, {
      run: (action) => this.run(action),
      startOver: () => this.panels?.chart.startOver(),
      notice,
      compare: () => this.enterCompare(),
    });
  }

  // For the browser tests and benchmarks: the same engine, reached from outside.
  hooks(): object {
    return {
      windowJson: () => this.session.windowJson(),
      drawn: () => this.view.drawn(),
      flightCentre: (ack: boolean, slot: number) => this.view.flightCentre(ack, slot),
      pressFlight: (ack: boolean, slot: number) => this.view.pressFlight(ack, slot),
      digest: () => this.session.digest(),
      figures: () => JSON.parse(this.session.figuresJson()),
      ...this.compare?.hooks(),
      linkNow: async () => (await this.share?.link())?.link,
      busyTickNanoseconds: (ticks: number) => this.engine.busyTickNanoseconds?.(ticks),
      ladderJson: (from: number, to: number) => this.session.ladderJson(from, to),
      ladderDrawn: () => this.panels?.ladder.drawn(),
      ladderRedrawMilliseconds: () => this.panels?.ladderRedrawMilliseconds(),
    };
  }
}

// A classroom session's link: follow mode comes as a script of its own
// (follow_mode.ts), fetched from the teacher's laptop only for such a link.
function startFollowing(page: Page, session: WebSession): Promise<object> {
  return new Promise((started, failed) => {
    const script = document.createElement('script');
    script.src = 'follow.js';
    script.addEventListener('load', () => {
      const follow = (window as unknown as { slidingWindowFollow: { start(host: object): object } }).slidingWindowFollow;
      started(follow.start({ session, refresh: () => page.refresh(true), startOver: () => page.startOver() }));
    });
    script.addEventListener('error', () => failed(new Error('follow.js could not be loaded')));
    document.head.appendChild(script);
  });
}

async function start(): Promise<void> {
  if (typeof WebAssembly !== 'object' || typeof createEngine !== 'function') {
    showProblem("This browser cannot run WebAssembly, which Quill's Sliding Window Demo needs. " +
      'Please open the page in a current version of Chrome, Edge, Firefox or Safari.');
    return;
  }
  const engine = await createEngine({
    onAbort: (what: unknown) => showProblem(`The simulation stopped with an error: ${String(what)}. ` +
      'Reload the page to start again.'),
    printErr: (text: string) => console.warn(text),
    instantiateWasm: instantiateEmbeddedEngine,
  });
  // The whole address: the session refuses one longer than any link it makes, unread.
  const session = new engine.WebSession(location.href);
  await startLanguage(engine, session);
  const outcome = JSON.parse(session.linkOutcomeJson()) as {
    embed: boolean; follow: boolean; ignored: string[]; refused: string;
  };
  if (outcome.refused) notice(outcome.refused);
  // A run in the fragment opens as its file would, in place of the query's settings.
  const facts = JSON.parse(engine.pageFactsJson()) as PageFacts;
  const payload = outcome.refused ? '' : session.fragmentPayload(location.hash);
  const opened = payload ? await openLinkedRun(session, payload) : session.openedJson();
  const page = new Page(engine, facts, session, outcome.embed);
  for (const sentence of outcome.ignored) notice(sentence);
  page.runFiles().showOpened(opened, outcome.embed);
  performance.mark('startup-drawn');
  if (!outcome.embed) {
    await new Promise((painted) => requestAnimationFrame(() => setTimeout(painted, 0)));
    page.buildPanel();
    // A link's compare=, or a linked run with runs alongside.
    if (session.comparisonWaiting()) page.enterCompare();
  }
  const follow = outcome.follow ? await startFollowing(page, session) : undefined;
  (window as unknown as { slidingWindowDemo: object }).slidingWindowDemo = { ...page.hooks(), follow };
  document.documentElement.dataset.ready = 'yes';
}

start().catch((error) => showProblem(`The page could not start: ${describe(error)}.`));
