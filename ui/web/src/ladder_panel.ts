// The time-sequence diagram under the window. The engine writes the drawing
// (the same SVG the exporter saves for a slide); this panel only places it:
// a strip as tall as the whole run's drawing scrolls in a box, and the SVG of
// the ticks in view sits where those ticks are. Its axis names stay at the
// top of the box, over the ticks just scrolled past.

// Whose diagram the panel shows: the single window's session, or one configuration of a comparison.
export interface LadderSource {
  ladderViewJson(width: number): string;
  ladderSvg(from: number, to: number, width: number, safeColours: boolean, stateMarks: boolean): string;
  ladderPick(from: number, to: number, width: number, x: number, y: number): number;
}

interface LadderView {
  first: number; // the ticks the history keeps
  last: number;
  height: number; // of the whole run's drawing
  header: number; // above the first tick of any drawing
  tickPixels: number;
}

// The box is this wide at least: narrower, the labels would run over the axes.
const NarrowestDrawing = 360;

export class LadderPanel {
  private readonly strip: HTMLDivElement;
  private readonly drawing: HTMLDivElement;
  private readonly cursorLine: HTMLDivElement;
  private view: LadderView = { first: 0, last: 0, height: 0, header: 0, tickPixels: 1 };
  private shown = { from: 0, to: 0, width: 0 };
  private following = true;
  private cursorTick: number | null = null;
  private safeColours = false;
  private stateMarks = false;
  private dirty = true;
  private scrollFrame = 0;
  onPick: (tick: number) => void = () => {};
  onRewind: (tick: number) => void = () => {};

  constructor(private readonly source: LadderSource, private readonly box: HTMLElement,
    private readonly panel: HTMLDetailsElement, cursorColour: string,
    // A comparison's panels go with it: nothing of theirs may run once it is gone.
    private readonly signal?: AbortSignal) {
    this.strip = document.createElement('div');
    this.strip.className = 'ladderStrip';
    this.drawing = document.createElement('div');
    this.drawing.className = 'ladderDrawing';
    this.cursorLine = document.createElement('div');
    this.cursorLine.className = 'ladderCursor';
    this.cursorLine.style.borderTopColor = cursorColour;
    this.cursorLine.hidden = true;
    this.strip.append(this.drawing, this.cursorLine);
    box.appendChild(this.strip);
    // Scrolled up, the diagram stays where the user put it; back at the end, it follows the run again.
    box.addEventListener('scroll', () => {
      this.following = box.scrollTop + box.clientHeight >= box.scrollHeight - 2;
      // Following the run scrolls the box too: that drawing is already in place.
      if (this.view.first + Math.floor(box.scrollTop / this.view.tickPixels) === this.shown.from) return;
      this.dirty = true;
      if (!this.scrollFrame) {
        this.scrollFrame = requestAnimationFrame(() => {
          this.scrollFrame = 0;
          this.redraw();
        });
      }
    }, { signal });
    this.drawing.addEventListener('click', (event) => this.onPick(this.tickAt(event)));
    this.drawing.addEventListener('dblclick', (event) => this.onRewind(this.tickAt(event)));
    panel.addEventListener('toggle', () => {
      this.dirty = true;
      this.redraw();
    }, { signal });
    const resized = new ResizeObserver(() => requestAnimationFrame(() => {
      if (Math.max(NarrowestDrawing, box.clientWidth) === this.shown.width) return;
      this.dirty = true;
      this.redraw();
    }));
    resized.observe(box);
    signal?.addEventListener('abort', () => resized.disconnect());
  }

  // The run has moved on, or gone back: the next redraw reads it again.
  changed(): void {
    this.dirty = true;
  }

  setViewOptions(safeColours: boolean, stateMarks: boolean): void {
    this.safeColours = safeColours;
    this.stateMarks = stateMarks;
    this.dirty = true;
    this.redraw();
  }

  // The cursor shared with the chart and the log; off screen, the diagram goes to it.
  setCursor(tick: number | null): void {
    this.cursorTick = tick;
    if (tick !== null && this.panel.open) {
      const at = this.yOf(tick);
      if (at < this.box.scrollTop + this.view.header || at > this.box.scrollTop + this.box.clientHeight) {
        this.following = false;
        this.box.scrollTop = at - this.box.clientHeight / 2;
      }
    }
    this.placeCursor();
  }

  // The ticks in view as SVG; nothing while the panel is closed or nothing changed.
  redraw(): void {
    if (!this.dirty || !this.panel.open || this.signal?.aborted) return;
    this.dirty = false;
    const width = Math.max(NarrowestDrawing, this.box.clientWidth);
    this.view = JSON.parse(this.source.ladderViewJson(width)) as LadderView;
    const height = `${Math.ceil(this.view.height)}px`;
    if (this.strip.style.height !== height) this.strip.style.height = height;
    if (this.following) this.box.scrollTop = this.box.scrollHeight;
    const { first, last, tickPixels } = this.view;
    const from = Math.min(last, first + Math.floor(this.box.scrollTop / tickPixels));
    const to = Math.min(last, from + Math.ceil(this.box.clientHeight / tickPixels) + 1);
    this.shown = { from, to, width };
    this.drawing.style.top = `${(from - first) * tickPixels}px`;
    this.drawing.innerHTML = this.source.ladderSvg(from, to, width, this.safeColours, this.stateMarks);
    this.placeCursor();
  }

  // Ticks `from` to `to` as an SVG document, drawn as the exporter draws them.
  svgOf(from: number, to: number): string {
    return this.source.ladderSvg(from, to, 640, this.safeColours, this.stateMarks);
  }

  // For the tests: how many lines and crosses the panel shows.
  drawn(): { lines: number; lost: number; from: number; to: number } {
    return {
      lines: this.drawing.querySelectorAll('polyline.line').length,
      lost: this.drawing.querySelectorAll('.lost').length,
      from: this.shown.from, to: this.shown.to,
    };
  }

  private tickAt(event: MouseEvent): number {
    const bounds = this.drawing.getBoundingClientRect();
    const { from, to, width } = this.shown;
    return this.source.ladderPick(from, to, width, event.clientX - bounds.left, event.clientY - bounds.top);
  }

  private yOf(tick: number): number {
    return this.view.header + (tick - this.view.first) * this.view.tickPixels;
  }

  private placeCursor(): void {
    const tick = this.cursorTick;
    const shows = tick !== null && tick >= this.view.first && tick <= this.view.last;
    if (this.cursorLine.hidden === shows) this.cursorLine.hidden = !shows;
    if (shows) this.cursorLine.style.top = `${this.yOf(tick)}px`;
  }
}
