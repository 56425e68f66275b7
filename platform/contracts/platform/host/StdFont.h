#pragma once

#include <memory>
#include <string>

#include "platform/Variant.h"

namespace qv::host {

// The host's standard font object. Fonts are shared by reference: the control's font
// and the host's ambient font are objects, not copies.
class StdFont : public HostObject {
  public:
    static constexpr Integer kNormalWeight = 400;
    static constexpr Integer kBoldWeight = 700;

    StdFont() = default;
    StdFont(std::string sName, double dSize) : m_sName(std::move(sName)), m_dSize(dSize) {}

    std::string_view TypeName() const override { return "Font"; }

    const std::string& Name() const { return m_sName; }
    void SetName(std::string sName) { m_sName = std::move(sName); }
    // Size in points.
    double Size() const { return m_dSize; }
    void SetSize(double dSize) { m_dSize = dSize; }
    // Bold follows the weight: a weight above the midpoint of normal and bold is bold.
    bool Bold() const { return m_nWeight > 550; }
    void SetBold(bool bBold) { m_nWeight = bBold ? kBoldWeight : kNormalWeight; }
    bool Italic() const { return m_bItalic; }
    void SetItalic(bool bItalic) { m_bItalic = bItalic; }
    bool Underline() const { return m_bUnderline; }
    void SetUnderline(bool bUnderline) { m_bUnderline = bUnderline; }
    bool Strikethrough() const { return m_bStrikethrough; }
    void SetStrikethrough(bool bStrike) { m_bStrikethrough = bStrike; }
    Integer Weight() const { return m_nWeight; }
    void SetWeight(Integer nWeight) { m_nWeight = nWeight; }
    Integer Charset() const { return m_nCharset; }
    void SetCharset(Integer nCharset) { m_nCharset = nCharset; }

  private:
    std::string m_sName = "MS UI Gothic";
    double m_dSize = 9;
    Integer m_nWeight = kNormalWeight;
    bool m_bItalic = false;
    bool m_bUnderline = false;
    bool m_bStrikethrough = false;
    Integer m_nCharset = 0;
};

using FontRef = std::shared_ptr<StdFont>;

}  // namespace qv::host
