// Run after linking the engine: node embed_wasm.mjs ENGINE_JS ENGINE_WASM OUTPUT_JS
//
// The page must work opened from disk, where browsers refuse to fetch a .wasm
// file, so the WebAssembly travels inside the engine's script. Embedded as
// plain base64 it compresses badly on the wire; gzip-compressed first, then
// base64, it costs little more than the module sent on its own. The page
// inflates it with the browser's DecompressionStream (engine_loader.ts).
import { readFileSync, writeFileSync } from 'node:fs';
import { gzipSync } from 'node:zlib';

const [engineJs, engineWasm, output] = process.argv.slice(2);
if (!engineJs || !engineWasm || !output) {
  console.error('usage: embed_wasm.mjs ENGINE_JS ENGINE_WASM OUTPUT_JS');
  process.exit(2);
}
const packed = gzipSync(readFileSync(engineWasm), { level: 9 }).toString('base64');
writeFileSync(output, `var engineWasmGzip="${packed}";\n${readFileSync(engineJs, 'utf8')}`);
