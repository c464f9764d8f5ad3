#pragma once

#include <cstdint>

// Counts the calls of every global operator new and delete in the program. The replacements live in
// heap_counter.cpp, apart from the code under measurement.
namespace shoewise::alloctest {

std::uint64_t newCalls();
std::uint64_t deleteCalls();

}  // namespace shoewise::alloctest
