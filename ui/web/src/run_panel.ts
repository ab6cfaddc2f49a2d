// Beyond the window: the run chart (uPlot) with its markers and the event
// log, both read from the history library through the session.
import uPlot from 'uplot';
import { LogEntry, Samples, WebSession } from './engine';

// Bits of a tick's markers, as history/run_trace.h numbers them.
const Marker = { Timeout: 1, FastRetransmit: 2, PacketLost: 4, AckLost: 8, StateChange: 16 };
const MarkerColours: [number, string][] = [
  [Marker.Timeout, '#d00000'],
  [Marker.FastRetransmit, '#e08000'],
  [Marker.PacketLost | Marker.AckLost, '#7030a0'],
  [Marker.StateChange, '#808080'],
];

export class RunPanel {
  private readonly ticks: number[] = [];
  private readonly columns: number[][] = [[], [], [], []];
  private readonly markers: number[] = [];
  private logCount = 0;
  private readonly chart: uPlot;
  private cursorTick: number | null = null;
  private dirty = true;
  onPick: (tick: number | null) => void = () => {};

  constructor(private readonly session: WebSession, chartHost: HTMLElement, private readonly logList: HTMLElement) {
    const series = (label: string, stroke: string, dash?: number[]): uPlot.Series =>
      ({ label, stroke, width: 2, dash, points: { show: false } });
    this.chart = new uPlot({
      width: Math.max(300, chartHost.clientWidth),
      height: 240,
      scales: { x: { time: false } },
      axes: [{ label: 'tick' }, { label: 'packets' }],
      series: [
        { label: 'tick' },
        series('Transmit window', '#1f4fbf'),
        series('Threshold', '#c00000', [6, 4]),
        series('Flight size', '#2e8b22'),
        series('Receive window', '#8a5a00', [2, 3]),
      ],
      cursor: { drag: { x: false, y: false } },
      hooks: { draw: [(u) => this.drawMarkers(u)] },
    }, [this.ticks, ...this.columns], chartHost);
    chartHost.addEventListener('click', () => {
      const index = this.chart.cursor.idx;
      if (index !== null && index !== undefined) this.pick(this.ticks[index]);
    });
    // Resized in the next frame, not inside the observer: a resize can wrap the
    // legend and change the host's height, which the browser reports as a
    // notification loop if it happens during the observer's own delivery.
    new ResizeObserver(() => requestAnimationFrame(() =>
      this.chart.setSize({ width: Math.max(300, chartHost.clientWidth), height: 240 })))
      .observe(chartHost);
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
    this.chart.setData([this.ticks, ...this.columns]);
  }

  private forgetAfter(tick: number): void {
    this.ticks.length = tick + 1;
    for (const column of this.columns) column.length = tick + 1;
    this.markers.length = tick + 1;
    // The log of the forgotten ticks goes too: read it again from the start.
    this.logList.textContent = '';
    this.logCount = 0;
    if (this.cursorTick !== null && this.cursorTick > tick) this.pick(null);
    this.dirty = true;
  }

  private appendLog(entries: LogEntry[]): void {
    const atBottom = this.logList.scrollTop + this.logList.clientHeight >= this.logList.scrollHeight - 4;
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
    if (atBottom) this.logList.scrollTop = this.logList.scrollHeight;
  }

  private drawMarkers(u: uPlot): void {
    const context = u.ctx;
    const top = u.bbox.top;
    const height = u.bbox.height;
    const [first, last] = [u.scales.x.min ?? 0, u.scales.x.max ?? 0];
    context.save();
    context.lineWidth = 1.5 * devicePixelRatio;
    for (let tick = Math.max(0, Math.floor(first)); tick <= Math.min(last, this.markers.length - 1); tick++) {
      const bits = this.markers[tick];
      if (!bits) continue;
      const x = u.valToPos(tick, 'x', true);
      for (const [mask, colour] of MarkerColours) {
        if (!(bits & mask)) continue;
        context.strokeStyle = colour;
        context.beginPath();
        context.moveTo(x, top);
        context.lineTo(x, top + height);
        context.stroke();
      }
    }
    if (this.cursorTick !== null) {
      const x = u.valToPos(this.cursorTick, 'x', true);
      context.strokeStyle = '#000';
      context.setLineDash([4 * devicePixelRatio, 3 * devicePixelRatio]);
      context.beginPath();
      context.moveTo(x, top);
      context.lineTo(x, top + height);
      context.stroke();
    }
    context.restore();
  }
}
