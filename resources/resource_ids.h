// Identifiers of the executable's resources, shared by the resource script and the code.
#pragma once

#define IDI_PROGRAM 1
#define IDC_HAND_POINTER 101
