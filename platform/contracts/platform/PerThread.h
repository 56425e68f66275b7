#pragma once

#include <type_traits>

namespace qv {

// One object per thread, made on first use and freed by its user when it is no longer
// needed. Declared `thread_local`, it is only a pointer: the C++ runtime registers no
// destructor for it at thread exit, and such a registration would keep a library that
// uses it loaded for the thread's whole life.
template <typename T>
class PerThread {
  public:
    constexpr PerThread() = default;

    T& Get() {
        if (!m_pObject) m_pObject = new T();
        return *m_pObject;
    }
    T* Find() const { return m_pObject; }
    void Free() {
        delete m_pObject;
        m_pObject = nullptr;
    }
    // For containers: frees the object once it holds nothing.
    void FreeIfEmpty() {
        if (m_pObject && m_pObject->empty()) Free();
    }

  private:
    T* m_pObject = nullptr;
};

static_assert(std::is_trivially_destructible_v<PerThread<int>>);

}  // namespace qv
