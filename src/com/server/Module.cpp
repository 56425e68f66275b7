#include "com/server/Module.h"

#include <atomic>
#include <string>

namespace qv::com {

namespace {

HINSTANCE g_hInstance = nullptr;
std::atomic<long> g_nObjects{0};
std::atomic<long> g_nLocks{0};

}  // namespace

void Module::SetInstance(HINSTANCE hInstance) {
    g_hInstance = hInstance;
}

HINSTANCE Module::Instance() {
    return g_hInstance;
}

void Module::ObjectCreated() {
    ++g_nObjects;
}

void Module::ObjectDestroyed() {
    --g_nObjects;
}

void Module::Lock(bool bLock) {
    if (bLock) {
        ++g_nLocks;
    } else {
        --g_nLocks;
    }
}

bool Module::CanUnload() {
    return g_nObjects == 0 && g_nLocks == 0;
}

GUID GuidFromText(std::string_view sGuid) {
    std::string sBraced(1, '{');
    sBraced.append(sGuid).push_back('}');
    wchar_t szWide[64] = L"";
    ::MultiByteToWideChar(CP_ACP, 0, sBraced.c_str(), -1, szWide, 64);
    GUID guid{};
    ::CLSIDFromString(szWide, &guid);
    return guid;
}

}  // namespace qv::com
