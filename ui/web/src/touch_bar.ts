// On a touch screen the window's own controls shrink with the window, below
// what a finger can hit. The touch bar repeats them at finger size under the
// window: the run buttons, the option boxes and the sliders, each sending the
// same event as its twin in the window and showing the same model state.
// On a phone, where the window's panel is left out, it also shows the panel's
// figures. page.css shows it where the main pointer is coarse, and on a phone.
import { Layout, WindowState } from './engine';
import { Send } from './window_view';

const Options = ['chkSlowStart', 'chkAvoidance', 'chkFastRetransmit', 'chkSelective', 'chkDelayedACK', 'chkAutoRTT',
  'chkSlide'];

// Setting a text, even to the same, costs the page a layout.
function setText(target: HTMLElement, text: string): void {
  if (target.textContent !== text) target.textContent = text;
}

interface SliderRow { range: HTMLInputElement; title: HTMLElement; figure: HTMLElement; upward: boolean }
interface FigureRow { row: HTMLElement; title: HTMLElement; figure: HTMLElement }

export class TouchBar {
  private readonly buttons = new Map<string, HTMLButtonElement>();
  private readonly boxes = new Map<string, { box: HTMLInputElement; text: HTMLElement }>();
  private readonly sliders = new Map<string, SliderRow>();
  private readonly figures = new Map<string, FigureRow>();

  constructor(host: HTMLElement, private readonly layout: Layout, private readonly send: Send) {
    const runs = document.createElement('div');
    runs.className = 'touchRuns';
    for (const name of ['cmdReset', 'cmdPause']) {
      const button = document.createElement('button');
      button.id = `touch_${name}`;
      button.addEventListener('click', () => send(name, 0, 0));
      runs.appendChild(button);
      this.buttons.set(name, button);
    }
    const figures = document.createElement('div');
    figures.className = 'touchFigures';
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
    for (const { title: titleName, value, slider } of layout.figures) {
      const title = document.createElement('span');
      title.id = `touch_${titleName}`;
      const figure = document.createElement('b');
      if (!slider) {
        const row = document.createElement('p');
        row.append(title, ' ', figure);
        figures.appendChild(row);
        this.figures.set(value, { row, title, figure });
        continue;
      }
      const row = document.createElement('label');
      const range = document.createElement('input');
      range.type = 'range';
      range.id = `touch_${slider}`;
      range.setAttribute('aria-labelledby', title.id);
      // The window's vertical bars give more packets upwards, which here is
      // to the right: the bar's value runs backwards, so that the part filled
      // from the left edge grows with the figure.
      const upward = layout.controls.find((control) => control.name === slider)?.kind === 'vslider';
      range.addEventListener('change', () => send(slider, 0, this.modelValue(range, upward)));
      row.append(title, figure, range);
      sliders.appendChild(row);
      this.sliders.set(slider, { range, title, figure, upward });
    }
    host.append(runs, figures, options, sliders);
  }

  private modelValue(range: HTMLInputElement, upward: boolean): number {
    const value = Number(range.value);
    return upward ? Number(range.min) + Number(range.max) - value : value;
  }

  show(state: WindowState): void {
    for (const [name, button] of this.buttons) setText(button, state.buttons[name]);
    for (const [name, { box, text }] of this.boxes) {
      const model = state.checks[name];
      box.checked = model.value;
      box.disabled = !model.enabled;
      setText(text, model.caption);
    }
    for (const { title: titleName, value, slider } of this.layout.figures) {
      const row = slider ? this.sliders.get(slider)! : this.figures.get(value)!;
      setText(row.title, state.labels[titleName].caption.trim());
      setText(row.figure, state.labels[value].caption.trim());
      if (!slider) {
        const shown = state.labels[value].visible;
        if ((this.figures.get(value)!.row.hidden) === shown) this.figures.get(value)!.row.hidden = !shown;
        continue;
      }
      const { range, upward } = this.sliders.get(slider)!;
      const model = state.sliders[slider];
      range.min = String(model.min);
      range.max = String(model.max);
      range.step = String(model.step);
      const shown = String(upward ? model.min + model.max - model.value : model.value);
      if (range.value !== shown) range.value = shown;
    }
  }
}
