// Hands the engine's WebAssembly, which travels LZMA-compressed inside
// engine.js (a page opened from disk may fetch no .wasm file), to
// Emscripten's loader: decoded by the small decoder module that travels
// beside it, then instantiated.
import { lzmaDecode } from './lzma';

declare const engineWasmLzma: string;
declare const lzmaDecoderWasm: string;

type ReceiveInstance = (instance: WebAssembly.Instance, module: WebAssembly.Module) => void;

// The browser's own decoder where it has one (a fraction of a millisecond
// for the engine); else a plain loop: Uint8Array.from with a mapping
// function calls it per byte through the string's iterator, some 25 ms for
// the engine at start-up against 4 ms.
const bytesOf = (base64: string): Uint8Array<ArrayBuffer> => {
  const native = (Uint8Array as { fromBase64?: (text: string) => Uint8Array<ArrayBuffer> }).fromBase64;
  if (native) return native(base64);
  const text = atob(base64);
  const bytes = new Uint8Array(text.length);
  for (let i = 0; i < text.length; i++) bytes[i] = text.charCodeAt(i);
  return bytes;
};

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
