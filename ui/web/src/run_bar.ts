// The bar under the window: the speed, single steps and the rewind to the
// chart's cursor, the log's filter, the options the window has no place for
// (the in-order receiver, the go-back-N sender) and the protocol presets.
// It shows what the run's state says; every action goes through `run`.
import { WebSession, WindowState } from './engine';

function element<T extends HTMLElement>(id: string): T {
  return document.getElementById(id) as T;
}

// Setting a text, even to the same, costs the page a layout.
// A readout's text node is changed in place: a new node each time would
// also restyle the element (the status line is hidden while :empty).
function setText(target: HTMLElement, text: string): void {
  const node = target.firstChild;
  if (text && node instanceof Text && !node.nextSibling) {
    if (node.data !== text) node.data = text;
  } else if (target.textContent !== text) {
    target.textContent = text;
  }
}

// The boxes of the bar, each with the model's box it repeats.
const Boxes = [['inOrder', 'chkInOrderReceiver'], ['goBackN', 'chkGoBackN'], ['tahoeRule', 'chkTahoeRule']];

export class RunBar {
  private readonly rewind = element<HTMLButtonElement>('rewind');

  // `speeds` are the engine's names of the clock's speeds; `cursor` is the chart's picked tick.
  constructor(private readonly session: WebSession, speeds: string[], run: (action: () => void) => void,
    cursor: () => number | null) {
    const speed = element<HTMLSelectElement>('speed');
    speeds.forEach((text, index) => speed.add(new Option(text, String(index))));
    speed.addEventListener('change', () => run(() => session.setSpeed(Number(speed.value))));
    element('stepOne').addEventListener('click', () => run(() => session.step()));
    element('stepBack').addEventListener('click', () => run(() => session.stepBack()));
    element('goToTick').addEventListener('click', () => this.askGoToTick(run));
    this.rewind.addEventListener('click', () => {
      const tick = cursor();
      if (tick !== null) run(() => session.rewindTo(tick));
    });
    const filter = element<HTMLSelectElement>('logFilter');
    filter.addEventListener('change', () => { element('log').className = `filter-${filter.value}`; });
    for (const [id, name] of Boxes) element(id).addEventListener('click', () => run(() => session.use(name, 0, 0)));
    this.buildProtocols(run);
  }

  // Asks for a tick; a later one plays on to it, an earlier one rewinds.
  askGoToTick(run: (action: () => void) => void): void {
    const answer = window.prompt(`Go to tick (now ${this.session.ticks()}):`, String(this.session.ticks()));
    if (answer === null || !/^\s*\d+\s*$/.test(answer)) return;
    run(() => this.session.goToTick(Number(answer)));
  }

  // The chart's cursor, picked in the chart, the log or the diagram.
  showCursor(tick: number | null): void {
    element('cursorReadout').textContent = tick === null ? '' : `Cursor: tick ${tick}`;
    this.rewind.disabled = tick === null;
  }

  show(state: WindowState): void {
    // The lesson's end is said once, in the status line the desktop shares.
    setText(element('tickReadout'), `Tick ${state.run.tick}`);
    const back = element<HTMLButtonElement>('stepBack');
    if (back.disabled === state.run.canStepBack) back.disabled = !state.run.canStepBack;
    for (const [id, name] of Boxes) {
      const box = element<HTMLInputElement>(id);
      const option = state.checks[name];
      // Assigned only when it differs: even an equal value repaints the box.
      if (box.checked !== option.value) box.checked = option.value;
      if (box.disabled === option.enabled) box.disabled = !option.enabled;
      setText(element(`${id}Caption`), option.caption);
    }
    const protocol = element<HTMLSelectElement>('protocol');
    const inForce = this.session.protocolInForce();
    if (protocol.value !== inForce) protocol.value = inForce;
    setText(element('runStatus'), this.session.statusLine());
    const speed = element<HTMLSelectElement>('speed');
    if (speed.value !== String(state.run.speed)) speed.value = String(state.run.speed);
  }

  // The presets click the boxes and move the sliders as a user would, so
  // the run records them; the list then shows whichever is in force.
  private buildProtocols(run: (action: () => void) => void): void {
    const protocol = element<HTMLSelectElement>('protocol');
    for (const preset of JSON.parse(this.session.protocolsJson()) as { name: string; title: string }[]) {
      const option = document.createElement('option');
      option.value = preset.name;
      option.textContent = preset.title;
      protocol.append(option);
    }
    protocol.addEventListener('change', () => {
      const name = protocol.value;
      if (name) run(() => this.session.applyProtocol(name));
    });
  }
}
