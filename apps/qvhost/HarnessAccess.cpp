// The `access` commands: the list's accessibility model and its notices as transcript lines.
//   NAME.access list role=list name="NAME" states=focused,multiselectable count=5
//   NAME.access item 2 role=listitem name="Cherry" states=selected bounds=0,32,196,16 position=3/5
//   NAME.access statechange 2
#include "qvhost/HarnessAccess.h"

#include "platform/HostError.h"
#include "qvhost/Harness.h"
#include "qvhost/ValueFormat.h"

namespace qv::qvhost {

AccessHost::AccessHost(ColorListBox& control, std::string sName, std::ostream& out)
    : m_control(control),
      m_sName(std::move(sName)),
      m_out(out),
      m_view(control),
      m_model(m_view, m_view) {
    m_model.SetName(m_sName);
}

AccessHost::~AccessHost() {
    m_control.SetAccessSink(nullptr);
}

void AccessHost::PrintList() {
    const access::AccessibleList list = m_model.List();
    m_out << m_sName << ".access list role=" << access::RoleName(list.eRole)
          << " name=" << QuoteString(list.sName) << " states=" << access::StateNames(list.states)
          << " count=" << list.nCount << "\n";
    const access::RowsInView rows = m_model.VisibleRows();
    for (Long i = rows.nFirst; i < rows.nFirst + rows.nCount; ++i) PrintItem(i);
}

void AccessHost::PrintItem(Long nIndex) {
    const std::optional<access::AccessibleItem> item = m_model.Item(nIndex);
    if (!item) throw HostError(err::kSubscriptOutOfRange);
    PrintItemLine(*item);
}

void AccessHost::PrintItemLine(const access::AccessibleItem& item) {
    const access::Bounds& b = item.bounds;
    m_out << m_sName << ".access item " << item.nIndex << " role=" << access::RoleName(item.eRole)
          << " name=" << QuoteString(item.sName) << " states=" << access::StateNames(item.states)
          << " bounds=" << b.nX << "," << b.nY << "," << b.nWidth << "," << b.nHeight
          << " position=" << item.nPosition << "/" << item.nCount << "\n";
}

void AccessHost::SetEvents(bool bOn) {
    m_control.SetAccessSink(bOn ? this : nullptr);
}

void AccessHost::OnAccessNotice(const access::AccessNotice& notice) {
    m_out << m_sName << ".access " << access::AccessEventName(notice.eEvent) << " " << notice.nIndex
          << "\n";
}

AccessHost& Harness::Access(HostedControl& hosted) {
    if (!hosted.access)
        hosted.access = std::make_unique<AccessHost>(*hosted.control, hosted.sName, m_out);
    return *hosted.access;
}

void Harness::Run(const AccessCommand& command) {
    using Action = AccessCommand::Action;
    AccessHost& host = Access(Control(command.sName));
    switch (command.eAction) {
        case Action::List:
            host.PrintList();
            break;
        case Action::Item:
            host.PrintItem(command.nIndex);
            break;
        case Action::EventsOn:
        case Action::EventsOff:
            host.SetEvents(command.eAction == Action::EventsOn);
            break;
    }
}

}  // namespace qv::qvhost
