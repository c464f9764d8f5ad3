#pragma once

namespace shoewise::bench {

// How many times the global operator new has been called in this program so far. Linking
// heap_count.cpp replaces operator new to count; it lives in its own file so that the compiler never
// sees the counting new and the freeing delete inlined together.
long heapAllocations();

}  // namespace shoewise::bench
