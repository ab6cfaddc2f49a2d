// Follow mode: the page of a phone in a classroom session. It is its own
// small script (follow.js), loaded only when the link carries a session's
// join token, so the page everyone else opens stays as small as it was.
//
// Everything about the run and the question is decided by the C++ session
// (WebSession.follow*, frontend/classroom_*.h): this file carries the
// WebSocket to the teacher's laptop, keeps the phone's own random token, and
// shows the follow bar and the question. A phone that slept, changed network
// or missed a message joins again and is sent the whole run at once.
import type { WebSession } from './engine';

export interface FollowHost {
  session: WebSession;
  // Shows the model after the class (or the student) moved the run.
  refresh(): void;
  // The run was rebuilt: the chart and the log begin again.
  startOver(): void;
}

interface FollowState {
  on: boolean; own: boolean; synced: boolean; strayed: number; socketPath: string; batchMs: number; tickMs: number;
  texts: Record<'following' | 'tryItYourself' | 'backToTheClass' | 'trying' | 'connecting' | 'reconnecting' |
    'voteCounted' | 'rightAnswer', string>;
}
interface Bar { choice: string; votes: number; text: string; right: boolean }
interface Room {
  question?: number; round: number; prompt: string; choices: string[]; mine: number; revealed: boolean; title: string;
  right?: number; explanation?: string; caption?: string; most?: number; bars?: Bar[];
}
interface Taken { rejoin: boolean; sync: boolean; ticks: number; calls: boolean; end: string; room: Room }

const DeviceKey = 'slidingWindowDemo.device';
// A woken phone that hears nothing this long after asking to join again opens a new socket.
const WakeWatchMilliseconds = 1500;
const MostRetryMilliseconds = 4000;
// The phone keeps its own clock this far behind where it reckons the
// teacher's stands, so that an action arrives before the phone reaches its
// tick (actions travel in a few tens of milliseconds).
const LeadMilliseconds = 250;

const Style = `
#followBar { position: sticky; top: 0; z-index: 30; display: flex; flex-wrap: wrap; align-items: center; gap: 6px 12px;
  padding: 6px 12px; background: #17324d; color: #fff; font: 16px/1.3 sans-serif; }
#followBar .status { flex: 1 1 12em; }
#followBar button, #roomQuestion button { min-height: 44px; min-width: 44px; font-size: 16px; }
#roomQuestion { position: fixed; left: 8px; right: 8px; bottom: 8px; max-width: 34rem; margin: 0 auto; max-height: 75vh;
  overflow: auto; z-index: 40; background: #fffff4; border: 2px solid #17324d; border-radius: 8px; padding: 10px 12px;
  box-shadow: 0 2px 12px rgba(0,0,0,.3); font: 16px/1.35 sans-serif; }
#roomQuestion .title { margin: 0 0 4px; font-weight: bold; }
#roomQuestion button.choice { display: block; width: 100%; margin: 6px 0; text-align: left; }
#roomQuestion button.choice.mine { outline: 3px solid #2050c0; background: #dde6ff; }
#roomQuestion .bar { display: grid; grid-template-columns: minmax(4em, 35%) 1fr; gap: 4px 8px; align-items: center;
  margin: 6px 0; }
#roomQuestion .fill { height: 1.6em; background: #78829a; min-width: 2px; }
#roomQuestion .right .fill { background: #2e7d32; }
#roomQuestion .right .label { font-weight: bold; }
#roomQuestion .explanation { white-space: pre-wrap; }
body.following #touchBar { display: none; }
/* The room's questions take the place of one's own practice while following the class. */
body.following #practiceToggle, body.following #practicePanel { display: none; }
`;

function make<K extends keyof HTMLElementTagNameMap>(tag: K, parent: HTMLElement, text = ''): HTMLElementTagNameMap[K] {
  const node = document.createElement(tag);
  if (text) node.textContent = text;
  parent.appendChild(node);
  return node;
}

