#include "pages/ValidateTextRange.h"

#include <gtest/gtest.h>

#include <optional>

#include "platform/AnsiText.h"
#include "platform/host/MsgBox.h"
#include "platform/soft/host/MessageBoxes.h"
#include "platform/soft/pages/PageWidgets.h"

namespace qv {
namespace {

// Collects the message boxes shown while it lives.
class MessageBoxLog {
  public:
    MessageBoxLog() {
        m_previous = soft::SetMessageBoxHandler([this](std::string_view sPrompt, Long nStyle) {
            messages.emplace_back(sPrompt);
            styles.push_back(nStyle);
            return host::vbOK;
        });
    }
    ~MessageBoxLog() { soft::SetMessageBoxHandler(std::move(m_previous)); }
    std::vector<std::string> messages;
    std::vector<Long> styles;

  private:
    soft::MessageBoxHandler m_previous;
};

TEST(ValidateTextRange, AcceptsNumbersInRangeAndRestoresEverythingElse) {
    const std::string sRange = "0 ～ 50 の数値を設定してください";
    const std::string sNotNumeric = "数値を入力して下さい";
    struct Case {
        const char* sText;
        bool bValid;
        std::string sMessage;
    };
    const Case cases[] = {
        {"50", true, ""},
        {"0", true, ""},
        {" 7 ", true, ""},
        {"2.5", true, ""},   // rounds to 2
        {"50.5", true, ""},  // rounds half to even: 50
        {"51", false, sRange},
        {"-1", false, sRange},
        {"50.51", false, sRange},
        {"abc", false, sNotNumeric},
        {"", false, sNotNumeric},
        {"5x", false, sNotNumeric},
        {"99999999999", false, sRange},  // a number, too large for 32 bits
        {"-99999999999", false, sRange},
        {"1e400", false, sRange},
    };
    for (const Case& c : cases) {
        MessageBoxLog boxes;
        soft::SoftTextBox textBox("txt", {});
        textBox.SetText(c.sText);
        EXPECT_EQ(ValidateTextRange(textBox, 0, 50, 3), c.bValid) << c.sText;
        EXPECT_EQ(textBox.Text(), c.bValid ? std::string(c.sText) : "3") << c.sText;
        if (c.bValid) {
            EXPECT_TRUE(boxes.messages.empty()) << c.sText;
        } else {
            ASSERT_EQ(boxes.messages.size(), 1u) << c.sText;
            EXPECT_EQ(boxes.messages[0], c.sMessage) << c.sText;
            EXPECT_EQ(boxes.styles[0], host::vbCritical) << c.sText;
        }
    }
}

TEST(ValidateTextRange, RangeMessageJoinsTheBoundsWithAFullWidthTilde) {
    EXPECT_EQ(TextRangeMessage(-5, 120), "-5 \uFF5E 120 の数値を設定してください");
    // The tilde is one double-byte character of code page 932 and comes back unchanged.
    const std::string sAnsi = Utf8ToAnsi(TextRangeMessage(0, 50), 932);
    EXPECT_EQ(sAnsi.find('?'), std::string::npos);
    EXPECT_EQ(AnsiToUtf8(sAnsi, 932), TextRangeMessage(0, 50));
}

}  // namespace
}  // namespace qv
