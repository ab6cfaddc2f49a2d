// Draws the 855 x 595 window from the model's control data, scaled to fit,
// and turns the user's gestures into events. What people operate or read
// stays DOM (buttons, check boxes, sliders, cells and figures, with their
// names and Tab order); what moves every tick is drawn on a canvas above
// them (flight_canvas.ts). Each part remembers what it shows, so a tick
// touches only what changed.
//
// View options change only the drawing: the colour-blind safe palette, the
// state marks (a letter in each cell's corner, held packets outlined, a lost
// one's place marked for a moment). The keyboard picks a travelling packet
// or ACK in the flight area and clicks it through the same events as a tap.
import { CellStateLook, FlightPick, LabelState, Layout, LayoutControl, PickArrow, ViewOptions, WindowChanges }
  from './engine';
import { FlightCanvas } from './flight_canvas';
import { fitToPaper } from './print_fit';

// A gesture on the control named `control` (the layout's name), the engine's to turn into an event.
export type Send = (control: string, index: number, value: number) => void;
// The engine's rule of keyboard picking: the flight to pick after an arrow, null to stay.
export type PickAfter = (current: FlightPick | null, arrow: PickArrow) => FlightPick | null;

interface Shown { [property: string]: unknown }

function setIfChanged(shown: Shown, property: string, value: unknown, apply: () => void): void {
  if (shown[property] === value) return;
  shown[property] = value;
  apply();
}

type Arrow = 'ArrowUp' | 'ArrowDown' | 'ArrowLeft' | 'ArrowRight';

// The phone view: only the strips and the flight area are drawn, never
// smaller than a strip number of this many CSS pixels, and the packets and
// ACKs show short captions at least as large. The commentary lines and the
// panel are shown by the page outside the window, at the page's own size.
export interface PhoneView {
  readablePixels: number;
  shortCaption: (ack: boolean, caption: string) => string;
}

// A strip's frame stays this far inside the edge of the view when the strips scroll to follow it.
const FollowMarginTwips = 700;

export class WindowView {
  private readonly px: (twips: number) => number;
  private readonly txCells: HTMLElement[] = [];
  private readonly rxCells: HTMLElement[] = [];
  private readonly cellModels = new Map<HTMLElement, LabelState>();
  private readonly labels = new Map<string, HTMLElement>();
  private readonly buttons = new Map<string, HTMLButtonElement>();
  private readonly checks = new Map<string, { box: HTMLInputElement; text: HTMLElement; row: HTMLElement }>();
  private readonly sliders = new Map<string, HTMLInputElement>();
  private readonly shown = new WeakMap<HTMLElement, Shown>();
  private readonly fontSizes = new Map<HTMLElement, { pixels: number; width: number }>();
  private readonly captionsToFit: HTMLElement[] = [];
  private readonly sheet: FlightCanvas;
  private readonly statesByColour = new Map<string, CellStateLook>();
  private readonly flightArea: HTMLElement;
  private readonly pickNews: HTMLElement;
  private scale = 1;
  private scaled = false;
  private phone: PhoneView | null = null;
  private viewWidth = 0;
  private txFrame!: HTMLElement;
  private rxFrame!: HTMLElement;
  // The flight click the next show() shows the outcome of: a button it makes vanish is lost.
  private noted: { ack: boolean; slot: number } | null = null;
  safeColours = false;
  stateMarks = false;

