// A small line chart on one canvas: figures against the tick, a left scale
// and an optional right one, each axis with round steps, and a legend of
// the figures under it. The run's chart and the comparison's draw their
// shading, markers and cursor through `underlay` and `overlay`.
//
// Numbers on the axes are written as plain digits, the same in every
// language the browser may report, so no language tag can stop the page.
//
// The drawing is recorded and put on the canvas by a painter
// (flight_painter.ts): off the page's thread where the browser allows, so
// that rasterising a whole chart, once a second while a run plays, does not
// fall on the thread that animates the window.
import { canvasPainter, PaintCall, Painter, Recording, recording } from './flight_painter';

export interface ChartSeries {
  label: string;
  colour: string;
  width: number;
  dash?: number[];
  // Read on the right-hand scale.
  right?: boolean;
}

export interface ChartOptions {
  series: ChartSeries[];
  height: number;
  xLabel: string;
  yLabel: string;
  rightLabel?: string;
  // The right-hand scale's range for the largest value it shows.
  rightRange?: (max: number) => [number, number];
  // Drawn under the lines (shading) and over them (markers, the cursor).
  underlay?: (chart: LineChart) => void;
  overlay?: (chart: LineChart) => void;
}

// The plotting area, in device pixels of the canvas.
export interface Box { left: number; top: number; width: number; height: number }

const FontPixels = 12;
const AxisColour = '#333';
const GridColour = '#e4e4e4';
// Room for the axes' numbers and titles, in CSS pixels.
const Margin = { left: 56, right: 16, top: 10, bottom: 40 };
const RightMargin = 60;

// A round step (1, 2 or 5 times a power of ten) that puts about `count` steps across `span`.
function roundStep(span: number, count: number): number {
  const rough = Math.max(span, 1e-9) / Math.max(1, count);
  const power = 10 ** Math.floor(Math.log10(rough));
  const scaled = rough / power;
  return (scaled <= 1 ? 1 : scaled <= 2 ? 2 : scaled <= 5 ? 5 : 10) * power;
}

function numberText(value: number, step: number): string {
  const decimals = Math.max(0, -Math.floor(Math.log10(step) + 1e-9));
  return value.toFixed(decimals);
}

export class LineChart {
  readonly canvas: HTMLCanvasElement;
  readonly context: Recording;
  private readonly calls: PaintCall[] = [];
  private readonly painter: Painter;
  // The canvas's size in device pixels, as last given to the painter.
  private readonly size = { width: 0, height: 0 };
  readonly plot: Box = { left: 0, top: 0, width: 0, height: 0 };
  private x: number[] = [];
  private columns: number[][] = [];
  private xRange: [number, number] = [0, 1];
  private yRange: [number, number] = [0, 1];
  private rightRange: [number, number] = [0, 1];
  private cssWidth = 300;
  private readonly legendItems: HTMLLIElement[] = [];

  constructor(host: HTMLElement, private readonly options: ChartOptions) {
    this.canvas = document.createElement('canvas');
    this.canvas.style.display = 'block';
    this.canvas.setAttribute('role', 'img');
    const name = host.getAttribute('aria-label');
    if (name) this.canvas.setAttribute('aria-label', name);
    this.context = recording(this.calls);
    this.painter = canvasPainter([this.canvas]);
    const legend = document.createElement('ul');
    legend.className = 'chartLegend';
    for (const series of options.series) {
      const item = document.createElement('li');
      const swatch = document.createElement('i');
      const style = !series.dash ? 'solid' : series.dash[0] <= 3 ? 'dotted' : 'dashed';
      swatch.style.borderTop = `${Math.max(2, series.width)}px ${style} ${series.colour}`;
      item.append(swatch, series.label);
      legend.appendChild(item);
      this.legendItems.push(item);
    }
    host.append(this.canvas, legend);
  }

  // A series with nothing to draw may leave the legend.
  showInLegend(index: number, shown: boolean): void {
    const item = this.legendItems[index];
    if (item && item.hidden === shown) item.hidden = !shown;
  }

