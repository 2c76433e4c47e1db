// Dressing the windows of the calling thread with an accepted skin: the windows that exist
// now and every one the thread creates later.
#pragma once
#include "skin_model.h"

namespace veneer {

// Takes over `skin` and dresses the calling thread's windows with it, replacing any skin the
// thread had. Called only with a skin the reader has fully validated.
void DressThread(Skin skin);

}  // namespace veneer
