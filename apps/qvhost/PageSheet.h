#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

#include "platform/Variant.h"

namespace qv::qvhost {

// A failure the script cannot go on after (a file that cannot be read or written, a page
// command the platform cannot run); its text is the message the harness stops with.
class HostPlatformError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A designer's property sheet open on the selected controls, driven widget by widget.
// Errors of the script (an unknown widget, one that takes no value) are HostPlatformError.
class IPageSheet {
  public:
    virtual ~IPageSheet() = default;
    virtual void SetWidget(const std::string& sWidget, const Variant& vValue) = 0;
    // The focus goes to the text box, as a click in it would, then leaves it.
    virtual void LeaveWidget(const std::string& sWidget) = 0;
    // "Changed" and "Focus" are the sheet's own; other names are widgets.
    virtual std::string Value(const std::string& sWidget) const = 0;
    virtual void Apply() = 0;
    virtual void Cancel() = 0;
    virtual void WritePicture(const std::filesystem::path& path) const = 0;
};

}  // namespace qv::qvhost
