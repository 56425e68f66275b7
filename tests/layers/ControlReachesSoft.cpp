// Compiled with the control library's include paths; it must fail at the second include.
#include "platform/win32/Gdi.h"
#include "platform/soft/gdi/SoftGdi.h"
