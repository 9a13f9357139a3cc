#include "datafile/DataFileError.h"

namespace vantrel::datafile {

QString DataFileError::message() const {
  if (context_.isEmpty()) return problem_;
  return problem_ + QStringLiteral(" (") + location() + QStringLiteral(")");
}

const char* DataFileError::what() const noexcept {
  what_ = message().toUtf8();
  return what_.constData();
}

}  // namespace vantrel::datafile
