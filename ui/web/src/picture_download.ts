// "Download picture…": a view of the run, or of the comparison, as the
// desktop exports it. The engine writes the SVG document (title line and
// all) and the figures' CSV; the page only downloads the SVG as it is, or
// draws it on a canvas of its own size and downloads that as a PNG.
import { download } from './run_files';
import { pageText } from './page_language';

// What a picture can be made of: the single window's run or the comparison.
export interface PictureSource {
  comparison: boolean;
  ticks(): number;
  // `views`: one view name for a run, a comma-separated list for a comparison.
  pictureSvg(views: string, from: number, to: number, width: number, height: number, titled: boolean,
    safeColours: boolean, stateMarks: boolean): string;
  figuresCsv(): string;
  pictureFileName(ending: string): string;
}

export interface PictureLooks {
  safeColours(): boolean;
  stateMarks(): boolean;
}

function element<T extends HTMLElement>(id: string): T {
  return document.getElementById(id) as T;
}

function whole(id: string, fallback: number): number {
  const value = Math.floor(Number(element<HTMLInputElement>(id).value));
  return Number.isFinite(value) ? value : fallback;
}

// The SVG document drawn at its own size on a white canvas, as PNG bytes.
export async function pngOf(svg: string): Promise<Blob> {
  const image = new Image();
  const address = URL.createObjectURL(new Blob([svg], { type: 'image/svg+xml' }));
  try {
    image.src = address;
    await image.decode();
    const canvas = document.createElement('canvas');
    canvas.width = image.naturalWidth;
    canvas.height = image.naturalHeight;
    const context = canvas.getContext('2d');
    if (!context) throw new Error('no canvas');
    context.fillStyle = '#fff';
    context.fillRect(0, 0, canvas.width, canvas.height);
    context.drawImage(image, 0, 0, canvas.width, canvas.height);
    return await new Promise((done, failed) =>
      canvas.toBlob((blob) => (blob ? done(blob) : failed(new Error('no PNG'))), 'image/png'));
  } finally {
    URL.revokeObjectURL(address);
  }
}

export class PictureDownload {
  private source: PictureSource | null = null;
  private readonly dialog = element<HTMLDialogElement>('pictureDialog');

  constructor(private readonly looks: PictureLooks, private readonly notice: (text: string) => void) {
    this.dialog.addEventListener('close', () => {
      if (this.dialog.returnValue === 'download' && this.source) void this.save(this.source);
    });
    element('pictureFormat').addEventListener('change', () => this.showChoices());
  }

  // The dialog for `source`, its ticks the whole run kept so far.
  open(source: PictureSource): void {
    this.source = source;
    element('pictureViewRow').hidden = source.comparison;
    element('pictureViewsRow').hidden = !source.comparison;
    element<HTMLInputElement>('pictureTo').value = String(source.ticks());
    this.showChoices();
    this.dialog.returnValue = '';
    this.dialog.showModal();
  }

  // The figures' CSV has no views, ticks, size or title line to choose.
  private showChoices(): void {
    const csv = element<HTMLSelectElement>('pictureFormat').value === 'csv';
    for (const id of ['pictureView', 'pictureFrom', 'pictureTo', 'pictureWidth', 'pictureHeight', 'pictureTitled'])
      element<HTMLInputElement>(id).disabled = csv;
    for (const box of this.viewBoxes()) box.disabled = csv;
  }

  private viewBoxes(): HTMLInputElement[] {
    return Array.from(document.querySelectorAll<HTMLInputElement>('input[name="pictureViews"]'));
  }

  private views(source: PictureSource): string {
    if (!source.comparison) return element<HTMLSelectElement>('pictureView').value;
    return this.viewBoxes().filter((box) => box.checked).map((box) => box.value).join(',');
  }

  async save(source: PictureSource): Promise<void> {
    const format = element<HTMLSelectElement>('pictureFormat').value;
    if (format === 'csv') {
      download(source.figuresCsv(), source.pictureFileName('figures.csv'), 'text/csv');
      return;
    }
    const views = this.views(source);
    if (!views) {
      this.notice(pageText('Tick at least one view to put in the picture.'));
      return;
    }
    const from = Math.max(0, whole('pictureFrom', 0));
    // A size left empty is the engine's to choose (a slide's); one out of bounds it brings within them.
    const svg = source.pictureSvg(views, from, Math.max(from, whole('pictureTo', source.ticks())),
      whole('pictureWidth', NaN), whole('pictureHeight', NaN), element<HTMLInputElement>('pictureTitled').checked,
      this.looks.safeColours(), this.looks.stateMarks());
    const name = source.comparison ? 'comparison' : views;
    if (format === 'svg') {
      download(svg, source.pictureFileName(`${name}.svg`), 'image/svg+xml');
      return;
    }
    try {
      download(await pngOf(svg), source.pictureFileName(`${name}.png`), 'image/png');
    } catch {
      this.notice(pageText('The browser could not draw a picture this large: try a smaller width and height.'));
    }
  }
}
