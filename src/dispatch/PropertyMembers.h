#pragma once

#include <vector>

#include "dispatch/Dispatch.h"

namespace qv::dispatch {

// The property members of the control's interface, in groups that keep the interface
// order: the image lists, styles and colours before the list methods, then Enabled, then
// ListIndex, ShowImage and MaxCheck, then the two check image indices, then TopIndex.
std::vector<MemberInfo> StyleProperties();
MemberInfo EnabledProperty();
MemberInfo ShowImageProperty();
MemberInfo ListIndexProperty();
MemberInfo MaxCheckProperty();
std::vector<MemberInfo> CheckImageProperties();
MemberInfo TopIndexProperty();

}  // namespace qv::dispatch
