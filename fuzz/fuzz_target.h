// The entry point every harness defines. libFuzzer calls it directly; in
// ordinary builds replay_main.cpp calls it once per stored input.
#pragma once

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
