#pragma once

#include <string>

#include "platform/Types.h"

namespace qv::access {

enum class SelectMode { Single, Multi, Extended };

// What the model needs of the whole list, read in constant time.
struct ListFacts {
    Long nCount = 0;
    Long nCurrent = -1;    // the current item, -1 for none
    Long nTop = 0;         // the item in the top row
    Long nRowsInView = 0;  // rows in view, a cut-off last row included
    Long nRowHeight = 0;
    Long nRowWidth = 0;  // the client width in pixels
    bool bCheckStyle = false;
    SelectMode eMode = SelectMode::Single;
    bool bFocused = false;
    bool bEnabled = true;
};

// One item; bMarked is the selected flag, or the check mark in check style.
struct ItemFacts {
    std::string sText;
    bool bMarked = false;
};

// The control as the model reads it. Item takes a valid index.
class IListView {
  public:
    virtual ListFacts List() const = 0;
    virtual ItemFacts Item(Long nIndex) const = 0;

  protected:
    ~IListView() = default;
};

// Acting on the control as a user would.
class IListActions {
  public:
    // What a plain click on the row does: select it, or toggle its check in check style.
    virtual void ActOnItem(Long nIndex) = 0;

  protected:
    ~IListActions() = default;
};

}  // namespace qv::access
