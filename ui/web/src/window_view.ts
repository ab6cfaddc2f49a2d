// Draws the 855 x 595 window from the model's control data as positioned
// DOM elements, scaled to fit, and turns the user's gestures into events.
// Each element remembers what it shows, so a tick touches only what changed.
import { EventKind, Layout, LabelState, FlightState, OptionBoxOf, SliderIdOf, WindowState } from './engine';

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
  private rxFrame!: HTMLElement;
  private readonly shown = new WeakMap<HTMLElement, Shown>();

  constructor(private readonly root: HTMLElement, private readonly layout: Layout, private readonly send: Send) {
    const perPixel = layout.twipsPerPixel;
    this.px = (twips) => twips / perPixel;
    root.style.width = `${this.px(layout.clientWidth)}px`;
    root.style.height = `${this.px(layout.clientHeight)}px`;
    root.style.background = layout.systemColours.threeDLight;
    root.style.color = layout.systemColours.windowText;
    root.style.fontSize = `${layout.fonts.panel}px`;
    this.buildArrows();
    this.buildStrips();
    this.buildPanel();
    this.buildFlights();
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
      setIfChanged(this.state(bar), 'width', width, () => { bar.style.width = `${this.px(width)}px`; });
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
      const check = this.checks.get(name)!;
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
    setIfChanged(shown, 'caption', model.caption, () => { element.textContent = model.caption; });
    setIfChanged(shown, 'colour', model.colour, () => { element.style.color = model.colour; });
    setIfChanged(shown, 'visible', model.visible, () => { element.hidden = !model.visible; });
    if (placedByModel) {
      setIfChanged(shown, 'left', model.left, () => { element.style.left = `${this.px(model.left)}px`; });
      setIfChanged(shown, 'top', model.top, () => { element.style.top = `${this.px(model.top)}px`; });
    }
  }

  private showFlight(button: HTMLButtonElement, model: FlightState): void {
    const shown = this.state(button);
    setIfChanged(shown, 'visible', model.visible, () => { button.hidden = !model.visible; });
    if (!model.visible) return;
    setIfChanged(shown, 'caption', model.caption, () => { button.textContent = model.caption; });
    setIfChanged(shown, 'left', model.left, () => { button.style.left = `${this.px(model.left)}px`; });
    setIfChanged(shown, 'top', model.top, () => { button.style.top = `${this.px(model.top)}px`; });
    setIfChanged(shown, 'width', model.width, () => { button.style.width = `${this.px(model.width)}px`; });
  }

  private place(element: HTMLElement, left: number, top: number, width: number, height: number): void {
    element.style.left = `${this.px(left)}px`;
    element.style.top = `${this.px(top)}px`;
    element.style.width = `${this.px(width)}px`;
    element.style.height = `${this.px(height)}px`;
  }

  private add<K extends keyof HTMLElementTagNameMap>(tag: K, className: string, id?: string): HTMLElementTagNameMap[K] {
    const element = document.createElement(tag);
    element.className = className;
    if (id) element.id = id;
    this.root.appendChild(element);
    return element;
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
      element.setAttribute('stroke', this.layout.systemColours.windowText);
      element.setAttribute('stroke-width', '3');
      element.setAttribute('stroke-linecap', 'round');
      svg.appendChild(element);
    }
    this.root.appendChild(svg);
  }

  private cellLabel(name: string): HTMLElement {
    const { strips, fonts, systemColours } = this.layout;
    const label = this.add('div', 'label cell', name);
    label.style.width = `${this.px(strips.cellLabelWidth)}px`;
    label.style.height = `${this.px(strips.cellLabelHeight)}px`;
    label.style.fontSize = `${fonts.cell}px`;
    label.style.textAlign = 'center';
    label.style.background = systemColours.buttonFace;
    return label;
  }

  private buildStrips(): void {
    const { strips } = this.layout;
    for (let i = 0; i < strips.cells; i++) this.txCells.push(this.cellLabel(`lblTx_${i}`));
    for (let i = 0; i < strips.cells; i++) {
      const bar = this.add('div', 'bar', `shpTimeOut_${i}`);
      this.place(bar, strips.boxLefts[i], strips.bar.top, 0, strips.bar.height);
      bar.style.background = this.layout.timeoutBarColour;
      this.bars.push(bar);
    }
    for (let i = 0; i < strips.cells; i++) {
      this.place(this.add('div', 'box', `shpTx_${i}`), strips.boxLefts[i], strips.txBox.top, strips.boxWidth,
        strips.txBox.height);
    }
    this.txFrame = this.add('div', 'frame', 'shpTxWindow');
    this.place(this.txFrame, 0, strips.txFrame.top, 0, strips.txFrame.height);
    this.txFrame.style.borderColor = this.layout.frameColour;
    for (let i = 0; i < strips.cells; i++) this.rxCells.push(this.cellLabel(`lblRx_${i}`));
    for (let i = 0; i < strips.cells; i++) {
      this.place(this.add('div', 'box', `shpRx_${i}`), strips.boxLefts[i], strips.rxBox.top, strips.boxWidth,
        strips.rxBox.height);
    }
    this.rxFrame = this.add('div', 'frame', 'shpRxWindow');
    this.place(this.rxFrame, 0, strips.rxFrame.top, 0, strips.rxFrame.height);
    this.rxFrame.style.borderColor = this.layout.frameColour;
  }

  private buildPanel(): void {
    const { systemColours } = this.layout;
    for (const control of this.layout.panel) {
      if (control.kind === 'label') {
        const label = this.add('div', 'label', control.name);
        this.place(label, control.left, control.top, control.width, control.height);
        label.style.textAlign = control.align;
        label.style.background = systemColours.buttonFace;
        this.labels.set(control.name, label);
      } else if (control.kind === 'button') {
        const button = this.add('button', 'run', control.name);
        this.place(button, control.left, control.top, control.width, control.height);
        button.style.background = systemColours.threeDLight;
        button.style.fontSize = `${this.layout.fonts.panel}px`;
        const kind = control.name === 'cmdReset' ? EventKind.StartReset : EventKind.PauseCont;
        button.addEventListener('click', () => this.send(kind, 0, 0));
        this.buttons.set(control.name, button);
      } else if (control.kind === 'check') {
        const row = this.add('label', 'check', control.name);
        this.place(row, control.left, control.top, control.width, control.height);
        row.style.background = systemColours.buttonFace;
        const box = document.createElement('input');
        box.type = 'checkbox';
        const text = document.createElement('span');
        row.append(box, text);
        const target = OptionBoxOf[control.name];
        box.addEventListener('click', () => this.send(EventKind.ClickCheckBox, target, 0));
        this.checks.set(control.name, { box, text, row });
      } else {
        const slider = this.add('input', control.kind === 'vslider' ? 'vertical' : 'horizontal', control.name);
        slider.type = 'range';
        this.place(slider, control.left, control.top, control.width, control.height);
        const target = SliderIdOf[control.name];
        // 'change', not 'input': a drag counts once, when the thumb is let go.
        slider.addEventListener('change', () => this.send(EventKind.MoveSlider, target, Number(slider.value)));
        this.sliders.set(control.name, slider);
      }
    }
  }

  private buildFlights(): void {
    const { flights, fonts } = this.layout;
    const make = (name: string, height: number, kind: number, slot: number) => {
      const button = this.add('button', 'flight', name);
      button.style.height = `${this.px(height)}px`;
      button.style.fontSize = `${fonts.flight}px`;
      // Moving targets are for the mouse; Tab stays among the panel's controls.
      button.tabIndex = -1;
      button.hidden = true;
      // On press, not on click: the button moves on while the mouse button is down.
      button.addEventListener('pointerdown', (event) => {
        if (event.button !== 0) return;
        event.preventDefault();
        this.send(kind, slot, 0);
      });
      return button;
    };
    for (let i = 0; i < 16; i++) {
      this.packets.push(make(`cmdPacket_${i}`, i === 0 ? flights.firstPacketHeight : flights.packetHeight,
        EventKind.ClickPacket, i));
    }
    for (let i = 0; i < 16; i++) this.acks.push(make(`cmdACK_${i}`, flights.ackHeight, EventKind.ClickAck, i));
  }
}
