#pragma once

#include <string>

namespace qv::qvhost {

// Shows the demo form in a window of the desktop until the user closes it. False, with
// the reason in sReason, when no window can be opened (no display, or no window support
// in this build). With QV_DEMO_FRAMES set to a folder, the first frame shown and the last
// one are written there as first.png and last.png, so that a test can look at them.
bool RunDemoWindow(std::string& sReason);

}  // namespace qv::qvhost
