#pragma once
// A broken property of the program under fuzzing: print what was expected and abort, so that
// libFuzzer keeps the input as a crash and the sanitizers print the stack.
#include <cstdio>
#include <cstdlib>
#include <string>

namespace varnloft::fuzz {

[[noreturn]] inline void Fail(const char* file, int line, const std::string& what) {
  std::fprintf(stderr, "%s:%d: property broken: %s\n", file, line, what.c_str());
  std::abort();
}

}  // namespace varnloft::fuzz

#define FUZZ_CHECK(condition, message)                                       \
  do {                                                                       \
    if (!(condition)) ::varnloft::fuzz::Fail(__FILE__, __LINE__, (message)); \
  } while (false)
