// The script engine interfaces' identifiers, which the MinGW import libraries lack.
#include <objbase.h>

#include <initguid.h>

#include <activscp.h>
