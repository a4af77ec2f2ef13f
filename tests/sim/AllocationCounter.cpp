// Replaces the global allocator so that a test can show that a piece of code
// makes no heap allocation. Kept apart from the tests so that the compiler
// never sees an allocation and its release inlined against malloc and free.
#include <cstdlib>
#include <new>

bool countingAllocations = false;
long allocations = 0;

void* operator new(std::size_t size) {
    if (countingAllocations) ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
