// Counts the program's allocations: operator new is replaced in allocations.cpp.
#pragma once

#include <cstddef>

namespace quorbel::bench {

// Calls of the global operator new since the program started.
std::size_t allocationCount();

}  // namespace quorbel::bench
