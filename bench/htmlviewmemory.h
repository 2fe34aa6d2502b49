#pragma once

#include <cstddef>

// Heap accounting for the viewer benchmark: the executable replaces malloc and friends with
// counting wrappers around the C library's own allocator, so that allocations made inside Qt and
// litehtml are seen as well as our own.
namespace HtmlViewMemory {

// Starts a new measurement: the peak is reset to what is in use now.
void resetPeak();
// The most bytes in use at one time since resetPeak, minus what was in use at resetPeak.
size_t peakSinceReset();
size_t inUse();

} // namespace HtmlViewMemory