  constructor(private readonly root: HTMLElement, private readonly layout: Layout, private readonly looks: ViewOptions,
    private readonly send: Send, private readonly flightName: (ack: boolean, slot: number) => string,
    private readonly pickAfter: PickAfter,
    // Before every id, so that windows side by side keep ids of their own.
    private readonly idPrefix = '') {
    const perPixel = layout.twipsPerPixel;
    this.px = (twips) => twips / perPixel;
    for (const state of looks.cellStates) this.statesByColour.set(`${state.strip} ${state.colour}`, state);
    root.style.width = `${this.px(layout.clientWidth)}px`;
    root.style.height = `${this.px(layout.clientHeight)}px`;
    root.style.background = layout.colours.window;
    root.style.color = layout.colours.windowText;
    root.style.fontFamily = layout.fontFamilies;
    this.sheet = new FlightCanvas(layout, looks);
    this.buildArrows();
    // Creation order is stacking order, and the panel's order is Tab's.
    for (const control of layout.controls) {
      if (!this.sheet.take(control)) this.build(control);
    }
    const frames = this.layout.controls.filter((control) => control.kind === 'frame');
    root.append(...this.sheet.build(frames));
    const focusable = [...root.querySelectorAll<HTMLElement>('button.run, .check input, input[type=range]')]
      .map((element) => (element.id || (element.parentElement as HTMLElement).id).slice(idPrefix.length));
    if (focusable.join() !== layout.tabOrder.join()) {
      throw new Error(`the window's controls are not in Tab order: ${focusable.join(', ')}`);
    }
    // After the panel in Tab order, as on the desktop: the flight area, where
    // the arrow keys pick a packet or ACK.
    [this.flightArea, this.pickNews] = this.buildFlightArea();
    root.addEventListener('pointerdown', (event) => this.pointerDown(event));
  }

  // The window keeps its proportions and fills the width it is given, up to
  // the height left for it. In the phone view only the strips and the flight
  // area are shown, at least large enough to be read: wider than the screen
  // if need be, the strips then scrolling sideways to follow the sender's window.
  fit(width: number, height: number, phone: PhoneView | null = null): void {
    const [top, bottom] = phone ? this.phoneRows() : [0, this.layout.clientHeight];
    const fitted = Math.min(width / this.px(this.layout.clientWidth), height / this.px(bottom - top));
    const smallest = phone ? phone.readablePixels / Math.min(...this.layout.controls
      .filter((control) => control.kind === 'cell').map((control) => control.font)) : 0.2;
    const scale = Math.max(smallest, fitted);
    this.root.style.transform = `scale(${scale})`;
    const stage = this.root.parentElement as HTMLElement;
    stage.style.height = `${Math.ceil(this.px(bottom - top) * scale)}px`;
    this.root.style.top = `${-this.px(top) * scale}px`;
    this.root.style.left = `${Math.max(0, (width - this.px(this.layout.clientWidth) * scale) / 2)}px`;
    fitToPaper(stage, this.px(this.layout.clientWidth) * scale);
    this.viewWidth = width;
    if (phone !== this.phone) {
      this.phone = phone;
      this.markOutside(top, bottom);
      this.sheet.useShortCaptions(phone?.shortCaption ?? null, phone?.readablePixels);
    }
    if (scale !== this.scale || !this.scaled) {
      this.scale = scale;
      this.scaled = true;
      this.sheet.setScale(scale);
    }
    this.sheet.paint();
    this.followTxFrame();
  }

  // The rows of the window the phone view shows: from the sender's frame to
  // the receiver's, and a little round them.
  private phoneRows(): [number, number] {
    const [tx, rx] = this.layout.controls.filter((control) => control.kind === 'frame');
    const margin = 2 * this.layout.twipsPerPixel;
    return [tx.top - margin, rx.top + rx.height + margin];
  }

  // Controls outside the rows shown are hidden from sight, Tab and screen
  // readers alike: on a phone the page shows them at its own size elsewhere.
  private markOutside(top: number, bottom: number): void {
    for (const control of this.layout.controls) {
      const element = this.root.querySelector<HTMLElement>(`#${this.idPrefix}${control.name}`);
      const outside = control.top >= bottom || control.top + control.height <= top;
      element?.classList.toggle('outsideView', Boolean(this.phone) && outside);
    }
  }

