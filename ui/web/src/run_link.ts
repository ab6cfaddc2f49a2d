// A run carried in a link's fragment (#run=...): the run file's JSON,
// raw-deflated by the browser's own compression streams and written in
// base64url. Which run travels, the length limit and every sentence come
// from the C++ session; this file only compresses and inflates.
import { WebSession } from './engine';

const FragmentKey = 'run=';

interface LinkParts { query: string; run: string; error: string }
export interface SharedLink { link: string; error: string }

function toBase64Url(bytes: Uint8Array): string {
  let binary = '';
  for (let i = 0; i < bytes.length; i += 0x8000) binary += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
  return btoa(binary).replace(/\+/g, '-').replace(/\//g, '_').replace(/=+$/, '');
}

function fromBase64Url(text: string): Uint8Array<ArrayBuffer> | null {
  if (!/^[A-Za-z0-9_-]*$/.test(text) || text.length % 4 === 1) return null;
  const binary = atob(text.replace(/-/g, '+').replace(/_/g, '/') + '='.repeat((4 - (text.length % 4)) % 4));
  return Uint8Array.from(binary, (c) => c.charCodeAt(0));
}

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
  if (parts.run) link += `#${FragmentKey}${toBase64Url(await deflate(parts.run))}`;
  const refusal = session.linkRefusal(link.length);
  return refusal ? { link: '', error: refusal } : { link, error: '' };
}

// The payload of "#run=..." in a location's hash, '' when there is none.
export function runPayloadOf(hash: string): string {
  for (const part of hash.replace(/^#/, '').split('&')) {
    if (part.startsWith(FragmentKey)) return part.slice(FragmentKey.length);
  }
  return '';
}

// Opens the link's run paused at its start; answers as the session's opens do.
export async function openLinkedRun(session: WebSession, payload: string): Promise<string> {
  const damaged = JSON.stringify({ error: session.damagedLinkSentence(), title: '', note: '' });
  const bytes = fromBase64Url(payload);
  if (!bytes) return damaged;
  let inflated: { text: string; size: number };
  try {
    inflated = await inflate(bytes, 4 * 1024 * 1024);
  } catch {
    return damaged;
  }
  const refusal = session.fileSizeRefusal('The run in this link', inflated.size);
  if (refusal) return JSON.stringify({ error: refusal, title: '', note: '' });
  return session.openLinkedRun(inflated.text);
}
