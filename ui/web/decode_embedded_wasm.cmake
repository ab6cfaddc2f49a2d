# Run after linking the engine (cmake -DENGINE=.../engine.js -P this file).
#
# The engine's WebAssembly is embedded in engine.js as a base64 data: URL.
# Emscripten's loader would fetch that URL to get the bytes, a round trip
# through the browser's network stack of 30 to 40 ms on a slow machine,
# before compiling them; it can decode them in place instead, which it
# already does when fetch fails. Compilation stays asynchronous: some
# browsers refuse to compile a module this size synchronously on the page's
# thread. If a newer Emscripten writes the loader differently, the text is
# not found and engine.js is left as it is, only slower to start.
file(READ "${ENGINE}" engine)
set(fetching [[if(typeof fetch=="function"){return fetch(wasmBinaryFile,]])
set(decoding [[if(typeof fetch=="function"&&!isDataURI(wasmBinaryFile)){return fetch(wasmBinaryFile,]])
string(FIND "${engine}" "${fetching}" at)
if(at EQUAL -1)
  message(STATUS "engine.js: Emscripten's loader has changed; the embedded WebAssembly is fetched, not decoded in place")
else()
  string(REPLACE "${fetching}" "${decoding}" engine "${engine}")
  file(WRITE "${ENGINE}" "${engine}")
endif()
