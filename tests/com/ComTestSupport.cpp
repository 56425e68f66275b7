#include "ComTestSupport.h"

#include "platform/windows/Dibs.h"

namespace qv::com::test {

namespace {

constexpr wchar_t kLibraryName[] = L"QV_ColorListBox.ocx";
const CLSID kControlClass = {
    0x4A59219E, 0x6CDD, 0x43B9, {0x8A, 0x4A, 0x7A, 0x68, 0x56, 0x80, 0x6A, 0xCF}};

}  // namespace

ServerLibrary::ServerLibrary() : m_hModule(::LoadLibraryW(kLibraryName)) {}

ServerLibrary::~ServerLibrary() {
    if (m_hModule) ::FreeLibrary(m_hModule);
}

HRESULT ServerLibrary::GetClassFactory(IClassFactory** ppFactory) const {
    return GetClassObject(kControlClass, ppFactory);
}

HRESULT ServerLibrary::GetClassObject(REFCLSID rclsid, IClassFactory** ppFactory) const {
    using GetClassObjectFunction = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
    auto pGet = Export<GetClassObjectFunction>("DllGetClassObject");
    if (!pGet) return E_FAIL;
    return pGet(rclsid, IID_IClassFactory, reinterpret_cast<void**>(ppFactory));
}

HRESULT ServerLibrary::CreateControl(REFIID riid, void** ppv) const {
    ComRef<IClassFactory> factory;
    const HRESULT hr = GetClassFactory(factory.Out());
    if (FAILED(hr)) return hr;
    return factory->CreateInstance(nullptr, riid, ppv);
}

HRESULT ServerLibrary::CanUnloadNow() const {
    return CallExport("DllCanUnloadNow");
}

HRESULT ServerLibrary::RegisterServer() const {
    return CallExport("DllRegisterServer");
}

HRESULT ServerLibrary::UnregisterServer() const {
    return CallExport("DllUnregisterServer");
}

HRESULT ServerLibrary::CallExport(const char* sName) const {
    using Function = HRESULT(STDAPICALLTYPE*)();
    auto pFunction = Export<Function>(sName);
    return pFunction ? pFunction() : E_FAIL;
}

LONG ServerLibrary::LiveGdiObjects() const {
    using LiveCount = LONG(STDAPICALLTYPE*)();
    auto pCount = Export<LiveCount>("QvLiveGdiObjects");
    return pCount ? pCount() : -1;
}

std::wstring ServerLibrary::Path() const {
    wchar_t szPath[MAX_PATH] = L"";
    ::GetModuleFileNameW(m_hModule, szPath, MAX_PATH);
    return szPath;
}

Canvas::Canvas(int nWidth, int nHeight) : m_nWidth(nWidth), m_nHeight(nHeight) {
    BITMAPINFO info = windows::TopDown32BitmapInfo(nWidth, nHeight);
    m_hDC = ::CreateCompatibleDC(nullptr);
    m_hBitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &m_pBits, nullptr, 0);
    m_hOld = ::SelectObject(m_hDC, m_hBitmap);
}

Canvas::~Canvas() {
    ::SelectObject(m_hDC, m_hOld);
    ::DeleteObject(m_hBitmap);
    ::DeleteDC(m_hDC);
}

std::vector<DWORD> Canvas::Pixels() const {
    ::GdiFlush();
    const auto* pBits = static_cast<const DWORD*>(m_pBits);
    std::vector<DWORD> pixels(pBits, pBits + static_cast<size_t>(m_nWidth) * m_nHeight);
    for (DWORD& pixel : pixels) pixel &= 0x00FFFFFF;
    return pixels;
}

Var Var::Long(LONG n) {
    Var var;
    V_VT(&var.v) = VT_I4;
    V_I4(&var.v) = n;
    return var;
}

Var Var::Text(const wchar_t* s) {
    Var var;
    V_VT(&var.v) = VT_BSTR;
    V_BSTR(&var.v) = ::SysAllocString(s);
    return var;
}

Var Var::Missing() {
    Var var;
    V_VT(&var.v) = VT_ERROR;
    V_ERROR(&var.v) = DISP_E_PARAMNOTFOUND;
    return var;
}

HRESULT Call(IDispatch* pDispatch, const wchar_t* sName, WORD wFlags, std::vector<VARIANT*> args,
             VARIANT* pResult, EXCEPINFO* pExcep) {
    ::DISPID dispId = DISPID_UNKNOWN;
    LPOLESTR sNameCopy = const_cast<LPOLESTR>(sName);
    HRESULT hr = pDispatch->GetIDsOfNames(IID_NULL, &sNameCopy, 1, LOCALE_USER_DEFAULT, &dispId);
    if (FAILED(hr)) return hr;
    std::vector<VARIANT> reversed;
    for (auto it = args.rbegin(); it != args.rend(); ++it) reversed.push_back(**it);
    ::DISPID putId = DISPID_PROPERTYPUT;
    const bool bPut = (wFlags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
    DISPPARAMS params{reversed.data(), bPut ? &putId : nullptr, static_cast<UINT>(reversed.size()),
                      bPut ? 1u : 0u};
    EXCEPINFO excep{};
    hr = pDispatch->Invoke(dispId, IID_NULL, LOCALE_USER_DEFAULT, wFlags, &params, pResult, &excep,
                           nullptr);
    if (pExcep) {
        *pExcep = excep;
    } else {
        ::SysFreeString(excep.bstrSource);
        ::SysFreeString(excep.bstrDescription);
        ::SysFreeString(excep.bstrHelpFile);
    }
    return hr;
}

LONG CallLong(IDispatch* pDispatch, const wchar_t* sName, std::vector<VARIANT*> args) {
    Var result;
    if (FAILED(Call(pDispatch, sName, DISPATCH_METHOD | DISPATCH_PROPERTYGET, std::move(args),
                    &result.v)))
        return -12345;
    if (FAILED(::VariantChangeType(&result.v, &result.v, 0, VT_I4))) return -12346;
    return V_I4(&result.v);
}

HRESULT PutLong(IDispatch* pDispatch, const wchar_t* sName, LONG nValue, EXCEPINFO* pExcep) {
    Var value = Var::Long(nValue);
    return Call(pDispatch, sName, DISPATCH_PROPERTYPUT, {&value.v}, nullptr, pExcep);
}

std::wstring Wide(std::string_view sUtf8) {
    const int nLength = static_cast<int>(sUtf8.size());
    const int nWide = ::MultiByteToWideChar(CP_UTF8, 0, sUtf8.data(), nLength, nullptr, 0);
    std::wstring sOut(static_cast<size_t>(nWide), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, sUtf8.data(), nLength, sOut.data(), nWide);
    return sOut;
}

}  // namespace qv::com::test
