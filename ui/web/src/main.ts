// The page: starts the engine, builds the window and the run panel, runs the
// clock and shows the model's modal box. The engine is the C++ session; this
// file only wires it to the browser.
import { Engine, Figures, Layout, PageFacts, ViewOptions, WebSession, WindowChanges, WindowState } from './engine';
import { CompareMode } from './compare_mode';
import { showFigures } from './figures_table';
import { instantiateEmbeddedEngine } from './engine_loader';
import { Legend } from './legend';
import { download, RunFiles } from './run_files';
import { PracticeView } from './practice';
import { QrView } from './qr_view';
import { LadderPanel } from './ladder_panel';
import { markerLegend, RunPanel } from './run_panel';
import { copyLink, linkToRun, openLinkedRun, pageAddress, SharedLink } from './run_link';
import { TouchBar } from './touch_bar';
import { WindowView } from './window_view';

declare const createEngine: ((options: object) => Promise<Engine>) | undefined;

// The chart and the log catch up a few times a second, not on every tick: a
// redraw costs more than a tick and the eye gains nothing from more. While
// the clock runs, once a second: a redraw costs as much as twenty ticks.
const ChartRedrawMilliseconds = 250;
const RunningChartRedrawMilliseconds = 1000;
// The run bar's readouts follow a running clock twice a second. The moving
// parts of the window are canvases that reach the screen without the page
// being laid out or painted again; any text changed in the page costs a
// layout, a paint and a commit of the whole page, twice what a tick costs.
const RunningReadoutMilliseconds = 500;
// Below this height a phone lies on its side: the window takes the whole height.
const ShortScreen = 560;

function element<T extends HTMLElement>(id: string): T {
  return document.getElementById(id) as T;
}

// Setting a text, even to the same, costs the page a layout.
function setText(target: HTMLElement, text: string): void {
  if (target.textContent !== text) target.textContent = text;
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
  dismiss.textContent = 'OK';
  dismiss.addEventListener('click', () => line.remove());
  line.appendChild(dismiss);
  element('notices').appendChild(line);
}

// Members of a change set that replace, rather than merge into, the state.
function merge(state: WindowState, changes: WindowChanges): void {
  for (const [name, value] of Object.entries(changes)) {
    const held = (state as unknown as Record<string, unknown>)[name];
    if (name === 'run' || name === 'shpTxWindow' || name === 'shpRxWindow') {
      (state as unknown as Record<string, unknown>)[name] = value;
    } else {
      Object.assign(held as object, value);
    }
  }
}

class Page {
  private readonly view: WindowView;
  private readonly practice: PracticeView;
  private readonly looks: ViewOptions;
  private readonly state: WindowState;
  private readonly touchBar: TouchBar;
  private panel: RunPanel | null = null;
  private compare: CompareMode | null = null;
  private readonly layout: Layout;
  private figuresShown = '';
  private ladder: LadderPanel | null = null;
  private clockTimer: number | undefined;
  private lastTickStart = 0;
  private chartTimer = 0;
  private readoutShownAt = 0;
  private chartShownAt = 0;
  private busy = false;

  constructor(private readonly engine: Engine, private readonly facts: PageFacts, private readonly session: WebSession,
    embed: boolean) {
    const root = element<HTMLDivElement>('window');
    const layout = JSON.parse(session.layoutJson()) as Layout;
    this.layout = layout;
    this.looks = JSON.parse(session.viewOptionsJson()) as ViewOptions;
    const send = (control: string, index: number, value: number) =>
      this.run(() => session.use(control, index, value));
    this.view = new WindowView(root, layout, this.looks, send, (ack, slot) => session.flightName(ack, slot),
      (current, arrow) => JSON.parse(session.nextPickJson(current?.ack ?? false, current?.slot ?? -1, arrow)));
    this.state = JSON.parse(session.windowJson()) as WindowState;
    this.touchBar = new TouchBar(element('touchBar'), send);
    if (embed) document.body.classList.add('embed');
    else element('beyond').hidden = false;
    this.practice = new PracticeView(session, (change) => this.run(change), (tick, cell) => {
      this.view.markCell(cell);
      if (tick !== null && tick >= 0) this.panel?.pick(tick);
    });
    this.buildViewOptions(layout);
    // The window fills the width, leaving room below for the run bar; on a
    // phone on its side it takes the whole height instead.
    const fit = () => {
      const height = window.innerHeight;
      const reserved = embed || height < ShortScreen ? 0 : 140;
      this.view.fit(document.documentElement.clientWidth, Math.max(200, height - reserved));
    };
    window.addEventListener('resize', fit);
    fit();
    document.addEventListener('visibilitychange', () => this.scheduleTick());
    this.refresh();
    this.view.focusStart();
  }

