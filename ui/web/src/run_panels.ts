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
// once a second, since a redraw costs as much as twenty ticks.
const ChartRedrawMilliseconds = 250;
const RunningChartRedrawMilliseconds = 1000;

function element<T extends HTMLElement>(id: string): T {
  return document.getElementById(id) as T;
}

export class RunPanels {
  readonly chart: RunPanel;
  readonly ladder: LadderPanel;
  private figuresShown = '';
  private redrawTimer = 0;
  private shownAt = 0;

  // `rewind` goes back to a tick double-clicked in the diagram.
  constructor(private readonly session: WebSession, looks: ViewOptions, rewind: (tick: number) => void) {
    this.chart = new RunPanel(session, element('chart'), element('log'), looks.chart);
    this.ladder = new LadderPanel(session, element('ladder'), element<HTMLDetailsElement>('ladderPanel'),
      looks.chart.cursor);
    this.ladder.onPick = (tick) => this.chart.pick(tick);
    this.ladder.onRewind = rewind;
    markerLegend(element('markerLegend'), looks.chart);
    element('saveLadder').addEventListener('click', () => this.saveLadder());
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

  // While the clock runs, at most once in RunningChartRedrawMilliseconds.
  followRunning(now: number): void {
    if (now - this.shownAt < RunningChartRedrawMilliseconds) return;
    this.shownAt = now;
    this.follow();
    this.redraw();
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
