#include "folderview/commands.h"

void Generate() {}
void Restore() {}
