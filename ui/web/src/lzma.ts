// Decodes the engine's WebAssembly, which travels LZMA-compressed inside
// engine.js (about a sixth smaller than gzip; browsers inflate only gzip and
// deflate). The decoding itself is a small WebAssembly module of its own
// (lzma/lzma_decoder.cpp), fast from its first call, where a decoder in
// script held up the page's first picture until the browser optimised it.

interface DecoderExports {
  memory: WebAssembly.Memory;
  lzma_probabilities(input: number): number;
  lzma_decode(input: number, inputSize: number, out: number, size: number, probabilities: number): number;
}

const HeaderBytes = 13;
const PageBytes = 65536;

// `packed`: the .lzma format, with the uncompressed size in its header.
export async function lzmaDecode(
  decoderModule: Uint8Array<ArrayBuffer>,
  packed: Uint8Array,
): Promise<Uint8Array<ArrayBuffer>> {
  if (packed.length < HeaderBytes) throw new Error('LZMA stream cut short');
  const header = new DataView(packed.buffer, packed.byteOffset, HeaderBytes);
  const size = header.getUint32(5, true);
  if (header.getUint32(9, true) !== 0) throw new Error('LZMA stream without a usable size');
  const { instance } = await WebAssembly.instantiate(decoderModule);
  const decoder = instance.exports as unknown as DecoderExports;
  // Everything goes above the decoder's own memory: the input, the output, the probabilities.
  const memory = decoder.memory;
  const input = memory.buffer.byteLength;
  const out = input + packed.length;
  const probabilities = (out + size + 1) & ~1;
  const growTo = (end: number) =>
    memory.grow(Math.max(0, Math.ceil((end - memory.buffer.byteLength) / PageBytes)));
  growTo(probabilities);
  new Uint8Array(memory.buffer, input, packed.length).set(packed);
  growTo(probabilities + 2 * decoder.lzma_probabilities(input));
  const status = decoder.lzma_decode(input, packed.length, out, size, probabilities);
  if (status !== 0) throw new Error(status === 1 ? 'LZMA stream cut short' : 'damaged LZMA stream');
  return new Uint8Array(memory.buffer.slice(out, out + size));
}
