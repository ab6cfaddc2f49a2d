// A run carried in a link's fragment (#run=...): the run file's JSON,
// raw-deflated by the browser's own compression streams and written in
// base64url. Which run travels, its encoding, the limits and every sentence
// come from the C++ session; this file only compresses and inflates.
import { WebSession } from './engine';
import { pageText } from './page_language';

interface LinkParts { query: string; run: string; error: string }
export interface SharedLink { link: string; error: string }

async function deflate(text: string): Promise<Uint8Array> {
  const stream = new Blob([text]).stream().pipeThrough(new CompressionStream('deflate-raw'));
  return new Uint8Array(await new Response(stream).arrayBuffer());
}

// The compressed bytes go in a kilobyte at a time, and the inflated text is
// counted as it comes out: a kilobyte inflates to at most about a megabyte,
// so no single step of the browser's inflater holds the page for long, and
// inflation stops as soon as the text passes `limit`. Null when the stream
// is damaged (the browser also refuses bytes after its end), 'too large'
// past the limit.
const InflateSlice = 1024;

async function inflate(bytes: Uint8Array<ArrayBuffer>, limit: number): Promise<Uint8Array | 'too large' | null> {
  const inflater = new DecompressionStream('deflate-raw');
  const writer = inflater.writable.getWriter();
  const reader = inflater.readable.getReader();
  const chunks: Uint8Array[] = [];
  let size = 0;
  let failed = false;
  const feeding = (async () => {
    for (let at = 0; at < bytes.length; at += InflateSlice) {
      await writer.write(bytes.subarray(at, at + InflateSlice));
    }
    await writer.close();
  })().catch(() => { failed = true; });
  try {
    for (;;) {
      const { done, value } = await reader.read();
      if (done) break;
      size += value.length;
      if (size > limit) {
        await reader.cancel();
        await feeding;
        return 'too large';
      }
      chunks.push(value);
    }
  } catch {
    return null;
  }
  await feeding;
  if (failed) return null;
  const whole = new Uint8Array(size);
  let at = 0;
  for (const chunk of chunks) {
    whole.set(chunk, at);
    at += chunk.length;
  }
  return whole;
}

// The page's own address, without its query or fragment.
export function pageAddress(): string {
  return location.href.replace(/[?#].*$/, '');
}

// Puts `link` on the clipboard and in `field` beside `button`, selected, for
// a browser that refuses the clipboard; the button says which happened for a while.
export function copyLink(button: HTMLButtonElement, field: HTMLInputElement, link: string): void {
  field.value = link;
  field.hidden = false;
  field.select();
  const caption = 'Copy link';
  const copied = () => { button.textContent = pageText('Link copied'); };
  const manual = () => { button.textContent = pageText('Copy the link beside'); };
  if (navigator.clipboard) navigator.clipboard.writeText(link).then(copied, manual);
  else manual();
  window.setTimeout(() => { button.textContent = caption; }, 2500);
}

// The link to the run on screen at `address`, or the sentence refusing it.
export async function linkToRun(session: WebSession, address: string): Promise<SharedLink> {
  const parts = JSON.parse(session.linkPartsJson()) as LinkParts;
  if (parts.error) return { link: '', error: parts.error };
  let link = parts.query ? `${address}?${parts.query}` : address;
  if (parts.run) link += `#${session.runFragment(await deflate(parts.run))}`;
  const refusal = session.linkRefusal(link.length);
  return refusal ? { link: '', error: refusal } : { link, error: '' };
}

// Reads `text` (a file's bytes, or a link's inflated run when `fileName`
// is '') in the session's steps, letting the browser draw and take input
// between them. Nothing changes on screen until the session opens what it read.
export async function readInSteps(session: WebSession, fileName: string, text: Uint8Array): Promise<void> {
  session.beginReading(fileName, text);
  while (!session.readStep()) await new Promise((next) => setTimeout(next, 0));
}

// Opens the link's run paused at its start; answers as the session's opens do.
export async function openLinkedRun(session: WebSession, payload: string): Promise<string> {
  const refused = (error: string) => JSON.stringify({ error, title: '', note: '' });
  const bytes = session.payloadBytes(payload);
  if (!bytes) return refused(session.damagedLinkSentence());
  const inflated = await inflate(bytes, session.linkInflateLimit());
  if (inflated === null) return refused(session.damagedLinkSentence());
  if (inflated === 'too large') return refused(session.linkTooLargeSentence());
  await readInSteps(session, '', inflated);
  return session.openRead();
}
