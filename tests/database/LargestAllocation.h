// The largest single allocation made through operator new since the last reset, for tests that
// must see that a file is refused without taking memory for it. Linking LargestAllocation.cpp
// replaces the global operator new and delete of the test executable.
#pragma once

#include <cstddef>

void ResetLargestAllocation();
size_t LargestAllocation();
