#include "platform/site/FormCore.h"

namespace qv::site {

namespace {

// The ambient font of the host: MS UI Gothic, 9 points, normal weight, Shift-JIS charset.
host::FontRef MakeAmbientFont() {
    auto oFont = std::make_shared<host::StdFont>("MS UI Gothic", 9);
    oFont->SetCharset(128);
    return oFont;
}

}  // namespace

Ambient::Ambient() : m_oFont(MakeAmbientFont()) {}

bool FormCore::EndsNotificationError(ControlSiteCore& site, const HostError& error) {
    if (!m_pObserver) return false;
    m_pObserver->OnNotificationError(site, error);
    return true;
}

}  // namespace qv::site
