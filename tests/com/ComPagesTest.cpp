// The control's two property pages as COM property pages: shown in a designer's window
// over the system's own controls, edited by messages as a user edits them, applied to
// the selected control through its IDispatch, focused on a property the designer names.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PageTestSupport.h"
#include "PropertyNoticeSink.h"

namespace qv::com::test {
namespace {

// Page texts as the system's ANSI code page (932) gives them back.
constexpr char kGeneralTitle[] = "\x91\x53\x91\xcc";
constexpr char kCheckTitle[] = "\xc1\xaa\xaf\xb8\xce\xde\xaf\xb8\xbd\xbd\xc0\xb2\xd9";
constexpr char kFrameLabel[] = "\xcc\xda\xb0\xd1";
constexpr char kPictureRealItem[] = "\x33\x20\x2d\x20\xcb\xdf\xb8\xc1\xac\x28\x8e\xc0\x90\xa1\x29";
constexpr char kEnabledCaption[] = "\xb2\xcd\xde\xdd\xc4\x94\x46\x8e\xaf";
constexpr char kImageFrameCaption[] =
    "\xc1\xaa\xaf\xb8\xce\xde\xaf\xb8\xbd\x82\xcc\xb2\xd2\xb0\xbc\xde\xb2\xdd\xc3\xde\xaf\xb8\xbd";
constexpr char kRangeMessage[] = "MsgBox: 0 ～ 50 の数値を設定してください\r\n";
constexpr char kNotNumericMessage[] = "MsgBox: 数値を入力して下さい\r\n";

// Positions of the controls among the page window's children (tab order).
enum GeneralChild {
    kCmbFrameStyle = 1,
    kCmbSelBackStyle = 3,
    kCmbStyle = 5,
    kLabel4 = 6,
    kCmbBackStyle = 7,
    kCmbMultiSelect = 9,
    kChkShowImage = 10,
    kChkEnabled = 11
};
enum CheckChild {
    kCmbCheckBoxImage = 1,
    kTxtMaxCheck = 3,
    kFrame1 = 6,
    kTxtCheckImageIndex = 8,
    kTxtNoCheckImageIndex = 10
};

class ComPagesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
        ASSERT_TRUE(m_library.IsLoaded());
        m_nGdiObjects = m_library.LiveGdiObjects();
        ASSERT_EQ(m_library.CreateControl(IID_IDispatch, m_control.OutVoid()), S_OK);
        m_hDesigner = ::CreateWindowExW(0, L"STATIC", L"designer", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                        0, 0, 640, 480, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(m_hDesigner, nullptr);
    }
    void TearDown() override {
        for (auto& page : m_pages) {
            page->Deactivate();
            page->SetPageSite(nullptr);
            page.Reset();
        }
        m_control.Reset();
        ::DestroyWindow(m_hDesigner);
        ::OleUninitialize();
        EXPECT_EQ(m_library.LiveGdiObjects(), m_nGdiObjects) << "GDI objects left over";
    }

    ComRef<IPropertyPage> Create(const CLSID& clsid) {
        ComRef<IClassFactory> factory;
        ComRef<IPropertyPage> page;
        EXPECT_EQ(m_library.GetClassObject(clsid, factory.Out()), S_OK);
        if (factory.Get()) {
            EXPECT_EQ(factory->CreateInstance(nullptr, IID_IPropertyPage, page.OutVoid()), S_OK);
        }
        return page;
    }

    // The page on the test's site, showing the objects in the designer's window; its
    // window's children in tab order.
    std::vector<HWND> Open(const CLSID& clsid, std::vector<IUnknown*> objects) {
        m_pages.push_back(Create(clsid));
        IPropertyPage* pPage = m_pages.back().Get();
        if (!pPage) return {};
        EXPECT_EQ(pPage->SetPageSite(&m_site), S_OK);
        EXPECT_EQ(pPage->SetObjects(static_cast<ULONG>(objects.size()), objects.data()), S_OK);
        const RECT rc{8, 8, 400, 300};
        EXPECT_EQ(pPage->Activate(m_hDesigner, &rc, TRUE), S_OK);
        EXPECT_EQ(pPage->Show(SW_SHOW), S_OK);
        HWND hPage = ::GetWindow(m_hDesigner, GW_CHILD);
        EXPECT_NE(hPage, nullptr);
        return Children(hPage);
    }
    std::vector<HWND> Open(const CLSID& clsid) { return Open(clsid, {m_control.Get()}); }
    IPropertyPage* Page() const { return m_pages.back().Get(); }

