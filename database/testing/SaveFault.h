// Test seam of the file writer; only tests include this header.
#pragma once

#include <cstddef>
#include <limits>

// Every file replacement after this call writes at most `bytes` bytes and then fails as a full disk
// would. NO_SAVE_FAULT (the default) lets every write through.
constexpr size_t NO_SAVE_FAULT = std::numeric_limits<size_t>::max();
void SetSaveFaultAfterBytes(size_t bytes);
