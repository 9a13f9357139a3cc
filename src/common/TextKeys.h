#pragma once
// Texts as keys of the standard library's hash maps, looked up by QStringView without making a
// QString for every lookup.

#include <cstddef>
#include <QString>
#include <QStringView>

namespace vantrel {

// FNV-1a over the UTF-16 units: the keys are short captions, patterns and expressions, looked
// up once or more for every case of a batch.
struct TextHash {
  using is_transparent = void;
  std::size_t operator()(QStringView text) const {
    std::size_t h = 14695981039346656037ull;
    for (const QChar c : text)
      h = (h ^ c.unicode()) * 1099511628211ull;
    return h;
  }
};

struct TextEqual {
  using is_transparent = void;
  bool operator()(QStringView a, QStringView b) const { return a == b; }
};

}  // namespace vantrel
