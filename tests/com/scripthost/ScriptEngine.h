#pragma once

#include <activscp.h>

#include "../ComTestSupport.h"

namespace qv::scripthost {

// The system's VBScript engine, initialised and without a site yet.
HRESULT CreateVBScriptEngine(com::test::ComRef<IActiveScript>& engine,
                             com::test::ComRef<IActiveScriptParse>& parse);

}  // namespace qv::scripthost