  // When the window is wider than the view, the strips scroll so that the
  // sender's window stays in sight.
  private followTxFrame(): void {
    if (!this.phone || this.px(this.layout.clientWidth) * this.scale <= this.viewWidth) return;
    const stage = this.root.parentElement as HTMLElement;
    const frame = this.layout.controls.find((control) => control.name === 'shpTxWindow')!;
    const model = this.state(this.txFrame);
    const left = this.px((model.left as number | undefined) ?? frame.left) * this.scale;
    const right = left + this.px((model.width as number | undefined) ?? frame.width) * this.scale;
    const margin = this.px(FollowMarginTwips) * this.scale;
    const view = stage.scrollLeft;
    if (right + margin > view + this.viewWidth) stage.scrollLeft = Math.ceil(right + margin - this.viewWidth);
    else if (left - margin < view) stage.scrollLeft = Math.max(0, Math.floor(left - margin));
  }

  focusStart(): void { this.buttons.get('cmdReset')?.focus(); }

  setViewOptions(safeColours: boolean, stateMarks: boolean): void {
    this.safeColours = this.sheet.safeColours = safeColours;
    this.stateMarks = this.sheet.stateMarks = stateMarks;
    for (const [cell, model] of this.cellModels) this.showCellLook(cell, model);
    this.sheet.repaintAll();
    this.sheet.paint();
  }

  // Shows what changed; members left out of `changes` stay as they are.
  show(changes: WindowChanges): void {
    for (const [i, label] of Object.entries(changes.lblTx ?? {})) this.showCell(this.txCells[Number(i)], label);
    for (const [i, label] of Object.entries(changes.lblRx ?? {})) this.showCell(this.rxCells[Number(i)], label);
    for (const [i, width] of Object.entries(changes.shpTimeOut ?? {})) this.sheet.setBar(Number(i), width);
    for (const [frame, model] of [[this.txFrame, changes.shpTxWindow], [this.rxFrame, changes.shpRxWindow]] as const) {
      if (!model) continue;
      const shown = this.state(frame);
      setIfChanged(shown, 'left', model.left, () => { frame.style.left = `${this.px(model.left)}px`; });
      setIfChanged(shown, 'width', model.width, () => { frame.style.width = `${this.px(model.width)}px`; });
      setIfChanged(shown, 'visible', model.visible, () => { frame.hidden = !model.visible; });
      if (frame === this.txFrame && this.phone) this.followTxFrame();
    }
    for (const [name, label] of Object.entries(changes.labels ?? {})) {
      const element = this.labels.get(name);
      if (element) this.showLabel(element, label, false);
    }
    for (const [name, caption] of Object.entries(changes.buttons ?? {})) {
      const button = this.buttons.get(name)!;
      setIfChanged(this.state(button), 'caption', caption, () => { button.textContent = caption; });
    }
    for (const [name, model] of Object.entries(changes.checks ?? {})) {
      const check = this.checks.get(name);
      if (!check) continue; // an option the window does not draw
      const shown = this.state(check.row);
      setIfChanged(shown, 'caption', model.caption, () => { check.text.textContent = model.caption; });
      check.box.checked = model.value;
      setIfChanged(shown, 'enabled', model.enabled, () => {
        check.box.disabled = !model.enabled;
        check.row.classList.toggle('disabled', !model.enabled);
      });
    }
    for (const [name, model] of Object.entries(changes.sliders ?? {})) {
      const slider = this.sliders.get(name)!;
      if (slider.min !== String(model.min)) slider.min = String(model.min);
      if (slider.max !== String(model.max)) slider.max = String(model.max);
      if (slider.step !== String(model.step)) slider.step = String(model.step);
      if (slider.value !== String(model.value)) slider.value = String(model.value);
    }
    for (const [ack, flights] of [[false, changes.cmdPacket], [true, changes.cmdACK]] as const) {
      for (const [i, flight] of Object.entries(flights ?? {})) {
        const vanished = this.sheet.setFlight(ack, Number(i), flight);
        if (vanished && this.stateMarks && this.noted?.ack === ack && this.noted.slot === Number(i)) {
          this.sheet.addLostMark(vanished, ack);
        }
      }
    }
    this.noted = null;
    if (this.sheet.picked && !this.sheet.picked.state?.visible) this.sheet.pick(null);
    this.sheet.paint();
    if (this.captionsToFit.length > 0) this.fitCaptions();
  }

