#pragma once

#include <ocidl.h>

#include <string>
#include <vector>

#include "HostState.h"

namespace qv::scripthost {

// The script's connections to objects' events (WScript.ConnectObject), held until the
// run ends.
class EventConnections {
  public:
    explicit EventConnections(HostState& state) : m_state(state) {}
    ~EventConnections() { DisconnectAll(); }
    EventConnections(const EventConnections&) = delete;
    EventConnections& operator=(const EventConnections&) = delete;

    // Connects the script's Subs named prefix + event to the object's default source.
    HRESULT Connect(IUnknown* pObject, const std::wstring& sPrefix, IDispatch* pScript);
    void DisconnectAll();

  private:
    struct Connection {
        IConnectionPoint* pPoint;
        DWORD nCookie;
    };
    std::vector<Connection> m_connections;
    HostState& m_state;
};

}  // namespace qv::scripthost
