// Compiled with the soft platform's include paths; it must fail at the second include.
#include "platform/soft/gdi/SoftGdi.h"
#include "control/ColorListBox.h"
