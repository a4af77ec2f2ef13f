#pragma once

// Whether this build can start threads: the browser build has none, and
// flies on the caller's thread what would run beside it.
#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
constexpr bool threadsAvailable = false;
#else
constexpr bool threadsAvailable = true;
#endif