  // The chart and the log come after the window's first frame: the window is
  // what a class looks at first, and the chart's set-up costs a layout of its own.
  buildPanel(): void {
    this.panel = new RunPanel(this.session, element('chart'), element('log'), this.looks.chart);
    this.ladder = this.buildLadder(this.panel);
    markerLegend(element('markerLegend'), this.looks.chart);
    this.buildRunBar();
    this.buildNetworkAndCompare();
    this.runFiles().wire();
    if (!element<HTMLDialogElement>('messageBox').open) this.refresh();
  }

  // One user action or step: runs to completion, then the page catches up.
  // Nothing runs inside it, and nothing runs while the model's box is open.
  run(action: () => void, byClock = false): void {
    if (this.busy || this.compare?.view || element<HTMLDialogElement>('messageBox').open) return;
    this.busy = true;
    try {
      action();
    } finally {
      this.busy = false;
    }
    this.refresh(byClock);
  }

  private follow(): void {
    this.panel?.follow();
    this.ladder?.changed();
    // Worked out by the engine only when the run moved; redrawn only when it says otherwise.
    const figures = this.session.figuresJson();
    if (figures !== this.figuresShown) {
      this.figuresShown = figures;
      showFigures(element<HTMLTableElement>('runFigures'), JSON.parse(figures) as Figures);
    }
  }

  // The Network panel works on whatever is on screen; Compare switches the page over.
  private buildNetworkAndCompare(): void {
    const messageOpen = () => element<HTMLDialogElement>('messageBox').open;
    this.compare = new CompareMode(this.engine, this.session, this.layout, this.looks, this.facts.speeds, {
      notice, download, messageOpen,
      showMessage: (text, closed) => this.showMessage(text, closed),
      entered: () => {
        window.clearTimeout(this.clockTimer);
        this.clockTimer = undefined;
      },
      left: () => {
        window.dispatchEvent(new Event('resize'));
        this.refresh();
      },
      lossesChanged: () => this.showRun(this.state),
    });
  }

  enterCompare(): void { this.compare?.enter(); }

  // The run on screen was replaced (a classroom's run rebuilt): the chart and log begin again.
  startOver(): void { this.panel?.startOver(); }

  // The diagram shares the chart's cursor: a click on it picks for both.
  private buildLadder(panel: RunPanel): LadderPanel {
    const ladder = new LadderPanel(this.session, element('ladder'), element<HTMLDetailsElement>('ladderPanel'),
      this.looks.chart.cursor);
    ladder.onPick = (tick) => panel.pick(tick);
    ladder.onRewind = (tick) => this.run(() => this.session.rewindTo(tick));
    ladder.setViewOptions(element<HTMLInputElement>('safeColours').checked,
      element<HTMLInputElement>('stateMarks').checked);
    element('saveLadder').addEventListener('click', () => {
      const from = Math.max(0, Math.floor(Number(element<HTMLInputElement>('ladderFrom').value) || 0));
      const to = Math.max(from, Math.floor(Number(element<HTMLInputElement>('ladderTo').value) || 0));
      const link = document.createElement('a');
      link.href = URL.createObjectURL(new Blob([ladder.svgOf(from, to)], { type: 'image/svg+xml' }));
      link.download = `ladder-${from}-${to}.svg`;
      link.click();
      setTimeout(() => URL.revokeObjectURL(link.href), 0);
    });
    return ladder;
  }

