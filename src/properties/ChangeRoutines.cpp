#include "properties/ChangeRoutines.h"

#include "platform/host/MsgBox.h"
#include "platform/win32/User.h"

namespace qv {

namespace {
constexpr OLE_COLOR kFirstSystemColor = 0x80000000;
constexpr OLE_COLOR kLastSystemColor = 0x80000018;
}  // namespace

std::string RangeMessage(Long nMin, Long nMax) {
    return std::to_string(nMin) + "\u3000\uFF5E\u3000" + std::to_string(nMax) +
           " の数字を設定してください";
}

bool ChangeLongInRange(Long& nMember, Long nNewValue, Long nMin, Long nMax) {
    if (nNewValue == nMember) return false;
    if (nNewValue < nMin || nNewValue > nMax) {
        host::MsgBox(RangeMessage(nMin, nMax), host::vbCritical | host::vbOKOnly);
        return false;
    }
    nMember = nNewValue;
    return true;
}

bool ChangeColor(OLE_COLOR& clrMember, OLE_COLOR clrNewValue) {
    const OLE_COLOR clrResolved = ResolveSystemColor(clrNewValue);
    if (clrResolved == clrMember) return false;
    clrMember = clrResolved;
    return true;
}

bool ChangeBoolean(Boolean& bMember, Boolean bNewValue) {
    if (bNewValue == bMember) return false;
    bMember = bNewValue;
    return true;
}

OLE_COLOR ResolveSystemColor(OLE_COLOR clrValue) {
    if (clrValue < kFirstSystemColor || clrValue > kLastSystemColor) return clrValue;
    return win32::GetSysColor(static_cast<int>(clrValue - kFirstSystemColor));
}

}  // namespace qv
