// Practice mode: the engine asks what the run will do next and holds the
// clock until the student answers. Everything is decided by the C++ session
// (frontend/practice.h); this file only shows its JSON and passes the choice
// back. Keys 1 to 4 choose, Esc skips; on a phone the choices are large
// buttons to tap.
import { WebSession } from './engine';
import { pageText } from './page_language';

interface PracticeState {
  on: boolean;
  phase: 'off' | 'watching' | 'asking' | 'awaiting' | 'explaining';
  prompt: string;
  choices: string[];
  right: number;
  chosen: number;
  explanation: string;
  notice: string;
  score: number;
  answered: number;
  perMinute: number;
  eventTick: number;
  packet: number;
  markedCell: number;
}

const Style = `
#practiceToggle { margin: 4px; }
#practicePanel { position: fixed; right: 8px; bottom: 8px; width: min(26rem, calc(100vw - 16px));
  max-height: 70vh; overflow: auto; background: #fffff4; border: 1px solid #888; border-radius: 6px;
  padding: 8px 10px; box-shadow: 0 2px 10px rgba(0,0,0,.25); font: 14px/1.35 sans-serif; z-index: 20; }
#practicePanel button.choice { display: block; width: 100%; min-height: 2.6em; margin: 4px 0; text-align: left;
  font-size: 15px; }
#practicePanel button.choice.chosen { outline: 3px solid #4060c0; }
#practicePanel button.choice:disabled { color: #1a1a1a; background: #f2f2f2; border: 1px solid #8a8a8a; }
#practicePanel button.choice.right { background: #d8f0d8; }
#practicePanel button.choice.wrong { background: #f8dede; }
#practicePanel .footer { display: flex; flex-wrap: wrap; gap: 6px 12px; align-items: center; margin-top: 6px; }
#practicePanel .footer input { width: 3.5em; }
#practicePanel .explanation { white-space: pre-wrap; }
@media (pointer: coarse) { #practicePanel button.choice { min-height: 44px; } }
`;

function make<K extends keyof HTMLElementTagNameMap>(tag: K, parent: HTMLElement, text = ''): HTMLElementTagNameMap[K] {
  const node = document.createElement(tag);
  if (text) node.textContent = text;
  parent.appendChild(node);
  return node;
}

export class PracticeView {
  private readonly toggle: HTMLButtonElement;
  private readonly panel: HTMLDivElement;
  private readonly prompt: HTMLParagraphElement;
  private readonly choices: HTMLDivElement;
  private readonly skip: HTMLButtonElement;
  private readonly explanation: HTMLParagraphElement;
  private readonly score: HTMLSpanElement;
  private readonly perMinute: HTMLInputElement;
  private state: PracticeState | null = null;
  private wasOpen = false;

  // `act` runs a change to the session and refreshes the page afterwards;
  // `mark` shows the event a question was about: the chart's cursor on its
  // tick once it has happened (null: leave the cursor), and the sender cell
  // to ring (-1: none). `opened` is told when the panel appears or goes.
  constructor(private readonly session: WebSession, private readonly act: (change: () => void) => void,
    private readonly mark: (tick: number | null, cell: number) => void = () => {},
    private readonly opened: () => void = () => {}) {
    const style = document.createElement('style');
    style.textContent = Style;
    document.head.appendChild(style);

    this.toggle = document.createElement('button');
    this.toggle.id = 'practiceToggle';
    this.toggle.textContent = pageText('Practice');
    this.toggle.setAttribute('aria-pressed', 'false');
    this.toggle.addEventListener('click', () => this.act(() => this.session.setPractice(!this.state?.on)));
    const host = document.getElementById('beyond');
    if (host && !host.hidden) host.prepend(this.toggle);
    else document.body.appendChild(this.toggle);

    // Under the window, where the page keeps a place for it (a phone shows it there).
    this.panel = make('div', document.getElementById('practiceHost') ?? document.body);
    this.panel.id = 'practicePanel';
    this.panel.hidden = true;
    this.panel.setAttribute('role', 'region');
    this.panel.setAttribute('aria-label', 'Practice question');
    this.prompt = make('p', this.panel);
    this.prompt.id = 'practicePrompt';
    this.prompt.setAttribute('aria-live', 'polite');
    this.choices = make('div', this.panel);
    this.skip = make('button', this.panel, 'Skip (Esc)');
    this.skip.addEventListener('click', () => this.act(() => this.session.skipPractice()));
    this.explanation = make('p', this.panel);
    this.explanation.className = 'explanation';
    this.explanation.id = 'practiceExplanation';
    const footer = make('div', this.panel);
    footer.className = 'footer';
    this.score = make('span', footer);
    this.score.id = 'practiceScore';
    const label = make('label', footer, 'Questions per minute ');
    this.perMinute = make('input', label);
    this.perMinute.type = 'number';
    this.perMinute.min = '1';
    this.perMinute.max = '12';
    this.perMinute.addEventListener('change', () =>
      this.act(() => this.session.setQuestionsPerMinute(Number(this.perMinute.value))));
    const copy = make('button', footer, 'Copy summary');
    copy.addEventListener('click', () => this.copySummary(copy));

    document.addEventListener('keydown', (event) => {
      if (this.state?.phase !== 'asking' || event.ctrlKey || event.altKey || event.metaKey) return;
      const digit = Number(event.key);
      if (digit >= 1 && digit <= this.state.choices.length) {
        this.act(() => this.session.answerPractice(digit - 1));
      } else if (event.key === 'Escape') {
        this.act(() => this.session.skipPractice());
      } else {
        return;
      }
      event.preventDefault();
    });
  }

