// The window of the demo in a build without SDL2.
#include "qvhost/DemoWindow.h"

namespace qv::qvhost {

bool RunDemoWindow(std::string& sReason) {
    sReason = "this qvhost was built without SDL2 (install libsdl2-dev and rebuild)";
    return false;
}

}  // namespace qv::qvhost
