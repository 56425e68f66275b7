#include "pages/ppgCheck.h"  // first: the control's headers precede the system's
#include "pages/ppgGeneral.h"

#include "com/pages/PageClasses.h"

#include <string_view>

#include "com/pages/ComPropertyPage.h"
#include "com/server/Module.h"
#include "dispatch/TypeLibrary.h"

namespace qv::com {

namespace {

CLSID ClassIdOf(std::string_view sName) {
    for (const ClassInfo& info : ColorListBoxTypeLibrary().classes) {
        if (info.sName == sName) return GuidFromText(info.sGuid);
    }
    return GUID_NULL;
}

template <typename TPage>
std::unique_ptr<host::IPropertyPage> MakePage(host::IPropertyPageSite& site) {
    return std::make_unique<TPage>(site);
}

}  // namespace

const CLSID& GeneralPageClassId() {
    static const CLSID clsid = ClassIdOf("ppgGeneral");
    return clsid;
}

const CLSID& CheckPageClassId() {
    static const CLSID clsid = ClassIdOf("ppgCheck");
    return clsid;
}

HRESULT CreateGeneralPage(REFIID riid, void** ppv) {
    return ComPropertyPage::Create(&MakePage<ppgGeneral>, riid, ppv);
}

HRESULT CreateCheckPage(REFIID riid, void** ppv) {
    return ComPropertyPage::Create(&MakePage<ppgCheck>, riid, ppv);
}

}  // namespace qv::com
