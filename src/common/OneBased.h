#pragma once
// Tables indexed from 1 in every dimension, as the page tables and value vectors of the program
// are. Every access is checked: an index outside the bounds throws IndexError, which the window
// reports as a run-time failure instead of touching memory it does not own.

#include <stdexcept>
#include <string>
#include <vector>

namespace vantrel {

class IndexError : public std::out_of_range {
 public:
  IndexError() : std::out_of_range("Subscript out of range") {}
};

// Elements 1 ... upper().
template <typename T>
class Array1 {
 public:
  Array1() = default;
  explicit Array1(int upper, const T& init = T{}) : data_(checkedSize(upper), init) {}

  int upper() const { return static_cast<int>(data_.size()); }
  // Element 1 ... upper() in a row, for loops that have checked their bounds once.
  T* data() { return data_.data(); }
  const T* data() const { return data_.data(); }
  T& operator()(int i) { return data_[index(i)]; }
  const T& operator()(int i) const { return data_[index(i)]; }
  bool operator==(const Array1&) const = default;

 private:
  static std::size_t checkedSize(int n) {
    if (n < 0) throw IndexError();
    return static_cast<std::size_t>(n);
  }
  std::size_t index(int i) const {
    if (i < 1 || i > upper()) throw IndexError();
    return static_cast<std::size_t>(i - 1);
  }
  std::vector<T> data_;
};

// Elements (1 ... upper1(), 1 ... upper2()).
template <typename T>
class Array2 {
 public:
  Array2() = default;
  Array2(int upper1, int upper2, const T& init = T{})
      : upper1_(checked(upper1)),
        upper2_(checked(upper2)),
        data_(static_cast<std::size_t>(upper1_) * static_cast<std::size_t>(upper2_), init) {}

  int upper1() const { return upper1_; }
  int upper2() const { return upper2_; }
  T& operator()(int i, int j) { return data_[index(i, j)]; }
  const T& operator()(int i, int j) const { return data_[index(i, j)]; }

 private:
  static int checked(int n) {
    if (n < 0) throw IndexError();
    return n;
  }
  std::size_t index(int i, int j) const {
    if (i < 1 || i > upper1_ || j < 1 || j > upper2_) throw IndexError();
    return static_cast<std::size_t>(i - 1) * static_cast<std::size_t>(upper2_) +
           static_cast<std::size_t>(j - 1);
  }
  int upper1_ = 0;
  int upper2_ = 0;
  std::vector<T> data_;
};

// Elements (1 ... upper1(), 1 ... upper2(), 1 ... upper3()).
template <typename T>
class Array3 {
 public:
  Array3() = default;
  Array3(int upper1, int upper2, int upper3, const T& init = T{})
      : upper1_(checked(upper1)),
        upper2_(checked(upper2)),
        upper3_(checked(upper3)),
        data_(static_cast<std::size_t>(upper1_) * static_cast<std::size_t>(upper2_) *
                  static_cast<std::size_t>(upper3_),
              init) {}

  int upper1() const { return upper1_; }
  int upper2() const { return upper2_; }
  int upper3() const { return upper3_; }
  T& operator()(int i, int j, int k) { return data_[index(i, j, k)]; }
  const T& operator()(int i, int j, int k) const { return data_[index(i, j, k)]; }

 private:
  static int checked(int n) {
    if (n < 0) throw IndexError();
    return n;
  }
  std::size_t index(int i, int j, int k) const {
    if (i < 1 || i > upper1_ || j < 1 || j > upper2_ || k < 1 || k > upper3_) throw IndexError();
    return (static_cast<std::size_t>(i - 1) * static_cast<std::size_t>(upper2_) +
            static_cast<std::size_t>(j - 1)) *
               static_cast<std::size_t>(upper3_) +
           static_cast<std::size_t>(k - 1);
  }
  int upper1_ = 0;
  int upper2_ = 0;
  int upper3_ = 0;
  std::vector<T> data_;
};

}  // namespace vantrel
