// Beyond the window: the run chart with its markers and avoidance
// shading, and the event log, both read from the history library through the
// session. The chart's colours, shapes and names are the desktop's
// (frontend/chart_looks.h).
import { LogEntry, MarkerLook, Samples, ViewOptions, WebSession } from './engine';
import { LineChart } from './line_chart';

type ChartLooks = ViewOptions['chart'];

const Dashes = { solid: undefined, dashed: [6, 4], dotted: [2, 3] };
// Where losses and drops sit: just above the axis, in packets.
const LossLane = 0.5;
// The samples' columns: transmit window, threshold, flight size, receive window.
const ThresholdColumn = 1;

// A marker's outline, centred on (x, y), `size` across.
function markerPath(context: CanvasRenderingContext2D, shape: MarkerLook['shape'], x: number, y: number, size: number) {
  const r = size / 2;
  const polygon = (points: number, inner: number, turn: number) => {
    for (let i = 0; i < points * (inner ? 2 : 1); i++) {
      const radius = inner && i % 2 ? inner : r;
      const angle = turn + (i * Math.PI * 2) / (points * (inner ? 2 : 1));
      const [px, py] = [x + radius * Math.sin(angle), y - radius * Math.cos(angle)];
      if (i === 0) context.moveTo(px, py);
      else context.lineTo(px, py);
    }
    context.closePath();
  };
  context.beginPath();
  switch (shape) {
    case 'triangle': polygon(3, 0, 0); break;
    case 'star': polygon(5, r * 0.45, 0); break;
    case 'square': context.rect(x - r * 0.8, y - r * 0.8, r * 1.6, r * 1.6); break;
    case 'diamond': polygon(4, 0, 0); break;
    case 'pentagon': polygon(5, 0, 0); break;
    default: context.arc(x, y, r, 0, Math.PI * 2);
  }
}

// Appends the marker legend: each kind's shape beside its name, and the shading.
export function markerLegend(host: HTMLElement, looks: ChartLooks): void {
  const pixels = Math.ceil(devicePixelRatio * 16);
  for (const look of looks.markers) {
    const sample = document.createElement('canvas');
    sample.width = sample.height = pixels;
    sample.className = 'markerSample';
    const context = sample.getContext('2d')!;
    context.fillStyle = look.colour;
    markerPath(context, look.shape, pixels / 2, pixels / 2, Math.min(pixels - 2, look.size * devicePixelRatio));
    context.fill();
    const item = document.createElement('span');
    item.append(sample, look.name);
    host.appendChild(item);
  }
  const shade = document.createElement('span');
  const swatch = document.createElement('i');
  swatch.className = 'shadeSample';
  swatch.style.background = looks.avoidance.colour;
  swatch.style.opacity = String(looks.avoidance.alpha / 255);
  shade.append(swatch, looks.avoidance.name);
  host.appendChild(shade);
}

export class RunPanel {
  private readonly ticks: number[] = [];
  private readonly columns: (number | null)[][] = [[], [], [], []];
  private readonly markers: number[] = [];
  private readonly avoidance: number[] = [];
  private logCount = 0;
  private readonly chart: LineChart;
  private cursorTick: number | null = null;
  private dirty = true;
  // Whether the log is scrolled to its end, kept by its scroll events: read
  // when entries arrive, it would cost a layout of the whole page each time.
  private logAtEnd = true;
  private logScrollFrame = 0;
  onPick: (tick: number | null) => void = () => {};

  constructor(private readonly session: WebSession, chartHost: HTMLElement, private readonly logList: HTMLElement,
    private readonly looks: ChartLooks) {
    this.chart = new LineChart(chartHost, {
      height: 240,
      xLabel: 'tick',
      yLabel: 'packets',
      series: looks.figures.map((figure) => ({ label: figure.name, colour: figure.colour, width: figure.width,
        dash: Dashes[figure.dash] })),
      underlay: (chart) => this.drawShading(chart),
      overlay: (chart) => this.drawMarkers(chart),
    });
    this.chart.setSize(Math.max(280, chartHost.clientWidth));
    this.chart.canvas.addEventListener('click', (event) => {
      const index = this.chart.indexAt(event.clientX);
      if (index !== null) this.pick(this.ticks[index]);
    });
    // Resized in the next frame, not inside the observer: a resize can wrap the
    // legend and change the host's height, which the browser reports as a
    // notification loop if it happens during the observer's own delivery.
    new ResizeObserver(() => requestAnimationFrame(() => this.chart.setSize(Math.max(280, chartHost.clientWidth))))
      .observe(chartHost);
    logList.addEventListener('scroll', () => {
      this.logAtEnd = logList.scrollTop + logList.clientHeight >= logList.scrollHeight - 4;
    }, { passive: true });
  }

  pick(tick: number | null): void {
    this.cursorTick = tick;
    for (const item of this.logList.querySelectorAll('li.picked')) item.classList.remove('picked');
    if (tick !== null) {
      const entry = this.logList.querySelector(`li[data-tick="${tick}"]`);
      entry?.classList.add('picked');
    }
    this.dirty = true;
    this.onPick(tick);
  }

