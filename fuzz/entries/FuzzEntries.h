#pragma once
// The fuzz targets' entry functions. Each takes one input as bytes and runs it through the real
// code; an input that breaks a promise of that code raises FuzzFinding, and an exception the code
// does not promise escapes as it is. The libFuzzer programs (fuzz/FuzzMain.cpp) and the replay
// test of kept inputs (tests/fuzz) call the same functions, so a fixed finding stays fixed.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace vantrel::fuzz {

// A broken promise found by an entry function: the text says which and with what values.
class FuzzFinding : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

// What an entry made of its input, for the replay test to check that the entry does its work.
enum class Outcome {
  Accepted,  // read, loaded or accepted as the code's happy path
  Refused,   // refused the way the code promises (not RTF, a data-file error, out of range)
};

// RTF bytes: read, cut into slices, written and read again; the second reading must equal the
// first, and every slice must be what writing and loading its range gives.
Outcome fuzzRtf(const std::uint8_t* data, std::size_t size);

// Bytes as the data file Vantrel.rtf through the whole loading sequence: either complete page
// tables or a data-file error.
Outcome fuzzDataFile(const std::uint8_t* data, std::size_t size);

// Range language. Lines: expression, entry, unit factor (read with strtof, so "nan", "inf" and
// hexadecimal floats reach it), caption, unit.
Outcome fuzzRange(const std::uint8_t* data, std::size_t size);

// Number text: the whole input as text through the leading-number rule and complete-number
// reading; and its first four bytes as a Single shown through the rest as a format pattern.
Outcome fuzzNumberText(const std::uint8_t* data, std::size_t size);

// The targets by name, as the folders of kept inputs are named.
struct Target {
  const char* name;
  Outcome (*entry)(const std::uint8_t*, std::size_t);
};
inline constexpr Target kTargets[] = {
    {"rtf", &fuzzRtf},
    {"datafile", &fuzzDataFile},
    {"range", &fuzzRange},
    {"numtext", &fuzzNumberText},
};

// Throws FuzzFinding with `what` when `holds` is false.
inline void require(bool holds, const std::string& what) {
  if (!holds) throw FuzzFinding(what);
}

}  // namespace vantrel::fuzz