  // The window is taken off the page: its canvases' painter ends with it.
  close(): void { this.sheet.close(); }

  // Where everything on the canvas stands, for the browser tests.
  drawn(): object { return this.sheet.drawn(); }

  // A button's centre in page pixels, for the browser tests' taps.
  flightCentre(ack: boolean, slot: number): { x: number; y: number } | null {
    const flight = this.sheet.flightOf(ack, slot);
    if (!flight.state?.visible) return null;
    const rect = this.sheet.flightRect(flight);
    const box = this.root.getBoundingClientRect();
    return { x: box.left + this.px(rect.left + rect.width / 2) * this.scale,
      y: box.top + this.px(rect.top + rect.height / 2) * this.scale };
  }

  // A press on a packet or ACK, whichever way it came.
  pressFlight(ack: boolean, slot: number): void { this.clickFlight(ack, slot); }

  private clickFlight(ack: boolean, slot: number): void {
    this.noted = { ack, slot };
    this.send(ack ? 'cmdACK' : 'cmdPacket', slot, 0);
  }

  // On press, not on click: the button moves on while the finger is down. A
  // finger finds the nearest button within reach, since the buttons shrink with a phone's screen.
  private pointerDown(event: PointerEvent): void {
    if (event.button !== 0 || (event.target as HTMLElement).closest('button, input, label')) return;
    const box = this.root.getBoundingClientRect();
    const perTwip = this.scale / this.layout.twipsPerPixel;
    const reach = event.pointerType === 'mouse' ? 0 : 22 / perTwip;
    const flight = this.sheet.flightAt((event.clientX - box.left) / perTwip, (event.clientY - box.top) / perTwip, reach);
    if (!flight) return;
    event.preventDefault();
    this.clickFlight(flight.ack, flight.slot);
  }

  private buildFlightArea(): [HTMLElement, HTMLElement] {
    const area = document.createElement('div');
    area.id = `${this.idPrefix}flightArea`;
    area.className = 'flightArea';
    area.tabIndex = 0;
    area.setAttribute('role', 'group');
    area.setAttribute('aria-label', this.looks.flightAreaName);
    area.title = `${this.looks.flightAreaDescription} ${this.looks.flightRule}`;
    const frames = this.layout.controls.filter((control) => control.kind === 'frame');
    const [tx, rx] = frames;
    const box = this.layout.controls.find((control) => control.kind === 'box')!;
    const right = Math.max(...this.layout.controls.filter((c) => c.kind === 'box').map((c) => c.left + c.width));
    area.style.left = `${this.px(box.left)}px`;
    area.style.top = `${this.px(tx.top + tx.height)}px`;
    area.style.width = `${this.px(right - box.left)}px`;
    area.style.height = `${this.px(rx.top - tx.top - tx.height)}px`;
    const description = document.createElement('span');
    description.id = `${this.idPrefix}flightAreaDescription`;
    description.className = 'unseen';
    description.textContent = this.looks.flightAreaDescription;
    const news = document.createElement('span');
    news.id = `${this.idPrefix}flightPick`;
    news.className = 'unseen';
    news.setAttribute('aria-live', 'polite');
    area.setAttribute('aria-describedby', `${description.id} ${news.id}`);
    area.append(description, news);
    area.addEventListener('keydown', (event) => this.flightKey(event));
    this.root.appendChild(area);
    return [area, news];
  }

  private flightKey(event: KeyboardEvent): void {
    if (event.ctrlKey || event.altKey || event.metaKey) return;
    const picked = this.sheet.picked?.state?.visible ? this.sheet.picked : null;
    if (event.key.startsWith('Arrow')) {
      this.movePick(event.key as Arrow);
    } else if (event.key === ' ' && picked) {
      this.clickFlight(picked.ack, picked.slot);
    } else if (event.key === 'Delete' && picked) {
      // Lost as by a double tap: the second click falls within the hold-off
      // the first one starts, unless the first already removed it.
      this.clickFlight(picked.ack, picked.slot);
      if (picked.state?.visible) this.clickFlight(picked.ack, picked.slot);
    } else {
      return;
    }
    event.preventDefault();
  }

