// The window's moving parts on canvases over the controls: the timeout bars
// on a strip of their own, packets and ACKs each on a canvas over their lane,
// with the held, lost and picked marks on top. Only what changed is
// repainted: each change marks the places it leaves and takes, and a repaint
// clears and redraws those places alone. Small canvases, because the browser
// copies a changed canvas whole each frame: three strips cost far less than
// one canvas the size of the window. Everything is drawn in twips; each
// canvas's transform turns them into device pixels at the window's scale.
// The drawing is recorded here and put on the canvases by a painter
// (flight_painter.ts), off the page's thread where the browser allows.
import { FlightState, Layout, LayoutControl, ViewOptions } from './engine';
import { canvasPainter, PaintCall, Painter, Recording, recording } from './flight_painter';

export interface Rect { left: number; top: number; width: number; height: number }

// A button's picture is drawn once per caption and scale, then copied where
// the button stands: a copy costs far less than drawing the text each tick.
interface Flight {
  ack: boolean; slot: number; height: number; state: FlightState | null;
  // Its picture, by its place among the flights, and what the picture shows.
  picture: number; pictureKey?: string;
}

// One canvas over a rectangle of the window, and the places in it to repaint.
interface Surface { canvas: HTMLCanvasElement; calls: PaintCall[]; recording: Recording; place: Rect; dirty: Rect[] }

// Marks drawn round a button stand this far outside it: room for the widest ring.
const RingTwips = 75;

function intersects(a: Rect, b: Rect): boolean {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height && b.top < a.top + a.height;
}

function grown(rect: Rect, by: number): Rect {
  return { left: rect.left - by, top: rect.top - by, width: rect.width + 2 * by, height: rect.height + 2 * by };
}

function surface(place: Rect, twipsPerPixel: number): Surface {
  const canvas = document.createElement('canvas');
  canvas.className = 'sheet';
  canvas.setAttribute('aria-hidden', 'true');
  canvas.style.left = `${place.left / twipsPerPixel}px`;
  canvas.style.top = `${place.top / twipsPerPixel}px`;
  canvas.style.width = `${place.width / twipsPerPixel}px`;
  canvas.style.height = `${place.height / twipsPerPixel}px`;
  const calls: PaintCall[] = [];
  return { canvas, calls, recording: recording(calls), place, dirty: [] };
}

function union(rects: Rect[]): Rect {
  const left = Math.min(...rects.map((r) => r.left));
  const top = Math.min(...rects.map((r) => r.top));
  return { left, top, width: Math.max(...rects.map((r) => r.left + r.width)) - left,
    height: Math.max(...rects.map((r) => r.top + r.height)) - top };
}

export class FlightCanvas {
  private readonly bars: { place: Rect; width: number }[] = [];
  readonly flights: Flight[] = [];
  private readonly lost: { place: Rect; until: number; ack: boolean }[] = [];
  private surfaces: Surface[] = [];
  private barSurface!: Surface;
  private packetLane!: Surface;
  private ackLane!: Surface;
  private painter: Painter | null = null;
  private twipToDevice = 1;
  private scale = 1;
  private lostTimer = 0;
  // Where the whole captions cannot be read (a phone): the short caption of
  // each flight, drawn at least `readablePixels` high on the screen.
  private shortCaptions: { caption: (ack: boolean, caption: string) => string; readablePixels: number } | null = null;
  safeColours = false;
  stateMarks = false;
  picked: Flight | null = null;

  constructor(private readonly layout: Layout, private readonly looks: ViewOptions) {}

  // Controls of the layout the canvases draw, in stacking order.
  take(control: LayoutControl): boolean {
    const place = { left: control.left, top: control.top, width: control.width, height: control.height };
    switch (control.kind) {
      case 'bar': this.bars.push({ place, width: 0 }); return true;
      case 'flight':
        this.flights.push({ ack: control.name.startsWith('cmdACK'), slot: this.flights.filter((f) =>
          f.ack === control.name.startsWith('cmdACK')).length, height: control.height, state: null,
        picture: this.flights.length });
        return true;
      default: return false;
    }
  }

