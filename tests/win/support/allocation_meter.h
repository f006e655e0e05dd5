// Counts the bytes the program holds through operator new, and the most it held at once.
// Linked into a test executable, it replaces the global operator new and delete.
#pragma once

#include <cstddef>

namespace vemora::test {

size_t LiveAllocatedBytes();
size_t PeakAllocatedBytes();  // since the last reset
void ResetAllocationPeak();   // the peak starts again from what is held now

}  // namespace vemora::test
