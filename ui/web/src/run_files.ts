// Run files and lessons on the page: "Open run…", a file dropped on the
// page, the lessons picker, "Save run", "Save capture" and the teacher's
// note. Reading, refusing, opening and writing all happen in the C++
// session; this file only moves the file's text in and the files out.
import { WebSession } from './engine';
import { readInSteps } from './run_link';
import { pageText } from './page_language';

interface OpenAnswer { error: string; title: string; note: string; compare?: boolean }
interface SavedRun { error: string; text: string; fileName: string }
interface Lesson { name: string; title: string }

export interface RunFilesHost {
  // Runs an action the way a user's action runs, then the page catches up;
  // does nothing while the model's box is open.
  run(action: () => void): void;
  // The chart and log begin again: the run on screen is a new one.
  startOver(): void;
  // Says a sentence on the page, as the notices for a link's bad values do.
  notice(text: string): void;
  // The file held runs side by side: the session has a comparison waiting.
  compare(): void;
}

// Hands `content` to the browser as a download named `fileName`.
export function download(content: BlobPart, fileName: string, type = 'application/json'): void {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([content], { type }));
  link.download = fileName;
  document.body.appendChild(link);
  link.click();
  link.remove();
  // The download has taken its copy once the click has been handled.
  window.setTimeout(() => URL.revokeObjectURL(link.href), 10000);
}

function element<T extends HTMLElement>(id: string): T {
  return document.getElementById(id) as T;
}

export class RunFiles {
  constructor(private readonly session: WebSession, private readonly host: RunFilesHost) {}

  // The run bar's controls and dropping a file anywhere on the page.
  wire(): void {
    const input = element<HTMLInputElement>('runFileInput');
    element('openRun').addEventListener('click', () => input.click());
    input.addEventListener('change', () => {
      const file = input.files?.[0];
      input.value = ''; // the same file chosen again opens again
      if (file) this.openFile(file);
    });
    element('saveRun').addEventListener('click', () => this.save());
    // The capture at the sender, as the exporter writes it by default.
    element('saveCapture').addEventListener('click', () =>
      download(this.session.captureFile(false), this.session.captureFileName(false), 'application/vnd.tcpdump.pcap'));

    const lessons = element<HTMLSelectElement>('lessons');
    for (const lesson of JSON.parse(this.session.lessonsJson()) as Lesson[]) {
      lessons.add(new Option(lesson.title, lesson.name));
    }
    lessons.addEventListener('change', () => {
      const name = lessons.value;
      lessons.value = '';
      if (name) this.open(() => this.session.openLesson(name));
    });
    element('lessonNoteOk').addEventListener('click', () => { element('lessonNote').hidden = true; });

    const carriesFile = (event: DragEvent) => event.dataTransfer?.types.includes('Files') ?? false;
    document.addEventListener('dragover', (event) => {
      if (!carriesFile(event)) return;
      event.preventDefault();
      if (event.dataTransfer) event.dataTransfer.dropEffect = 'copy';
      document.body.classList.add('dropping');
    });
    document.addEventListener('dragleave', (event) => {
      if (event.relatedTarget === null) document.body.classList.remove('dropping');
    });
    document.addEventListener('drop', (event) => {
      document.body.classList.remove('dropping');
      if (!carriesFile(event)) return;
      event.preventDefault();
      // One run at a time, as on the desktop: several files dropped at once open none.
      const files = event.dataTransfer?.files;
      if (files && files.length === 1) this.openFile(files[0]);
    });
  }

  // What the start-up link opened, if anything: its note, or why it could
  // not open. Embedded, the note waits behind a small button over the window.
  showOpened(answerJson: string, embedded = false): void {
    const answer = JSON.parse(answerJson) as Partial<OpenAnswer>;
    if (answer.error) this.host.notice(answer.error);
    if (answer.title === undefined || answer.error) return;
    this.showNote(answer as OpenAnswer);
    if (!embedded || !answer.note) return;
    const note = element('lessonNote');
    note.hidden = true;
    const button = document.createElement('button');
    button.id = 'noteButton';
    button.textContent = pageText('Note');
    button.title = `The teacher's note: ${answer.title}`;
    button.setAttribute('aria-expanded', 'false');
    button.addEventListener('click', () => {
      note.hidden = !note.hidden;
      button.setAttribute('aria-expanded', String(!note.hidden));
    });
    element('lessonNoteOk').addEventListener('click', () => {
      note.hidden = true;
      button.setAttribute('aria-expanded', 'false');
    });
    document.body.appendChild(button);
  }

  private openFile(file: File): void {
    // A file too large is refused before a byte of it is read.
    const refusal = this.session.fileSizeRefusal(file.name, file.size);
    if (refusal) {
      this.host.notice(refusal);
      return;
    }
    // The bytes as they are, not decoded: the engine judges them as the
    // desktop does, and refuses bytes that are not UTF-8 rather than
    // reading them as replacement characters.
    // Read in steps, so that the page stays alive while a large file is read.
    file.arrayBuffer().then(
      (bytes) => readInSteps(this.session, file.name, new Uint8Array(bytes))
        .then(() => this.open(() => this.session.openRead())),
      (error: unknown) => this.host.notice(`${file.name.slice(0, 80)} cannot be opened. It could not be read: ${String(error)}.`));
  }

  private open(read: () => string): void {
    let answer: OpenAnswer | null = null;
    this.host.run(() => {
      answer = JSON.parse(read()) as OpenAnswer;
      if (!answer.error && !answer.compare) this.host.startOver();
    });
    if (answer === null) return;
    const opened: OpenAnswer = answer;
    if (opened.error) this.host.notice(opened.error);
    else this.showNote(opened);
    if (opened.compare) this.host.compare();
  }

  // Beside the window, not modal: the teacher reads it and may start at once.
  private showNote(opened: OpenAnswer): void {
    const note = element('lessonNote');
    note.hidden = !opened.note;
    element('lessonNoteTitle').textContent = opened.title;
    element('lessonNoteText').textContent = opened.note;
  }

  private save(): void {
    const saved = JSON.parse(this.session.savedRunJson()) as SavedRun;
    if (saved.error) {
      this.host.notice(saved.error);
      return;
    }
    download(saved.text, saved.fileName);
  }
}