// The phone's own token, kept between visits: one vote per device and question.
function deviceToken(): string {
  let token = '';
  try { token = localStorage.getItem(DeviceKey) ?? ''; } catch { /* storage refused: a token for this visit */ }
  if (/^[A-Za-z0-9_-]{22}$/.test(token)) return token;
  const bytes = crypto.getRandomValues(new Uint8Array(16));
  token = btoa(String.fromCharCode(...bytes)).replace(/\+/g, '-').replace(/\//g, '_').replace(/=+$/, '');
  try { localStorage.setItem(DeviceKey, token); } catch { /* as above */ }
  return token;
}

class FollowMode {
  private socket: WebSocket | null = null;
  private readonly device = deviceToken();
  private readonly state: FollowState;
  private readonly bar: HTMLDivElement;
  private readonly status: HTMLSpanElement;
  private readonly own: HTMLButtonElement;
  private readonly panel: HTMLElement;
  private room: Room = { round: 1, prompt: '', choices: [], mine: -1, revealed: false, title: '' };
  private ended = false;
  private retryMs = 250;
  private retryTimer = 0;
  private lastJoin = 0;
  private joinTimer = 0;
  private wakeTimer = 0;
  private heard = 0;
  // The ticks of the last batch, and how fast the teacher's clock runs
  // (reckoned from the messages' arrivals: the teacher may run at any speed).
  private batchTicks = 1;
  private tickMs: number;
  // When the last message that moved the teacher's run arrived.
  private heardAt = 0;
  private paceTimer = 0;

  constructor(private readonly host: FollowHost) {
    this.state = JSON.parse(host.session.followJson()) as FollowState;
    this.tickMs = this.state.tickMs > 0 ? this.state.tickMs : 50;
    const style = document.createElement('style');
    style.textContent = Style;
    document.head.appendChild(style);
    document.body.classList.add('following');
    this.bar = document.createElement('div');
    this.bar.id = 'followBar';
    this.bar.setAttribute('role', 'region');
    this.bar.setAttribute('aria-label', this.state.texts.following);
    document.body.prepend(this.bar);
    this.status = make('span', this.bar, this.state.texts.connecting);
    this.status.className = 'status';
    this.status.id = 'followStatus';
    this.status.setAttribute('aria-live', 'polite');
    this.own = make('button', this.bar, this.state.texts.tryItYourself);
    this.own.id = 'followOwn';
    this.own.addEventListener('click', () => this.setOwnCopy(!JSON.parse(host.session.followJson()).own));
    this.panel = make('section', document.body);
    this.panel.id = 'roomQuestion';
    this.panel.setAttribute('aria-live', 'polite');
    this.panel.hidden = true;

    // A phone waking up, or finding a network again, asks at once.
    document.addEventListener('visibilitychange', () => { if (!document.hidden) this.wake(); });
    window.addEventListener('online', () => this.wake());
    window.addEventListener('pageshow', () => this.wake());
    this.connect();
  }

  private connect(): void {
    if (this.ended) return;
    window.clearTimeout(this.retryTimer);
    this.retryTimer = 0;
    this.socket?.close();
    const scheme = location.protocol === 'https:' ? 'wss' : 'ws';
    const socket = new WebSocket(`${scheme}://${location.host}${this.state.socketPath}`);
    this.socket = socket;
    socket.addEventListener('open', () => { this.retryMs = 250; this.join(); });
    socket.addEventListener('message', (event) => {
      if (socket === this.socket && typeof event.data === 'string') this.take(event.data);
    });
    socket.addEventListener('close', () => {
      if (socket !== this.socket || this.ended) return;
      this.status.textContent = this.state.texts.reconnecting;
      this.retryTimer = window.setTimeout(() => this.connect(), this.retryMs);
      this.retryMs = Math.min(MostRetryMilliseconds, this.retryMs * 2);
    });
  }

  // Joining again brings the whole run; at most once a second, so that a
  // phone that keeps straying cannot flood the laptop.
  private join(): void {
    const wait = this.lastJoin + 1000 - performance.now();
    if (wait > 0) {
      if (!this.joinTimer) this.joinTimer = window.setTimeout(() => { this.joinTimer = 0; this.join(); }, wait);
      return;
    }
    if (this.socket?.readyState !== WebSocket.OPEN) return;
    this.lastJoin = performance.now();
    this.socket.send(this.host.session.followJoin(this.device));
  }

  private wake(): void {
    if (this.ended) return;
    if (this.socket?.readyState !== WebSocket.OPEN) {
      this.connect();
      return;
    }
    // The socket may be dead without knowing it: ask, and if nothing comes, start afresh.
    const heardBefore = this.heard;
    this.lastJoin = 0;
    this.join();
    window.clearTimeout(this.wakeTimer);
    this.wakeTimer = window.setTimeout(() => { if (this.heard === heardBefore) this.connect(); }, WakeWatchMilliseconds);
  }

  private take(text: string): void {
    ++this.heard;
    const taken = JSON.parse(this.host.session.followTake(text)) as Taken;
    if (taken.end) {
      this.ended = true;
      this.status.textContent = taken.end;
      this.socket?.close();
    } else if (taken.rejoin) {
      this.join();
    } else if (this.status.textContent !== this.statusText()) {
      this.status.textContent = this.statusText();
    }
    if (taken.sync) this.host.startOver();
    if (taken.calls || taken.sync) this.heardRun(taken.ticks);
    this.pace();
    this.showRoom(taken.room);
  }

  private heardRun(ticks: number): void {
    const now = performance.now();
    if (ticks > 0) {
      // The ticks made since the last message: the teacher's pace, smoothed.
      if (this.heardAt > 0) {
        const each = Math.min(this.state.batchMs, Math.max(4, (now - this.heardAt) / ticks));
        this.tickMs = (this.tickMs + each) / 2;
      }
      this.batchTicks = ticks;
    }
    this.heardAt = now;
  }

  // The teacher's ticks come a batch at a time, seldom; between batches the
  // phone keeps its own clock, a little behind where it reckons the
  // teacher's stands (the ticks made ahead are checked by the next batch,
  // and an action behind them rebuilds the run). Calls that came are played
  // at the same pace; a phone fallen far behind catches up.
  private pace(): void {
    window.clearTimeout(this.paceTimer);
    this.paceTimer = 0;
    const session = this.host.session;
    const owed = session.followOwed();
    let again = false;
    if (owed > 2 * this.batchTicks) {
      if (session.followAdvance(owed - this.batchTicks)) this.join();
      again = true;
    } else {
      // Ticks the phone stands behind where it should: positive, it moves
      // on, by more the further behind it is.
      const due = (performance.now() - this.heardAt - LeadMilliseconds) / this.tickMs;
      const behind = due - (session.followAhead() - owed);
      const step = behind > 0 ? Math.ceil(behind / 4) : 0;
      // Every call before the next tick is made at once, ticks up to the step.
      if (session.followAdvance(Math.min(step, owed))) this.join();
      again = session.followOwed() > 0;
      if (!again) {
        // At most a batch's worth ahead: a clock held by the teacher's window alone goes no further.
        const room = Math.ceil(this.state.batchMs / this.tickMs) + 1 - session.followAhead();
        const made = session.followPredict(Math.max(0, Math.min(step - owed, room)));
        again = made >= 0 && room - made > 0;
      }
    }
    this.host.refresh();
    if (again) this.paceTimer = window.setTimeout(() => this.pace(), Math.max(4, this.tickMs));
  }

  private statusText(): string {
    return JSON.parse(this.host.session.followJson()).own ? this.state.texts.trying : this.state.texts.following;
  }

  private setOwnCopy(own: boolean): void {
    this.host.session.followOwnCopy(own);
    // The window's own controls at finger size come back with a run of one's own.
    document.body.classList.toggle('following', !own);
    this.own.textContent = own ? this.state.texts.backToTheClass : this.state.texts.tryItYourself;
    this.status.textContent = this.statusText();
    this.host.startOver();
    this.host.refresh();
    // Back with the class: its clock is kept again at once, not from the next batch.
    if (!own) this.pace();
  }

  private vote(choice: number): void {
    if (this.socket?.readyState !== WebSocket.OPEN || this.room.question === undefined) return;
    this.socket.send(this.host.session.followVote(this.room.question, choice));
    this.showRoom({ ...this.room, mine: choice });
  }

  private showRoom(room: Room): void {
    const same = JSON.stringify(room) === JSON.stringify(this.room);
    this.room = room;
    if (same) return;
    this.panel.hidden = room.question === undefined;
    this.panel.replaceChildren();
    if (room.question === undefined) return;
    make('p', this.panel, room.title).className = 'title';
    make('p', this.panel, room.prompt).id = 'roomPrompt';
    if (!room.revealed) {
      room.choices.forEach((text, index) => {
        const button = make('button', this.panel, `${index + 1}.  ${text}`);
        button.className = index === room.mine ? 'choice mine' : 'choice';
        button.id = `roomChoice${index + 1}`;
        button.setAttribute('aria-pressed', String(index === room.mine));
        button.addEventListener('click', () => this.vote(index));
      });
      if (room.mine >= 0) make('p', this.panel, this.state.texts.voteCounted);
      return;
    }
    const histogram = make('div', this.panel);
    histogram.id = 'roomHistogram';
    make('p', histogram, room.caption ?? '');
    for (const bar of room.bars ?? []) {
      const row = make('div', histogram);
      row.className = bar.right ? 'bar right' : 'bar';
      make('span', row, bar.choice).className = 'label';
      const cell = make('span', row);
      const fill = make('span', cell);
      fill.className = 'fill';
      fill.style.display = 'inline-block';
      fill.style.width = `${room.most ? (70 * bar.votes) / room.most : 0}%`;
      make('span', cell, ` ${bar.text}${bar.right ? ` \u2713 ${this.state.texts.rightAnswer}` : ''}`);
    }
    make('p', this.panel, room.explanation ?? '').className = 'explanation';
  }

  // For the browser tests: where the phone stands.
  hooks(): object {
    return {
      state: () => ({ ...JSON.parse(this.host.session.followJson()), connected: this.socket?.readyState === WebSocket.OPEN,
        ended: this.ended, room: this.room }),
      digests: () => JSON.parse(this.host.session.followDigests()),
      dropConnection: () => this.socket?.close(),
      vote: (choice: number) => this.vote(choice),
    };
  }
}

(window as unknown as { slidingWindowFollow: object }).slidingWindowFollow = {
  start(host: FollowHost): object { return new FollowMode(host).hooks(); },
};
