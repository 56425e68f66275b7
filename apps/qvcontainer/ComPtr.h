#pragma once

#include <unknwn.h>

#include <utility>

namespace qv::container {

// One counted reference to a COM object, given up when it goes.
template <typename T>
class ComPtr {
  public:
    ComPtr() = default;
    explicit ComPtr(T* p) : m_p(p) {}
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            Reset();
            m_p = std::exchange(other.m_p, nullptr);
        }
        return *this;
    }
    ~ComPtr() { Reset(); }

    void Reset() {
        if (m_p) m_p->Release();
        m_p = nullptr;
    }
    // Gives up the reference without releasing it: the caller now owns it.
    T* Detach() { return std::exchange(m_p, nullptr); }
    T* Get() const { return m_p; }
    T* operator->() const { return m_p; }
    explicit operator bool() const { return m_p != nullptr; }
    T** Out() {
        Reset();
        return &m_p;
    }
    void** OutVoid() { return reinterpret_cast<void**>(Out()); }

    // Another interface of the same object; empty when it has none.
    template <typename U>
    ComPtr<U> As(REFIID riid) const {
        ComPtr<U> other;
        if (m_p) m_p->QueryInterface(riid, other.OutVoid());
        return other;
    }

  private:
    T* m_p = nullptr;
};

}  // namespace qv::container
