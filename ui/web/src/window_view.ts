// Draws the 855 x 595 window from the model's control data as positioned
// DOM elements, scaled to fit, and turns the user's gestures into events.
// Each element remembers what it shows, so a tick touches only what changed.
import { EventKind, FlightState, LabelState, Layout, LayoutControl, OptionBoxOf, SliderIdOf, WindowState } from './engine';

export type Send = (kind: number, target: number, value: number) => void;

interface Shown { [property: string]: unknown }

function setIfChanged(shown: Shown, property: string, value: unknown, apply: () => void): void {
  if (shown[property] === value) return;
  shown[property] = value;
  apply();
}

export class WindowView {
  private readonly px: (twips: number) => number;
  private readonly txCells: HTMLElement[] = [];
  private readonly rxCells: HTMLElement[] = [];
  private readonly bars: HTMLElement[] = [];
  private readonly packets: HTMLButtonElement[] = [];
  private readonly acks: HTMLButtonElement[] = [];
  private readonly labels = new Map<string, HTMLElement>();
  private readonly buttons = new Map<string, HTMLButtonElement>();
  private readonly checks = new Map<string, { box: HTMLInputElement; text: HTMLElement; row: HTMLElement }>();
  private readonly sliders = new Map<string, HTMLInputElement>();
  private txFrame!: HTMLElement;
  private barWidth = 1;
  private rxFrame!: HTMLElement;
  private readonly shown = new WeakMap<HTMLElement, Shown>();
  private readonly fontSizes = new Map<HTMLElement, { pixels: number; width: number }>();
  private readonly captionsToFit: HTMLElement[] = [];

  constructor(private readonly root: HTMLElement, private readonly layout: Layout, private readonly send: Send) {
    const perPixel = layout.twipsPerPixel;
    this.px = (twips) => twips / perPixel;
    root.style.width = `${this.px(layout.clientWidth)}px`;
    root.style.height = `${this.px(layout.clientHeight)}px`;
    root.style.background = layout.colours.window;
    root.style.color = layout.colours.windowText;
    root.style.fontFamily = layout.fontFamilies;
    this.buildArrows();
    // Creation order is stacking order, and the panel's order is Tab's.
    for (const control of layout.controls) this.build(control);
    const focusable = [...root.querySelectorAll<HTMLElement>('button.run, .check input, input[type=range]')]
      .map((element) => element.id || (element.parentElement as HTMLElement).id);
    if (focusable.join() !== layout.tabOrder.join()) {
      throw new Error(`the window's controls are not in Tab order: ${focusable.join(', ')}`);
    }
  }

  // The window keeps its proportions and fills the width it is given, up to
  // the height left for it.
  fit(width: number, height: number): void {
    const scale = Math.max(0.2, Math.min(width / this.px(this.layout.clientWidth),
      height / this.px(this.layout.clientHeight)));
    this.root.style.transform = `scale(${scale})`;
    const stage = this.root.parentElement as HTMLElement;
    stage.style.height = `${Math.ceil(this.px(this.layout.clientHeight) * scale)}px`;
  }

  focusStart(): void { this.buttons.get('cmdReset')?.focus(); }

  show(state: WindowState): void {
    state.lblTx.forEach((label, i) => this.showLabel(this.txCells[i], label, true));
    state.lblRx.forEach((label, i) => this.showLabel(this.rxCells[i], label, true));
    state.shpTimeOut.forEach((width, i) => {
      const bar = this.bars[i];
      // Drawn full width and scaled, so that a draining bar costs no layout.
      setIfChanged(this.state(bar), 'width', width, () => {
        bar.style.transform = `scaleX(${width / this.barWidth})`;
      });
    });
    for (const [frame, model] of [[this.txFrame, state.shpTxWindow], [this.rxFrame, state.shpRxWindow]] as const) {
      const shown = this.state(frame);
      setIfChanged(shown, 'left', model.left, () => { frame.style.left = `${this.px(model.left)}px`; });
      setIfChanged(shown, 'width', model.width, () => { frame.style.width = `${this.px(model.width)}px`; });
      setIfChanged(shown, 'visible', model.visible, () => { frame.hidden = !model.visible; });
    }
    for (const [name, label] of Object.entries(state.labels)) {
      const element = this.labels.get(name);
      if (element) this.showLabel(element, label, false);
    }
    for (const [name, caption] of Object.entries(state.buttons)) {
      const button = this.buttons.get(name)!;
      setIfChanged(this.state(button), 'caption', caption, () => { button.textContent = caption; });
    }
    for (const [name, model] of Object.entries(state.checks)) {
      const check = this.checks.get(name);
      if (!check) continue; // an option the window does not draw
      const shown = this.state(check.row);
      setIfChanged(shown, 'caption', model.caption, () => { check.text.textContent = model.caption; });
      // Always put the box back: the browser ticks it on a click before the model decides.
      check.box.checked = model.value;
      setIfChanged(shown, 'enabled', model.enabled, () => {
        check.box.disabled = !model.enabled;
        check.row.classList.toggle('disabled', !model.enabled);
      });
    }
    for (const [name, model] of Object.entries(state.sliders)) {
      const slider = this.sliders.get(name)!;
      if (slider.min !== String(model.min)) slider.min = String(model.min);
      if (slider.max !== String(model.max)) slider.max = String(model.max);
      if (slider.step !== String(model.step)) slider.step = String(model.step);
      if (slider.value !== String(model.value)) slider.value = String(model.value);
    }
    state.cmdPacket.forEach((flight, i) => this.showFlight(this.packets[i], flight));
    state.cmdACK.forEach((flight, i) => this.showFlight(this.acks[i], flight));
    if (this.captionsToFit.length > 0) this.fitCaptions();
  }