  setSize(cssWidth: number): void {
    this.cssWidth = cssWidth;
    this.redraw();
  }

  setData(x: number[], columns: number[][]): void {
    this.x = x;
    this.columns = columns;
    this.redraw();
  }

  // The canvas position of a tick, and of a value on the left or right scale.
  xPosition(value: number): number {
    const [first, last] = this.xRange;
    return this.plot.left + ((value - first) / Math.max(1e-9, last - first)) * this.plot.width;
  }

  yPosition(value: number, right = false): number {
    const [low, high] = right ? this.rightRange : this.yRange;
    return this.plot.top + this.plot.height - ((value - low) / Math.max(1e-9, high - low)) * this.plot.height;
  }

  get firstX(): number { return this.xRange[0]; }
  get lastX(): number { return this.xRange[1]; }

  // The index of the data point nearest a pointer at `clientX`, or null.
  indexAt(clientX: number): number | null {
    if (this.x.length === 0) return null;
    const box = this.canvas.getBoundingClientRect();
    const ratio = this.size.width / Math.max(1, box.width);
    const [first, last] = this.xRange;
    const value = first + (((clientX - box.left) * ratio - this.plot.left) / Math.max(1, this.plot.width)) * (last - first);
    let low = 0;
    let high = this.x.length - 1;
    while (low < high) {
      const middle = (low + high) >> 1;
      if (this.x[middle] < value) low = middle + 1;
      else high = middle;
    }
    return low > 0 && value - this.x[low - 1] < this.x[low] - value ? low - 1 : low;
  }

  redraw(): void {
    const ratio = devicePixelRatio;
    const width = Math.round(this.cssWidth * ratio);
    const height = Math.round(this.options.height * ratio);
    if (this.size.width !== width || this.size.height !== height) {
      Object.assign(this.size, { width, height });
      this.context.size(width, height);
      this.canvas.style.width = `${this.cssWidth}px`;
      this.canvas.style.height = `${this.options.height}px`;
    }
    const right = this.options.series.some((series) => series.right);
    Object.assign(this.plot, {
      left: Margin.left * ratio, top: Margin.top * ratio,
      width: Math.max(1, width - (Margin.left + (right ? RightMargin : Margin.right)) * ratio),
      height: Math.max(1, height - (Margin.top + Margin.bottom) * ratio),
    });
    this.findRanges();
    const context = this.context;
    context.setTransform(1, 0, 0, 1, 0, 0);
    context.clearRect(0, 0, width, height);
    context.font = `${FontPixels * ratio}px sans-serif`;
    this.drawAxes(right);
    this.options.underlay?.(this);
    context.save();
    context.beginPath();
    context.rect(this.plot.left, this.plot.top, this.plot.width, this.plot.height);
    context.clip();
    this.options.series.forEach((series, index) => this.drawSeries(series, this.columns[index] ?? []));
    context.restore();
    this.options.overlay?.(this);
    this.painter.paint({ paints: [[0, this.calls.splice(0)]] });
  }

  // The chart is gone: so is whatever paints its canvas.
  close(): void { this.painter.close(); }

  private findRanges(): void {
    const first = this.x.length ? this.x[0] : 0;
    const last = this.x.length ? this.x[this.x.length - 1] : 1;
    this.xRange = [first, Math.max(first + 1, last)];
    let leftMax = 0;
    let rightMax = 0;
    this.options.series.forEach((series, index) => {
      for (const value of this.columns[index] ?? []) {
        if (!Number.isFinite(value)) continue;
        if (series.right) rightMax = Math.max(rightMax, value);
        else leftMax = Math.max(leftMax, value);
      }
    });
    const step = roundStep(leftMax || 1, 5);
    this.yRange = [0, Math.max(step, Math.ceil((leftMax * 1.05) / step) * step)];
    this.rightRange = this.options.rightRange?.(rightMax) ?? [0, Math.max(1, rightMax)];
  }

