// A run carried in a link's fragment (#run=...): the run file's JSON,
// raw-deflated by the browser's own compression streams and written in
// base64url. Which run travels, its encoding, the limits and every sentence
// come from the C++ session; this file only compresses and inflates.
import { WebSession } from './engine';

interface LinkParts { query: string; run: string; error: string }
export interface SharedLink { link: string; error: string }

async function deflate(text: string): Promise<Uint8Array> {
  const stream = new Blob([text]).stream().pipeThrough(new CompressionStream('deflate-raw'));
  return new Uint8Array(await new Response(stream).arrayBuffer());
}

// Stops reading past `limit` bytes, so a small link cannot inflate into gigabytes.
async function inflate(bytes: Uint8Array<ArrayBuffer>, limit: number): Promise<{ text: string; size: number }> {
  const reader = new Blob([bytes]).stream().pipeThrough(new DecompressionStream('deflate-raw')).getReader();
  const chunks: Uint8Array[] = [];
  let size = 0;
  for (;;) {
    const { done, value } = await reader.read();
    if (done) break;
    size += value.length;
    if (size > limit) {
      await reader.cancel();
      return { text: '', size };
    }
    chunks.push(value);
  }
  const whole = new Uint8Array(size);
  let at = 0;
  for (const chunk of chunks) {
    whole.set(chunk, at);
    at += chunk.length;
  }
  return { text: new TextDecoder().decode(whole), size };
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
  const copied = () => { button.textContent = 'Link copied'; };
  const manual = () => { button.textContent = 'Copy the link beside'; };
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

// Opens the link's run paused at its start; answers as the session's opens
// do. The browser inflates no more than a run file may hold, `limit` bytes.
export async function openLinkedRun(session: WebSession, payload: string, limit: number): Promise<string> {
  const damaged = JSON.stringify({ error: session.damagedLinkSentence(), title: '', note: '' });
  const bytes = session.payloadBytes(payload);
  if (!bytes) return damaged;
  let inflated: { text: string; size: number };
  try {
    inflated = await inflate(bytes, limit);
  } catch {
    return damaged;
  }
  const refusal = session.fileSizeRefusal('The run in this link', inflated.size);
  if (refusal) return JSON.stringify({ error: refusal, title: '', note: '' });
  return session.openLinkedRun(inflated.text);
}
