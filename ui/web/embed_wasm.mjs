// Run after linking the engine: node embed_wasm.mjs ENGINE_JS ENGINE_WASM DECODER_WASM OUTPUT_JS
//
// The page must work opened from disk, where browsers refuse to fetch a .wasm
// file, so the WebAssembly travels inside the engine's script. Embedded as
// plain base64 it compresses badly on the wire; compressed first, then
// base64, it costs little more than the compressed module on its own. LZMA
// (xz's .lzma format, no position bits: WebAssembly has no alignment to
// model) packs it about a sixth smaller than gzip at its best; browsers
// inflate only gzip and deflate, so the page decodes it with a small
// WebAssembly module of its own (lzma/lzma_decoder.cpp), carried as plain
// base64 beside it. The header gets the module's size, which xz leaves
// unknown when it writes. Emscripten's loader is minified again by esbuild,
// which also shortens the names Emscripten leaves whole without a Closure
// Compiler.
import { execFileSync } from 'node:child_process';
import { readFileSync, writeFileSync } from 'node:fs';
import { transformSync } from 'esbuild';

const [engineJs, engineWasm, decoderWasm, output] = process.argv.slice(2);
if (!engineJs || !engineWasm || !decoderWasm || !output) {
  console.error('usage: embed_wasm.mjs ENGINE_JS ENGINE_WASM DECODER_WASM OUTPUT_JS');
  process.exit(2);
}
let compressed;
try {
  compressed = execFileSync('xz', ['--format=lzma', '--lzma1=preset=9e,pb=0', '--stdout', engineWasm],
    { maxBuffer: 64 * 1024 * 1024 });
} catch (error) {
  console.error(`embed_wasm.mjs: xz could not compress the engine (${error.message}); ` +
    'scripts/install-deps web installs it');
  process.exit(1);
}
compressed.writeBigUInt64LE(BigInt(readFileSync(engineWasm).length), 5);
const packed = compressed.toString('base64');
// Not a module: the loader's top-level name, createEngine, stays as it is.
const loader = transformSync(readFileSync(engineJs, 'utf8'), { minify: true, target: 'es2020' }).code;
const decoder = readFileSync(decoderWasm).toString('base64');
writeFileSync(output, `var engineWasmLzma="${packed}",lzmaDecoderWasm="${decoder}";\n${loader}`);
