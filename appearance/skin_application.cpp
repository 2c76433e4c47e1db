#include "appearance/skin_application.h"

void DeploySkinEngine() {}
void ApplyBuiltInSkin(int32_t) {}
