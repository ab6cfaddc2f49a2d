// "Show link as QR code": the link to the run on screen as a code big enough
// to be read from the back of a room off a projector, so that every phone
// opens the same run. The code is drawn from uqr's module matrix.
import { encode } from 'uqr';
import { PageFacts, WebSession } from './engine';
import { SharedLink } from './run_link';
import { pageText } from './page_language';

export class QrView {
  private readonly box: HTMLDialogElement;
  private readonly canvas: HTMLCanvasElement;
  private readonly caption: HTMLParagraphElement;

  // The error correction and the light margin the desktop's codes have.
  constructor(private readonly session: WebSession, private readonly rules: PageFacts['qr'],
    private readonly linkOf: () => Promise<SharedLink>, private readonly notice: (text: string) => void) {
    this.box = document.createElement('dialog');
    this.box.id = 'qrBox';
    this.box.setAttribute('aria-label', 'Link as QR code');
    this.canvas = document.createElement('canvas');
    this.canvas.id = 'qrCode';
    this.canvas.setAttribute('role', 'img');
    this.caption = document.createElement('p');
    this.caption.id = 'qrCaption';
    const close = document.createElement('form');
    close.method = 'dialog';
    const ok = document.createElement('button');
    ok.textContent = pageText('Close');
    close.appendChild(ok);
    this.box.append(this.canvas, this.caption, close);
    document.body.appendChild(this.box);
  }

  // A button beside "Copy link".
  wire(): void {
    const button = document.createElement('button');
    button.id = 'showQr';
    button.textContent = pageText('QR code');
    button.title = 'Show the link to this run as a QR code, for phones in the room';
    button.addEventListener('click', () => { void this.show(); });
    document.getElementById('copyLink')?.after(button);
  }

  async show(): Promise<void> {
    const shared = await this.linkOf();
    if (shared.error) {
      this.notice(shared.error);
      return;
    }
    const refusal = this.session.qrRefusal(shared.link.length);
    if (refusal) {
      this.notice(refusal);
      return;
    }
    // uqr may raise the correction where the code has room to spare, which costs no size.
    const code = encode(shared.link, { ecc: this.rules.errorCorrection, boostEcc: true, border: 0 });
    const quietZone = this.rules.quietZone;
    const modules = code.data.length + 2 * quietZone;
    // As large as the screen allows, in whole pixels per module so every edge is sharp.
    const room = Math.min(window.innerWidth, window.innerHeight) * 0.85;
    const scale = Math.max(2, Math.floor(room / modules));
    this.canvas.width = this.canvas.height = modules * scale;
    const paint = this.canvas.getContext('2d');
    if (!paint) return;
    paint.fillStyle = '#fff';
    paint.fillRect(0, 0, this.canvas.width, this.canvas.height);
    paint.fillStyle = '#000';
    code.data.forEach((row, y) => row.forEach((dark, x) => {
      if (dark) paint.fillRect((x + quietZone) * scale, (y + quietZone) * scale, scale, scale);
    }));
    this.canvas.setAttribute('aria-label', `QR code of the link to this run (${shared.link.length} characters)`);
    this.caption.textContent = pageText('Scan to open this run (%1 characters).', shared.link.length);
    this.canvas.dataset.link = shared.link;
    if (!this.box.open) this.box.showModal();
  }
}
