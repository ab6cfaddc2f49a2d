// The shapes of what the engine hands the page. Everything here is data the
// C++ session wrote; the page decides nothing about the simulation.

export interface WebSession {
  tick(): void;
  // The user's gesture on the control named `control`: flight button `index`, a slider moved to `value`.
  use(control: string, index: number, value: number): void;
  step(): void;
  stepBack(): void;
  rewindTo(tick: number): boolean;
  // Rewinds to a tick reached, or steps on to a later one; the tick reached.
  goToTick(tick: number): number;
  setSpeed(index: number): void;
  takeMessage(): string;
  messageClosed(): void;
  clockRuns(): boolean;
  clockInterval(): number;
  speedIndex(): number;
  ticks(): number;
  layoutJson(): string;
  windowJson(): string;
  changesJson(): string;
  // A Frame: everything the page reads after a tick or an action, in one call.
  frameJson(): string;
  viewOptionsJson(): string;
  flightName(ack: boolean, slot: number): string;
  // The keyboard's next pick after an arrow from `slot` (-1: none): a FlightPick, or null to stay.
  nextPickJson(ack: boolean, slot: number, arrow: PickArrow): string;
  samplesJson(from: number): string;
  logJson(from: number): string;
  linkQuery(): string;
  linkOutcomeJson(): string;
  digest(): string;
  // The file's bytes, undecoded; a string is taken as UTF-8.
  openRunText(fileName: string, text: string | Uint8Array): string;
  openLesson(name: string): string;
  fileSizeRefusal(fileName: string, bytes: number): string;
  lessonsJson(): string;
  savedRunJson(): string;
  // The run as a packet capture (.pcap), its bytes and the name for the download.
  captureFile(atReceiver: boolean): Uint8Array<ArrayBuffer>;
  captureFileName(atReceiver: boolean): string;
  openedJson(): string;
  setPractice(on: boolean): void;
  practiceJson(): string;
  answerPractice(choice: number): void;
  skipPractice(): void;
  setQuestionsPerMinute(questions: number): void;
  practiceSummary(): string;
  protocolsJson(): string;
  protocolInForce(): string;
  applyProtocol(name: string): boolean;
  statusLine(): string;
  linkLanguage(): string;
  linkSimulationTexts(): boolean;
  linkPartsJson(): string;
  // "run=" and the base64url of a run the browser raw-deflated.
  runFragment(deflated: Uint8Array): string;
  // The base64url after "run=" in a location's fragment, '' for none; its bytes, null when damaged.
  fragmentPayload(hash: string): string;
  payloadBytes(payload: string): Uint8Array<ArrayBuffer> | null;
  linkRefusal(characters: number): string;
  qrRefusal(characters: number): string;
  openLinkedRun(json: string): string;
  damagedLinkSentence(): string;
  linkInflateLimit(): number;
  linkTooLargeSentence(): string;
  beginReading(fileName: string, text: string | Uint8Array): void;
  readStep(): boolean;
  openRead(): string;
  ladderViewJson(width: number): string;
  ladderSvg(from: number, to: number, width: number, safeColours: boolean, stateMarks: boolean): string;
  ladderPick(from: number, to: number, width: number, x: number, y: number): number;
  pictureSvg(view: string, from: number, to: number, width: number, height: number, titled: boolean,
    safeColours: boolean, stateMarks: boolean): string;
  figuresCsv(): string;
  pictureFileName(ending: string): string;
  ladderJson(from: number, to: number): string;
  lossesJson(): string;
  setLossRates(packetPercent: number, ackPercent: number, seed: number): void;
  addPlannedLoss(ack: boolean, number: number, transmission: number): boolean;
  removePlannedLoss(index: number): void;
  figuresJson(): string;
  comparisonWaiting(): boolean;
  // Following a classroom session (web_session.h).
  followJson(): string;
  followJoin(device: string): string;
  followVote(question: number, choice: number): string;
  followTake(text: string): string;
  followAdvance(ticks: number): boolean;
  followOwed(): number;
  followPredict(ticks: number): number;
  followAhead(): number;
  followOwnCopy(own: boolean): void;
  followDigests(): string;
}

export type PickArrow = 'up' | 'down' | 'left' | 'right';
export interface FlightPick { ack: boolean; slot: number }