  // The canvases, once every control is taken: the bars' strip, and a lane
  // for each kind of flight from the sender's frame down to the receiver's,
  // as wide as its buttons and their marks. `frames` are the two window frames.
  build(frames: Rect[]): HTMLCanvasElement[] {
    const perPixel = this.layout.twipsPerPixel;
    this.barSurface = surface(union(this.bars.map((bar) => bar.place)), perPixel);
    const top = frames[0].top + frames[0].height - RingTwips;
    const bottom = frames[1].top + frames[1].height;
    const lane = (ack: boolean) => {
      const across = union(this.flights.filter((f) => f.ack === ack).map((f) => this.flightRect(f, {
        ...this.layout.controls.find((c) => c.name === `${ack ? 'cmdACK' : 'cmdPacket'}_${f.slot}`)!,
        caption: '', visible: true, held: false })));
      return surface(grown({ left: across.left, top, width: across.width, height: bottom - top }, RingTwips), perPixel);
    };
    this.packetLane = lane(false);
    this.ackLane = lane(true);
    this.surfaces = [this.barSurface, this.packetLane, this.ackLane];
    const canvases = this.surfaces.map((s) => s.canvas);
    this.painter = canvasPainter(canvases);
    return canvases;
  }

  // The window is gone: so is whatever paints its canvases.
  close(): void {
    window.clearTimeout(this.lostTimer);
    this.painter?.close();
    this.painter = null;
  }

  // Device pixels per CSS pixel times the window's scale: each canvas keeps
  // one backing pixel per device pixel at any size.
  setScale(scale: number): void {
    this.scale = scale;
    const perPixel = scale * devicePixelRatio;
    this.twipToDevice = perPixel / this.layout.twipsPerPixel;
    for (const { recording, place } of this.surfaces) {
      recording.size(Math.max(1, Math.round(place.width * this.twipToDevice)),
        Math.max(1, Math.round(place.height * this.twipToDevice)));
    }
    this.repaintAll();
  }

  useShortCaptions(caption: ((ack: boolean, caption: string) => string) | null, readablePixels = 0): void {
    this.shortCaptions = caption && { caption, readablePixels };
    this.repaintAll();
  }

  // The flights' text size in the window's pixels: the layout's, or on a
  // phone as large as it must be to be read, as far as the buttons allow.
  private textPixels(flightHeight: number): number {
    const own = this.looks.flightTextPixels;
    if (!this.shortCaptions) return own;
    const readable = Math.ceil(this.shortCaptions.readablePixels / this.scale);
    return Math.max(own, Math.min(readable, Math.floor(flightHeight / this.layout.twipsPerPixel)));
  }

  repaintAll(): void {
    for (const s of this.surfaces) s.dirty = [s.place];
  }

  private laneOf(ack: boolean): Surface { return ack ? this.ackLane : this.packetLane; }

  setBar(index: number, width: number): void {
    const bar = this.bars[index];
    if (bar.width === width) return;
    // A bar drains a fraction of a pixel a tick: repainted when its edge reaches another pixel.
    const k = this.twipToDevice;
    const edge = (twips: number) => Math.round((bar.place.left + twips) * k);
    if (edge(bar.width) !== edge(width) || width === 0 || bar.width === 0) {
      this.barSurface.dirty.push({ ...bar.place, width: Math.max(bar.width, width) });
    }
    bar.width = width;
  }

  // `changed`: the flight's members that changed (all of them the first
  // time). Returns where the button stood when it has just vanished.
  setFlight(ack: boolean, slot: number, changed: Partial<FlightState>): Rect | null {
    const flight = this.flightOf(ack, slot);
    const was = flight.state;
    const state = { ...was, ...changed } as FlightState;
    const dirty = this.laneOf(ack).dirty;
    if (was?.visible) dirty.push(grown(this.flightRect(flight, was), RingTwips));
    flight.state = state;
    if (state.visible) dirty.push(grown(this.flightRect(flight, state), RingTwips));
    return was?.visible && !state.visible ? this.flightRect(flight, was) : null;
  }

  flightOf(ack: boolean, slot: number): Flight {
    return this.flights.find((flight) => flight.ack === ack && flight.slot === slot)!;
  }

  flightRect(flight: Flight, state: FlightState = flight.state!): Rect {
    return { left: state.left, top: state.top, width: state.width, height: flight.height };
  }

