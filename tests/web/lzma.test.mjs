// The page's LZMA decoder (the module the built site carries) against xz's encoder: what xz packs comes back byte
// for byte, with every kind of packet the format has (literals, matched
// literals after a match, short and long repeats, near and far matches), in
// each setting of the literal and position bits; damage is refused, never
// decoded into something else.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join } from 'node:path';
import { randomBytes } from 'node:crypto';
import { fileURLToPath } from 'node:url';

const require = createRequire(new URL('../../ui/web/package.json', import.meta.url));
const { buildSync } = require('esbuild');
const source = fileURLToPath(new URL('../../ui/web/src/lzma.ts', import.meta.url));
const bundled = buildSync({ entryPoints: [source], bundle: true, format: 'esm', write: false });
const { lzmaDecode } = await import(`data:text/javascript;base64,${Buffer.from(bundled.outputFiles[0].text).toString('base64')}`);
const engineScript = readFileSync(join(process.env.SWD_WEB_SITE, 'engine.js'), 'utf8');
const decoderModule = new Uint8Array(Buffer.from(/lzmaDecoderWasm="([^"]*)"/.exec(engineScript)[1], 'base64'));
const decode = (packed) => lzmaDecode(decoderModule, packed);

// As embed_wasm.mjs packs the engine: .lzma, with the size written into the header.
function pack(bytes, options) {
  const packed = execFileSync('xz', ['--format=lzma', `--lzma1=${options}`, '--stdout'], { input: bytes });
  packed.writeBigUInt64LE(BigInt(bytes.length), 5);
  return new Uint8Array(packed);
}

// Text with repeats near and far, random stretches, and runs of one byte.
function mixed(size) {
  const words = ['window', 'packet ', 'ACK', 'timeout', '\u00e9t\u00e9 ', '\x00\x01\x02'];
  const parts = [];
  let total = 0;
  let seed = 7;
  const next = () => (seed = (seed * 1103515245 + 12345) >>> 0);
  while (total < size) {
    const choice = next() % 10;
    const part = choice < 6 ? Buffer.from(words[next() % words.length]) :
      choice < 8 ? randomBytes(1 + (next() % 40)) : Buffer.alloc(1 + (next() % 300), next() & 0xff);
    parts.push(part);
    total += part.length;
  }
  const text = Buffer.concat(parts);
  // A long stretch repeated from far back: a distance past the aligned bits.
  return Buffer.concat([text, text.subarray(0, Math.min(text.length, 70000))]);
}

test('what xz packs comes back byte for byte, in every setting of the literal and position bits', async () => {
  const inputs = [Buffer.alloc(0), Buffer.from('a'), randomBytes(5000), mixed(200000)];
  for (const options of ['preset=9e,pb=0', 'preset=6', 'preset=1,lc=0,lp=2,pb=2', 'preset=6,lc=4,lp=0,pb=4']) {
    for (const input of inputs) {
      const decoded = await decode(pack(input, options));
      assert.equal(Buffer.compare(Buffer.from(decoded), input), 0, `${options}, ${input.length} bytes`);
    }
  }
});

test('a damaged or cut stream is refused, and the engine the site carries comes back whole', async () => {
  const input = mixed(20000);
  const packed = pack(input, 'preset=6');
  await assert.rejects(decode(packed.subarray(0, packed.length >> 1)), /cut short|damaged/);
  await assert.rejects(decode(packed.subarray(0, 8)), /cut short/);
  const unknownSize = packed.slice();
  unknownSize.fill(0xff, 5, 13);
  await assert.rejects(decode(unknownSize), /size/);
  // Flipped bits decode to an error or to other bytes, never past the size the header gives.
  for (let at = 20; at < packed.length; at += 97) {
    const damaged = packed.slice();
    damaged[at] ^= 0x5a;
    try {
      assert.equal((await decode(damaged)).length, input.length);
    } catch (error) {
      assert.match(String(error), /damaged|cut short/);
    }
  }

  const engine = Buffer.from(/engineWasmLzma="([^"]*)"/.exec(engineScript)[1], 'base64');
  const module = await decode(new Uint8Array(engine));
  assert.ok(WebAssembly.validate(module), 'the engine decodes to a valid module');
});
