#pragma once

#include <oaidl.h>

#include <vector>

#include "platform/HostError.h"
#include "dispatch/Dispatch.h"

namespace qv::com {

// The automation side of one call into the dispatch table.

// Member names (and then names of its parameters) to dispatch identifiers.
HRESULT LookUpNames(const DispatchTable& table, LPOLESTR* rgszNames, UINT cNames,
                    ::DISPID* rgDispId);

// The request a client's flags make of a member: a put by reference only for an object
// property, a call or get otherwise (clients pass both flags).
InvokeKind KindOfCall(const MemberInfo& member, WORD wFlags);

// Only a put names its one argument (the value).
bool NamedArgumentsFit(InvokeKind eKind, const DISPPARAMS& params);

// The positional arguments in declared order. A missing optional argument takes its
// default, and missing ones at the end are left off; a missing required one raises 449.
std::vector<Variant> PositionalArguments(const MemberInfo& member, const DISPPARAMS& params);

// The final values of by-reference parameters, into the client's by-reference arguments.
void WriteBackByRef(const MemberInfo& member, const std::vector<Variant>& args, DISPPARAMS& params);

// A host error for the client: its number as a control error code, its text, and the
// library as its source.
HRESULT RaiseException(const HostError& error, EXCEPINFO* pExcepInfo);

// The error code a host error number becomes.
HRESULT ErrorCode(Long nNumber);

}  // namespace qv::com
