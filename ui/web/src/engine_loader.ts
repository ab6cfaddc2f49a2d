// Hands the engine's WebAssembly, which travels gzip-compressed inside
// engine.js (a page opened from disk may fetch no .wasm file), to
// Emscripten's loader: inflated by the browser itself, then instantiated.
declare const engineWasmGzip: string;

type ReceiveInstance = (instance: WebAssembly.Instance, module: WebAssembly.Module) => void;

async function inflate(base64: string): Promise<ArrayBuffer> {
  const packed = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
  const stream = new Blob([packed]).stream().pipeThrough(new DecompressionStream('gzip'));
  return new Response(stream).arrayBuffer();
}

// Emscripten's instantiateWasm hook: returning an empty object tells the
// loader that the instance will arrive through `receive`.
export function instantiateEmbeddedEngine(imports: WebAssembly.Imports, receive: ReceiveInstance): object {
  inflate(engineWasmGzip)
    .then((bytes) => WebAssembly.instantiate(bytes, imports))
    .then(({ instance, module }) => receive(instance, module))
    .catch((error: unknown) => {
      throw new Error(`The simulation could not be loaded: ${String(error)}`);
    });
  return {};
}
