#pragma once

#include <string>
#include <vector>

#include "platform/soft/host/MessageBoxes.h"

namespace qv {

// Collects the message boxes shown while it lives, as "STYLE TEXT", answering OK.
class MessageBoxLog {
  public:
    MessageBoxLog() {
        m_previous = soft::SetMessageBoxHandler([this](std::string_view sPrompt, Long nButtons) {
            shown.push_back(std::to_string(nButtons) + " " + std::string(sPrompt));
            return Integer{1};
        });
    }
    ~MessageBoxLog() { soft::SetMessageBoxHandler(std::move(m_previous)); }
    MessageBoxLog(const MessageBoxLog&) = delete;
    MessageBoxLog& operator=(const MessageBoxLog&) = delete;

    std::vector<std::string> shown;

  private:
    soft::MessageBoxHandler m_previous;
};

}  // namespace qv
