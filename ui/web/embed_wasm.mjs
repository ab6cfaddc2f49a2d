// Run after linking the engine: node embed_wasm.mjs ENGINE_JS ENGINE_WASM OUTPUT_JS
//
// The page must work opened from disk, where browsers refuse to fetch a .wasm
// file, so the WebAssembly travels inside the engine's script. Embedded as
// plain base64 it compresses badly on the wire; gzip-compressed first, then
// base64, it costs little more than the module sent on its own. The page
// inflates it with the browser's DecompressionStream (engine_loader.ts).
// Zopfli writes the same gzip format as zlib, 5 % smaller. Emscripten's
// loader is minified again by esbuild, which also shortens the names
// Emscripten leaves whole without a Closure Compiler.
import { execFileSync } from 'node:child_process';
import { readFileSync, writeFileSync } from 'node:fs';
import { transformSync } from 'esbuild';

const [engineJs, engineWasm, output] = process.argv.slice(2);
if (!engineJs || !engineWasm || !output) {
  console.error('usage: embed_wasm.mjs ENGINE_JS ENGINE_WASM OUTPUT_JS');
  process.exit(2);
}
let gzipped;
try {
  gzipped = execFileSync('zopfli', ['--gzip', '-c', engineWasm], { maxBuffer: 64 * 1024 * 1024 });
} catch (error) {
  console.error(`embed_wasm.mjs: zopfli could not compress the engine (${error.message}); ` +
    'scripts/install-deps web installs it');
  process.exit(1);
}
const packed = gzipped.toString('base64');
// Not a module: the loader's top-level name, createEngine, stays as it is.
const loader = transformSync(readFileSync(engineJs, 'utf8'), { minify: true, target: 'es2020' }).code;
writeFileSync(output, `var engineWasmGzip="${packed}";\n${loader}`);
