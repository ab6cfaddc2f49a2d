// Sharing the run on screen: "Copy link" and its QR code. The link's parts,
// its encoding and its limits are the session's (run_link.ts).
import { PageFacts, WebSession } from './engine';
import { QrView } from './qr_view';
import { copyLink, linkToRun, pageAddress, SharedLink } from './run_link';

function element<T extends HTMLElement>(id: string): T {
  return document.getElementById(id) as T;
}

export class ShareControls {
  constructor(private readonly session: WebSession, qr: PageFacts['qr'],
    private readonly notice: (text: string) => void) {
    element('copyLink').addEventListener('click', () => { void this.copy(); });
    new QrView(session, qr, () => this.link(), notice).wire();
  }

  // The settings alone, or the whole run in the fragment.
  link(): Promise<SharedLink> {
    return linkToRun(this.session, pageAddress());
  }

  private async copy(): Promise<void> {
    const { link, error } = await this.link();
    if (error) this.notice(error);
    else copyLink(element<HTMLButtonElement>('copyLink'), element<HTMLInputElement>('linkText'), link);
  }
}
