// The window's moving parts on one canvas over the controls: timeout bars,
// cell boxes, window frames, packets and ACKs, and on top the held, lost and
// picked marks. Only what changed is repainted: each change marks the places
// it leaves and takes, and a repaint clears and redraws those places alone.
// Everything is drawn in twips; the canvas's transform turns them into
// device pixels at the window's scale.
import { FlightState, FrameState, Layout, LayoutControl, ViewOptions } from './engine';

export interface Rect { left: number; top: number; width: number; height: number }

interface Flight { ack: boolean; slot: number; height: number; state: FlightState | null }

// Marks drawn round a button stand this far outside it: room for the widest ring.
const RingTwips = 75;

function intersects(a: Rect, b: Rect): boolean {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height && b.top < a.top + a.height;
}

function grown(rect: Rect, by: number): Rect {
  return { left: rect.left - by, top: rect.top - by, width: rect.width + 2 * by, height: rect.height + 2 * by };
}

export class FlightCanvas {
  readonly canvas: HTMLCanvasElement;
  private readonly context: CanvasRenderingContext2D;
  private readonly bars: { place: Rect; width: number }[] = [];
  private readonly boxes: Rect[] = [];
  private readonly frames: { place: Rect; state: FrameState | null }[] = [];
  readonly flights: Flight[] = [];
  private readonly lost: { place: Rect; until: number }[] = [];
  private dirty: Rect[] = [];
  private twipToDevice = 1;
  private lostTimer = 0;
  safeColours = false;
  stateMarks = false;
  picked: Flight | null = null;

  constructor(private readonly layout: Layout, private readonly looks: ViewOptions) {
    this.canvas = document.createElement('canvas');
    this.canvas.className = 'sheet';
    this.canvas.setAttribute('aria-hidden', 'true');
    this.canvas.style.width = `${layout.clientWidth / layout.twipsPerPixel}px`;
    this.canvas.style.height = `${layout.clientHeight / layout.twipsPerPixel}px`;
    this.context = this.canvas.getContext('2d')!;
  }

  // Controls of the layout the canvas draws, in stacking order.
  take(control: LayoutControl): boolean {
    const place = { left: control.left, top: control.top, width: control.width, height: control.height };
    switch (control.kind) {
      case 'bar': this.bars.push({ place, width: 0 }); return true;
      case 'box': this.boxes.push(place); return true;
      case 'frame': this.frames.push({ place, state: null }); return true;
      case 'flight':
        this.flights.push({ ack: control.name.startsWith('cmdACK'), slot: this.flights.filter((f) =>
          f.ack === control.name.startsWith('cmdACK')).length, height: control.height, state: null });
        return true;
      default: return false;
    }
  }

  // Device pixels per CSS pixel times the window's scale: the canvas keeps
  // one backing pixel per device pixel at any size.
  setScale(scale: number): void {
    const perPixel = scale * devicePixelRatio;
    this.canvas.width = Math.max(1, Math.round((this.layout.clientWidth / this.layout.twipsPerPixel) * perPixel));
    this.canvas.height = Math.max(1, Math.round((this.layout.clientHeight / this.layout.twipsPerPixel) * perPixel));
    this.twipToDevice = perPixel / this.layout.twipsPerPixel;
    this.repaintAll();
  }

  repaintAll(): void {
    this.dirty = [{ left: 0, top: 0, width: this.layout.clientWidth, height: this.layout.clientHeight }];
  }

  setBar(index: number, width: number): void {
    const bar = this.bars[index];
    if (bar.width === width) return;
    this.dirty.push({ ...bar.place, width: Math.max(bar.width, width) });
    bar.width = width;
  }

  setFrame(index: number, state: FrameState): void {
    const frame = this.frames[index];
    if (frame.state) this.dirty.push(this.frameRect(frame.place, frame.state));
    frame.state = state;
    this.dirty.push(this.frameRect(frame.place, state));
  }

  // Returns where the button stood when it has just vanished.
  setFlight(ack: boolean, slot: number, state: FlightState): Rect | null {
    const flight = this.flightOf(ack, slot);
    const was = flight.state;
    if (was?.visible) this.dirty.push(grown(this.flightRect(flight, was), RingTwips));
    flight.state = state;
    if (state.visible) this.dirty.push(grown(this.flightRect(flight, state), RingTwips));
    return was?.visible && !state.visible ? this.flightRect(flight, was) : null;
  }

