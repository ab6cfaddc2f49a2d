// The random-event digests of the engine as Emscripten builds it for the
// page, in a small module of their own for the tests, which compare them
// with the native build's (digest_reference.cpp). The page itself does not
// carry the random-event driver.
#include <emscripten/bind.h>

#include "ui/web/web_session.h"

EMSCRIPTEN_BINDINGS(digest_check) { emscripten::function("randomEventDigests", &web::randomEventDigests); }
