// The comparison on the page: two or three windows side by side (stacked on
// a phone), each drawn by the page's own WindowView at a smaller scale and
// titled with its configuration; one run bar for all of them; a chart that
// overlays their transmit windows and goodput; and the table of figures.
// The engine's WebComparison decides everything; a gesture in one window
// goes back with that window's index.
import { ComparisonSamples, Figures, Layout, ViewOptions, WebComparison, WindowChanges } from './engine';
import { showFigures } from './figures_table';
import { ChartSeries, LineChart } from './line_chart';
import { LadderPanel } from './ladder_panel';
import { OneAtATime, TickClock } from './tick_clock';
import { copyLink, pageAddress } from './run_link';
import { WindowView } from './window_view';
import { pageText } from './page_language';
import { PictureSource } from './picture_download';

export interface CompareHost {
  notice(text: string): void;
  // The model's modal box; `closed` runs on OK.
  showMessage(text: string, closed: () => void): void;
  messageOpen(): boolean;
  download(text: string, fileName: string): void;
  downloadPicture(source: PictureSource): void;
  // The View options in use: the palette and the state marks.
  viewOptions(): { safeColours: boolean; stateMarks: boolean };
}

// As the single window's panel: a redraw costs more than a tick.
const RunningRedrawMilliseconds = 1000;
const RedrawMilliseconds = 250;

function element<T extends HTMLElement>(id: string): T {
  return document.getElementById(id) as T;
}

export class CompareView {
  private readonly views: WindowView[] = [];
  private readonly stages: HTMLElement[] = [];
  private readonly buttons: Record<string, string>[] = [];
  private readonly ticks: number[] = [];
  private readonly windows: number[][];
  private readonly goodput: number[][];
  private readonly chart: LineChart;
  private readonly ladders: LadderPanel[] = [];
  private readonly resize = () => this.fit();
  private readonly wiring = new AbortController();
  private redrawTimer = 0;
  private shownAt = 0;
  private cursor: number | null = null;
  private readonly actions = new OneAtATime();
  private closed = false;
  private readonly clock: TickClock;
  // One colour and one dash per configuration, as in the exported pictures,
  // so that coinciding lines still show as two; the goodput is the thinner line.
  private readonly colours: string[];
  private readonly dashes: number[][];

  constructor(readonly comparison: WebComparison, layout: Layout, looks: ViewOptions,
    private readonly speeds: string[], private readonly host: CompareHost) {
    this.colours = looks.chart.configurations;
    this.dashes = looks.chart.configurationDashes;
    this.clock = new TickClock(comparison, {
      tick: () => this.run(() => comparison.tick(), true),
      standsStill: () => this.closed,
      busy: () => this.actions.busy,
    });
    const count = comparison.size();
    this.windows = Array.from({ length: count }, () => []);
    this.goodput = Array.from({ length: count }, () => []);
    const holder = element('compareViews');
    holder.textContent = '';
    holder.classList.toggle('three', count > 2);
    for (let index = 0; index < count; index++) {
      const figure = document.createElement('figure');
      figure.className = 'compareView';
      const caption = document.createElement('figcaption');
      caption.textContent = comparison.label(index);
      caption.style.borderColor = this.colours[index];
      const stage = document.createElement('div');
      stage.className = 'stage';
      const root = document.createElement('div');
      root.className = 'modelWindow';
      root.setAttribute('aria-label', comparison.label(index));
      stage.appendChild(root);
      this.stages.push(stage);
      figure.append(caption, stage);
      holder.appendChild(figure);
      const send = (control: string, target: number, value: number) =>
        this.run(() => comparison.use(index, control, target, value));
      this.views.push(new WindowView(root, layout, looks, send,
        (ack, slot) => comparison.flightName(index, ack, slot),
        (current, arrow) =>
          JSON.parse(comparison.nextPickJson(index, current?.ack ?? false, current?.slot ?? -1, arrow)),
        `c${index}-`));
      this.buttons.push(JSON.parse(comparison.windowJson(index)).buttons);
    }
    this.chart = this.buildChart(count);
    this.buildLadders(looks.chart.cursor);
    const { safeColours, stateMarks } = host.viewOptions();
    this.setViewOptions(safeColours, stateMarks);
    this.wire();
    window.addEventListener('resize', this.resize, { signal: this.wiring.signal });
    this.fit();
    this.refresh();
  }

  // Back to the single window: the clock stops, the engine's object goes.
  close(): void {
    this.closed = true;
    this.clock.stop();
    window.clearTimeout(this.redrawTimer);
    this.wiring.abort();
    for (const view of this.views) view.close();
    this.chart.close();
    this.chart.canvas.parentElement?.replaceChildren();
    element('compareViews').textContent = '';
    element('compareLadders').textContent = '';
    element('compareLinkText').hidden = true;
    this.comparison.delete();
  }

  // What each window's canvas shows and where a packet stands, for the browser tests.
  view(index: number): WindowView { return this.views[index]; }