  // `shown`: the session's practiceJson() as read, or null when it has not changed since the last.
  update(shown: object | null): void {
    if (!shown) return;
    const state = shown as PracticeState;
    const explainedNow = state.phase === 'explaining' && this.state?.phase !== 'explaining';
    this.state = state;
    this.mark(explainedNow ? state.eventTick : null, state.markedCell);
    this.toggle.setAttribute('aria-pressed', String(state.on));
    this.toggle.textContent = state.on ? pageText('Practice: on') : pageText('Practice');
    this.panel.hidden = !state.on;
    if (state.on !== this.wasOpen) {
      this.wasOpen = state.on;
      this.opened();
    }
    if (!state.on) return;

    const withQuestion = state.phase === 'asking' || state.phase === 'awaiting' || state.phase === 'explaining';
    this.prompt.textContent = withQuestion ? state.prompt : 'Watching the run for the next question…';
    this.choices.replaceChildren();
    if (withQuestion) {
      const explaining = state.phase === 'explaining';
      state.choices.forEach((text, index) => {
        // Right and wrong are said in words and marks, not by colour alone.
        const chosen = index === state.chosen;
        const right = explaining && index === state.right;
        const verdict = right ? (chosen ? '  \u2714 right: your answer' : "  \u2714 the run's answer")
          : explaining && chosen ? '  \u2718 your answer' : '';
        const button = make('button', this.choices, `${index + 1}.  ${text}${verdict}`);
        button.className = 'choice';
        if (chosen) button.classList.add('chosen');
        if (right) button.classList.add('right');
        else if (explaining && chosen) button.classList.add('wrong');
        button.disabled = state.phase !== 'asking';
        button.addEventListener('click', () => this.act(() => this.session.answerPractice(index)));
      });
    }
    this.skip.hidden = state.phase !== 'asking';
    let explanation = '';
    if (state.phase === 'awaiting') {
      explanation = 'Watch the run: the event comes in a few ticks.';
    } else if (state.phase === 'explaining') {
      const right = state.choices[state.right];
      const verdict = state.chosen < 0 ? `Skipped: the run gave ${right}.`
        : state.chosen === state.right ? 'Right.' : `Not so: the run gave ${right}.`;
      explanation = `${verdict}\n\n${state.explanation}`;
    } else if (state.phase === 'watching') {
      explanation = state.notice;
    }
    this.explanation.textContent = explanation;
    this.score.textContent = pageText('Score: %1 of %2 right', state.score, state.answered);
    if (document.activeElement !== this.perMinute) this.perMinute.value = String(state.perMinute);
  }

  get open(): boolean { return Boolean(this.state?.on); }

  private copySummary(button: HTMLButtonElement): void {
    const text = this.session.practiceSummary();
    const done = () => { button.textContent = pageText('Summary copied'); };
    navigator.clipboard?.writeText(text).then(done, () => window.prompt('Copy the summary:', text));
  }
}
