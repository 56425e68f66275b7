#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "qvcontainer/HostedControl.h"

namespace qv::container {

// The container's form: a real top-level window with controls placed in it by name, and its
// message loop. The loop offers keys to the active control first, as a container does; each
// paint of a control's window is reported, whether the loop delivers it or the system sends
// it at once (a refresh).
class ContainerForm {
  public:
    using LineWriter = std::function<void(const std::string&)>;

    ContainerForm(int nWidth, int nHeight, LineWriter fnWrite);
    ~ContainerForm();
    ContainerForm(const ContainerForm&) = delete;
    ContainerForm& operator=(const ContainerForm&) = delete;

    HWND Window() const { return m_hWnd; }
    // The ambient mode of every control, now and later.
    void SetUserMode(bool bUserMode);

    HRESULT Add(const std::string& sName, const RECT& rcPos, const SavedState& state);
    HostedControl* Find(const std::string& sName);
    // Removes a control; false when a reference was not given back.
    bool Remove(const std::string& sName);
    bool RemoveAll();

    // Delivers the pending messages until the queue is empty.
    void RunUntilIdle();
    // Delivers messages as they come for that many milliseconds, then the pending ones.
    void PumpFor(unsigned nMilliseconds);

  private:
    static LRESULT CALLBACK SentMessageHook(int nCode, WPARAM wParam, LPARAM lParam);
    void Deliver(MSG& msg);
    void NotePaint(HWND hWnd);

    HWND m_hWnd = nullptr;
    HHOOK m_hHook = nullptr;
    LineWriter m_fnWrite;
    bool m_bUserMode = true;
    std::map<std::string, std::unique_ptr<HostedControl>> m_controls;
};

// The control's class: QV_ColorListBox.ColorListBox as registered, and the file name of the
// library that serves it.
CLSID ColorListBoxClass();
inline constexpr wchar_t kControlLibrary[] = L"QV_ColorListBox.ocx";

}  // namespace qv::container
