#include "datafile/DataFileError.h"

namespace vantrel::datafile {

QString DataFileError::message() const {
  if (context_.isEmpty()) return problem_;
  return problem_ + QStringLiteral(" (") + location() + QStringLiteral(")");
}

QString Place::text() const {
  const QString named = QStringLiteral("%1 %2").arg(QLatin1String(what_)).arg(number_);
  return section_ == nullptr ? named : QStringLiteral("%1, \"%2\" section").arg(named, *section_);
}

const char* DataFileError::what() const noexcept {
  what_ = message().toUtf8();
  return what_.constData();
}

}  // namespace vantrel::datafile