  pick(flight: Flight | null): void {
    const old = this.picked;
    if (old?.state?.visible) this.laneOf(old.ack).dirty.push(grown(this.flightRect(old), RingTwips));
    this.picked = flight;
    if (flight?.state?.visible) this.laneOf(flight.ack).dirty.push(grown(this.flightRect(flight), RingTwips));
  }

  addLostMark(place: Rect, ack: boolean): void {
    this.lost.push({ place, ack, until: performance.now() + this.looks.lostMarkMilliseconds });
    this.laneOf(ack).dirty.push(grown(place, RingTwips));
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
    const paints: [number, PaintCall[]][] = [];
    this.surfaces.forEach((s, index) => {
      this.paintSurface(s);
      if (s.calls.length > 0) paints.push([index, s.calls.splice(0)]);
    });
    if (paints.length > 0) this.painter?.paint({ paints });
  }

  private paintSurface(s: Surface): void {
    if (s.dirty.length === 0) return;
    const k = this.twipToDevice;
    const { left: x0, top: y0 } = s.place;
    let areas = s.dirty.map((rect) => {
      const left = Math.max(0, Math.floor((rect.left - x0) * k));
      const top = Math.max(0, Math.floor((rect.top - y0) * k));
      return { left, top, width: Math.ceil((rect.left - x0 + rect.width) * k) - left,
        height: Math.ceil((rect.top - y0 + rect.height) * k) - top };
    });
    s.dirty = [];
    // Many small places cost more to clip than one that holds them all, and
    // so do places that overlap: a moving button's place before and after a
    // tick mostly do, and every button moves on most ticks. Places covering
    // half of what holds them are cleared and redrawn as that one place.
    const bounds = union(areas);
    const covered = areas.reduce((sum, area) => sum + area.width * area.height, 0);
    if (areas.length > 40 || 2 * covered > bounds.width * bounds.height) areas = [bounds];
    const context = s.recording;
    context.save();
    context.setTransform(1, 0, 0, 1, 0, 0);
    context.beginPath();
    for (const area of areas) {
      context.clearRect(area.left, area.top, area.width, area.height);
      context.rect(area.left, area.top, area.width, area.height);
    }
    context.clip();
    context.setTransform(k, 0, 0, k, -x0 * k, -y0 * k);
    const inTwips = areas.map((a) => ({ left: a.left / k + x0, top: a.top / k + y0, width: a.width / k, height: a.height / k }));
    const touched = (rect: Rect) => inTwips.some((area) => intersects(area, rect));
    if (s === this.barSurface) this.drawBars(context, touched);
    else this.drawLane(context, s === this.ackLane, touched, { k, x0, y0 });
    context.restore();
  }

  private drawBars(context: Recording, touched: (rect: Rect) => boolean): void {
    context.fillStyle = this.safeColours ? this.looks.safeTimeoutBar : this.layout.colours.timeoutBar;
    for (const bar of this.bars) {
      if (bar.width > 0 && touched(bar.place)) context.fillRect(bar.place.left, bar.place.top, bar.width, bar.place.height);
    }
  }

