#include "app/controls.h"

std::string ReadControlProperty(ControlId, int) { return {}; }
void WriteControlProperty(ControlId, int, const std::string&) {}