  flightOf(ack: boolean, slot: number): Flight {
    return this.flights.find((flight) => flight.ack === ack && flight.slot === slot)!;
  }

  flightRect(flight: Flight, state: FlightState = flight.state!): Rect {
    return { left: state.left, top: state.top, width: state.width, height: flight.height };
  }

  pick(flight: Flight | null): void {
    if (this.picked?.state?.visible) this.dirty.push(grown(this.flightRect(this.picked), RingTwips));
    this.picked = flight;
    if (flight?.state?.visible) this.dirty.push(grown(this.flightRect(flight), RingTwips));
  }

  addLostMark(place: Rect): void {
    this.lost.push({ place, until: performance.now() + this.looks.lostMarkMilliseconds });
    this.dirty.push(grown(place, RingTwips));
    this.scheduleLostExpiry();
  }

  // The button a pointer at (x, y) twips means: the topmost one under it,
  // or for a finger the nearest within `reach` twips.
  flightAt(x: number, y: number, reach: number): Flight | null {
    let nearest: Flight | null = null;
    let nearestDistance = reach;
    for (let i = this.flights.length - 1; i >= 0; i--) {
      const flight = this.flights[i];
      if (!flight.state?.visible) continue;
      const rect = this.flightRect(flight);
      const dx = Math.max(rect.left - x, 0, x - (rect.left + rect.width));
      const dy = Math.max(rect.top - y, 0, y - (rect.top + rect.height));
      const distance = Math.hypot(dx, dy);
      if (distance === 0) return flight;
      if (distance < nearestDistance) {
        nearest = flight;
        nearestDistance = distance;
      }
    }
    return nearest;
  }

  // Clears and redraws every place marked since the last paint.
  paint(): void {
    if (this.dirty.length === 0) return;
    const k = this.twipToDevice;
    let areas = this.dirty.map((rect) => {
      const left = Math.max(0, Math.floor(rect.left * k));
      const top = Math.max(0, Math.floor(rect.top * k));
      return { left, top, width: Math.ceil((rect.left + rect.width) * k) - left,
        height: Math.ceil((rect.top + rect.height) * k) - top };
    });
    this.dirty = [];
    // Many small places cost more to clip than one that holds them all.
    if (areas.length > 40) {
      const right = Math.max(...areas.map((a) => a.left + a.width));
      const bottom = Math.max(...areas.map((a) => a.top + a.height));
      const left = Math.min(...areas.map((a) => a.left));
      const top = Math.min(...areas.map((a) => a.top));
      areas = [{ left, top, width: right - left, height: bottom - top }];
    }
    const context = this.context;
    context.save();
    context.setTransform(1, 0, 0, 1, 0, 0);
    context.beginPath();
    for (const area of areas) {
      context.clearRect(area.left, area.top, area.width, area.height);
      context.rect(area.left, area.top, area.width, area.height);
    }
    context.clip();
    context.setTransform(k, 0, 0, k, 0, 0);
    const inTwips = areas.map((a) => ({ left: a.left / k, top: a.top / k, width: a.width / k, height: a.height / k }));
    const touched = (rect: Rect) => inTwips.some((area) => intersects(area, rect));
    this.drawAll(touched);
    context.restore();
  }

