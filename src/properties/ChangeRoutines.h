#pragma once

#include <string>

#include "platform/Types.h"

namespace qv {

// The routines through which validated property setters store a new value. Each answers
// true only when it stored something; the setter's side effects run only then.

// Stores nNewValue when it differs from the member and lies within nMin .. nMax; a value
// out of range is answered with the range message box and leaves the member alone. A
// value equal to the stored one is never checked again.
bool ChangeLongInRange(Long& nMember, Long nNewValue, Long nMin, Long nMax);

// Stores the resolved colour when it differs from the member.
bool ChangeColor(OLE_COLOR& clrMember, OLE_COLOR clrNewValue);

// Stores any 16-bit value as it is when it differs from the member.
bool ChangeBoolean(Boolean& bMember, Boolean bNewValue);

// A system colour code (0x80000000 + 0 .. 24) becomes that colour's current RGB value;
// every other value passes through.
OLE_COLOR ResolveSystemColor(OLE_COLOR clrValue);

// The text of the range message: "0　～　2 の数字を設定してください" for 0 .. 2.
std::string RangeMessage(Long nMin, Long nMax);

}  // namespace qv
