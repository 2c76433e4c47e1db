// Binding the skin engine's one function, by name, from the library beside the executable or
// else wherever Windows finds a library of that name.
#pragma once
#include "veneer/include/veneer.h"

// The engine's Veneer_AttachSkin, bound on the first call and remembered for the run; the
// library stays loaded until the exit clean-up. Ends the program through the fatal error report
// when no library of that name can be loaded or the loaded one lacks the function.
Veneer_AttachSkinFn AttachSkinFunction();
