#include "dresser.h"

namespace veneer {

void DressThread(Skin) {}

}  // namespace veneer
