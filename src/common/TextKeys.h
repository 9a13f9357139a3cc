#pragma once
// Texts as keys of the standard library's hash maps, looked up by QStringView without making a
// QString for every lookup.

#include <QHashFunctions>
#include <QString>
#include <QStringView>

namespace vantrel {

struct TextHash {
  using is_transparent = void;
  std::size_t operator()(QStringView text) const { return qHash(text); }
};

struct TextEqual {
  using is_transparent = void;
  bool operator()(QStringView a, QStringView b) const { return a == b; }
};

}  // namespace vantrel
