// Run after linking the engine: node embed_wasm.mjs ENGINE_JS ENGINE_WASM OUTPUT_JS
//
// The page must work opened from disk, where browsers refuse to fetch a .wasm
// file, so the WebAssembly travels inside the engine's script. Embedded as
// plain base64 it compresses badly on the wire; gzip-compressed first, then
// base64, it costs little more than the module sent on its own. The page
// inflates it with the browser's DecompressionStream (engine_loader.ts).
// Emscripten's loader is minified again by esbuild, which also shortens the
// names Emscripten leaves whole without a Closure Compiler.
import { readFileSync, writeFileSync } from 'node:fs';
import { gzipSync } from 'node:zlib';
import { transformSync } from 'esbuild';

const [engineJs, engineWasm, output] = process.argv.slice(2);
if (!engineJs || !engineWasm || !output) {
  console.error('usage: embed_wasm.mjs ENGINE_JS ENGINE_WASM OUTPUT_JS');
  process.exit(2);
}
const packed = gzipSync(readFileSync(engineWasm), { level: 9 }).toString('base64');
// Not a module: the loader's top-level name, createEngine, stays as it is.
const loader = transformSync(readFileSync(engineJs, 'utf8'), { minify: true, target: 'es2020' }).code;
writeFileSync(output, `var engineWasmGzip="${packed}";\n${loader}`);