  // `twips`: the lane's scale from twips to its device pixels, and its place in twips.
  private drawLane(context: Recording, ack: boolean, touched: (rect: Rect) => boolean,
    twips: { k: number; x0: number; y0: number }): void {
    const twipsPerPixel = this.layout.twipsPerPixel;
    const lane = this.flights.filter((flight) => flight.ack === ack && flight.state?.visible);
    // The buttons' pictures are copied at whole device pixels, unscaled: a
    // copy that needs no resampling is the cheapest drawing a canvas does,
    // and every button in the lane is copied again on most ticks.
    context.setTransform(1, 0, 0, 1, 0, 0);
    for (const flight of lane) {
      if (touched(grown(this.flightRect(flight), RingTwips))) this.drawFlight(context, flight, twips);
    }
    const { k, x0, y0 } = twips;
    context.setTransform(k, 0, 0, k, -x0 * k, -y0 * k);
    const ring = 2 * twipsPerPixel;
    if (this.stateMarks) {
      // Setting a canvas's font costs a parse of the font text: only when a lost mark's text is drawn.
      const lostPixels = this.textPixels(Math.min(...this.flights.map((flight) => flight.height)));
      context.font = `bold ${lostPixels * twipsPerPixel}px ${this.layout.fontFamilies}`;
      context.textAlign = 'center';
      context.textBaseline = 'middle';
      for (const flight of lane) {
        if (flight.state!.held) this.ring(context, this.flightRect(flight), this.looks.heldOutline, ring + twipsPerPixel, []);
      }
      for (const mark of this.lost) {
        if (mark.ack !== ack || !touched(grown(mark.place, RingTwips))) continue;
        this.ring(context, mark.place, this.looks.lostMark, ring, [4 * twipsPerPixel, 3 * twipsPerPixel]);
        context.fillStyle = this.looks.lostMark;
        context.fillText(this.looks.lostHere, mark.place.left + mark.place.width / 2, mark.place.top + mark.place.height / 2);
      }
    }
    if (this.picked?.ack === ack && this.picked.state?.visible) {
      this.ring(context, this.flightRect(this.picked), this.looks.focusRing, ring + twipsPerPixel, []);
    }
  }

  private drawFlight(context: Recording, flight: Flight, twips: { k: number; x0: number; y0: number }): void {
    const rect = this.flightRect(flight);
    const caption = this.shortCaptions ? this.shortCaptions.caption(flight.ack, flight.state!.caption)
      : flight.state!.caption;
    const pixels = this.textPixels(flight.height);
    const key = `${caption} ${pixels} ${rect.width} ${rect.height} ${this.twipToDevice}`;
    if (flight.pictureKey !== key) {
      this.drawPicture(context, flight.picture, rect, caption, pixels);
      flight.pictureKey = key;
    }
    const { k, x0, y0 } = twips;
    context.image(flight.picture, Math.round(k * rect.left + -x0 * k), Math.round(k * rect.top + -y0 * k));
  }

  // A button of the desktop's look: a light face, a grey edge, a bold caption.
  private drawPicture(context: Recording, picture: number, rect: Rect, caption: string, textPixels: number): void {
    const k = this.twipToDevice;
    const width = Math.max(1, Math.round(rect.width * k));
    const height = Math.max(1, Math.round(rect.height * k));
    context.picture(picture, width, height);
    context.setTransform(width / rect.width, 0, 0, height / rect.height, 0, 0);
    const pixel = this.layout.twipsPerPixel;
    context.fillStyle = '#e1e1e1';
    context.fillRect(0, 0, rect.width, rect.height);
    context.strokeStyle = '#adadad';
    context.lineWidth = pixel;
    context.strokeRect(pixel / 2, pixel / 2, rect.width - pixel, rect.height - pixel);
    context.fillStyle = this.layout.colours.buttonText;
    context.font = `bold ${textPixels * pixel}px ${this.layout.fontFamilies}`;
    context.textBaseline = 'middle';
    // A short caption starts at the button's left edge, the part of a wide
    // button most likely in view when the window is wider than the screen.
    context.textAlign = this.shortCaptions ? 'left' : 'center';
    context.fillText(caption, this.shortCaptions ? textPixels * pixel / 2 : rect.width / 2, rect.height / 2);
    context.end();
  }

  // A mark drawn round the outside of a button.
  private ring(context: Recording, rect: Rect, colour: string, width: number, dash: number[]): void {
    context.save();
    context.strokeStyle = colour;
    context.lineWidth = width;
    context.setLineDash(dash);
    context.strokeRect(rect.left - width / 2, rect.top - width / 2, rect.width + width, rect.height + width);
    context.restore();
  }

  private scheduleLostExpiry(): void {
    if (this.lostTimer || this.lost.length === 0) return;
    const next = Math.min(...this.lost.map((mark) => mark.until));
    this.lostTimer = window.setTimeout(() => {
      this.lostTimer = 0;
      const now = performance.now();
      for (const mark of this.lost.filter((m) => m.until <= now)) this.laneOf(mark.ack).dirty.push(grown(mark.place, RingTwips));
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
      // The smallest caption on screen, in CSS pixels.
      textPixels: this.textPixels(Math.min(...this.flights.map((flight) => flight.height))) * this.scale,
    };
  }
}
