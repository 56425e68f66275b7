#pragma once

#include <ostream>
#include <string>

#include "access/AccessModel.h"
#include "access/AccessSink.h"
#include "control/AccessView.h"
#include "control/ColorListBox.h"

namespace qv::qvhost {

// The harness as a screen-reader client of one control: it names the list after the
// control, prints the model and, while events are on, each notice as a transcript line.
class AccessHost : private access::IAccessSink {
  public:
    AccessHost(ColorListBox& control, std::string sName, std::ostream& out);
    ~AccessHost();
    AccessHost(const AccessHost&) = delete;
    AccessHost& operator=(const AccessHost&) = delete;

    void PrintList();
    void PrintItem(Long nIndex);  // raises subscript out of range for no such item
    void SetEvents(bool bOn);

  private:
    void OnAccessNotice(const access::AccessNotice& notice) override;
    void PrintItemLine(const access::AccessibleItem& item);

    ColorListBox& m_control;
    std::string m_sName;
    std::ostream& m_out;
    ColorListBoxAccess m_view;
    access::AccessModel m_model;
};

}  // namespace qv::qvhost
