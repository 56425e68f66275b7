// The library as a process sees it: unloaded once its objects are gone, and registered for
// the user alone where the machine-wide keys cannot be written.
#include <gtest/gtest.h>
#include <olectl.h>

#include <string>

#include "ComTestSupport.h"

namespace qv::com::test {
namespace {

constexpr wchar_t kLibraryName[] = L"QV_ColorListBox.ocx";

// A control made, filled, given a font and drawn, then released: everything the library
// keeps per thread is used once.
void UseOneControl(const ServerLibrary& library) {
    ComRef<IDispatch> list;
    ASSERT_EQ(library.CreateControl(IID_IDispatch, list.OutVoid()), S_OK);
    for (int i = 0; i < 5; ++i) {
        Var vText = Var::Text(L"Item");
        ASSERT_EQ(Call(list.Get(), L"AddItem", DISPATCH_METHOD, {&vText.v}), S_OK);
    }
    ComRef<IViewObject2> view;
    ASSERT_EQ(list->QueryInterface(IID_IViewObject2, view.OutVoid()), S_OK);
    Canvas canvas(60, 40);
    const RECTL rcBounds{0, 0, 60, 40};
    EXPECT_EQ(view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, canvas.DC(), &rcBounds,
                         nullptr, nullptr, 0),
              S_OK);
}

TEST(LibraryLifetime, FreeingTheLibraryUnloadsItOnceItsObjectsAreGone) {
    ASSERT_EQ(::GetModuleHandleW(kLibraryName), nullptr);
    {
        ServerLibrary library;
        ASSERT_TRUE(library.IsLoaded());
        UseOneControl(library);
        EXPECT_EQ(library.CanUnloadNow(), S_OK);
    }
    EXPECT_EQ(::GetModuleHandleW(kLibraryName), nullptr) << "still loaded after FreeLibrary";
    // Loaded again, it works as the first time.
    ServerLibrary library;
    UseOneControl(library);
    EXPECT_EQ(library.CanUnloadNow(), S_OK);
}

// Stands in for the registry's machine-wide and per-user roots in this process: the machine
// keys refuse every write, the user's keys are a scratch key that the test removes.
class RedirectedRoots {
  public:
    RedirectedRoots() {
        ::RegDeleteTreeW(HKEY_CURRENT_USER, kScratch);
        const std::wstring sMachine = std::wstring(kScratch) + L"\\Machine";
        const std::wstring sUser = std::wstring(kScratch) + L"\\User";
        ::RegCreateKeyExW(HKEY_CURRENT_USER, sUser.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                          &m_hUser, nullptr);
        // Read-only, and volatile as well: a volatile key refuses lasting subkeys whatever
        // the rights of the handle.
        HKEY hMade = nullptr;
        ::RegCreateKeyExW(HKEY_CURRENT_USER, sMachine.c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                          KEY_ALL_ACCESS, nullptr, &hMade, nullptr);
        ::RegCloseKey(hMade);
        ::RegOpenKeyExW(HKEY_CURRENT_USER, sMachine.c_str(), 0, KEY_READ, &m_hMachine);
        m_bRedirected = m_hMachine && m_hUser &&
                        ::RegOverridePredefKey(HKEY_LOCAL_MACHINE, m_hMachine) == ERROR_SUCCESS &&
                        ::RegOverridePredefKey(HKEY_CURRENT_USER, m_hUser) == ERROR_SUCCESS;
    }
    ~RedirectedRoots() {
        ::RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
        ::RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        ::RegCloseKey(m_hMachine);
        ::RegCloseKey(m_hUser);
        ::RegDeleteTreeW(HKEY_CURRENT_USER, kScratch);
    }
    RedirectedRoots(const RedirectedRoots&) = delete;
    RedirectedRoots& operator=(const RedirectedRoots&) = delete;

    bool Redirected() const { return m_bRedirected; }
    HKEY Machine() const { return m_hMachine; }
    HKEY User() const { return m_hUser; }

  private:
    static constexpr wchar_t kScratch[] = L"Software\\QV_ColorListBox registration test";
    HKEY m_hMachine = nullptr;
    HKEY m_hUser = nullptr;
    bool m_bRedirected = false;
};

// The default value of root\Software\Classes\sKey, or "(none)".
std::wstring ClassesValue(HKEY hRoot, const std::wstring& sKey) {
    const std::wstring sPath = L"Software\\Classes\\" + sKey;
    wchar_t szValue[MAX_PATH] = L"";
    DWORD nBytes = sizeof szValue;
    if (::RegGetValueW(hRoot, sPath.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, szValue, &nBytes) !=
        ERROR_SUCCESS)
        return L"(none)";
    return szValue;
}

TEST(PerUserRegistration, WithoutWritableMachineKeysTheUsersKeysAreWrittenAndRemoved) {
    ServerLibrary library;
    ASSERT_TRUE(library.IsLoaded());
    RedirectedRoots roots;
    ASSERT_TRUE(roots.Redirected());
    const std::wstring sControl = L"CLSID\\{4A59219E-6CDD-43B9-8A4A-7A6856806ACF}";
    struct Case {
        std::wstring sKey;
        std::wstring sValue;
    };
    const Case cases[] = {
        {sControl + L"\\InprocServer32", library.Path()},
        {sControl + L"\\ProgID", L"QV_ColorListBox.ColorListBox"},
        {sControl + L"\\Version", L"1.0"},
        {L"QV_ColorListBox.ColorListBox\\CLSID", L"{4A59219E-6CDD-43B9-8A4A-7A6856806ACF}"},
    };

    ASSERT_EQ(library.RegisterServer(), S_OK);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sKey);
        EXPECT_EQ(ClassesValue(roots.User(), c.sKey), c.sValue);
        EXPECT_EQ(ClassesValue(roots.Machine(), c.sKey), L"(none)");
    }
    ASSERT_EQ(library.UnregisterServer(), S_OK);
    for (const Case& c : cases) EXPECT_EQ(ClassesValue(roots.User(), c.sKey), L"(none)") << c.sKey;
    HKEY hClasses = nullptr;
    ASSERT_EQ(::RegOpenKeyExW(roots.User(), L"Software\\Classes\\CLSID", 0, KEY_READ, &hClasses),
              ERROR_SUCCESS);
    DWORD nSubKeys = 99;
    ::RegQueryInfoKeyW(hClasses, nullptr, nullptr, nullptr, &nSubKeys, nullptr, nullptr, nullptr,
                       nullptr, nullptr, nullptr, nullptr);
    ::RegCloseKey(hClasses);
    EXPECT_EQ(nSubKeys, 0u) << "a class key was left behind";
}

}  // namespace
}  // namespace qv::com::test