  private drawAxes(right: boolean): void {
    const context = this.context;
    const ratio = devicePixelRatio;
    const { left, top, width, height } = this.plot;
    const bottom = top + height;
    context.lineWidth = ratio;
    context.fillStyle = AxisColour;
    // The ticks across.
    const [first, last] = this.xRange;
    const xStep = Math.max(1, roundStep(last - first, Math.max(2, Math.floor(width / (80 * ratio)))));
    context.textAlign = 'center';
    context.textBaseline = 'top';
    for (let value = Math.ceil(first / xStep) * xStep; value <= last; value += xStep) {
      const x = Math.round(this.xPosition(value)) + 0.5;
      context.strokeStyle = GridColour;
      context.beginPath();
      context.moveTo(x, top);
      context.lineTo(x, bottom);
      context.stroke();
      context.fillText(numberText(value, xStep), x, bottom + 4 * ratio);
    }
    context.fillText(this.options.xLabel, left + width / 2, bottom + 20 * ratio);
    // The left scale and its grid; the right scale's numbers beside the plot.
    const scale = (range: [number, number], onRight: boolean) => {
      const step = roundStep(range[1] - range[0], Math.max(2, Math.floor(height / (40 * ratio))));
      context.textAlign = onRight ? 'left' : 'right';
      context.textBaseline = 'middle';
      for (let value = range[0]; value <= range[1] + step * 1e-6; value += step) {
        const y = Math.round(this.yPosition(value, onRight)) + 0.5;
        if (!onRight) {
          context.strokeStyle = GridColour;
          context.beginPath();
          context.moveTo(left, y);
          context.lineTo(left + width, y);
          context.stroke();
        }
        context.fillText(numberText(value, step), onRight ? left + width + 6 * ratio : left - 6 * ratio, y);
      }
    };
    scale(this.yRange, false);
    if (right) scale(this.rightRange, true);
    const title = (text: string, x: number, turn: number) => {
      context.save();
      context.translate(x, top + height / 2);
      context.rotate(turn);
      context.textAlign = 'center';
      context.textBaseline = 'middle';
      context.fillText(text, 0, 0);
      context.restore();
    };
    title(this.options.yLabel, 12 * ratio, -Math.PI / 2);
    if (right && this.options.rightLabel) title(this.options.rightLabel, left + width + 48 * ratio, Math.PI / 2);
    context.strokeStyle = AxisColour;
    context.strokeRect(left + 0.5, top + 0.5, width - 1, height - 1);
  }

  // One line, at most a few points per pixel column: where many ticks share
  // a column, their first, lowest, highest and last values.
  private drawSeries(series: ChartSeries, values: number[]): void {
    const context = this.context;
    const ratio = devicePixelRatio;
    context.strokeStyle = series.colour;
    context.lineWidth = series.width * ratio;
    context.setLineDash((series.dash ?? []).map((length) => length * ratio));
    context.lineJoin = 'round';
    context.beginPath();
    // The line's points, the first moved to and each after it drawn to, go
    // to the painter as one call: a call per point cost more to record and
    // to hand over than the drawing saved.
    const points: number[] = [];
    let column = NaN;
    let low = 0;
    let high = 0;
    let lastY = 0;
    const flush = () => {
      if (Number.isNaN(column)) return;
      points.push(column, low, column, high, column, lastY);
    };
    for (let i = 0; i < values.length && i < this.x.length; i++) {
      if (!Number.isFinite(values[i])) continue;
      const x = Math.round(this.xPosition(this.x[i]));
      const y = this.yPosition(values[i], series.right);
      if (points.length === 0) points.push(x, y);
      if (x !== column) {
        flush();
        points.push(x, y);
        column = x;
        low = high = y;
      }
      low = Math.min(low, y);
      high = Math.max(high, y);
      lastY = y;
    }
    flush();
    context.lines(points);
    context.stroke();
    context.setLineDash([]);
  }
}
