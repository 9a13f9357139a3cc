#pragma once
// The data model's number types and the failure of a conversion between numbers and text.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace vantrel {

using Integer = std::int16_t;  // the data model's whole numbers: indexes, counts, flags, twips
using Single = float;          // the data model's values, defaults and factors

namespace numtext {

// A conversion that cannot give a result. Overflow: the value does not fit the target type.
// TypeMismatch: a text that must be a complete number is not one.
class NumberError : public std::runtime_error {
 public:
  enum class Kind { Overflow, TypeMismatch };
  NumberError(Kind kind, const std::string& message) : std::runtime_error(message), kind_(kind) {}
  Kind kind() const { return kind_; }

 private:
  Kind kind_;
};

[[noreturn]] inline void throwOverflow() {
  throw NumberError(NumberError::Kind::Overflow, "Overflow");
}

}  // namespace numtext
}  // namespace vantrel
