#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "access/ListView.h"

namespace qv::access {

enum class Role { List, ListItem, CheckBox };

// States as bits, in the order hosts print them.
enum State : std::uint32_t {
    kStateNone = 0,
    kStateSelected = 1u << 0,
    kStateFocused = 1u << 1,
    kStateChecked = 1u << 2,
    kStateOffscreen = 1u << 3,
    kStateDisabled = 1u << 4,
    kStateMultiSelectable = 1u << 5,
    kStateExtSelectable = 1u << 6,
};
using StateSet = std::uint32_t;

struct Bounds {
    Long nX = 0, nY = 0, nWidth = 0, nHeight = 0;

    bool operator==(const Bounds&) const = default;
};

struct AccessibleList {
    Role eRole = Role::List;
    std::string sName;
    StateSet states = kStateNone;
    Long nCount = 0;
};

// One item: nPosition of nCount is what a reader says ("3 of 30001"), counted from 1.
struct AccessibleItem {
    Role eRole = Role::ListItem;
    std::string sName;
    StateSet states = kStateNone;
    Bounds bounds;  // client pixels, also for rows out of view
    Long nIndex = 0;
    Long nPosition = 0;
    Long nCount = 0;
    std::string sDefaultAction;
};

// The items of the rows in view: nFirst .. nFirst + nCount - 1.
struct RowsInView {
    Long nFirst = 0;
    Long nCount = 0;
};

// The list and its items as assistive technology sees them. Items are made when asked
// for, each in constant time, so a long list costs nothing until a client walks it.
class AccessModel {
  public:
    AccessModel(const IListView& view, IListActions& actions) : m_view(view), m_actions(actions) {}

    // The host names the list (usually after its label); unnamed by default.
    void SetName(std::string sName) { m_sName = std::move(sName); }

    AccessibleList List() const;
    std::optional<AccessibleItem> Item(Long nIndex) const;
    RowsInView VisibleRows() const;
    // The item under a client point, or -1 where no row is.
    Long HitTest(Long nX, Long nY) const;
    // False, and nothing done, for a bad index or a disabled list.
    bool DoDefaultAction(Long nIndex);

  private:
    const IListView& m_view;
    IListActions& m_actions;
    std::string m_sName;
};

// The lower-case words a host prints: "list", "listitem", "checkbox"; states joined by
// commas in the order of the bits, "none" for no state.
const char* RoleName(Role eRole);
std::string StateNames(StateSet states);

}  // namespace qv::access
