// The program is built without exceptions. Where the standard library would
// throw (memory exhausted, a string longer than it can hold), the program ends
// at once, as an uncaught exception would end it. Defining these here keeps
// the library's throwing machinery (exception classes, unwinder, name
// demangler: more than 100 KB) out of the exe.
#include <cstdlib>
#include <new>

void* operator new(std::size_t size) {
  if (void* memory = std::malloc(size ? size : 1)) return memory;
  std::abort();
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return std::malloc(size ? size : 1); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace std {
void __throw_bad_alloc() { std::abort(); }
void __throw_length_error(const char*) { std::abort(); }
}  // namespace std
