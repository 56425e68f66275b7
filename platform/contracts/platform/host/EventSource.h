#pragma once

#include <algorithm>
#include <vector>

namespace qv::host {

// The connection point of an event interface: sinks connect and disconnect, and every
// connected sink receives each raised event synchronously, in connection order. A sink
// may disconnect (itself or another) while an event is being delivered.
template <typename TSink>
class EventSource {
  public:
    void Connect(TSink* pSink) {
        if (std::find(m_sinks.begin(), m_sinks.end(), pSink) == m_sinks.end())
            m_sinks.push_back(pSink);
    }
    void Disconnect(TSink* pSink) { std::erase(m_sinks, pSink); }

    template <typename TCall>
    void Raise(TCall&& call) const {
        const std::vector<TSink*> snapshot = m_sinks;
        for (TSink* pSink : snapshot) {
            if (IsConnected(pSink)) call(*pSink);
        }
    }

  private:
    bool IsConnected(TSink* pSink) const {
        return std::find(m_sinks.begin(), m_sinks.end(), pSink) != m_sinks.end();
    }

    std::vector<TSink*> m_sinks;
};

}  // namespace qv::host
