// The libFuzzer program of one target; the build names the entry function in VANTREL_FUZZ_ENTRY.
// A finding or an exception the code does not promise is reported with its text and aborts, so
// that libFuzzer keeps the input.

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <typeinfo>

#include "entries/FuzzEntries.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    vantrel::fuzz::VANTREL_FUZZ_ENTRY(data, size);
  } catch (const vantrel::fuzz::FuzzFinding& finding) {
    std::fprintf(stderr, "FINDING: %s\n", finding.what());
    std::abort();
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "UNEXPECTED %s: %s\n", typeid(failure).name(), failure.what());
    std::abort();
  }
  return 0;
}
