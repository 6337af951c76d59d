#pragma once

#include <cstddef>

namespace parvela::platform {

// How the catalogue's large lists take memory.

// Asks the system to back a large block with huge pages where it can: the
// block is then filled with a few hundred page faults instead of many
// thousands. Nothing happens where the system has no such pages.
void preferHugePages(void* block, std::size_t bytes);

// Called once at start: large lists are allocated from the heap and freed
// memory is kept, so that reading the catalogue again reuses the pages of
// the last read instead of faulting in fresh ones.
void keepFreedMemoryForReuse();

} // namespace parvela::platform