  // One action, run to completion; then the windows catch up.
  run(action: () => void, byClock = false): void {
    if (this.closed || this.host.messageOpen() || !this.actions.run(action)) return;
    this.refresh(byClock);
  }

  private fit(): void {
    // As wide as each window's column, however tall that makes it.
    this.views.forEach((view, index) => view.fit(this.stages[index].clientWidth, 10000));
  }

  private refresh(byClock = false): void {
    for (let index = 0; index < this.views.length; index++) {
      const changes = JSON.parse(this.comparison.changesJson(index)) as WindowChanges;
      if (changes.buttons) Object.assign(this.buttons[index], changes.buttons);
      this.views[index].show(changes);
    }
    const now = performance.now();
    if (!byClock || now - this.shownAt >= RunningRedrawMilliseconds) {
      this.shownAt = now;
      this.showBar();
      if (byClock) this.redraw();
    }
    if (!byClock && !this.redrawTimer) {
      this.redrawTimer = window.setTimeout(() => {
        this.redrawTimer = 0;
        this.redraw();
      }, RedrawMilliseconds);
    }
    const message = this.comparison.takeMessage();
    if (message) {
      this.host.showMessage(message, () => {
        this.comparison.messageClosed();
        this.clock.restartInterval();
        this.refresh();
      });
      return;
    }
    this.clock.schedule();
  }

  // The first window's run buttons speak for all: Start before the run, then Pause or Cont.
  private runCaption(): string {
    const buttons = this.buttons[0];
    return buttons.cmdReset === 'Start' ? 'Start' : buttons.cmdPause;
  }

  private showBar(): void {
    const tick = this.comparison.ticks();
    element('compareTick').textContent = pageText('Tick %1', tick);
    element('compareRun').textContent = this.runCaption();
    element<HTMLButtonElement>('compareStepBack').disabled = tick === 0;
    element('compareStatus').textContent = this.comparison.statusLine();
    element<HTMLSelectElement>('compareSpeed').value = String(this.comparison.speedIndex());
  }

  // The chart takes in what the runs gained, the table shows their figures now.
  private redraw(): void {
    if (this.closed) return;
    const tick = this.comparison.ticks();
    if (tick + 1 < this.ticks.length) {
      this.ticks.length = tick + 1;
      for (const column of [...this.windows, ...this.goodput]) column.length = tick + 1;
      if (this.cursor !== null && this.cursor > tick) this.pick(null);
    }
    if (tick + 1 > this.ticks.length) {
      const samples = JSON.parse(this.comparison.samplesJson(this.ticks.length)) as ComparisonSamples;
      for (let i = 0; i < samples.txWindow[0].length; i++) this.ticks.push(samples.from + i);
      samples.txWindow.forEach((column, index) => this.windows[index].push(...column));
      samples.goodput.forEach((column, index) => this.goodput[index].push(...column));
    }
    this.chart.setData(this.ticks, this.windows.flatMap((column, index) => [column, this.goodput[index]]));
    for (const ladder of this.ladders) {
      ladder.changed();
      ladder.redraw();
    }
    showFigures(element<HTMLTableElement>('compareFigures'), this.figures());
  }

  figures(): Figures { return JSON.parse(this.comparison.figuresJson()) as Figures; }

  // The link that opens this comparison again, with its losses.
  link(): string { return `${pageAddress()}?${this.comparison.linkQuery()}`; }

  private pick(tick: number | null): void {
    this.cursor = tick;
    for (const ladder of this.ladders) ladder.setCursor(tick);
    element('compareCursor').textContent = tick === null ? '' : `Cursor: tick ${tick}`;
    element<HTMLButtonElement>('compareRewind').disabled = tick === null;
    this.chart.redraw();
  }

  private buildChart(count: number): LineChart {
    const host = element('compareChart');
    host.textContent = '';
    const series: ChartSeries[] = [];
    for (let index = 0; index < count; index++) {
      const label = this.comparison.label(index);
      const dash = this.dashes[index % this.dashes.length];
      const look = { colour: this.colours[index], dash: dash.length > 0 ? dash : undefined };
      series.push({ label: `${label}: transmit window`, ...look, width: 2.5 });
      series.push({ label: `${label}: goodput`, ...look, width: 1.25, right: true });
    }
    const width = () => Math.max(280, host.clientWidth);
    const chart = new LineChart(host, {
      height: 240,
      xLabel: 'tick',
      yLabel: 'packets',
      rightLabel: 'goodput (per 100 ticks)',
      rightRange: (max) => [0, Math.max(10, Math.ceil(max))],
      series,
      overlay: (u) => this.drawCursor(u),
    });
    chart.setSize(width());
    chart.canvas.addEventListener('click', (event) => {
      const index = chart.indexAt(event.clientX);
      if (index !== null) this.pick(this.ticks[index]);
    }, { signal: this.wiring.signal });
    const observer = new ResizeObserver(() => requestAnimationFrame(() => {
      if (!this.closed) chart.setSize(width());
    }));
    observer.observe(host);
    this.wiring.signal.addEventListener('abort', () => observer.disconnect());
    return chart;
  }

