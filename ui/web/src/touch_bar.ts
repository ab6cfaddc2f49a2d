// On a touch screen the window's own controls shrink with the window, below
// what a finger can hit. The touch bar repeats them at finger size under the
// window: the run buttons, the option boxes and the sliders, each sending the
// same event as its twin in the window and showing the same model state.
// page.css shows it only where the main pointer is coarse.
import { WindowState } from './engine';
import { Send } from './window_view';

// Each slider with the labels that name it and show its figure.
const Sliders: [string, string, string][] = [
  ['HScroll1', 'lblTimeOut_0', 'lblTimeOut_1'],
  ['VScroll1', 'lblTxWindow_0', 'lblTxWindow_1'],
  ['VScroll2', 'lblRxWindow_0', 'lblRxWindow_1'],
  ['VScroll3', 'lblSequences_0', 'lblSequences_1'],
];
const Options = ['chkSlowStart', 'chkAvoidance', 'chkFastRetransmit', 'chkSelective', 'chkDelayedACK', 'chkAutoRTT',
  'chkSlide'];

export class TouchBar {
  private readonly buttons = new Map<string, HTMLButtonElement>();
  private readonly boxes = new Map<string, { box: HTMLInputElement; text: HTMLElement }>();
  private readonly sliders = new Map<string, { range: HTMLInputElement; name: HTMLElement; figure: HTMLElement }>();

  constructor(host: HTMLElement, send: Send) {
    const runs = document.createElement('div');
    runs.className = 'touchRuns';
    for (const name of ['cmdReset', 'cmdPause']) {
      const button = document.createElement('button');
      button.id = `touch_${name}`;
      button.addEventListener('click', () => send(name, 0, 0));
      runs.appendChild(button);
      this.buttons.set(name, button);
    }
    const options = document.createElement('div');
    options.className = 'touchOptions';
    for (const name of Options) {
      const row = document.createElement('label');
      const box = document.createElement('input');
      box.type = 'checkbox';
      box.id = `touch_${name}`;
      box.addEventListener('click', () => send(name, 0, 0));
      const text = document.createElement('span');
      row.append(box, text);
      options.appendChild(row);
      this.boxes.set(name, { box, text });
    }
    const sliders = document.createElement('div');
    sliders.className = 'touchSliders';
    for (const [name] of Sliders) {
      const row = document.createElement('label');
      const title = document.createElement('span');
      const figure = document.createElement('b');
      const range = document.createElement('input');
      range.type = 'range';
      range.id = `touch_${name}`;
      // The window's vertical bars give more packets upwards: here, to the right.
      if (name !== 'HScroll1') range.dir = 'rtl';
      range.addEventListener('change', () => send(name, 0, Number(range.value)));
      row.append(title, figure, range);
      sliders.appendChild(row);
      this.sliders.set(name, { range, name: title, figure });
    }
    host.append(runs, options, sliders);
  }

  show(state: WindowState): void {
    for (const [name, button] of this.buttons) {
      if (button.textContent !== state.buttons[name]) button.textContent = state.buttons[name];
    }
    for (const [name, { box, text }] of this.boxes) {
      const model = state.checks[name];
      box.checked = model.value;
      box.disabled = !model.enabled;
      if (text.textContent !== model.caption) text.textContent = model.caption;
    }
    for (const [name, nameLabel, figureLabel] of Sliders) {
      const { range, name: title, figure } = this.sliders.get(name)!;
      const model = state.sliders[name];
      range.min = String(model.min);
      range.max = String(model.max);
      range.step = String(model.step);
      if (range.value !== String(model.value)) range.value = String(model.value);
      const caption = state.labels[nameLabel].caption.trim();
      if (title.textContent !== caption) title.textContent = caption;
      const shownFigure = state.labels[figureLabel].caption.trim();
      if (figure.textContent !== shownFigure) figure.textContent = shownFigure;
    }
  }
}
