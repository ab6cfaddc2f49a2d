// Hands the engine's WebAssembly, which travels LZMA-compressed inside
// engine.js (a page opened from disk may fetch no .wasm file), to
// Emscripten's loader: decoded by the small decoder module that travels
// beside it, then instantiated.
import { lzmaDecode } from './lzma';

declare const engineWasmLzma: string;
declare const lzmaDecoderWasm: string;

type ReceiveInstance = (instance: WebAssembly.Instance, module: WebAssembly.Module) => void;

const bytesOf = (base64: string): Uint8Array<ArrayBuffer> => Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));

// Emscripten's instantiateWasm hook: returning an empty object tells the
// loader that the instance will arrive through `receive`.
export function instantiateEmbeddedEngine(imports: WebAssembly.Imports, receive: ReceiveInstance): object {
  lzmaDecode(bytesOf(lzmaDecoderWasm), bytesOf(engineWasmLzma))
    .then((bytes) => WebAssembly.instantiate(bytes, imports))
    .then(({ instance, module }) => receive(instance, module))
    .catch((error: unknown) => {
      throw new Error(`The simulation could not be loaded: ${String(error)}`);
    });
  return {};
}