  private movePick(key: Arrow): void {
    const current = this.sheet.picked?.state?.visible ? this.sheet.picked : null;
    const arrow = key.slice('Arrow'.length).toLowerCase() as PickArrow;
    const picked = this.pickAfter(current && { ack: current.ack, slot: current.slot }, arrow);
    if (!picked) return;
    const next = this.sheet.flightOf(picked.ack, picked.slot);
    this.sheet.pick(next);
    this.sheet.paint();
    this.pickNews.textContent = this.flightName(next.ack, next.slot);
  }

  private state(element: HTMLElement): Shown {
    let shown = this.shown.get(element);
    if (!shown) {
      shown = {};
      this.shown.set(element, shown);
    }
    return shown;
  }

  private showCell(cell: HTMLElement, model: LabelState): void {
    this.cellModels.set(cell, model);
    this.showLabel(cell, model, true);
  }

  // Rings the sender cell a practice question's event was about (-1: none).
  markCell(cell: number): void {
    this.txCells.forEach((element, index) => element.classList.toggle('eventMark', index === cell));
  }

  // A strip cell's colour and mark, as the view options draw the model's colour.
  private showCellLook(cell: HTMLElement, model: LabelState): void {
    const look = this.statesByColour.get(`${this.txCells.includes(cell) ? 'tx' : 'rx'} ${model.colour}`);
    const colour = this.safeColours && look ? look.safe : model.colour;
    const shown = this.state(cell);
    setIfChanged(shown, 'drawnColour', colour, () => { cell.style.color = colour; });
    const mark = this.stateMarks && look ? look.mark : '';
    setIfChanged(shown, 'mark', mark, () => { cell.dataset.mark = mark; });
  }

  private showLabel(element: HTMLElement, model: LabelState, placedByModel: boolean): void {
    const shown = this.state(element);
    setIfChanged(shown, 'caption', model.caption, () => {
      element.textContent = model.caption;
      this.captionsToFit.push(element);
    });
    if (placedByModel) this.showCellLook(element, model);
    else setIfChanged(shown, 'colour', model.colour, () => { element.style.color = model.colour; });
    setIfChanged(shown, 'visible', model.visible, () => { element.hidden = !model.visible; });
    if (placedByModel) {
      setIfChanged(shown, 'left', model.left, () => { element.style.left = `${this.px(model.left)}px`; });
      setIfChanged(shown, 'top', model.top, () => { element.style.top = `${this.px(model.top)}px`; });
    }
  }
  // A caption too wide for its label gets a smaller font rather than being
  // cut off, down to the share of its size the layout allows. Measuring costs
  // a layout: only captions that may not fit are measured, all of them after
  // one layout rather than one layout each.
  private fitCaptions(): void {
    const measured: { element: HTMLElement; nominal: number }[] = [];
    for (const element of this.captionsToFit) {
      const font = this.fontSizes.get(element);
      if (!font) continue;
      const nominal = font.pixels;
      const roughWidth = (element.textContent ?? '').length * nominal * 0.62;
      if (roughWidth < font.width && element.style.fontSize === `${nominal}px`) continue;
      element.style.fontSize = `${nominal}px`;
      measured.push({ element, nominal });
    }
    this.captionsToFit.length = 0;
    const overflowing = measured.filter(({ element }) => element.scrollWidth > element.clientWidth);
    for (const { element, nominal } of overflowing) {
      let pixels = nominal;
      const smallest = Math.floor((nominal * this.layout.smallestFontPercent) / 100);
      while (pixels > smallest && element.scrollWidth > element.clientWidth) {
        pixels -= 1;
        element.style.fontSize = `${pixels}px`;
      }
    }
  }

  private place(element: HTMLElement, left: number, top: number, width: number, height: number): void {
    element.style.left = `${this.px(left)}px`;
    element.style.top = `${this.px(top)}px`;
    element.style.width = `${this.px(width)}px`;
    element.style.height = `${this.px(height)}px`;
  }