    LONG Property(const wchar_t* sName) const { return CallLong(m_control.Get(), sName); }
    ::DISPID DispIdOf(const wchar_t* sName) const {
        ::DISPID dispId = DISPID_UNKNOWN;
        auto* pName = const_cast<LPOLESTR>(sName);
        EXPECT_EQ(m_control->GetIDsOfNames(IID_NULL, &pName, 1, LOCALE_USER_DEFAULT, &dispId),
                  S_OK);
        return dispId;
    }

    ServerLibrary m_library;
    TestPageSite m_site;
    ComRef<IDispatch> m_control;
    HWND m_hDesigner = nullptr;
    std::vector<ComRef<IPropertyPage>> m_pages;
    LONG m_nGdiObjects = 0;
};

// What the user does to the system's controls.
void PickItem(HWND hCombo, int nIndex) {
    ::SendMessageW(hCombo, CB_SETCURSEL, static_cast<WPARAM>(nIndex), 0);
    const auto nId = static_cast<WORD>(::GetDlgCtrlID(hCombo));
    ::SendMessageW(::GetParent(hCombo), WM_COMMAND, MAKEWPARAM(nId, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(hCombo));
}

void Type(HWND hEdit, const char* sText) {
    ::SetWindowTextA(hEdit, sText);
}

bool IsChecked(HWND hCheckBox) {
    return ::SendMessageW(hCheckBox, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

TEST_F(ComPagesTest, EachPageGivesItsTitleSizeAndHelpFile) {
    const struct {
        const CLSID& clsid;
        const char* sTitle;
        SIZE size;  // the controls' extent at 96 pixels per inch, with a 16-pixel margin
    } cases[] = {{kGeneralPageClass, kGeneralTitle, {297, 177}},
                 {kCheckPageClass, kCheckTitle, {313, 241}}};
    for (const auto& c : cases) {
        ComRef<IPropertyPage> page = Create(c.clsid);
        ASSERT_NE(page.Get(), nullptr);
        PROPPAGEINFO info{};
        info.cb = sizeof info;
        ASSERT_EQ(page->GetPageInfo(&info), S_OK);
        char szTitle[64] = "";
        ::WideCharToMultiByte(932, 0, info.pszTitle, -1, szTitle, sizeof szTitle, nullptr, nullptr);
        EXPECT_STREQ(szTitle, c.sTitle);
        EXPECT_EQ(info.size.cx, c.size.cx);
        EXPECT_EQ(info.size.cy, c.size.cy);
        EXPECT_STREQ(info.pszHelpFile, L"QV_ColorListBox.hlp");
        ::CoTaskMemFree(info.pszTitle);
        ::CoTaskMemFree(info.pszHelpFile);
        ::CoTaskMemFree(info.pszDocString);
    }
}

TEST_F(ComPagesTest, GeneralPageShowsTheControlsValuesInTheSystemsControls) {
    const struct {
        const wchar_t* sProperty;
        LONG nValue;
        GeneralChild eCombo;
    } cases[] = {{L"BackStyle", 3, kCmbBackStyle},
                 {L"FrameStyle", 2, kCmbFrameStyle},
                 {L"SelBackStyle", 1, kCmbSelBackStyle},
                 {L"MultiSelect", 2, kCmbMultiSelect},
                 {L"Style", 1, kCmbStyle}};
    for (const auto& c : cases) ASSERT_EQ(PutLong(m_control.Get(), c.sProperty, c.nValue), S_OK);
    Var bFalse;
    V_VT(&bFalse.v) = VT_BOOL;
    V_BOOL(&bFalse.v) = VARIANT_FALSE;
    ASSERT_EQ(Call(m_control.Get(), L"ShowImage", DISPATCH_PROPERTYPUT, {&bFalse.v}), S_OK);

    const std::vector<HWND> children = Open(kGeneralPageClass);
    ASSERT_EQ(children.size(), 12u);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.sProperty, c.sProperty + ::lstrlenW(c.sProperty)));
        EXPECT_EQ(::SendMessageW(children[c.eCombo], CB_GETCURSEL, 0, 0), c.nValue);
    }
    EXPECT_EQ(AnsiComboItem(children[kCmbBackStyle], 3), kPictureRealItem);
    EXPECT_EQ(::SendMessageW(children[kCmbBackStyle], CB_GETCOUNT, 0, 0), 5);
    EXPECT_EQ(AnsiText(children[0]), kFrameLabel);
    EXPECT_EQ(AnsiText(children[kChkEnabled]), kEnabledCaption);
    EXPECT_TRUE(IsChecked(children[kChkEnabled]));
    EXPECT_FALSE(IsChecked(children[kChkShowImage]));
    EXPECT_EQ(Page()->IsPageDirty(), S_FALSE);
    EXPECT_TRUE(m_site.m_statuses.empty());
}

TEST_F(ComPagesTest, AnEditMakesThePageDirtyAndApplyWritesIt) {
    const std::vector<HWND> children = Open(kGeneralPageClass);
    ASSERT_EQ(children.size(), 12u);
    PickItem(children[kCmbBackStyle], 1);
    ::SendMessageW(children[kChkEnabled], BM_CLICK, 0, 0);
    EXPECT_EQ(Page()->IsPageDirty(), S_OK);
    ASSERT_FALSE(m_site.m_statuses.empty());
    EXPECT_EQ(m_site.m_statuses.front(), DWORD{PROPPAGESTATUS_DIRTY | PROPPAGESTATUS_VALIDATE});
    EXPECT_EQ(Property(L"BackStyle"), 0) << "nothing reaches the control before Apply";
    EXPECT_EQ(Property(L"Enabled"), -1);

    EXPECT_EQ(Page()->Apply(), S_OK);
    EXPECT_EQ(Property(L"BackStyle"), 1);
    EXPECT_EQ(Property(L"Enabled"), 0);
    EXPECT_EQ(Page()->IsPageDirty(), S_FALSE);
    EXPECT_EQ(m_site.m_statuses.back(), DWORD{PROPPAGESTATUS_CLEAN});
}

// Apply writes through the control's dispatch interface: a container connected to the
// control hears of each property it changed.
TEST_F(ComPagesTest, ApplyingTellsTheControlsContainerOfEachChange) {
    ComRef<IConnectionPointContainer> points;
    ASSERT_EQ(m_control->QueryInterface(IID_IConnectionPointContainer, points.OutVoid()), S_OK);
    ComRef<IConnectionPoint> point;
    ASSERT_EQ(points->FindConnectionPoint(IID_IPropertyNotifySink, point.Out()), S_OK);
    PropertyNoticeSink sink;
    DWORD dwCookie = 0;
    ASSERT_EQ(point->Advise(&sink, &dwCookie), S_OK);
    const std::vector<HWND> children = Open(kGeneralPageClass);
    ASSERT_EQ(children.size(), 12u);
    PickItem(children[kCmbBackStyle], 1);
    ::SendMessageW(children[kChkEnabled], BM_CLICK, 0, 0);
    EXPECT_TRUE(sink.received.empty()) << "nothing reaches the control before Apply";
    EXPECT_EQ(Page()->Apply(), S_OK);
    EXPECT_EQ(sink.received, (std::vector<std::string>{Changed(DispIdOf(L"BackStyle")),
                                                       Changed(DispIdOf(L"Enabled"))}));
    point->Unadvise(dwCookie);
}

// The designer names a property (a property browser's "..." button, say): the control
// that shows it gets the focus, on whichever page shows it.
TEST_F(ComPagesTest, EditPropertyPutsTheFocusOnThePropertysControl) {
    struct Case {
        const CLSID* pPage;
        const wchar_t* sProperty;
        int nChild;  // -1: the page shows no such property
    };
    const Case cases[] = {
        {&kGeneralPageClass, L"FrameStyle", kCmbFrameStyle},
        {&kGeneralPageClass, L"SelBackStyle", kCmbSelBackStyle},
        {&kGeneralPageClass, L"Style", kCmbStyle},
        {&kGeneralPageClass, L"BackStyle", kCmbBackStyle},
        {&kGeneralPageClass, L"MultiSelect", kCmbMultiSelect},
        {&kGeneralPageClass, L"ShowImage", kChkShowImage},
        {&kGeneralPageClass, L"Enabled", kChkEnabled},
        {&kGeneralPageClass, L"MaxCheck", -1},
        {&kGeneralPageClass, L"ListCount", -1},
        {&kCheckPageClass, L"CheckBoxImage", kCmbCheckBoxImage},
        {&kCheckPageClass, L"MaxCheck", kTxtMaxCheck},
        {&kCheckPageClass, L"CheckImageIndex", kTxtCheckImageIndex},
        {&kCheckPageClass, L"NoCheckImageIndex", kTxtNoCheckImageIndex},
        {&kCheckPageClass, L"Style", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        const std::vector<HWND> children = Open(*c.pPage);
        ComRef<IPropertyPage2> page;
        ASSERT_EQ(Page()->QueryInterface(IID_IPropertyPage2, page.OutVoid()), S_OK);
        ::SetFocus(m_hDesigner);
        EXPECT_EQ(page->EditProperty(DispIdOf(c.sProperty)), c.nChild < 0 ? E_NOTIMPL : S_OK);
        const HWND hExpected = c.nChild < 0 ? m_hDesigner : children.at(c.nChild);
        EXPECT_EQ(::GetFocus(), hExpected);
        Page()->Deactivate();
    }
    ComRef<IPropertyPage2> page;
    ASSERT_EQ(Page()->QueryInterface(IID_IPropertyPage2, page.OutVoid()), S_OK);
    EXPECT_EQ(page->EditProperty(0x7FFF0000), E_NOTIMPL) << "no member has that identifier";
}

// A frame may name the property before it shows the page.
TEST_F(ComPagesTest, APropertyNamedBeforeThePageIsShownGetsTheFocusWhenItIs) {
    ComRef<IPropertyPage> created = Create(kCheckPageClass);
    ComRef<IPropertyPage2> page;
    ASSERT_EQ(created->QueryInterface(IID_IPropertyPage2, page.OutVoid()), S_OK);
    IUnknown* pObject = m_control.Get();
    ASSERT_EQ(page->SetPageSite(&m_site), S_OK);
    ASSERT_EQ(page->SetObjects(1, &pObject), S_OK);
    EXPECT_EQ(page->EditProperty(DispIdOf(L"CheckImageIndex")), S_OK);
    const RECT rc{8, 8, 400, 300};
    ASSERT_EQ(page->Activate(m_hDesigner, &rc, TRUE), S_OK);
    ::SetFocus(m_hDesigner);
    ASSERT_EQ(page->Show(SW_SHOW), S_OK);
    const std::vector<HWND> children = Children(::GetWindow(m_hDesigner, GW_CHILD));
    ASSERT_GT(children.size(), static_cast<size_t>(kTxtCheckImageIndex));
    EXPECT_EQ(::GetFocus(), children[kTxtCheckImageIndex]);
    page->Deactivate();
    page->SetPageSite(nullptr);
}

TEST_F(ComPagesTest, OnlyTheFirstSelectedControlIsEdited) {
    ComRef<IDispatch> second;
    ASSERT_EQ(m_library.CreateControl(IID_IDispatch, second.OutVoid()), S_OK);
    ASSERT_EQ(PutLong(second.Get(), L"FrameStyle", 2), S_OK);
    const std::vector<HWND> children = Open(kGeneralPageClass, {m_control.Get(), second.Get()});
    ASSERT_EQ(children.size(), 12u);
    EXPECT_EQ(::SendMessageW(children[kCmbFrameStyle], CB_GETCURSEL, 0, 0), 1);
    PickItem(children[kCmbStyle], 1);
    EXPECT_EQ(Page()->Apply(), S_OK);
    EXPECT_EQ(Property(L"Style"), 1);
    EXPECT_EQ(CallLong(second.Get(), L"Style"), 0);
    EXPECT_EQ(CallLong(second.Get(), L"FrameStyle"), 2);
}

TEST_F(ComPagesTest, CheckPageNumbersAreCheckedBeforeTheyAreWritten) {
    ASSERT_EQ(PutLong(m_control.Get(), L"MaxCheck", 3), S_OK);
    const std::vector<HWND> children = Open(kCheckPageClass);
    ASSERT_EQ(children.size(), 12u);
    EXPECT_EQ(AnsiText(children[kFrame1]), kImageFrameCaption);
    EXPECT_EQ(AnsiText(children[kTxtMaxCheck]), "3");
    const struct {
        const char* sTyped;
        LONG nMaxCheck;
        const char* sMessage;
        const char* sShown;
    } cases[] = {
        {"51", 3, kRangeMessage, "3"},
        {"abc", 3, kNotNumericMessage, "3"},
        {"-1", 3, kRangeMessage, "3"},
        {"50", 50, "", "50"},
        {"0", 0, "", "0"},
        {"99999999999", 0, kRangeMessage, "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sTyped);
        MessageLog log;
        Type(children[kTxtMaxCheck], c.sTyped);
        EXPECT_EQ(Page()->IsPageDirty(), S_OK);
        EXPECT_EQ(Page()->Apply(), S_OK);
        EXPECT_EQ(Property(L"MaxCheck"), c.nMaxCheck);
        EXPECT_EQ(log.Text(), c.sMessage);
        EXPECT_EQ(AnsiText(children[kTxtMaxCheck]), c.sShown);
        EXPECT_EQ(Page()->IsPageDirty(), S_FALSE);
    }
}

TEST_F(ComPagesTest, ABadNumberDoesNotStopTheOtherFields) {
    const std::vector<HWND> children = Open(kCheckPageClass);
    ASSERT_EQ(children.size(), 12u);
    MessageLog log;
    Type(children[kTxtCheckImageIndex], "x1");
    Type(children[kTxtNoCheckImageIndex], "7");
    PickItem(children[kCmbCheckBoxImage], 1);
    EXPECT_EQ(Page()->Apply(), S_OK);
    EXPECT_EQ(log.Text(), kNotNumericMessage);
    EXPECT_EQ(Property(L"CheckImageIndex"), 0);
    EXPECT_EQ(Property(L"NoCheckImageIndex"), 7);
    EXPECT_EQ(Property(L"CheckBoxImage"), 1);
}

TEST_F(ComPagesTest, LeavingMaxCheckWithABadNumberKeepsTheFocusThere) {
    ASSERT_EQ(PutLong(m_control.Get(), L"MaxCheck", 4), S_OK);
    const std::vector<HWND> children = Open(kCheckPageClass);
    ASSERT_EQ(children.size(), 12u);
    const struct {
        const char* sTyped;
        const char* sMessage;
        CheckChild eFocus;
        const char* sShown;
    } cases[] = {{"60", kRangeMessage, kTxtMaxCheck, "4"}, {"12", "", kCmbCheckBoxImage, "12"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sTyped);
        ::SetFocus(children[kTxtMaxCheck]);
        ASSERT_EQ(::GetFocus(), children[kTxtMaxCheck]);
        MessageLog log;
        Type(children[kTxtMaxCheck], c.sTyped);
        ::SetFocus(children[kCmbCheckBoxImage]);
        PumpMessages();
        EXPECT_EQ(::GetFocus(), children[c.eFocus]);
        EXPECT_EQ(log.Text(), c.sMessage);
        EXPECT_EQ(AnsiText(children[kTxtMaxCheck]), c.sShown);
    }
    EXPECT_EQ(Property(L"MaxCheck"), 4) << "leaving the box writes nothing";
}

TEST_F(ComPagesTest, TheControlsTakeTheDesignersDialogFontWhileShown) {
    HFONT hDesignerFont = ::CreateFontW(-13, 0, 0, 0, FW_BOLD, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0,
                                        0, L"MS UI Gothic");
    ::SendMessageW(m_hDesigner, WM_SETFONT, reinterpret_cast<WPARAM>(hDesignerFont), FALSE);
    const std::vector<HWND> children = Open(kCheckPageClass);
    ASSERT_EQ(children.size(), 12u);
    for (HWND hChild : children) {
        EXPECT_EQ(reinterpret_cast<HFONT>(::SendMessageW(hChild, WM_GETFONT, 0, 0)), hDesignerFont);
    }
    EXPECT_EQ(Page()->Deactivate(), S_OK);
    EXPECT_EQ(::GetWindow(m_hDesigner, GW_CHILD), nullptr) << "the page left the window";
    for (HWND hChild : children) {
        const auto hFont = reinterpret_cast<HFONT>(::SendMessageW(hChild, WM_GETFONT, 0, 0));
        EXPECT_NE(hFont, nullptr);
        EXPECT_NE(hFont, hDesignerFont) << "the designer's font may go with the designer";
    }
    ::DeleteObject(hDesignerFont);
}

// Tab moves among the controls that take the focus, in creation order, past the labels
// and the frame; leaving a text box by Tab runs its check like any other way out.
TEST_F(ComPagesTest, TabMovesTheFocusThroughTheFrameToTheNextControl) {
    ASSERT_EQ(PutLong(m_control.Get(), L"MaxCheck", 5), S_OK);
    const std::vector<HWND> children = Open(kCheckPageClass);
    ASSERT_EQ(children.size(), 12u);
    const struct {
        CheckChild eFrom;
        const char* sMaxCheck;
        CheckChild eTo;
    } cases[] = {
        {kCmbCheckBoxImage, "5", kTxtMaxCheck},
        {kTxtMaxCheck, "6", kTxtCheckImageIndex},
        {kTxtCheckImageIndex, "6", kTxtNoCheckImageIndex},
        {kTxtNoCheckImageIndex, "6", kCmbCheckBoxImage},
        {kTxtMaxCheck, "x", kTxtMaxCheck},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "from child " << c.eFrom);
        ::SetFocus(children[c.eFrom]);
        Type(children[kTxtMaxCheck], c.sMaxCheck);
        MessageLog log;
        MSG msg{children[c.eFrom], WM_KEYDOWN, VK_TAB, 0x000F0001, 0, {}};
        EXPECT_EQ(Page()->TranslateAccelerator(&msg), S_OK);
        PumpMessages();
        EXPECT_EQ(::GetFocus(), children[c.eTo]);
    }
    MSG outside{m_hDesigner, WM_KEYDOWN, VK_TAB, 0x000F0001, 0, {}};
    EXPECT_EQ(Page()->TranslateAccelerator(&outside), S_FALSE) << "not the page's key";
}

TEST_F(ComPagesTest, AValueTheControlRefusesLeavesThePageDirty) {
    FakeControl fake;
    for (const wchar_t* sName : {L"BackStyle", L"FrameStyle", L"SelBackStyle", L"MultiSelect",
                                 L"Style", L"ShowImage", L"Enabled"})
        fake.m_properties.emplace_back(sName, 0);
    fake.m_refused = L"FrameStyle";
    const std::vector<HWND> children = Open(kGeneralPageClass, {&fake});
    ASSERT_EQ(children.size(), 12u);
    PickItem(children[kCmbFrameStyle], 2);
    MessageLog log;
    EXPECT_EQ(Page()->Apply(), static_cast<HRESULT>(0x800A017C));
    EXPECT_EQ(Page()->IsPageDirty(), S_OK);
    EXPECT_EQ(fake.m_properties[1].second, 0);
    EXPECT_EQ(log.Text(), "MsgBox: Invalid property value\r\n");
    EXPECT_NE(m_site.m_statuses.back(), DWORD{PROPPAGESTATUS_CLEAN});
    m_pages.back()->SetObjects(0, nullptr);
    EXPECT_EQ(fake.m_nRefs, 1u) << "the page lets go of the objects";
}

TEST_F(ComPagesTest, PagesCountAsLiveObjects) {
    m_control.Reset();
    ASSERT_EQ(m_library.CanUnloadNow(), S_OK);
    for (const CLSID* pClass : {&kGeneralPageClass, &kCheckPageClass}) {
        ComRef<IPropertyPage> page = Create(*pClass);
        EXPECT_EQ(m_library.CanUnloadNow(), S_FALSE);
        page.Reset();
        EXPECT_EQ(m_library.CanUnloadNow(), S_OK);
    }
}

TEST_F(ComPagesTest, PagesRefuseObjectsWithoutDispatch) {
    ComRef<IPropertyPage> page = Create(kCheckPageClass);
    ASSERT_NE(page.Get(), nullptr);
    TestPageSite notDispatch;  // an IUnknown that is no IDispatch
    IUnknown* objects[] = {&notDispatch};
    EXPECT_EQ(page->SetObjects(1, objects), E_NOINTERFACE);
    EXPECT_EQ(page->Apply(), S_OK) << "nothing selected, nothing to write";
}

}  // namespace
}  // namespace qv::com::test
