// The exe carries no C++ exception runtime: nothing in the program catches
// an exception, so the few places where the standard library would throw
// (lack of memory, a string or vector past its largest size) end the program
// with a fatal error instead, as the platform does for lack of memory. Only
// the exe links this; the test programs keep the full library.
#include <cstddef>
#include <cstdlib>
#include <new>

#include "platform/win32.h"

namespace {

[[noreturn]] void OutOfMemory() {
    FatalAppExitW(0, L"Quorvel: out of memory.");
    std::abort();  // FatalAppExit does not return; the compiler cannot know
}

void* Allocate(std::size_t bytes) {
    if (void* block = std::malloc(bytes ? bytes : 1)) return block;
    OutOfMemory();
}

}  // namespace

void* operator new(std::size_t bytes) { return Allocate(bytes); }
void* operator new[](std::size_t bytes) { return Allocate(bytes); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }

// What the library headers call where they would throw.
namespace std {
void __throw_bad_alloc() { OutOfMemory(); }
void __throw_bad_array_new_length() { OutOfMemory(); }
void __throw_length_error(const char*) { OutOfMemory(); }
void __throw_logic_error(const char*) { std::abort(); }
}  // namespace std
