#pragma once
// Small helpers the entry functions share: turning fuzz bytes into choices and texts.

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace vantrel::fuzz {

// A reproducible stream of choices made from the input itself (FNV-1a seeded xorshift), so that
// an input always takes the same path when it is replayed.
class Choices {
 public:
  Choices(const std::uint8_t* data, std::size_t size) {
    std::uint64_t h = 14695981039346656037ull;
    for (std::size_t i = 0; i < size; ++i)
      h = (h ^ data[i]) * 1099511628211ull;
    state_ = h | 1;
  }
  // A whole number in [low, high].
  int between(int low, int high) {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 7;
    state_ ^= state_ << 17;
    const auto span = static_cast<std::uint64_t>(static_cast<std::int64_t>(high) - low + 1);
    return low + static_cast<int>(state_ % span);
  }

 private:
  std::uint64_t state_;
};

inline QByteArray bytesOf(const std::uint8_t* data, std::size_t size) {
  return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// The input's lines (split at LF, so a CR stays part of its line), at least `count` of them.
inline QList<QByteArray> linesOf(const std::uint8_t* data, std::size_t size, int count) {
  QList<QByteArray> lines = bytesOf(data, size).split('\n');
  while (lines.size() < count)
    lines.append(QByteArray());
  return lines;
}

}  // namespace vantrel::fuzz
