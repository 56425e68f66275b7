#pragma once

#include <optional>

#include "platform/HostError.h"
#include "platform/host/Picture.h"

namespace qv {

// A view of a real picture that can report another size in HIMETRIC, or fail with
// overflow on the nth reading of its width, as a failing host object would.
class PictureView : public host::IPicture {
  public:
    explicit PictureView(host::PictureRef oReal) : m_oReal(std::move(oReal)) {}

    Long Handle() const override { return m_oReal->Handle(); }
    Integer Type() const override { return m_oReal->Type(); }
    Long Width() const override {
        if (++m_nWidthReads == m_nFailingWidthRead) throw HostError(err::kOverflow);
        return m_nWidth.value_or(m_oReal->Width());
    }
    Long Height() const override { return m_nHeight.value_or(m_oReal->Height()); }

    void ReportSize(Long nWidth, Long nHeight) {
        m_nWidth = nWidth;
        m_nHeight = nHeight;
    }
    void FailOnWidthRead(int nRead) {
        m_nWidthReads = 0;
        m_nFailingWidthRead = nRead;
    }

  private:
    host::PictureRef m_oReal;
    std::optional<Long> m_nWidth, m_nHeight;
    mutable int m_nWidthReads = 0;
    int m_nFailingWidthRead = 0;
};

}  // namespace qv
