#include "com/server/Registration.h"

#include <oleauto.h>
#include <olectl.h>

#include <string>
#include <utility>
#include <vector>

#include "com/pages/PageClasses.h"
#include "com/server/Module.h"
#include "com/server/TypeInfo.h"
#include "com/server/Verbs.h"
#include "dispatch/TypeLibrary.h"

// oleaut32 exports these, and MinGW-w64's headers do not declare them.
extern "C" {
HRESULT WINAPI RegisterTypeLibForUser(ITypeLib* pLib, OLECHAR* sFullPath, OLECHAR* sHelpDir);
HRESULT WINAPI UnRegisterTypeLibForUser(REFGUID libID, WORD wMajor, WORD wMinor, LCID lcid,
                                        SYSKIND syskind);
}

namespace qv::com {

namespace {

constexpr wchar_t kProgId[] = L"QV_ColorListBox.ColorListBox";
constexpr wchar_t kDescription[] = L"ColorListBox Control";
constexpr wchar_t kMachineClasses[] = L"Software\\Classes";
constexpr DWORD kMiscStatus = OLEMISC_RECOMPOSEONRESIZE | OLEMISC_CANTLINKINSIDE |
                              OLEMISC_INSIDEOUT | OLEMISC_ACTIVATEWHENVISIBLE |
                              OLEMISC_SETCLIENTSITEFIRST;

const std::pair<const CLSID& (*)(), const wchar_t*> kPageClasses[] = {
    {&GeneralPageClassId, L"ppgGeneral"},
    {&CheckPageClassId, L"ppgCheck"},
};

std::wstring GuidText(const GUID& guid) {
    wchar_t szText[40] = L"";
    ::StringFromGUID2(guid, szText, 40);
    return szText;
}

std::wstring ModulePath() {
    wchar_t szPath[MAX_PATH] = L"";
    ::GetModuleFileNameW(Module::Instance(), szPath, MAX_PATH);
    return szPath;
}

std::wstring ClassKey() {
    return L"CLSID\\" + GuidText(ControlClassId());
}

// One value under root\sClasses\sKey; the key is made as needed.
LSTATUS SetValue(HKEY hRoot, const std::wstring& sKey, const wchar_t* sName,
                 const std::wstring& sValue) {
    HKEY hKey = nullptr;
    const std::wstring sPath = std::wstring(kMachineClasses) + L"\\" + sKey;
    LSTATUS nStatus = ::RegCreateKeyExW(hRoot, sPath.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                        &hKey, nullptr);
    if (nStatus != ERROR_SUCCESS) return nStatus;
    const auto nBytes = static_cast<DWORD>((sValue.size() + 1) * sizeof(wchar_t));
    nStatus = ::RegSetValueExW(hKey, sName, 0, REG_SZ,
                               reinterpret_cast<const BYTE*>(sValue.c_str()), nBytes);
    ::RegCloseKey(hKey);
    return nStatus;
}

LSTATUS WriteClassKeys(HKEY hRoot) {
    const std::wstring sClass = ClassKey();
    const std::wstring sPath = ModulePath();
    const std::pair<std::wstring, std::pair<const wchar_t*, std::wstring>> values[] = {
        {sClass, {nullptr, kDescription}},
        {sClass + L"\\InprocServer32", {nullptr, sPath}},
        {sClass + L"\\InprocServer32", {L"ThreadingModel", L"Apartment"}},
        {sClass + L"\\ProgID", {nullptr, kProgId}},
        {sClass + L"\\Control", {nullptr, L""}},
        {sClass + L"\\ToolboxBitmap32", {nullptr, sPath + L", 1"}},
        {sClass + L"\\MiscStatus", {nullptr, L"0"}},
        {sClass + L"\\MiscStatus\\1", {nullptr, std::to_wstring(kMiscStatus)}},
        {sClass + L"\\Version", {nullptr, L"1.0"}},
        {sClass + L"\\TypeLib", {nullptr, GuidText(LibraryId())}},
        {kProgId, {nullptr, kDescription}},
        {std::wstring(kProgId) + L"\\CLSID", {nullptr, GuidText(ControlClassId())}},
    };
    for (const auto& [sKey, value] : values) {
        const LSTATUS nStatus = SetValue(hRoot, sKey, value.first, value.second);
        if (nStatus != ERROR_SUCCESS) return nStatus;
    }
    for (const auto& [sVerb, sValue] : RegisteredVerbs()) {
        const LSTATUS nStatus = SetValue(hRoot, sClass + L"\\Verb\\" + sVerb, nullptr, sValue);
        if (nStatus != ERROR_SUCCESS) return nStatus;
    }
    return ERROR_SUCCESS;
}

// The property pages: in-process classes with a name, nothing a toolbox shows.
LSTATUS WritePageKeys(HKEY hRoot) {
    for (const auto& [pClassId, sName] : kPageClasses) {
        const std::wstring sClass = L"CLSID\\" + GuidText(pClassId());
        const std::wstring sServer = sClass + L"\\InprocServer32";
        LSTATUS nStatus = SetValue(hRoot, sClass, nullptr, sName);
        if (nStatus == ERROR_SUCCESS) nStatus = SetValue(hRoot, sServer, nullptr, ModulePath());
        if (nStatus == ERROR_SUCCESS)
            nStatus = SetValue(hRoot, sServer, L"ThreadingModel", L"Apartment");
        if (nStatus != ERROR_SUCCESS) return nStatus;
    }
    return ERROR_SUCCESS;
}

LSTATUS WriteKeys(HKEY hRoot) {
    const LSTATUS nStatus = WriteClassKeys(hRoot);
    return nStatus == ERROR_SUCCESS ? WritePageKeys(hRoot) : nStatus;
}

void DeleteClassKeys(HKEY hRoot) {
    std::vector<std::wstring> keys{ClassKey(), std::wstring(kProgId)};
    for (const auto& [pClassId, sName] : kPageClasses)
        keys.push_back(L"CLSID\\" + GuidText(pClassId()));
    for (const std::wstring& sKey : keys) {
        const std::wstring sPath = std::wstring(kMachineClasses) + L"\\" + sKey;
        ::RegDeleteTreeW(hRoot, sPath.c_str());
        ::RegDeleteKeyW(hRoot, sPath.c_str());
    }
}

SYSKIND OwnSysKind() {
    return sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32;
}

}  // namespace

DWORD ControlMiscStatus() {
    return kMiscStatus;
}

const wchar_t* ControlDescription() {
    return kDescription;
}

HRESULT RegisterServer() {
    const bool bMachine = WriteKeys(HKEY_LOCAL_MACHINE) == ERROR_SUCCESS;
    if (!bMachine) {
        DeleteClassKeys(HKEY_LOCAL_MACHINE);
        if (WriteKeys(HKEY_CURRENT_USER) != ERROR_SUCCESS) {
            DeleteClassKeys(HKEY_CURRENT_USER);
            return SELFREG_E_CLASS;
        }
    }
    ITypeLib* pLib = nullptr;
    HRESULT hr = LoadOwnTypeLib(&pLib);
    if (SUCCEEDED(hr)) {
        std::wstring sPath = ModulePath();
        hr = bMachine ? ::RegisterTypeLib(pLib, sPath.data(), nullptr)
                      : ::RegisterTypeLibForUser(pLib, sPath.data(), nullptr);
        pLib->Release();
    }
    if (FAILED(hr)) {
        UnregisterServer();
        return SELFREG_E_TYPELIB;
    }
    return S_OK;
}

HRESULT UnregisterServer() {
    DeleteClassKeys(HKEY_LOCAL_MACHINE);
    DeleteClassKeys(HKEY_CURRENT_USER);
    const TypeLibrary& library = ColorListBoxTypeLibrary();
    const auto nMajor = static_cast<WORD>(library.nMajorVersion);
    const auto nMinor = static_cast<WORD>(library.nMinorVersion);
    const LCID lcid = static_cast<LCID>(library.nLocale);
    ::UnRegisterTypeLib(LibraryId(), nMajor, nMinor, lcid, OwnSysKind());
    ::UnRegisterTypeLibForUser(LibraryId(), nMajor, nMinor, lcid, OwnSysKind());
    return S_OK;
}

}  // namespace qv::com
