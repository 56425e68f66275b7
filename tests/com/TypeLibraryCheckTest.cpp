// The type library compiled into QV_ColorListBox.ocx says what the library's own data says,
// member by member.
#include "dispatch/ColorListBoxDispatch.h"  // first: the control's headers precede the system's
#include "dispatch/TypeLibrary.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "ComTestSupport.h"

namespace qv::com::test {
namespace {

GUID Guid(std::string_view sText) {
    const std::wstring sBraced = L"{" + Wide(sText) + L"}";
    GUID guid{};
    ::CLSIDFromString(sBraced.c_str(), &guid);
    return guid;
}

std::wstring NameOf(ITypeInfo* pInfo, MEMBERID memid) {
    BSTR bstr = nullptr;
    pInfo->GetDocumentation(memid, &bstr, nullptr, nullptr, nullptr);
    std::wstring sName = bstr ? bstr : L"";
    ::SysFreeString(bstr);
    return sName;
}

std::wstring HelpOf(ITypeInfo* pInfo, MEMBERID memid) {
    BSTR bstr = nullptr;
    pInfo->GetDocumentation(memid, nullptr, &bstr, nullptr, nullptr);
    std::wstring sHelp = bstr ? bstr : L"";
    ::SysFreeString(bstr);
    return sHelp;
}

VARTYPE ExpectedType(ParamType eType) {
    switch (eType) {
        case ParamType::Integer:
            return VT_I2;
        case ParamType::Long:
            return VT_I4;
        case ParamType::Single:
            return VT_R4;
        case ParamType::Double:
            return VT_R8;
        case ParamType::String:
            return VT_BSTR;
        case ParamType::Boolean:
            return VT_BOOL;
        case ParamType::Variant:
            return VT_VARIANT;
        case ParamType::Object:
            return VT_PTR;
    }
    return VT_EMPTY;
}

// The functions of a description by (identifier, kind), their descriptions released with it.
class Functions {
  public:
    explicit Functions(ITypeInfo* pInfo) : m_pInfo(pInfo) {
        TYPEATTR* pAttr = nullptr;
        pInfo->GetTypeAttr(&pAttr);
        for (UINT i = 0; i < pAttr->cFuncs; ++i) {
            FUNCDESC* pFunc = nullptr;
            pInfo->GetFuncDesc(i, &pFunc);
            m_funcs[{pFunc->memid, pFunc->invkind}] = pFunc;
        }
        pInfo->ReleaseTypeAttr(pAttr);
    }
    ~Functions() {
        for (auto& [key, pFunc] : m_funcs) m_pInfo->ReleaseFuncDesc(pFunc);
    }
    const FUNCDESC* Find(MEMBERID memid, INVOKEKIND eKind) const {
        auto it = m_funcs.find({memid, eKind});
        return it == m_funcs.end() ? nullptr : it->second;
    }

  private:
    ITypeInfo* m_pInfo;
    std::map<std::pair<MEMBERID, INVOKEKIND>, FUNCDESC*> m_funcs;
};

class TypeLibraryCheckTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_library.IsLoaded());
        ASSERT_EQ(::LoadTypeLibEx(m_library.Path().c_str(), REGKIND_NONE, m_lib.Out()), S_OK);
    }
    ComRef<ITypeInfo> InfoOf(std::string_view sGuid) {
        ComRef<ITypeInfo> info;
        m_lib->GetTypeInfoOfGuid(Guid(sGuid), info.Out());
        return info;
    }

    const TypeLibrary& m_data = ColorListBoxTypeLibrary();
    ServerLibrary m_library;
    ComRef<ITypeLib> m_lib;
};

TEST_F(TypeLibraryCheckTest, TheLibraryHasItsNameVersionLocaleAndHelpFile) {
    TLIBATTR* pAttr = nullptr;
    ASSERT_EQ(m_lib->GetLibAttr(&pAttr), S_OK);
    EXPECT_TRUE(IsEqualGUID(pAttr->guid, Guid(m_data.sGuid)));
    EXPECT_EQ(pAttr->wMajorVerNum, m_data.nMajorVersion);
    EXPECT_EQ(pAttr->wMinorVerNum, m_data.nMinorVersion);
    EXPECT_EQ(pAttr->lcid, static_cast<LCID>(m_data.nLocale));
    m_lib->ReleaseTLibAttr(pAttr);
    BSTR sName = nullptr, sHelp = nullptr;
    ASSERT_EQ(m_lib->GetDocumentation(-1, &sName, nullptr, nullptr, &sHelp), S_OK);
    EXPECT_EQ(std::wstring(sName), Wide(m_data.sName));
    const std::wstring sHelpFile = sHelp ? sHelp : L"";
    EXPECT_TRUE(sHelpFile.ends_with(Wide(m_data.sHelpFile))) << sHelpFile.c_str();
    ::SysFreeString(sName);
    ::SysFreeString(sHelp);
}

