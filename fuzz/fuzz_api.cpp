// Sequences of what a host and a user do to one hosted control, decoded from the input:
// list operations, properties, pictures and fonts, mouse, keys, the scroll bar, resizing
// and the passing of time. After every step the list model's rules must hold, and a
// forced paint must leave no drawing object behind.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <string>

#include "fuzz/ApiOperations.h"
#include "platform/soft/gdi/SoftGdi.h"
#include "platform/soft/host/Form.h"
#include "platform/soft/user/WindowSystem.h"
#include "qvhost/Harness.h"
#include "qvhost/ScriptParser.h"

using namespace qv;
using namespace qv::fuzz;

namespace {

// Enough steps to reach interesting states, few enough to keep an execution fast.
constexpr int kMaxSteps = 48;
constexpr Long kMaxListCount = 30001;

class SequenceRun {
  public:
    SequenceRun() : m_harness(m_null, {}, {}) {}

    void RunLines(const std::string& sLines) {
        m_sTrace += sLines;
        if (sLines.empty()) return;
        try {
            m_harness.Run(qvhost::ParseScript(sLines, "fuzz.qvs"));
        } catch (const qvhost::ScriptError& error) {
            Fail(std::string("the harness refuses a decoded line: ") + error.what());
        }
    }

    ColorListBox& Control() { return *m_harness.FindControl(kControlName); }

    void CheckInvariants() {
        const ColorListBox& control = Control();
        const Long nCount = control.ListCount();
        if (nCount < 0 || nCount > kMaxListCount) Fail("ListCount out of range");
        const Long nListIndex = control.ListIndex();
        if (nListIndex < -1 || nListIndex >= nCount) Fail("ListIndex neither an item nor -1");
        Long nFlags = 0;
        for (Long i = 0; i < nCount; ++i) {
            Boolean bSelected;
            control.GetSelectedItem(i, bSelected);
            if (bSelected.IsTrue()) ++nFlags;
        }
        if (control.SelCount() != nFlags) Fail("SelCount differs from the flags set");
        if (control.Style() == lsCheck && control.MaxCheck() > 0 && nFlags > control.MaxCheck())
            Fail("more check marks than MaxCheck");
        CheckTopIndex(control);
    }

    // The top row lies in the scroll bar's range, and is the first item while the list
    // cannot scroll (the bar is hidden). An empty list keeps the top row it had.
    void CheckTopIndex(const ColorListBox& control) {
        if (control.ListCount() == 0) return;
        const Long nTop = control.TopIndex();
        const auto hWnd = static_cast<win32::HWND>(control.hWnd());
        const soft::Window* pWindow =
            static_cast<soft::Form&>(m_harness.HostForm()).Windows().Find(hWnd);
        if (!pWindow) Fail("the control's window is gone");
        const soft::ScrollBarState& bar = pWindow->vertical;
        if (bar.bVisible ? (nTop < bar.nMin || nTop > bar.nMax) : nTop != 0)
            Fail("TopIndex outside the scroll range");
    }

    [[noreturn]] void Fail(const std::string& sWhat) const {
        std::fprintf(stderr, "%s after this script:\n%s", sWhat.c_str(), m_sTrace.c_str());
        std::abort();
    }

  private:
    std::ostream m_null{nullptr};
    qvhost::Harness m_harness;
    std::string m_sTrace;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    const std::size_t nObjectsBefore = soft::LiveObjectCount();
    std::string sTrace;
    {
        ByteReader reader(pData, nSize);
        SequenceRun run;
        run.RunLines(DecodeCreation(reader));
        run.CheckInvariants();
        for (int nStep = 0; nStep < kMaxSteps; ++nStep) {
            const auto step = DecodeStep(reader, run.Control().ListCount());
            if (!step) break;
            const std::size_t nObjects = soft::LiveObjectCount();
            run.RunLines(step->sScript);
            if (step->bPaintCheck && soft::LiveObjectCount() != nObjects)
                run.Fail("a paint leaves drawing objects behind");
            run.CheckInvariants();
        }
    }
    if (soft::LiveObjectCount() != nObjectsBefore) {
        std::fprintf(stderr, "drawing objects outlive the form\n");
        std::abort();
    }
    return 0;
}