  private add<K extends keyof HTMLElementTagNameMap>(tag: K, className: string, control: LayoutControl):
    HTMLElementTagNameMap[K] {
    const element = document.createElement(tag);
    element.className = className;
    element.id = `${this.idPrefix}${control.name}`;
    this.place(element, control.left, control.top, control.width, control.height);
    if (control.font) element.style.fontSize = `${control.font}px`;
    if (control.bold) element.style.fontWeight = 'bold';
    this.root.appendChild(element);
    return element;
  }

  private build(control: LayoutControl): void {
    const { colours, borders } = this.layout;
    switch (control.kind) {
      case 'cell':
      case 'label': {
        const label = this.add('div', `label ${control.kind}`, control);
        label.style.textAlign = control.align;
        label.style.background = colours.label;
        (control.name.startsWith('lblTx_') ? this.txCells : control.name.startsWith('lblRx_') ? this.rxCells
          : null)?.push(label);
        if (control.kind === 'label') this.labels.set(control.name, label);
        this.fontSizes.set(label, { pixels: control.font, width: this.px(control.width) });
        break;
      }
      case 'box': {
        const box = this.add('div', 'box', control);
        box.style.border = `${borders.box}px solid ${colours.cellBox}`;
        break;
      }
      case 'frame': {
        const frame = this.add('div', 'frame', control);
        frame.style.border = `${borders.frame}px solid ${colours.frame}`;
        if (control.name === 'shpTxWindow') this.txFrame = frame;
        else this.rxFrame = frame;
        break;
      }
      case 'button': {
        const button = this.add('button', 'run', control);
        button.style.background = colours.panelButton;
        button.style.color = colours.buttonText;
        button.addEventListener('click', () => this.send(control.name, 0, 0));
        this.buttons.set(control.name, button);
        break;
      }
      case 'check': {
        const row = this.add('label', 'check', control);
        row.style.background = colours.label;
        const box = document.createElement('input');
        box.type = 'checkbox';
        const text = document.createElement('span');
        row.append(box, text);
        box.addEventListener('click', () => this.send(control.name, 0, 0));
        this.checks.set(control.name, { box, text, row });
        break;
      }
      case 'vslider':
      case 'hslider': {
        const slider = this.add('input', control.kind === 'vslider' ? 'vertical' : 'horizontal', control);
        slider.type = 'range';
        // Named, as on the desktop, by the title beside it.
        const title = this.layout.figures.find((figure) => figure.slider === control.name)?.title;
        if (title) slider.setAttribute('aria-labelledby', `${this.idPrefix}${title}`);
        // 'change', not 'input': a drag counts once, when the thumb is let go.
        slider.addEventListener('change', () => this.send(control.name, 0, Number(slider.value)));
        this.sliders.set(control.name, slider);
        break;
      }
    }
  }

  private buildArrows(): void {
    const ns = 'http://www.w3.org/2000/svg';
    const svg = document.createElementNS(ns, 'svg');
    const width = this.px(this.layout.clientWidth);
    const height = this.px(this.layout.clientHeight);
    svg.setAttribute('width', String(width));
    svg.setAttribute('height', String(height));
    svg.setAttribute('viewBox', `0 0 ${width} ${height}`);
    svg.setAttribute('aria-hidden', 'true');
    svg.style.left = '0';
    svg.style.top = '0';
    for (const line of this.layout.lines) {
      const element = document.createElementNS(ns, 'line');
      element.setAttribute('x1', String(this.px(line.x1)));
      element.setAttribute('y1', String(this.px(line.y1)));
      element.setAttribute('x2', String(this.px(line.x2)));
      element.setAttribute('y2', String(this.px(line.y2)));
      element.setAttribute('stroke', this.layout.colours.arrow);
      element.setAttribute('stroke-width', String(this.layout.borders.arrow));
      element.setAttribute('stroke-linecap', 'round');
      svg.appendChild(element);
    }
    this.root.appendChild(svg);
  }
}