void CheckParameters(const FUNCDESC& func, const MemberInfo& member) {
    ASSERT_EQ(func.cParams, static_cast<SHORT>(member.params.size())) << member.sName;
    for (size_t i = 0; i < member.params.size(); ++i) {
        const ParamInfo& param = member.params[i];
        const TYPEDESC& type = func.lprgelemdescParam[i].tdesc;
        const USHORT wFlags = func.lprgelemdescParam[i].paramdesc.wParamFlags;
        if (param.bByRef) {
            ASSERT_EQ(type.vt, VT_PTR) << member.sName << " " << param.sName;
            EXPECT_EQ(type.lptdesc->vt, ExpectedType(param.eType)) << member.sName;
        } else {
            EXPECT_EQ(type.vt, ExpectedType(param.eType)) << member.sName << " " << param.sName;
        }
        EXPECT_EQ((wFlags & PARAMFLAG_FOPT) != 0, param.bOptional) << member.sName;
    }
}

TEST_F(TypeLibraryCheckTest, EveryMemberHasItsIdentifierNameKindAndParameters) {
    // The help texts are Japanese in code page 932, read back as the system's ANSI text.
    ASSERT_EQ(::GetACP(), 932u) << "run the tests with LC_ALL=ja_JP.UTF-8 under Wine";
    ComRef<ITypeInfo> info = InfoOf(m_data.sInterfaceGuid);
    ASSERT_NE(info.Get(), nullptr);
    Functions funcs(info.Get());
    size_t nExpected = 0;
    for (const MemberInfo& member : ColorListBoxDispatch().Members()) {
        const bool bMethod = member.eKind == MemberKind::Method;
        const FUNCDESC* pMain =
            funcs.Find(member.nDispId, bMethod ? INVOKE_FUNC : INVOKE_PROPERTYGET);
        ASSERT_NE(pMain, nullptr) << member.sName;
        EXPECT_EQ(NameOf(info.Get(), member.nDispId), Wide(member.sName));
        EXPECT_EQ(HelpOf(info.Get(), member.nDispId), Wide(member.sHelp)) << member.sName;
        EXPECT_EQ((pMain->wFuncFlags & FUNCFLAG_FHIDDEN) != 0, !member.bBrowsable) << member.sName;
        ++nExpected;
        if (bMethod) {
            CheckParameters(*pMain, member);
            const VARTYPE vtResult =
                member.bHasResult ? ExpectedType(member.eValueType) : VARTYPE{VT_VOID};
            EXPECT_EQ(pMain->elemdescFunc.tdesc.vt, vtResult) << member.sName;
            continue;
        }
        const bool bPut = member.eKind == MemberKind::Property;
        const bool bPutRef = member.eKind == MemberKind::ObjectProperty;
        EXPECT_EQ(funcs.Find(member.nDispId, INVOKE_PROPERTYPUT) != nullptr, bPut) << member.sName;
        EXPECT_EQ(funcs.Find(member.nDispId, INVOKE_PROPERTYPUTREF) != nullptr, bPutRef)
            << member.sName;
        nExpected += bPut || bPutRef ? 1 : 0;
    }
    TYPEATTR* pAttr = nullptr;
    info->GetTypeAttr(&pAttr);
    EXPECT_EQ(pAttr->typekind, TKIND_DISPATCH);
    EXPECT_TRUE(pAttr->wTypeFlags & TYPEFLAG_FDUAL);
    const size_t nInherited = 7;  // IUnknown's and IDispatch's
    EXPECT_EQ(pAttr->cFuncs, nExpected + nInherited);
    info->ReleaseTypeAttr(pAttr);
}

