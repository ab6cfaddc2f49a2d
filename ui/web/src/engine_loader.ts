// Hands the engine's WebAssembly, which travels LZMA-compressed inside
// engine.js (a page opened from disk may fetch no .wasm file), to
// Emscripten's loader: decoded here, then instantiated.
import { lzmaDecode } from './lzma';

declare const engineWasmLzma: string;

type ReceiveInstance = (instance: WebAssembly.Instance, module: WebAssembly.Module) => void;

function unpack(base64: string): Uint8Array<ArrayBuffer> {
  const packed = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
  return lzmaDecode(packed) as Uint8Array<ArrayBuffer>;
}

// Emscripten's instantiateWasm hook: returning an empty object tells the
// loader that the instance will arrive through `receive`.
export function instantiateEmbeddedEngine(imports: WebAssembly.Imports, receive: ReceiveInstance): object {
  Promise.resolve(engineWasmLzma)
    .then((packed) => WebAssembly.instantiate(unpack(packed), imports))
    .then(({ instance, module }) => receive(instance, module))
    .catch((error: unknown) => {
      throw new Error(`The simulation could not be loaded: ${String(error)}`);
    });
  return {};
}
