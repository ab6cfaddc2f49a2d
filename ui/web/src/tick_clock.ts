// The page's clock for one run or a comparison: one tick per timer firing,
// at the interval the engine gives and only while the engine says the clock
// runs (the speed and the rule of when it runs are the engine's). Never two
// ticks at once and no catching up: after a stall (a hidden tab, a busy
// machine) the run goes on from where it was.
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

  // Arms the timer for the next tick, unless one is armed or the clock does not run.
  schedule(): void {
    if (this.timer !== undefined || this.owner.standsStill()) return;
    if (!this.source.clockRuns() || document.hidden) return;
    const due = this.lastTickStart + this.source.clockInterval();
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