  // After a tick the chart and log wait for their next redraw; after a
  // user's action they catch up at once, so the log answers what was done.
  refresh(byClock = false): void {
    const changes = JSON.parse(this.session.changesJson()) as WindowChanges;
    merge(this.state, changes);
    this.view.show(changes);
    this.practice.update();
    if (changes.buttons || changes.checks || changes.sliders || changes.labels) this.touchBar.show(this.state);
    // While the clock runs, the readouts and the chart change in the same
    // frames, so that the page is laid out and painted as seldom as it can be.
    const now = performance.now();
    if (!byClock || now - this.readoutShownAt >= RunningReadoutMilliseconds) {
      this.readoutShownAt = now;
      this.showRun(this.state);
      if (this.panel && byClock && now - this.chartShownAt >= RunningChartRedrawMilliseconds) {
        this.chartShownAt = now;
        this.follow();
        this.panel.redraw();
        this.ladder?.redraw();
      }
    }
    if (this.panel && !byClock) {
      this.follow();
      if (!this.chartTimer) {
        this.chartTimer = window.setTimeout(() => {
          this.chartTimer = 0;
          this.panel?.redraw();
          this.ladder?.redraw();
        }, ChartRedrawMilliseconds);
      }
    }
    const message = this.session.takeMessage();
    if (message) {
      this.showMessage(message);
      return;
    }
    this.scheduleTick();
  }

  // The 50 ms clock: one tick per timer firing, never two at once and no
  // catching up. After a stall (a hidden tab, a busy machine) the run goes
  // on from where it was.
  private scheduleTick(): void {
    if (this.clockTimer !== undefined || this.compare?.view) return;
    if (!this.session.clockRuns() || document.hidden) return;
    const due = this.lastTickStart + this.session.clockInterval();
    this.clockTimer = window.setTimeout(() => this.clockFired(), Math.max(0, due - performance.now()));
  }

  private clockFired(): void {
    this.clockTimer = undefined;
    if (!this.session.clockRuns() || document.hidden || this.busy) {
      this.scheduleTick();
      return;
    }
    this.lastTickStart = performance.now();
    this.run(() => this.session.tick(), true);
  }

  // The model's modal box: the clock stands still until OK.
  private showMessage(text: string, closed?: () => void): void {
    const box = element<HTMLDialogElement>('messageBox');
    element('messageText').textContent = text;
    box.addEventListener('close', closed ?? (() => {
      this.session.messageClosed();
      this.lastTickStart = performance.now();
      this.refresh();
    }), { once: true });
    box.showModal();
  }

  private buildRunBar(): void {
    const speed = element<HTMLSelectElement>('speed');
    this.facts.speeds.forEach((text, index) => speed.add(new Option(text, String(index))));
    speed.addEventListener('change', () => this.run(() => this.session.setSpeed(Number(speed.value))));
    element('stepOne').addEventListener('click', () => this.run(() => this.session.step()));
    element('stepBack').addEventListener('click', () => this.run(() => this.session.stepBack()));
    const rewind = element<HTMLButtonElement>('rewind');
    rewind.addEventListener('click', () => {
      const tick = this.panel?.picked;
      if (tick !== null && tick !== undefined) this.run(() => this.session.rewindTo(tick));
    });
    if (this.panel) {
      this.panel.onPick = (tick) => {
        element('cursorReadout').textContent = tick === null ? '' : `Cursor: tick ${tick}`;
        rewind.disabled = tick === null;
        this.ladder?.setCursor(tick);
      };
    }
    const filter = element<HTMLSelectElement>('logFilter');
    filter.addEventListener('change', () => { element('log').className = `filter-${filter.value}`; });
    element('copyLink').addEventListener('click', () => { void this.copyLink(); });
    new QrView(this.session, this.facts.qr, () => this.shareLink(), notice).wire();
    const inOrder = element<HTMLInputElement>('inOrder');
    inOrder.addEventListener('click', () =>
      this.run(() => this.session.use('chkInOrderReceiver', 0, 0)));
    const goBackN = element<HTMLInputElement>('goBackN');
    goBackN.addEventListener('click', () =>
      this.run(() => this.session.use('chkGoBackN', 0, 0)));
    // The presets click the boxes and move the sliders as a user would, so
    // the run records them; the list then shows whichever is in force.
    const protocol = element<HTMLSelectElement>('protocol');
    for (const preset of JSON.parse(this.session.protocolsJson()) as { name: string; title: string }[]) {
      const option = document.createElement('option');
      option.value = preset.name;
      option.textContent = preset.title;
      protocol.append(option);
    }
    protocol.addEventListener('change', () => {
      const name = protocol.value;
      if (name) this.run(() => this.session.applyProtocol(name));
    });
    // A presenter's clicker sends Page Down and Page Up; in a slider or a
    // list they keep their own meaning.
    document.addEventListener('keydown', (event) => {
      if (event.altKey || event.metaKey) return;
      const inField = (event.target as HTMLElement).matches?.('input, select, textarea');
      const forward = event.ctrlKey ? event.key === 'ArrowRight' : event.key === 'PageDown' && !inField;
      const back = event.ctrlKey ? event.key === 'ArrowLeft' : event.key === 'PageUp' && !inField;
      const compare = this.compare?.view;
      if (forward) compare ? compare.run(() => compare.comparison.step()) : this.run(() => this.session.step());
      else if (back) compare ? compare.run(() => compare.comparison.stepBack()) : this.run(() => this.session.stepBack());
      else return;
      event.preventDefault();
    });
  }