  // Each configuration's time-sequence diagram in a column of its own, as
  // the desktop's Compare window shows them; scrolling one scrolls them all,
  // so that the same ticks stand side by side.
  private buildLadders(cursorColour: string): void {
    const holder = element('compareLadders');
    holder.textContent = '';
    const panel = element<HTMLDetailsElement>('compareLadderPanel');
    const boxes: HTMLElement[] = [];
    for (let index = 0; index < this.comparison.size(); index++) {
      const figure = document.createElement('figure');
      figure.className = 'compareLadderView';
      const caption = document.createElement('figcaption');
      caption.textContent = this.comparison.label(index);
      caption.style.borderColor = this.colours[index];
      const box = document.createElement('div');
      box.className = 'compareLadder';
      box.tabIndex = 0;
      box.setAttribute('aria-label', pageText('Time-sequence diagram of %1: sender left, receiver right, time downward',
        this.comparison.label(index)));
      figure.append(caption, box);
      holder.appendChild(figure);
      boxes.push(box);
      const comparison = this.comparison;
      const ladder = new LadderPanel({
        ladderViewJson: (width) => comparison.ladderViewJson(index, width),
        ladderSvg: (from, to, width, safe, marks) => comparison.ladderSvg(index, from, to, width, safe, marks),
        ladderPick: (from, to, width, x, y) => comparison.ladderPick(index, from, to, width, x, y),
      }, box, panel, cursorColour, this.wiring.signal);
      ladder.onPick = (tick) => this.pick(tick);
      ladder.onRewind = (tick) => this.run(() => comparison.rewindTo(tick));
      this.ladders.push(ladder);
    }
    for (const box of boxes) {
      box.addEventListener('scroll', () => {
        for (const other of boxes) if (other !== box && Math.abs(other.scrollTop - box.scrollTop) > 1) other.scrollTop = box.scrollTop;
      }, { signal: this.wiring.signal });
    }
  }

  // The View options, in every window and diagram of the comparison.
  setViewOptions(safeColours: boolean, stateMarks: boolean): void {
    for (const view of this.views) view.setViewOptions(safeColours, stateMarks);
    for (const ladder of this.ladders) ladder.setViewOptions(safeColours, stateMarks);
  }

  // For the browser tests: what each configuration's diagram shows.
  laddersDrawn(): { lines: number; lost: number; from: number; to: number }[] {
    return this.ladders.map((ladder) => ladder.drawn());
  }

  private drawCursor(u: LineChart): void {
    if (this.cursor === null) return;
    const x = u.xPosition(this.cursor);
    const context = u.context;
    context.save();
    context.strokeStyle = '#000';
    context.lineWidth = 1.5 * devicePixelRatio;
    context.setLineDash([4 * devicePixelRatio, 3 * devicePixelRatio]);
    context.beginPath();
    context.moveTo(x, u.plot.top);
    context.lineTo(x, u.plot.top + u.plot.height);
    context.stroke();
    context.restore();
  }

  private wire(): void {
    const signal = this.wiring.signal;
    const on = (id: string, action: () => void) => element(id).addEventListener('click', action, { signal });
    on('compareRun', () => this.run(() => {
      this.comparison.use(0, this.runCaption() === 'Start' ? 'cmdReset' : 'cmdPause', 0, 0);
    }));
    on('compareStep', () => this.run(() => this.comparison.step()));
    on('compareStepBack', () => this.run(() => this.comparison.stepBack()));
    on('compareRewind', () => {
      if (this.cursor !== null) {
        const tick = this.cursor;
        this.run(() => this.comparison.rewindTo(tick));
      }
    });
    on('compareDownloadPicture', () => this.host.downloadPicture({
      comparison: true,
      ticks: () => this.comparison.ticks(),
      pictureSvg: (...asked) => this.comparison.pictureSvg(...asked),
      figuresCsv: () => this.comparison.figuresCsv(),
      pictureFileName: (ending) => this.comparison.pictureFileName(ending),
    }));
    on('compareCopyLink', () => copyLink(element<HTMLButtonElement>('compareCopyLink'),
      element<HTMLInputElement>('compareLinkText'), this.link()));
    on('compareSave', () => {
      const saved = JSON.parse(this.comparison.savedRunJson()) as { error: string; text: string; fileName: string };
      if (saved.error) this.host.notice(saved.error);
      else this.host.download(saved.text, saved.fileName);
    });
    const speed = element<HTMLSelectElement>('compareSpeed');
    if (speed.options.length === 0) this.speeds.forEach((text, index) => speed.add(new Option(text, String(index))));
    speed.addEventListener('change', () => this.run(() => this.comparison.setSpeed(Number(speed.value))), { signal });
    document.addEventListener('visibilitychange', () => this.clock.schedule(), { signal });
  }

  // After the Network panel changed the losses.
  lossesChanged(): void { this.showBar(); }
}