TEST_F(TypeLibraryCheckTest, EveryEventHasItsIdentifierNameAndByReferenceArguments) {
    ComRef<ITypeInfo> info = InfoOf(m_data.sEventsGuid);
    ASSERT_NE(info.Get(), nullptr);
    Functions funcs(info.Get());
    for (const EventInfo& event : ColorListBoxEventInfo()) {
        const FUNCDESC* pFunc = funcs.Find(event.nDispId, INVOKE_FUNC);
        ASSERT_NE(pFunc, nullptr) << event.sName;
        EXPECT_EQ(NameOf(info.Get(), event.nDispId), Wide(event.sName));
        ASSERT_EQ(pFunc->cParams, static_cast<SHORT>(event.params.size())) << event.sName;
        for (size_t i = 0; i < event.params.size(); ++i) {
            const TYPEDESC& type = pFunc->lprgelemdescParam[i].tdesc;
            ASSERT_EQ(type.vt, VT_PTR) << event.sName;
            EXPECT_EQ(type.lptdesc->vt, ExpectedType(event.params[i].eType)) << event.sName;
        }
    }
    TYPEATTR* pAttr = nullptr;
    info->GetTypeAttr(&pAttr);
    EXPECT_EQ(pAttr->cFuncs, ColorListBoxEventInfo().size());
    info->ReleaseTypeAttr(pAttr);
}

TEST_F(TypeLibraryCheckTest, EveryEnumerationHasItsConstants) {
    for (const EnumInfo& info : m_data.enums) {
        ComRef<ITypeInfo> type = InfoOf(info.sGuid);
        ASSERT_NE(type.Get(), nullptr) << info.sName;
        EXPECT_EQ(NameOf(type.Get(), MEMBERID_NIL), Wide(info.sName));
        TYPEATTR* pAttr = nullptr;
        type->GetTypeAttr(&pAttr);
        EXPECT_EQ(pAttr->typekind, TKIND_ENUM);
        ASSERT_EQ(pAttr->cVars, info.constants.size()) << info.sName;
        for (UINT i = 0; i < pAttr->cVars; ++i) {
            VARDESC* pVar = nullptr;
            type->GetVarDesc(i, &pVar);
            EXPECT_EQ(NameOf(type.Get(), pVar->memid), Wide(info.constants[i].first));
            EXPECT_EQ(V_I4(pVar->lpvarValue), info.constants[i].second) << info.sName;
            type->ReleaseVarDesc(pVar);
        }
        type->ReleaseTypeAttr(pAttr);
    }
}

TEST_F(TypeLibraryCheckTest, TheControlClassNamesItsInterfaceAndEvents) {
    ComRef<ITypeInfo> type = InfoOf(m_data.classes.front().sGuid);
    ASSERT_NE(type.Get(), nullptr);
    EXPECT_EQ(NameOf(type.Get(), MEMBERID_NIL), Wide(m_data.classes.front().sName));
    TYPEATTR* pAttr = nullptr;
    type->GetTypeAttr(&pAttr);
    EXPECT_EQ(pAttr->typekind, TKIND_COCLASS);
    EXPECT_TRUE(pAttr->wTypeFlags & TYPEFLAG_FCONTROL);
    ASSERT_EQ(pAttr->cImplTypes, 2);
    const struct {
        std::string_view sGuid;
        INT nFlags;
    } impls[] = {{m_data.sInterfaceGuid, IMPLTYPEFLAG_FDEFAULT},
                 {m_data.sEventsGuid, IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE}};
    for (UINT i = 0; i < 2; ++i) {
        INT nFlags = 0;
        type->GetImplTypeFlags(i, &nFlags);
        EXPECT_EQ(nFlags, impls[i].nFlags);
        HREFTYPE hRef = 0;
        type->GetRefTypeOfImplType(i, &hRef);
        ComRef<ITypeInfo> impl;
        ASSERT_EQ(type->GetRefTypeInfo(hRef, impl.Out()), S_OK);
        TYPEATTR* pImplAttr = nullptr;
        impl->GetTypeAttr(&pImplAttr);
        EXPECT_TRUE(IsEqualGUID(pImplAttr->guid, Guid(impls[i].sGuid)));
        impl->ReleaseTypeAttr(pImplAttr);
    }
    type->ReleaseTypeAttr(pAttr);
    for (size_t i = 1; i < m_data.classes.size(); ++i) {
        ComRef<ITypeInfo> page = InfoOf(m_data.classes[i].sGuid);
        ASSERT_NE(page.Get(), nullptr) << m_data.classes[i].sName;
        EXPECT_EQ(NameOf(page.Get(), MEMBERID_NIL), Wide(m_data.classes[i].sName));
    }
}

}  // namespace
}  // namespace qv::com::test