  private drawAll(touched: (rect: Rect) => boolean): void {
    const context = this.context;
    const { colours, borders, twipsPerPixel } = this.layout;
    context.fillStyle = this.safeColours ? this.looks.safeTimeoutBar : colours.timeoutBar;
    for (const bar of this.bars) {
      if (bar.width > 0 && touched(bar.place)) context.fillRect(bar.place.left, bar.place.top, bar.width, bar.place.height);
    }
    context.strokeStyle = colours.cellBox;
    context.lineWidth = borders.box * twipsPerPixel;
    for (const box of this.boxes) {
      if (touched(box)) this.outline(box, borders.box * twipsPerPixel);
    }
    context.strokeStyle = colours.frame;
    context.lineWidth = borders.frame * twipsPerPixel;
    for (const frame of this.frames) {
      if (!frame.state?.visible) continue;
      const rect = this.frameRect(frame.place, frame.state);
      if (touched(rect)) this.outline(rect, borders.frame * twipsPerPixel);
    }
    context.font = `bold ${this.looks.flightTextPixels * twipsPerPixel}px ${this.layout.fontFamilies}`;
    context.textAlign = 'center';
    context.textBaseline = 'middle';
    for (const flight of this.flights) {
      if (flight.state?.visible && touched(grown(this.flightRect(flight), RingTwips))) this.drawFlight(flight);
    }
    const ring = 2 * twipsPerPixel;
    if (this.stateMarks) {
      for (const flight of this.flights) {
        if (flight.state?.visible && flight.state.held) this.ring(this.flightRect(flight), this.looks.heldOutline, ring + twipsPerPixel, []);
      }
      for (const mark of this.lost) {
        if (!touched(grown(mark.place, RingTwips))) continue;
        this.ring(mark.place, this.looks.lostMark, ring, [4 * twipsPerPixel, 3 * twipsPerPixel]);
        context.fillStyle = this.looks.lostMark;
        context.fillText(this.looks.lostHere, mark.place.left + mark.place.width / 2, mark.place.top + mark.place.height / 2);
      }
    }
    if (this.picked?.state?.visible) this.ring(this.flightRect(this.picked), this.looks.focusRing, ring + twipsPerPixel, []);
  }

  // A button of the desktop's look: a light face, a grey edge, a bold caption.
  private drawFlight(flight: Flight): void {
    const context = this.context;
    const rect = this.flightRect(flight);
    const pixel = this.layout.twipsPerPixel;
    context.fillStyle = '#e1e1e1';
    context.fillRect(rect.left, rect.top, rect.width, rect.height);
    context.strokeStyle = '#adadad';
    context.lineWidth = pixel;
    this.outline(rect, pixel);
    context.fillStyle = this.layout.colours.buttonText;
    context.save();
    context.beginPath();
    context.rect(rect.left, rect.top, rect.width, rect.height);
    context.clip();
    context.fillText(flight.state!.caption, rect.left + rect.width / 2, rect.top + rect.height / 2);
    context.restore();
  }

  // A border drawn inside the rectangle, as a CSS border is.
  private outline(rect: Rect, lineWidth: number): void {
    const half = lineWidth / 2;
    this.context.strokeRect(rect.left + half, rect.top + half, rect.width - lineWidth, rect.height - lineWidth);
  }

  // A mark drawn round the outside of a button.
  private ring(rect: Rect, colour: string, width: number, dash: number[]): void {
    const context = this.context;
    context.save();
    context.strokeStyle = colour;
    context.lineWidth = width;
    context.setLineDash(dash);
    context.strokeRect(rect.left - width / 2, rect.top - width / 2, rect.width + width, rect.height + width);
    context.restore();
  }

  private frameRect(place: Rect, state: FrameState): Rect {
    return { left: state.left, top: place.top, width: state.width, height: place.height };
  }

  private scheduleLostExpiry(): void {
    if (this.lostTimer || this.lost.length === 0) return;
    const next = Math.min(...this.lost.map((mark) => mark.until));
    this.lostTimer = window.setTimeout(() => {
      this.lostTimer = 0;
      const now = performance.now();
      for (const mark of this.lost.filter((m) => m.until <= now)) this.dirty.push(grown(mark.place, RingTwips));
      this.lost.splice(0, this.lost.length, ...this.lost.filter((m) => m.until > now));
      this.paint();
      this.scheduleLostExpiry();
    }, Math.max(0, next - performance.now()));
  }

  // What the canvas shows, for the browser tests.
  drawn(): object {
    return {
      bars: this.bars.map((bar) => bar.width),
      flights: this.flights.filter((f) => f.state?.visible).map((f) => ({ ack: f.ack, slot: f.slot, ...f.state })),
      lost: this.lost.map((mark) => mark.place),
      picked: this.picked ? { ack: this.picked.ack, slot: this.picked.slot } : null,
    };
  }
}
