#include "platform/soft/gdi/ImageFiles.h"
#include "qvhost/DemoForm.h"

namespace qv::qvhost {

namespace {

// A user's first steps: a click on the third row of the first list and the Down key, so
// that the picture shows a selection, the focus and lines in the event panel.
void PlayFirstSteps(DemoForm& form) {
    constexpr int kBorder = 2;
    constexpr int kRowHeight = 17;
    const win32::RECT rcList = DemoLayout::ListRect(0);
    const win32::POINT pt{rcList.left + 40, rcList.top + kBorder + 2 * kRowHeight + 8};
    soft::WindowSystem& windows = form.Windows();
    windows.MouseDown(pt, win32::kLeftButton, 0);
    windows.MouseUp(pt, win32::kLeftButton, 0);
    windows.Key(win32::WM_KEYDOWN, 40, 0);
    windows.Key(win32::WM_KEYUP, 40, 0);
    form.HostForm().RunUntilIdle();
}

}  // namespace

bool WriteDemoPicture(const std::filesystem::path& file, std::string& sError) {
    DemoForm form;
    PlayFirstSteps(form);
    const soft::SurfaceRef pFrame = form.Compose();
    if (!pFrame) {
        sError = "cannot compose the form";
        return false;
    }
    return soft::WritePngFile(*pFrame, file.string(), sError);
}

}  // namespace qv::qvhost