// What the Network panel works on: the single run's losses or a comparison's.
export type LossHolder = Pick<WebSession, 'lossesJson' | 'setLossRates' | 'addPlannedLoss' | 'removePlannedLoss'>;

export interface PlannedLoss { ack: boolean; number: number; transmission: number; text: string }
export interface Losses {
  packetPercent: number; ackPercent: number; seed: number; maxPercent: number; maxPlanned: number;
  planned: PlannedLoss[]; summary: string; any: boolean;
}

// The figures table: a row per title, a cell per configuration, as the desktop shows them.
export interface Figures {
  tick: number;
  rows: string[];
  labels: string[];
  cells: string[][];
  values: { delivered: number; retransmissions: number; timeouts: number; drops: number; goodput: number;
    recentGoodput: number }[];
}

// Two or three configurations from one clock (ui/web/web_comparison.h).
export interface WebComparison extends LossHolder {
  error(): string;
  size(): number;
  label(index: number): string;
  tick(): void;
  use(index: number, control: string, target: number, value: number): void;
  step(): void;
  stepBack(): void;
  rewindTo(tick: number): boolean;
  setSpeed(index: number): void;
  speedIndex(): number;
  ticks(): number;
  clockRuns(): boolean;
  clockInterval(): number;
  takeMessage(): string;
  messageClosed(): void;
  windowJson(index: number): string;
  changesJson(index: number): string;
  flightName(index: number, ack: boolean, slot: number): string;
  nextPickJson(index: number, ack: boolean, slot: number, arrow: PickArrow): string;
  samplesJson(from: number): string;
  figuresJson(): string;
  statusLine(): string;
  linkQuery(): string;
  savedRunJson(): string;
  digest(index: number): string;
  pictureSvg(views: string, from: number, to: number, width: number, height: number, titled: boolean,
    safeColours: boolean, stateMarks: boolean): string;
  figuresCsv(): string;
  pictureFileName(ending: string): string;
  ladderViewJson(index: number, width: number): string;
  ladderSvg(index: number, from: number, to: number, width: number, safeColours: boolean, stateMarks: boolean): string;
  ladderPick(index: number, from: number, to: number, width: number, x: number, y: number): number;
  delete(): void;
}
export interface ComparisonSamples { from: number; txWindow: number[][]; goodput: number[][] }

export interface Engine {
  WebSession: new (address: string) => WebSession;
  WebComparison: new (session: WebSession, choices: string) => WebComparison;
  pageFactsJson(): string;
  PageLanguage: new () => PageLanguage;
  languagesJson(): string;
  chooseLanguage(preferred: string): string;
  // The caption a packet or ACK shows where its whole caption cannot be read (a phone).
  shortFlightCaption(ack: boolean, caption: string): string;
  // Only in the site `make bench` builds for its measurements.
  busyTickNanoseconds?(ticks: number): number;
}

// What the page must know that the desktop knows too (ui/web/page_facts.h).
export interface PageFacts {
  speeds: string[];
  runFileLimitBytes: number;
  qr: { errorCorrection: 'L' | 'M' | 'Q' | 'H'; quietZone: number };
}

// One control of the window's layout table (frontend/window_layout.h), in twips.
export interface LayoutControl {
  name: string;
  kind: 'cell' | 'label' | 'bar' | 'box' | 'frame' | 'button' | 'check' | 'vslider' | 'hslider' | 'flight';
  left: number;
  top: number;
  width: number;
  height: number;
  font: number;
  bold: boolean;
  align: string;
}
export interface Layout {
  twipsPerPixel: number;
  clientWidth: number;
  clientHeight: number;
  fontFamilies: string;
  smallestFontPercent: number;
  colours: Record<'window' | 'label' | 'panelButton' | 'buttonText' | 'windowText' | 'grayText' | 'cellBox' |
    'arrow' | 'frame' | 'timeoutBar', string>;
  borders: { box: number; frame: number; arrow: number };
  controls: LayoutControl[];
  tabOrder: string[];
  // The panel's figures: a title, the label with its number, the slider that sets it ('' for none).
  figures: { title: string; value: string; slider: string }[];
  lines: { x1: number; y1: number; x2: number; y2: number }[];
}