  get picked(): number | null { return this.cursorTick; }

  // Takes in what the history has gained since the last call; after a
  // rewind, first drops what the history has forgotten.
  follow(): void {
    const ticks = this.session.ticks();
    if (ticks + 1 < this.ticks.length) this.forgetAfter(ticks);
    if (ticks + 1 > this.ticks.length) {
      const samples = JSON.parse(this.session.samplesJson(this.ticks.length)) as Samples;
      const sources = [samples.txWindow, samples.ssThresh, samples.flight, samples.rxWindow];
      for (let i = 0; i < samples.txWindow.length; i++) {
        this.ticks.push(samples.from + i);
        sources.forEach((source, column) => this.columns[column].push(source[i]));
        this.markers.push(samples.markers[i]);
        this.avoidance.push(samples.avoidance[i]);
      }
      this.dirty = true;
    }
    const entries = JSON.parse(this.session.logJson(this.logCount)) as LogEntry[];
    if (entries.length > 0) this.appendLog(entries);
  }

  // A new run is on screen (a run file or a lesson opened): everything is read again.
  startOver(): void {
    this.forgetAfter(-1);
  }

  // Redraws at most once per call, and only when something changed.
  redraw(): void {
    if (!this.dirty) return;
    this.dirty = false;
    this.chart.setData(this.ticks, this.columns as number[][]); // a null threshold is skipped: no line
    // Without Slow Start at any tick, the threshold has no line, nor a place in the legend.
    this.chart.showInLegend(ThresholdColumn, this.columns[ThresholdColumn].some((value) => value !== null));
  }

  private forgetAfter(tick: number): void {
    this.ticks.length = tick + 1;
    for (const column of this.columns) column.length = tick + 1;
    this.markers.length = tick + 1;
    this.avoidance.length = tick + 1;
    // The log of the forgotten ticks goes too: read it again from the start.
    this.logList.textContent = '';
    this.logCount = 0;
    this.logAtEnd = true;
    if (this.cursorTick !== null && this.cursorTick > tick) this.pick(null);
    this.dirty = true;
  }

  private appendLog(entries: LogEntry[]): void {
    const fragment = document.createDocumentFragment();
    for (const entry of entries) {
      const item = document.createElement('li');
      item.className = entry.side;
      item.dataset.tick = String(entry.tick);
      const tick = document.createElement('span');
      tick.className = 'tick';
      tick.textContent = String(entry.tick);
      item.append(tick, entry.text);
      item.addEventListener('click', () => this.pick(entry.tick));
      fragment.appendChild(item);
    }
    this.logList.appendChild(fragment);
    this.logCount += entries.length;
    // A log at its end follows the new entries, scrolled in the frame's own
    // layout rather than in one forced now.
    if (this.logAtEnd && !this.logScrollFrame) {
      this.logScrollFrame = requestAnimationFrame(() => {
        this.logScrollFrame = 0;
        this.logList.scrollTop = this.logList.scrollHeight;
      });
    }
  }

  // Ticks whose window grew by congestion avoidance, shaded under the lines.
  private drawShading(u: LineChart): void {
    const context = u.context;
    const [first, last] = [Math.max(1, Math.floor(u.firstX)), Math.min(u.lastX, this.avoidance.length - 1)];
    context.save();
    context.fillStyle = this.looks.avoidance.colour;
    context.globalAlpha = this.looks.avoidance.alpha / 255;
    for (let tick = first; tick <= last; tick++) {
      if (!this.avoidance[tick]) continue;
      const start = tick;
      while (tick + 1 <= last && this.avoidance[tick + 1]) tick++;
      const left = u.xPosition(start - 1);
      context.fillRect(left, u.plot.top, u.xPosition(tick) - left, u.plot.height);
    }
    context.restore();
  }

  private drawMarkers(u: LineChart): void {
    const context = u.context;
    const top = u.plot.top;
    const height = u.plot.height;
    const [first, last] = [u.firstX, u.lastX];
    const window = this.columns[0] as number[]; // the transmit window is never null
    context.save();
    for (let tick = Math.max(0, Math.floor(first)); tick <= Math.min(last, this.markers.length - 1); tick++) {
      const bits = this.markers[tick];
      if (!bits) continue;
      const x = u.xPosition(tick);
      for (const look of this.looks.markers) {
        if (!(bits & look.bit)) continue;
        const packets = look.place === 'bottom' ? LossLane
          : look.place === 'peak' && tick > 0 ? Math.max(window[tick], window[tick - 1]) : window[tick];
        context.fillStyle = look.colour;
        markerPath(context, look.shape, x, u.yPosition(packets), look.size * devicePixelRatio);
        context.fill();
      }
    }
    if (this.cursorTick !== null) {
      const x = u.xPosition(this.cursorTick);
      context.strokeStyle = this.looks.cursor;
      context.lineWidth = 1.5 * devicePixelRatio;
      context.setLineDash([4 * devicePixelRatio, 3 * devicePixelRatio]);
      context.beginPath();
      context.moveTo(x, top);
      context.lineTo(x, top + height);
      context.stroke();
    }
    context.restore();
  }
}
