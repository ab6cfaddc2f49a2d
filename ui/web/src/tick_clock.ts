// The page's clock for one run or a comparison: one tick per timer firing,
// at the interval the engine gives and only while the engine says the clock
// runs (the speed and the rule of when it runs are the engine's). Never two
// ticks at once and no catching up: after a stall (a hidden tab, a busy
// machine) the run goes on from where it was. Beside it, the rule that one
// action runs at a time, which the clock waits on.
export interface ClockSource {
  clockRuns(): boolean;
  clockInterval(): number;
}

export interface ClockOwner {
  // Runs one tick, through the owner's own road for actions.
  tick(): void;
  // While true, the clock is not armed at all (another view has the screen).
  standsStill(): boolean;
  // While true, a firing waits: an action is running.
  busy(): boolean;
}

export class TickClock {
  private timer: number | undefined;
  private lastTickStart = 0;

  constructor(private readonly source: ClockSource, private readonly owner: ClockOwner) {}

  // Arms the timer for the next tick, unless one is armed or the clock does
  // not run. `known`: the clock as the source has just said, saving the asking.
  schedule(known?: { clockRuns: boolean; clockInterval: number }): void {
    if (this.timer !== undefined || this.owner.standsStill()) return;
    const clock = known ?? { clockRuns: this.source.clockRuns(), clockInterval: this.source.clockInterval() };
    if (!clock.clockRuns || document.hidden) return;
    const due = this.lastTickStart + clock.clockInterval;
    this.timer = window.setTimeout(() => this.fired(), Math.max(0, due - performance.now()));
  }

  // No tick until the next schedule().
  stop(): void {
    window.clearTimeout(this.timer);
    this.timer = undefined;
  }

  // The model's box was closed: the next tick waits a whole interval from now.
  restartInterval(): void {
    this.lastTickStart = performance.now();
  }

  private fired(): void {
    this.timer = undefined;
    if (!this.source.clockRuns() || document.hidden || this.owner.busy()) {
      this.schedule();
      return;
    }
    this.lastTickStart = performance.now();
    this.owner.tick();
  }
}

// One action at a time, each run to completion: an action that arrives while
// another runs (a tick firing inside a click, say) is dropped.
export class OneAtATime {
  private running = false;

  get busy(): boolean { return this.running; }

  // False when another action was running and this one was dropped.
  run(action: () => void): boolean {
    if (this.running) return false;
    this.running = true;
    try {
      action();
    } finally {
      this.running = false;
    }
    return true;
  }
}