  // The view options: they change only how the model is drawn.
  private buildViewOptions(layout: object): void {
    const safe = element<HTMLInputElement>('safeColours');
    const marks = element<HTMLInputElement>('stateMarks');
    const legend = new Legend(element('legendBody'), layout as never, this.looks);
    const dialog = element<HTMLDialogElement>('legend');
    const apply = () => {
      this.view.setViewOptions(safe.checked, marks.checked);
      this.ladder?.setViewOptions(safe.checked, marks.checked);
      if (dialog.open) legend.fill(safe.checked, marks.checked);
    };
    safe.addEventListener('change', apply);
    marks.addEventListener('change', apply);
    element('showLegend').addEventListener('click', () => {
      legend.fill(safe.checked, marks.checked);
      dialog.showModal();
    });
    // A reload keeps the boxes ticked: the window follows them from the start.
    if (safe.checked || marks.checked) apply();
  }

  private showRun(state: WindowState): void {
    if (!this.panel) return;
    // The lesson's end is said once, in the status line the desktop shares.
    setText(element('tickReadout'), `Tick ${state.run.tick}`);
    const back = element<HTMLButtonElement>('stepBack');
    if (back.disabled === state.run.canStepBack) back.disabled = !state.run.canStepBack;
    for (const [id, name] of [['inOrder', 'chkInOrderReceiver'], ['goBackN', 'chkGoBackN']]) {
      const box = element<HTMLInputElement>(id);
      const option = state.checks[name];
      // Assigned only when it differs: even an equal value repaints the box.
      if (box.checked !== option.value) box.checked = option.value;
      if (box.disabled === option.enabled) box.disabled = !option.enabled;
      setText(element(`${id}Caption`), option.caption);
    }
    const protocol = element<HTMLSelectElement>('protocol');
    const inForce = this.session.protocolInForce();
    if (protocol.value !== inForce) protocol.value = inForce;
    setText(element('runStatus'), this.session.statusLine());
    const speed = element<HTMLSelectElement>('speed');
    if (speed.value !== String(state.run.speed)) speed.value = String(state.run.speed);
  }

  // The settings alone, or the whole run in the fragment (run_link.ts).
  shareLink(): Promise<SharedLink> {
    return linkToRun(this.session, pageAddress());
  }

  private async copyLink(): Promise<void> {
    const { link, error } = await this.shareLink();
    if (error) notice(error);
    else copyLink(element<HTMLButtonElement>('copyLink'), element<HTMLInputElement>('linkText'), link);
  }

  runFiles(): RunFiles {
    return new RunFiles(this.session, {
      run: (action) => this.run(action),
      startOver: () => this.panel?.startOver(),
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
      linkNow: async () => (await this.shareLink()).link,
      randomEventDigests: (seed: number, batches: number, size: number) =>
        this.engine.randomEventDigests(seed, batches, size),
      busyTickNanoseconds: (ticks: number) => this.engine.busyTickNanoseconds?.(ticks),
      ladderJson: (from: number, to: number) => this.session.ladderJson(from, to),
      ladderDrawn: () => this.ladder?.drawn(),
      // Milliseconds of one redraw of the diagram's ticks in view, layout excluded.
      ladderRedrawMilliseconds: () => {
        this.ladder?.changed();
        const start = performance.now();
        this.ladder?.redraw();
        return performance.now() - start;
      },
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
  const session = new engine.WebSession(location.search);
  const outcome = JSON.parse(session.linkOutcomeJson()) as { embed: boolean; follow: boolean; ignored: string[] };
  // A run in the fragment opens as its file would, in place of the query's settings.
  const facts = JSON.parse(engine.pageFactsJson()) as PageFacts;
  const payload = session.fragmentPayload(location.hash);
  const opened = payload ? await openLinkedRun(session, payload, facts.runFileLimitBytes) : session.openedJson();
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
