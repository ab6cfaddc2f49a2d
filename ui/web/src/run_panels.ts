// The panels under the window that follow the run: the chart and the log,
// the time-sequence diagram beside them (sharing the chart's cursor) and the
// table of the run's figures. They catch up a few times a second, not on
// every tick: a redraw costs more than a tick and the eye gains nothing from
// more.
import { Figures, ViewOptions, WebSession } from './engine';
import { showFigures } from './figures_table';
import { LadderPanel } from './ladder_panel';
import { markerLegend, RunPanel } from './run_panel';

// After a user's action, within a quarter of a second; while the clock runs,
// as often as the page's readouts (once a second, main.ts), since a redraw
// costs as much as twenty ticks.
const ChartRedrawMilliseconds = 250;
// A drawing counts as in view this far outside the screen, so that one
// scrolled towards is redrawn before it is seen.
const NearScreen = '100px 0px';

function element<T extends HTMLElement>(id: string): T {
  return document.getElementById(id) as T;
}

export class RunPanels {
  readonly chart: RunPanel;
  readonly ladder: LadderPanel;
  private figuresShown = '';
  private redrawTimer = 0;
  // Whether each drawing is on or near the screen. While the clock runs, one
  // scrolled out of sight is not redrawn (a redraw of the chart or the
  // diagram costs more than all the ticks of a second) until it comes back.
  private chartInView = true;
  private ladderInView = true;

  // `rewind` goes back to a tick double-clicked in the diagram.
  constructor(private readonly session: WebSession, looks: ViewOptions, rewind: (tick: number) => void) {
    this.chart = new RunPanel(session, element('chart'), element('log'), looks.chart);
    this.ladder = new LadderPanel(session, element('ladder'), element<HTMLDetailsElement>('ladderPanel'),
      looks.chart.cursor);
    this.ladder.onPick = (tick) => this.chart.pick(tick);
    this.ladder.onRewind = rewind;
    markerLegend(element('markerLegend'), looks.chart);
    element('saveLadder').addEventListener('click', () => this.saveLadder());
    this.watchInView(element('chart'), (inView) => {
      this.chartInView = inView;
      if (inView) this.chart.redraw();
    });
    this.watchInView(element('ladder'), (inView) => {
      this.ladderInView = inView;
      if (inView) this.ladder.redraw();
    });
  }

  private watchInView(target: HTMLElement, changed: (inView: boolean) => void): void {
    new IntersectionObserver((entries) => changed(entries[entries.length - 1].isIntersecting),
      { rootMargin: NearScreen }).observe(target);
  }

  // After a user's action the panels catch up at once, so that the log
  // answers what was done; the drawings follow within a moment.
  followAction(): void {
    this.follow();
    if (this.redrawTimer) return;
    this.redrawTimer = window.setTimeout(() => {
      this.redrawTimer = 0;
      this.redraw();
    }, ChartRedrawMilliseconds);
  }

  // While the clock runs: paced by the page, with its readouts, so that
  // both reach the screen in one frame.
  followRunning(): void {
    this.follow();
    if (this.chartInView) this.chart.redraw();
    if (this.ladderInView) this.ladder.redraw();
  }

  private follow(): void {
    this.chart.follow();
    this.ladder.changed();
    // Worked out by the engine only when the run moved; redrawn only when it says otherwise.
    const figures = this.session.figuresJson();
    if (figures !== this.figuresShown) {
      this.figuresShown = figures;
      showFigures(element<HTMLTableElement>('runFigures'), JSON.parse(figures) as Figures);
    }
  }

  private redraw(): void {
    this.chart.redraw();
    this.ladder.redraw();
  }

  private saveLadder(): void {
    const from = Math.max(0, Math.floor(Number(element<HTMLInputElement>('ladderFrom').value) || 0));
    const to = Math.max(from, Math.floor(Number(element<HTMLInputElement>('ladderTo').value) || 0));
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([this.ladder.svgOf(from, to)], { type: 'image/svg+xml' }));
    link.download = `ladder-${from}-${to}.svg`;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 0);
  }

  // For the browser tests: milliseconds of one redraw of the diagram's ticks in view, layout excluded.
  ladderRedrawMilliseconds(): number {
    this.ladder.changed();
    const start = performance.now();
    this.ladder.redraw();
    return performance.now() - start;
  }
}
