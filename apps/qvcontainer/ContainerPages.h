#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "qvhost/windows/WindowWidgetSheet.h"

struct IUnknown;

namespace qv::container {

// The control's property pages opened by the container itself, as an OLE container opens
// them: the first object's ISpecifyPropertyPages names the pages, each is created with
// CoCreateInstance, and the one shown gets the container's page site, the objects and a
// place in the container's sheet window (Activate, Show); Apply is the page's Apply, and
// closing is Deactivate. The widgets are driven through their windows, as in the harness.
class ContainerPages : public qvhost::WindowWidgetSheet {
  public:
    // The page "general" (the first the control names) or "check" (the second) of the
    // objects; HostPlatformError when the pages cannot be had.
    static std::unique_ptr<ContainerPages> Open(const std::string& sPage,
                                                const std::vector<IUnknown*>& objects,
                                                std::function<void()> runUntilIdle);
    ~ContainerPages() override;

    void Apply() override;
    void Cancel() override;
    void WritePicture(const std::filesystem::path& path) const override;

  private:
    struct Parts;
    ContainerPages(std::unique_ptr<Parts> pParts, std::function<void()> runUntilIdle);

    win32::HWND PageWindow() const override;
    bool Changed() const override;

    std::unique_ptr<Parts> m_pParts;
};

}  // namespace qv::container
