// Events of the control reach the clients connected to its connection point, and what a
// client stores into by-reference arguments goes back to the control.
#include "com/server/EventPoint.h"  // first: the control's headers precede the system's

#include <olectl.h>

#include <gtest/gtest.h>

#include "ComTestSupport.h"
#include "CountingContainer.h"
#include "EventSink.h"

namespace qv::com::test {
namespace {

constexpr ::DISPID kScroll = 1;
const IID kEvents = {0xAB31A743, 0x66A6, 0x4B28, {0x9E, 0x50, 0xCC, 0xDF, 0xA1, 0xC8, 0x8A, 0xD6}};

ComRef<IConnectionPoint> FindEventPoint(IUnknown* pControl) {
    ComRef<IConnectionPointContainer> container;
    ComRef<IConnectionPoint> point;
    if (SUCCEEDED(pControl->QueryInterface(IID_IConnectionPointContainer, container.OutVoid())))
        container->FindConnectionPoint(kEvents, point.Out());
    return point;
}

TEST(ComEventsTest, ClassInformationNamesTheEventInterface) {
    ServerLibrary library;
    ComRef<IProvideClassInfo2> info;
    ASSERT_EQ(library.CreateControl(IID_IProvideClassInfo2, info.OutVoid()), S_OK);
    GUID guid{};
    EXPECT_EQ(info->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &guid), S_OK);
    EXPECT_TRUE(IsEqualGUID(guid, kEvents));
    ComRef<ITypeInfo> classInfo;
    ASSERT_EQ(info->GetClassInfo(classInfo.Out()), S_OK);
    TYPEATTR* pAttr = nullptr;
    ASSERT_EQ(classInfo->GetTypeAttr(&pAttr), S_OK);
    EXPECT_EQ(pAttr->typekind, TKIND_COCLASS);
    classInfo->ReleaseTypeAttr(pAttr);
}

TEST(ComEventsTest, ScrollingReachesEveryConnectedSinkUntilItDisconnects) {
    ServerLibrary library;
    ComRef<IDispatch> list;
    ASSERT_EQ(library.CreateControl(IID_IDispatch, list.OutVoid()), S_OK);
    ComRef<IConnectionPoint> point = FindEventPoint(list.Get());
    ASSERT_NE(point.Get(), nullptr);
    RecordingSink first, second;
    DWORD dwFirst = 0, dwSecond = 0;
    ASSERT_EQ(point->Advise(&first, &dwFirst), S_OK);
    ASSERT_EQ(point->Advise(&second, &dwSecond), S_OK);
    EXPECT_NE(dwFirst, dwSecond);
    for (int i = 0; i < 60; ++i) {
        Var text = Var::Text(L"item");
        CallLong(list.Get(), L"AddItem", {&text.v});
    }
    ASSERT_EQ(PutLong(list.Get(), L"TopIndex", 10), S_OK);
    EXPECT_EQ(CallLong(list.Get(), L"TopIndex"), 10);
    EXPECT_EQ(first.received, std::vector<::DISPID>{kScroll});
    EXPECT_EQ(second.received, std::vector<::DISPID>{kScroll});
    EXPECT_EQ(point->Unadvise(dwFirst), S_OK);
    EXPECT_EQ(point->Unadvise(dwFirst), CONNECT_E_NOCONNECTION);
    ASSERT_EQ(PutLong(list.Get(), L"TopIndex", 20), S_OK);
    EXPECT_EQ(first.received.size(), 1u);
    EXPECT_EQ(second.received.size(), 2u);
    EXPECT_EQ(first.nRefs, 1);  // the control let go of the disconnected sink
    point.Reset();
    list.Reset();
    EXPECT_EQ(second.nRefs, 1);  // and of the connected one when it went
    EXPECT_EQ(library.CanUnloadNow(), S_OK);
}

TEST(ComEventsTest, ValuesASinkStoresGoBackToTheRaiser) {
    CountingContainer container;
    EventPoint point(container, kEvents);
    RecordingSink sink;
    sink.onEvent = [](::DISPID, DISPPARAMS& params) {
        ASSERT_EQ(params.cArgs, 2u);
        // KeyDown(KeyCode, Shift): the last argument comes first.
        ASSERT_EQ(V_VT(&params.rgvarg[1]), VT_BYREF | VT_VARIANT);
        VARIANT* pKeyCode = V_VARIANTREF(&params.rgvarg[1]);
        EXPECT_EQ(V_VT(pKeyCode), VT_I2);
        EXPECT_EQ(V_I2(pKeyCode), 65);
        V_I2(pKeyCode) = 0;  // the handler swallows the key
    };
    DWORD dwCookie = 0;
    ASSERT_EQ(point.Advise(&sink, &dwCookie), S_OK);
    std::vector<Variant> args = {Variant(Integer{65}), Variant(Integer{2})};
    point.Fire(ColorListBoxEventInfo().at(5), args);
    EXPECT_EQ(sink.received, std::vector<::DISPID>{6});
    EXPECT_EQ(args[0], Variant(Integer{0}));
    EXPECT_EQ(args[1], Variant(Integer{2}));
}

TEST(ComEventsTest, ASinkWithoutDispatchCannotConnect) {
    CountingContainer container;
    EventPoint point(container, kEvents);
    DWORD dwCookie = 99;
    EXPECT_EQ(point.Advise(&container, &dwCookie), CONNECT_E_CANNOTCONNECT);
    EXPECT_EQ(dwCookie, 0u);
}

}  // namespace
}  // namespace qv::com::test