export interface LabelState { caption: string; colour: string; left: number; top: number; visible: boolean }
export interface FlightState { caption: string; left: number; top: number; width: number; visible: boolean; held: boolean }
export interface FrameState { left: number; width: number; visible: boolean }
export interface CheckState { caption: string; value: boolean; enabled: boolean }
export interface SliderState { value: number; min: number; max: number; step: number }
export interface WindowState {
  lblTx: LabelState[];
  lblRx: LabelState[];
  shpTimeOut: number[];
  cmdPacket: FlightState[];
  cmdACK: FlightState[];
  shpTxWindow: FrameState;
  shpRxWindow: FrameState;
  labels: Record<string, LabelState>;
  buttons: Record<string, string>;
  checks: Record<string, CheckState>;
  sliders: Record<string, SliderState>;
  run: RunState;
}
export interface RunState { tick: number; clockOn: boolean; speed: number; canStepBack: boolean }

// What changed since the last call: arrays come keyed by index, and a
// member that did not change is left out.
export interface Frame {
  changes: WindowChanges;
  clockRuns: boolean;
  clockInterval: number;
  // A modal box to show, '' for none; taken: the clock stands until it is closed.
  message: string;
  // The practice panel as practiceJson() gives it, null when unchanged since the last frame.
  practice: object | null;
}

export interface WindowChanges {
  lblTx?: Record<string, LabelState>;
  lblRx?: Record<string, LabelState>;
  shpTimeOut?: Record<string, number>;
  // A flight sent before comes with only the members that changed.
  cmdPacket?: Record<string, Partial<FlightState>>;
  cmdACK?: Record<string, Partial<FlightState>>;
  shpTxWindow?: FrameState;
  shpRxWindow?: FrameState;
  labels?: Record<string, LabelState>;
  buttons?: Record<string, string>;
  checks?: Record<string, CheckState>;
  sliders?: Record<string, SliderState>;
  run?: RunState;
}

// The view options' tables, the ones the desktop reads (frontend/cell_states.h,
// frontend/view_texts.h, frontend/chart_looks.h).
export interface CellStateLook { strip: 'tx' | 'rx'; colour: string; safe: string; mark: string; words: string; legend: string }
export interface FigureLook { name: string; colour: string; width: number; dash: 'solid' | 'dashed' | 'dotted' }
export interface MarkerLook {
  bit: number; name: string; colour: string; size: number;
  shape: 'triangle' | 'star' | 'square' | 'diamond' | 'circle' | 'pentagon';
  place: 'peak' | 'window' | 'bottom';
}
export interface ViewOptions {
  cellStates: CellStateLook[];
  safeTimeoutBar: string;
  cellMarkPixels: number;
  flightTextPixels: number;
  heldOutline: string;
  focusRing: string;
  lostMark: string;
  lostHere: string;
  lostMarkMilliseconds: number;
  flightRule: string;
  flightAreaName: string;
  flightAreaDescription: string;
  legend: Record<'senderHeading' | 'timeoutBar' | 'receiverHeading' | 'othersHeading' | 'frame' | 'heldMarked' |
    'heldUnmarked' | 'lost', string>;
  chart: {
    figures: FigureLook[];
    markers: MarkerLook[];
    avoidance: { name: string; colour: string; alpha: number };
    cursor: string;
    // One colour and one dash (none for solid) per configuration of a comparison.
    configurations: string[];
    configurationDashes: number[][];
  };
}

export interface Samples {
  from: number;
  txWindow: number[];
  ssThresh: (number | null)[]; // null while Slow Start is off
  flight: number[];
  rxWindow: number[];
  markers: number[];
  avoidance: number[];
}

export interface LogEntry { tick: number; side: 'sender' | 'receiver' | 'user'; text: string }

// The page's language (ui/web/page_language.h).
export interface PageLanguage {
  add(simulation: boolean, english: string, translation: string): void;
  finish(language: string): void;
  usePseudo(): void;
  text(english: string): string;
  setSimulationTexts(translated: boolean): void;
  language(): string;
  rightToLeft(): boolean;
}

export interface LanguageChoice {
  tag: string;
  file: string;
  name: string;
  rtl: boolean;
}