  private state(element: HTMLElement): Shown {
    let shown = this.shown.get(element);
    if (!shown) {
      shown = {};
      this.shown.set(element, shown);
    }
    return shown;
  }

  private showLabel(element: HTMLElement, model: LabelState, placedByModel: boolean): void {
    const shown = this.state(element);
    setIfChanged(shown, 'caption', model.caption, () => {
      element.textContent = model.caption;
      this.captionsToFit.push(element);
    });
    setIfChanged(shown, 'colour', model.colour, () => { element.style.color = model.colour; });
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

  // Flight buttons move by transform: a move then costs no layout.
  private showFlight(button: HTMLButtonElement, model: FlightState): void {
    const shown = this.state(button);
    setIfChanged(shown, 'visible', model.visible, () => { button.hidden = !model.visible; });
    if (!model.visible) return;
    setIfChanged(shown, 'caption', model.caption, () => { button.textContent = model.caption; });
    const place = `translate(${this.px(model.left)}px, ${this.px(model.top)}px)`;
    setIfChanged(shown, 'place', place, () => { button.style.transform = place; });
    setIfChanged(shown, 'width', model.width, () => { button.style.width = `${this.px(model.width)}px`; });
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
    element.id = control.name;
    this.place(element, control.left, control.top, control.width, control.height);
    if (control.font) element.style.fontSize = `${control.font}px`;
    if (control.bold) element.style.fontWeight = 'bold';
    this.root.appendChild(element);
    return element;
  }

  private build(control: LayoutControl): void {
    const { colours, borders } = this.layout;
    const index = Number(control.name.slice(control.name.lastIndexOf('_') + 1));
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
      case 'bar': {
        const bar = this.add('div', 'bar', control);
        bar.style.background = colours.timeoutBar;
        bar.style.transform = 'scaleX(0)';
        this.barWidth = control.width;
        this.bars.push(bar);
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
        const kind = control.name === 'cmdReset' ? EventKind.StartReset : EventKind.PauseCont;
        button.addEventListener('click', () => this.send(kind, 0, 0));
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
        const target = OptionBoxOf[control.name];
        box.addEventListener('click', () => this.send(EventKind.ClickCheckBox, target, 0));
        this.checks.set(control.name, { box, text, row });
        break;
      }
      case 'vslider':
      case 'hslider': {
        const slider = this.add('input', control.kind === 'vslider' ? 'vertical' : 'horizontal', control);
        slider.type = 'range';
        const target = SliderIdOf[control.name];
        // 'change', not 'input': a drag counts once, when the thumb is let go.
        slider.addEventListener('change', () => this.send(EventKind.MoveSlider, target, Number(slider.value)));
        this.sliders.set(control.name, slider);
        break;
      }
      case 'flight': {
        const button = this.add('button', 'flight', control);
        button.style.left = '0';
        button.style.top = '0';
        const packet = control.name.startsWith('cmdPacket');
        // Moving targets are for the mouse; Tab stays among the panel's controls.
        button.tabIndex = -1;
        button.hidden = true;
        const kind = packet ? EventKind.ClickPacket : EventKind.ClickAck;
        // On press, not on click: the button moves on while the mouse button is down.
        button.addEventListener('pointerdown', (event) => {
          if (event.button !== 0) return;
          event.preventDefault();
          this.send(kind, index, 0);
        });
        (packet ? this.packets : this.acks).push(button);
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
