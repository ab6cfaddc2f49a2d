// The legend: what every cell colour, bar, frame and mark means, drawn in
// the palette and with the marks the view shows now. Texts and colours come
// from the tables the desktop's legend reads.
import { Layout, ViewOptions } from './engine';

export class Legend {
  constructor(private readonly body: HTMLElement, private readonly layout: Layout,
    private readonly looks: ViewOptions) {}

  fill(safeColours: boolean, stateMarks: boolean): void {
    const { looks, layout } = this;
    this.body.textContent = '';
    const heading = (text: string) => {
      const line = document.createElement('h3');
      line.textContent = text;
      this.body.appendChild(line);
    };
    const row = (sample: HTMLElement, meaning: string) => {
      const line = document.createElement('div');
      line.className = 'legendRow';
      sample.setAttribute('aria-hidden', 'true');
      const words = document.createElement('span');
      words.textContent = meaning;
      line.append(sample, words);
      this.body.appendChild(line);
    };
    const cell = (strip: 'tx' | 'rx') => {
      for (const state of looks.cellStates.filter((s) => s.strip === strip)) {
        const sample = document.createElement('span');
        sample.className = 'legendCell';
        sample.textContent = '7';
        sample.style.color = safeColours ? state.safe : state.colour;
        sample.style.background = layout.colours.label;
        sample.dataset.mark = stateMarks ? state.mark : '';
        row(sample, state.legend);
      }
    };
    const shape = (className: string, style: Partial<CSSStyleDeclaration>, text = '') => {
      const sample = document.createElement('span');
      sample.className = className;
      Object.assign(sample.style, style);
      sample.textContent = text;
      return sample;
    };
    heading(looks.legend.senderHeading);
    cell('tx');
    row(shape('legendBar', { background: safeColours ? looks.safeTimeoutBar : layout.colours.timeoutBar }),
      looks.legend.timeoutBar);
    heading(looks.legend.receiverHeading);
    cell('rx');
    heading(looks.legend.othersHeading);
    row(shape('legendFrame', { border: `${layout.borders.frame}px solid ${layout.colours.frame}` }), looks.legend.frame);
    row(shape('legendFlight', { outline: stateMarks ? `3px solid ${looks.heldOutline}` : 'none' }),
      stateMarks ? looks.legend.heldMarked : looks.legend.heldUnmarked);
    row(shape('legendLost', { color: looks.lostMark, borderColor: stateMarks ? looks.lostMark : 'transparent' },
      stateMarks ? looks.lostHere : ''), looks.legend.lost + looks.flightRule);
  }
}

// The view option boxes and the legend's button: they change only how the
// model is drawn, never what it does.
export class ViewOptionControls {
  private readonly safe = document.getElementById('safeColours') as HTMLInputElement;
  private readonly marks = document.getElementById('stateMarks') as HTMLInputElement;

  // `apply` draws every view anew with the palette and marks ticked.
  constructor(layout: Layout, looks: ViewOptions, apply: (safeColours: boolean, stateMarks: boolean) => void) {
    const legend = new Legend(document.getElementById('legendBody')!, layout, looks);
    const dialog = document.getElementById('legend') as HTMLDialogElement;
    const changed = () => {
      apply(this.safe.checked, this.marks.checked);
      if (dialog.open) legend.fill(this.safe.checked, this.marks.checked);
    };
    this.safe.addEventListener('change', changed);
    this.marks.addEventListener('change', changed);
    document.getElementById('showLegend')!.addEventListener('click', () => {
      legend.fill(this.safe.checked, this.marks.checked);
      dialog.showModal();
    });
    // A reload keeps the boxes ticked: the window follows them from the start.
    if (this.safe.checked || this.marks.checked) changed();
  }

  safeColours(): boolean { return this.safe.checked; }
  stateMarks(): boolean { return this.marks.checked; }
}
