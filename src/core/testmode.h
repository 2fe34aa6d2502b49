#pragma once

// Test programs set ZV_TEST_MODE=1. The program keeps its stated waits and animation timings;
// in test mode they shrink to a token delay so tests run without real waiting, and the program
// stays quiet (no sounds).

bool IsTestMode();

// The interval to give a timer whose stated duration is statedMs: statedMs itself, or 1 ms in
// test mode (a zero interval would let a timer starve the event loop it is waited on in).
int TimerInterval(int statedMs);

// The build-time switch that shows unhandled errors instead of discarding them.
#ifdef ZV_DEBUG_MODE
inline constexpr bool DebugMode = true;
#else
inline constexpr bool DebugMode = false;
#endif
