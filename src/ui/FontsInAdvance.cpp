#include "ui/FontsInAdvance.h"

#include <fontconfig/fontconfig.h>

namespace vantrel::ui {

// The toolkit asks fontconfig for its configuration through FcInit as well, which reads it once
// for the whole process and may be called from any thread.
FontsInAdvance::FontsInAdvance() : reading_([] { FcInit(); }) {}

FontsInAdvance::~FontsInAdvance() {
  reading_.join();
}

}  // namespace vantrel::ui
