#pragma once
// The entry point of a fuzz target, called by libFuzzer or by the replay driver with one input.
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
