#pragma once

#include <oaidl.h>
#include <ocidl.h>

#include <string>
#include <utility>
#include <vector>

namespace qv::com::test {

// One reference to a COM object, released when it goes.
template <typename T>
class ComRef {
  public:
    ComRef() = default;
    explicit ComRef(T* p) : m_p(p) {}
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ComRef(ComRef&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
    ~ComRef() { Reset(); }

    void Reset() {
        if (m_p) m_p->Release();
        m_p = nullptr;
    }
    T* Get() const { return m_p; }
    T* operator->() const { return m_p; }
    T** Out() {
        Reset();
        return &m_p;
    }
    void** OutVoid() { return reinterpret_cast<void**>(Out()); }

  private:
    T* m_p = nullptr;
};

// The server library loaded from the test's working folder, without registration.
class ServerLibrary {
  public:
    ServerLibrary();
    ~ServerLibrary();
    HRESULT CreateControl(REFIID riid, void** ppv) const;
    HRESULT GetClassFactory(IClassFactory** ppFactory) const;
    HRESULT GetClassObject(REFCLSID rclsid, IClassFactory** ppFactory) const;
    HRESULT CanUnloadNow() const;
    HRESULT RegisterServer() const;
    HRESULT UnregisterServer() const;
    // The GDI objects the library holds now.
    LONG LiveGdiObjects() const;
    std::wstring Path() const;
    // A function the library exports by name; nullptr when it has none of that name.
    template <typename TFunction>
    TFunction Export(const char* sName) const {
        return reinterpret_cast<TFunction>(
            reinterpret_cast<void*>(::GetProcAddress(m_hModule, sName)));
    }
    bool IsLoaded() const { return m_hModule != nullptr; }

  private:
    HRESULT CallExport(const char* sName) const;  // an export without arguments
    HMODULE m_hModule = nullptr;
};

// An off-screen 32-bit bitmap to draw on, with its device context.
class Canvas {
  public:
    Canvas(int nWidth, int nHeight);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    HDC DC() const { return m_hDC; }
    // The pixels, top row first, as 0x00RRGGBB.
    std::vector<DWORD> Pixels() const;

  private:
    int m_nWidth;
    int m_nHeight;
    HDC m_hDC;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
    void* m_pBits = nullptr;
};

// A VARIANT the test owns.
struct Var {
    Var() { ::VariantInit(&v); }
    ~Var() { ::VariantClear(&v); }
    Var(const Var&) = delete;
    Var& operator=(const Var&) = delete;
    Var(Var&& other) noexcept : v(other.v) { V_VT(&other.v) = VT_EMPTY; }
    static Var Long(LONG n);
    static Var Text(const wchar_t* s);
    static Var Missing();
    VARIANT v;
};

// Calls a member by name with the arguments in declared order (the list is reversed for
// Invoke); returns the HRESULT and fills the result and exception information.
HRESULT Call(IDispatch* pDispatch, const wchar_t* sName, WORD wFlags, std::vector<VARIANT*> args,
             VARIANT* pResult = nullptr, EXCEPINFO* pExcep = nullptr);
LONG CallLong(IDispatch* pDispatch, const wchar_t* sName, std::vector<VARIANT*> args = {});
HRESULT PutLong(IDispatch* pDispatch, const wchar_t* sName, LONG nValue,
                EXCEPINFO* pExcep = nullptr);

std::wstring Wide(std::string_view sUtf8);

}  // namespace qv::com::test
