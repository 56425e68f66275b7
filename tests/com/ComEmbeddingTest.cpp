// The control embedded in a container: verbs and in-place activation in a real window, the
// extent, the ambient properties, frozen events, drawing through the view object, the keys
// the container's loop offers, quick activation, and every reference given back.
#include <gtest/gtest.h>
#include <oleacc.h>
#include <olectl.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "ComTestSupport.h"
#include "EventSink.h"
#include "qvcontainer/ComPtr.h"
#include "qvcontainer/ContainerSite.h"

namespace qv::com::test {
namespace {

using container::ComPtr;
using container::ContainerSite;

constexpr RECT kPosition{10, 10, 130, 110};  // 120 x 100 pixels

void Pump() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
}

IID EventInterfaceOf(IDispatch* pList) {
    IID iid = IID_NULL;
    ComPtr<IProvideClassInfo2> info;
    pList->QueryInterface(IID_IProvideClassInfo2, info.OutVoid());
    if (info) info->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &iid);
    return iid;
}

std::vector<std::string> WithoutViewChanges(std::vector<std::string> journal) {
    journal.erase(std::remove(journal.begin(), journal.end(), "OnViewChange"), journal.end());
    return journal;
}

// A form window, a site in it and one control, given back in the order a container does.
class Embedding {
  public:
    explicit Embedding(const ServerLibrary& library) {
        m_hForm = ::CreateWindowW(L"STATIC", L"form", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0,
                                  400, 300, nullptr, nullptr, nullptr, nullptr);
        ::ShowWindow(m_hForm, SW_SHOW);
        site = std::make_unique<ContainerSite>(m_hForm, kPosition);
        library.CreateControl(IID_IOleObject, ole.OutVoid());
    }
    ~Embedding() {
        if (ole) {
            ole->Close(OLECLOSE_NOSAVE);
            ole->SetClientSite(nullptr);
            ole.Reset();
        }
        EXPECT_EQ(site->References(), 0) << "the control kept a reference to its site";
        site.reset();
        ::DestroyWindow(m_hForm);
        Pump();
    }

    // Sited first, initialised, sized, and then given the verb.
    HRESULT Embed(LONG nVerb) {
        Site();
        return ole->DoVerb(nVerb, nullptr, site.get(), 0, m_hForm, &kPosition);
    }
    void Site() {
        ASSERT_EQ(ole->SetClientSite(site.get()), S_OK);
        auto persist = ole.As<IPersistStreamInit>(IID_IPersistStreamInit);
        ASSERT_EQ(persist->InitNew(), S_OK);
        SIZEL size{3175, 2646};
        ASSERT_EQ(ole->SetExtent(DVASPECT_CONTENT, &size), S_OK);
    }
    IDispatch* List() {
        if (!m_list) m_list = ole.As<IDispatch>(IID_IDispatch);
        return m_list.Get();
    }
    HWND Window() {
        return reinterpret_cast<HWND>(static_cast<INT_PTR>(CallLong(List(), L"hWnd")));
    }
    HWND Form() const { return m_hForm; }

    std::unique_ptr<ContainerSite> site;
    ComPtr<IOleObject> ole;

  private:
    HWND m_hForm = nullptr;
    ComPtr<IDispatch> m_list;
};

// Every test ends with the library holding no object and no GDI object it did not hold
// before.
class EmbeddingTest : public ::testing::Test {
  protected:
    void SetUp() override { m_nGdiObjects = library.LiveGdiObjects(); }
    void TearDown() override {
        EXPECT_EQ(library.CanUnloadNow(), S_OK);
        EXPECT_EQ(library.LiveGdiObjects(), m_nGdiObjects) << "GDI objects left over";
    }
    ServerLibrary library;

  private:
    LONG m_nGdiObjects = 0;
};

TEST_F(EmbeddingTest, EachShowingVerbActivatesInPlaceAndDeactivationParksTheWindow) {
    struct Case {
        LONG nVerb;
        bool bFocused;
        std::vector<std::string> activation;
        std::vector<std::string> deactivation;
    };
    const std::vector<std::string> uiActive{"OnInPlaceActivate", "OnUIActivate", "OnFocus 1",
                                            "SetActiveObject"};
    const std::vector<std::string> uiGone{"SetActiveObject none", "OnUIDeactivate", "OnFocus 0",
                                          "OnInPlaceDeactivate"};
    const Case cases[] = {
        {OLEIVERB_INPLACEACTIVATE, false, {"OnInPlaceActivate"}, {"OnInPlaceDeactivate"}},
        {OLEIVERB_UIACTIVATE, true, uiActive, uiGone},
        {OLEIVERB_SHOW, true, uiActive, uiGone},
        {OLEIVERB_PRIMARY, true, uiActive, uiGone},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nVerb);
        Embedding embedding(library);
        embedding.Site();
        const HWND hWnd = embedding.Window();
        EXPECT_FALSE(::IsWindowVisible(hWnd));
        ASSERT_EQ(embedding.ole->DoVerb(c.nVerb, nullptr, embedding.site.get(), 0, embedding.Form(),
                                        &kPosition),
                  S_OK);
        EXPECT_EQ(WithoutViewChanges(embedding.site->Journal()), c.activation);
        EXPECT_EQ(embedding.Window(), hWnd) << "one window for the control's whole life";
        EXPECT_EQ(::GetParent(hWnd), embedding.Form());
        EXPECT_TRUE(::IsWindowVisible(hWnd));
        EXPECT_EQ(::GetFocus() == hWnd, c.bFocused);
        RECT rc{};
        ::GetWindowRect(hWnd, &rc);
        ::MapWindowPoints(nullptr, embedding.Form(), reinterpret_cast<POINT*>(&rc), 2);
        EXPECT_TRUE(::EqualRect(&rc, &kPosition));

        embedding.site->ClearJournal();
        auto inPlace = embedding.ole.As<IOleInPlaceObject>(IID_IOleInPlaceObject);
        ASSERT_EQ(inPlace->InPlaceDeactivate(), S_OK);
        EXPECT_EQ(WithoutViewChanges(embedding.site->Journal()), c.deactivation);
        EXPECT_FALSE(::IsWindowVisible(hWnd));
        EXPECT_EQ(::GetParent(hWnd), nullptr);
        HWND hAnswer = nullptr;
        EXPECT_EQ(inPlace->GetWindow(&hAnswer), E_FAIL);
    }
}

TEST_F(EmbeddingTest, VerbsTheControlHasNotAreRefusedOrTakenAsThePrimaryOne) {
    struct Case {
        LONG nVerb;
        HRESULT hrExpected;
        bool bShown;
    };
    const Case cases[] = {
        {OLEIVERB_OPEN, E_NOTIMPL, false},
        {-99, E_NOTIMPL, false},
        {7, OLEOBJ_S_INVALIDVERB, true},
        {OLEIVERB_HIDE, S_OK, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nVerb);
        Embedding embedding(library);
        EXPECT_EQ(embedding.Embed(c.nVerb), c.hrExpected);
        EXPECT_EQ(::IsWindowVisible(embedding.Window()) != FALSE, c.bShown);
    }
    Embedding embedding(library);
    ASSERT_EQ(embedding.Embed(OLEIVERB_UIACTIVATE), S_OK);
    ASSERT_EQ(embedding.ole->DoVerb(OLEIVERB_HIDE, nullptr, embedding.site.get(), 0,
                                    embedding.Form(), &kPosition),
              S_OK);
    EXPECT_FALSE(::IsWindowVisible(embedding.Window()));
    EXPECT_EQ(embedding.site->ActiveObject(), nullptr);
}

struct ListedVerb {
    LONG lVerb;
    std::wstring sName;
    DWORD fuFlags;
    DWORD grfAttribs;
    bool operator==(const ListedVerb& other) const {
        return lVerb == other.lVerb && sName == other.sName && fuFlags == other.fuFlags &&
               grfAttribs == other.grfAttribs;
    }
};

std::vector<ListedVerb> ListVerbs(IEnumOLEVERB& verbs, ULONG nAtOnce) {
    std::vector<ListedVerb> listed;
    OLEVERB fetched[4]{};
    ULONG nFetched = 0;
    HRESULT hr = S_OK;
    while (hr == S_OK) {
        hr = verbs.Next(nAtOnce, fetched, &nFetched);
        EXPECT_TRUE(hr == S_OK || hr == S_FALSE);
        for (ULONG i = 0; i < nFetched; ++i) {
            listed.push_back({fetched[i].lVerb, fetched[i].lpszVerbName, fetched[i].fuFlags,
                              fetched[i].grfAttribs});
            ::CoTaskMemFree(fetched[i].lpszVerbName);
        }
    }
    return listed;
}

// The verbs a container lists are the verbs the control carries out: activation that
// changes nothing, and the property pages on the container's menu with the primary verb.
TEST_F(EmbeddingTest, TheListedVerbsAreTheOnesTheControlCarriesOut) {
    constexpr DWORD kNeverDirties = OLEVERBATTRIB_NEVERDIRTIES;
    constexpr DWORD kOnMenu = OLEVERBATTRIB_ONCONTAINERMENU;
    const std::vector<ListedVerb> expected = {
        {OLEIVERB_PRIMARY, L"&Edit", MF_STRING, kNeverDirties | kOnMenu},
        {OLEIVERB_SHOW, L"&Show", MF_STRING, kNeverDirties},
        {OLEIVERB_UIACTIVATE, L"&Activate", MF_STRING, kNeverDirties},
        {OLEIVERB_INPLACEACTIVATE, L"&Activate in Place", MF_STRING, kNeverDirties},
        {OLEIVERB_HIDE, L"&Hide", MF_STRING, kNeverDirties},
        {OLEIVERB_PROPERTIES, L"&Properties...", MF_STRING, kOnMenu},
    };
    Embedding embedding(library);
    ComPtr<IEnumOLEVERB> verbs;
    ASSERT_EQ(embedding.ole->EnumVerbs(verbs.Out()), S_OK);
    for (ULONG nAtOnce : {1u, 4u}) {
        SCOPED_TRACE(nAtOnce);
        EXPECT_EQ(ListVerbs(*verbs.Get(), nAtOnce), expected);
        EXPECT_EQ(verbs->Reset(), S_OK);
    }
    EXPECT_EQ(verbs->Skip(4), S_OK);
    ComPtr<IEnumOLEVERB> rest;
    ASSERT_EQ(verbs->Clone(rest.Out()), S_OK);
    EXPECT_EQ(ListVerbs(*rest.Get(), 4),
              std::vector<ListedVerb>(expected.begin() + 4, expected.end()));
    EXPECT_EQ(verbs->Skip(3), S_FALSE);

    for (const ListedVerb& verb : expected) {
        SCOPED_TRACE(verb.lVerb);
        Embedding fresh(library);
        fresh.Site();
        EXPECT_EQ(
            fresh.ole->DoVerb(verb.lVerb, nullptr, fresh.site.get(), 0, fresh.Form(), &kPosition),
            S_OK);
        auto persist = fresh.ole.As<IPersistStreamInit>(IID_IPersistStreamInit);
        if (verb.grfAttribs & kNeverDirties) {
            EXPECT_EQ(persist->IsDirty(), S_FALSE);
        }
    }
}

// Closing saves through the site only when asked to and when something changed.
TEST_F(EmbeddingTest, ClosingSavesAChangedControlWhenAsked) {
    struct Case {
        DWORD dwSaveOption;
        bool bChanged;
        bool bSaved;
    };
    const Case cases[] = {
        {OLECLOSE_SAVEIFDIRTY, true, true},
        {OLECLOSE_SAVEIFDIRTY, false, false},
        {OLECLOSE_PROMPTSAVE, true, true},
        {OLECLOSE_NOSAVE, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dwSaveOption << " " << c.bChanged);
        Embedding embedding(library);
        ASSERT_EQ(embedding.Embed(OLEIVERB_INPLACEACTIVATE), S_OK);
        if (c.bChanged) {
            ASSERT_EQ(PutLong(embedding.List(), L"FrameStyle", 0), S_OK);
        }
        embedding.site->ClearJournal();
        ASSERT_EQ(embedding.ole->Close(c.dwSaveOption), S_OK);
        const auto& journal = embedding.site->Journal();
        EXPECT_EQ(std::count(journal.begin(), journal.end(), "SaveObject") == 1, c.bSaved);
        EXPECT_FALSE(::IsWindowVisible(embedding.Window()));
    }
}

// A clip smaller than the position leaves the control visible only inside it: the form's
// own background shows in the rest of the position. A clip holding the whole position, or
// deactivation, takes the clipping away.
TEST_F(EmbeddingTest, TheControlDrawsOnlyInsideTheClipRectangle) {
    Embedding embedding(library);
    ASSERT_EQ(embedding.Embed(OLEIVERB_INPLACEACTIVATE), S_OK);
    ASSERT_EQ(PutLong(embedding.List(), L"BackColor", 0x00123456), S_OK);
    auto inPlace = embedding.ole.As<IOleInPlaceObject>(IID_IOleInPlaceObject);
    const HWND hWnd = embedding.Window();
    struct Case {
        RECT rcPos;
        RECT rcClip;
        int nRegion;     // of the window: NULLREGION, SIMPLEREGION or ERROR (none)
        RECT rcBox;      // of the region, in window pixels
        POINT ptShown;   // form pixels of the control's background, if any
        POINT ptHidden;  // form pixels within the position but outside the clip, if any
    };
    const POINT kNone{-1, -1};
    const Case cases[] = {
        {kPosition, {0, 0, 70, 60}, SIMPLEREGION, {0, 0, 60, 50}, {40, 40}, {100, 90}},
        {kPosition, {30, 20, 400, 300}, SIMPLEREGION, {20, 10, 120, 100}, {100, 90}, {20, 40}},
        {{20, 20, 140, 120}, {0, 0, 400, 300}, ERROR, {}, {130, 110}, kNone},
        {kPosition, {200, 200, 300, 300}, NULLREGION, {}, kNone, {40, 40}},
        {kPosition, {0, 0, 70, 60}, SIMPLEREGION, {0, 0, 60, 50}, {40, 40}, {100, 90}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        ASSERT_EQ(inPlace->SetObjectRects(&c.rcPos, &c.rcClip), S_OK);
        ::RedrawWindow(embedding.Form(), nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Pump();
        RECT rcBox{};
        EXPECT_EQ(::GetWindowRgnBox(hWnd, &rcBox), c.nRegion);
        if (c.nRegion == SIMPLEREGION) {
            EXPECT_TRUE(::EqualRect(&rcBox, &c.rcBox));
        }
        HDC hFormDC = ::GetDC(embedding.Form());
        if (c.ptShown.x >= 0) {
            EXPECT_EQ(::GetPixel(hFormDC, c.ptShown.x, c.ptShown.y), 0x00123456u);
        }
        if (c.ptHidden.x >= 0) {
            EXPECT_NE(::GetPixel(hFormDC, c.ptHidden.x, c.ptHidden.y), 0x00123456u);
        }
        ::ReleaseDC(embedding.Form(), hFormDC);
    }
    ASSERT_EQ(inPlace->InPlaceDeactivate(), S_OK);
    RECT rcBox{};
    EXPECT_EQ(::GetWindowRgnBox(hWnd, &rcBox), ERROR) << "a parked window keeps no clipping";
}

TEST_F(EmbeddingTest, TheExtentIsKeptInWholePixels) {
    struct Case {
        LONG nHimetric;
        int nPixels;
        LONG nBack;
    };
    const Case cases[] = {{3175, 120, 3175}, {2540, 96, 2540}, {13, 0, 0}, {14, 1, 26}};
    Embedding embedding(library);
    ASSERT_EQ(embedding.Embed(OLEIVERB_INPLACEACTIVATE), S_OK);
    auto inPlace = embedding.ole.As<IOleInPlaceObject>(IID_IOleInPlaceObject);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nHimetric);
        SIZEL size{c.nHimetric, c.nHimetric};
        ASSERT_EQ(embedding.ole->SetExtent(DVASPECT_CONTENT, &size), S_OK);
        SIZEL back{};
        ASSERT_EQ(embedding.ole->GetExtent(DVASPECT_CONTENT, &back), S_OK);
        EXPECT_EQ(back.cx, c.nBack);
        EXPECT_EQ(back.cy, c.nBack);
        RECT rc{};
        ::GetWindowRect(embedding.Window(), &rc);
        EXPECT_EQ(rc.right - rc.left, c.nPixels);
    }
    SIZEL size{100, 100};
    EXPECT_EQ(embedding.ole->SetExtent(DVASPECT_ICON, &size), DV_E_DVASPECT);
    size.cx = -1;
    EXPECT_EQ(embedding.ole->SetExtent(DVASPECT_CONTENT, &size), E_INVALIDARG);
}

// Image lists may be set only at run time: the control's answer shows the mode it read.
TEST_F(EmbeddingTest, TheAmbientModeIsReadFromTheSiteAndAgainWhenItChanges) {
    Embedding embedding(library);
    embedding.site->SetUserMode(false);
    ASSERT_EQ(embedding.Embed(OLEIVERB_INPLACEACTIVATE), S_OK);
    EXCEPINFO excep{};
    EXPECT_EQ(PutLong(embedding.List(), L"ImageList", 0, &excep), DISP_E_EXCEPTION);
    EXPECT_EQ(excep.scode & 0xFFFF, 387);
    ::SysFreeString(excep.bstrDescription);
    ::SysFreeString(excep.bstrSource);

    embedding.site->SetUserMode(true);
    auto control = embedding.ole.As<IOleControl>(IID_IOleControl);
    ASSERT_EQ(control->OnAmbientPropertyChange(DISPID_AMBIENT_USERMODE), S_OK);
    EXPECT_EQ(PutLong(embedding.List(), L"ImageList", 0), S_OK);
}

// The rows follow the font: the same press hits an earlier row in a larger ambient font.
TEST_F(EmbeddingTest, ANewControlTakesTheContainersFont) {
    auto rowAt40 = [&](double dPoints) {
        Embedding embedding(library);
        embedding.site->SetFont(L"Arial", dPoints);
        EXPECT_EQ(embedding.Embed(OLEIVERB_INPLACEACTIVATE), S_OK);
        for (int i = 0; i < 5; ++i) {
            Var vText = Var::Text(L"Item");
            Call(embedding.List(), L"AddItem", DISPATCH_METHOD, {&vText.v});
        }
        ::SendMessageW(embedding.Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 40));
        ::SendMessageW(embedding.Window(), WM_LBUTTONUP, 0, MAKELPARAM(5, 40));
        return CallLong(embedding.List(), L"ListIndex");
    };
    const LONG nSmall = rowAt40(9);
    const LONG nLarge = rowAt40(24);
    EXPECT_GE(nSmall, 2);
    EXPECT_EQ(nLarge, 1);
}

TEST_F(EmbeddingTest, FrozenEventsAreDropped) {
    Embedding embedding(library);
    ASSERT_EQ(embedding.Embed(OLEIVERB_INPLACEACTIVATE), S_OK);
    RecordingSink sink;
    auto points = embedding.ole.As<IConnectionPointContainer>(IID_IConnectionPointContainer);
    ComPtr<IConnectionPoint> point;
    ASSERT_EQ(points->FindConnectionPoint(EventInterfaceOf(embedding.List()), point.Out()), S_OK);
    DWORD dwCookie = 0;
    ASSERT_EQ(point->Advise(&sink, &dwCookie), S_OK);
    auto control = embedding.ole.As<IOleControl>(IID_IOleControl);
    struct Case {
        bool bFrozen;
        std::vector<::DISPID> events;
    };
    const Case cases[] = {{false, {2, 4, 9}}, {true, {}}, {false, {2, 4, 9}}};
    for (const Case& c : cases) {
        control->FreezeEvents(c.bFrozen ? TRUE : FALSE);
        sink.received.clear();
        ::SendMessageW(embedding.Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        ::SendMessageW(embedding.Window(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        EXPECT_EQ(sink.received, c.events) << (c.bFrozen ? "frozen" : "thawed");
        if (c.bFrozen) control->FreezeEvents(FALSE);
    }
    point->Unadvise(dwCookie);
}

// A client that stores a value the control cannot take back into a by-reference argument
// makes the control raise a host error out of the notification the window's message
// delivered: it ends in the window procedure, and the next message works as before.
TEST_F(EmbeddingTest, AnErrorOutOfADeliveredNotificationStaysInTheWindowProcedure) {
    Embedding embedding(library);
    ASSERT_EQ(embedding.Embed(OLEIVERB_INPLACEACTIVATE), S_OK);
    struct Case {
        const char* sName;
        ::DISPID nPoisoned;  // the event whose argument the client spoils
        UINT nArgument;      // which one, counted from the last as DISPPARAMS has them
        VARTYPE vt;          // VT_I4: out of the Integer range; VT_BSTR: not a number
        UINT uMessage;
        WPARAM wParam;
        std::vector<::DISPID> events;  // what the client hears of the message and a key up
    };
    const Case cases[] = {
        {"KeyCodeOverflows", 6, 1, VT_I4, WM_KEYDOWN, VK_DOWN, {6, 7}},
        {"KeyCodeIsText", 6, 1, VT_BSTR, WM_KEYDOWN, VK_DOWN, {6, 7}},
        {"KeyAsciiIsText", 5, 0, VT_BSTR, WM_CHAR, 'a', {5, 7}},
        {"MouseXIsText", 2, 1, VT_BSTR, WM_LBUTTONDOWN, MK_LBUTTON, {2, 7}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sName);
        RecordingSink sink;
        sink.onEvent = [&c](::DISPID dispId, DISPPARAMS& params) {
            if (dispId != c.nPoisoned || params.cArgs <= c.nArgument) return;
            VARIANT* pValue = V_VARIANTREF(&params.rgvarg[c.nArgument]);
            ::VariantClear(pValue);
            V_VT(pValue) = c.vt;
            if (c.vt == VT_I4) V_I4(pValue) = 100000;
            if (c.vt == VT_BSTR) V_BSTR(pValue) = ::SysAllocString(L"spoilt");
        };
        auto points = embedding.ole.As<IConnectionPointContainer>(IID_IConnectionPointContainer);
        ComPtr<IConnectionPoint> point;
        ASSERT_EQ(points->FindConnectionPoint(EventInterfaceOf(embedding.List()), point.Out()),
                  S_OK);
        DWORD dwCookie = 0;
        ASSERT_EQ(point->Advise(&sink, &dwCookie), S_OK);
        ::SendMessageW(embedding.Window(), c.uMessage, c.wParam, MAKELPARAM(5, 5));
        ::SendMessageW(embedding.Window(), WM_KEYUP, VK_DOWN, 0);
        point->Unadvise(dwCookie);
        if (c.uMessage == WM_LBUTTONDOWN) ::SendMessageW(embedding.Window(), WM_LBUTTONUP, 0, 0);
        EXPECT_EQ(sink.received, c.events);
    }
}

// A 32-bit bitmap the view object draws into, the control's outer size.
TEST_F(EmbeddingTest, TheViewObjectDrawsWhatTheWindowShows) {
    Embedding embedding(library);
    ASSERT_EQ(embedding.Embed(OLEIVERB_INPLACEACTIVATE), S_OK);
    for (int i = 0; i < 3; ++i) {
        Var vText = Var::Text(L"Item");
        Call(embedding.List(), L"AddItem", DISPATCH_METHOD, {&vText.v});
    }
    ASSERT_EQ(PutLong(embedding.List(), L"ListIndex", 1), S_OK);
    Pump();
    auto view = embedding.ole.As<IViewObject2>(IID_IViewObject2);
    Canvas canvas(120, 100);
    RECTL rcBounds{0, 0, 120, 100};
    ASSERT_EQ(view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, canvas.DC(), &rcBounds,
                         nullptr, nullptr, 0),
              S_OK);
    HDC hWindowDC = ::GetDC(embedding.Window());
    const POINT points[] = {{0, 0}, {100, 2}, {100, 20}, {60, 50}, {115, 95}, {1, 30}};
    const LONG nSelBack = CallLong(embedding.List(), L"SelBackColor");
    bool bSawSelection = false;
    for (const POINT& pt : points) {
        SCOPED_TRACE(testing::Message() << pt.x << "," << pt.y);
        const COLORREF clrWindow = ::GetPixel(hWindowDC, pt.x, pt.y);
        EXPECT_NE(clrWindow, CLR_INVALID);
        EXPECT_EQ(::GetPixel(canvas.DC(), pt.x + 2, pt.y + 2), clrWindow);  // 2: the sunken edge
        bSawSelection = bSawSelection || clrWindow == static_cast<COLORREF>(nSelBack);
    }
    ::ReleaseDC(embedding.Window(), hWindowDC);
    EXPECT_TRUE(bSawSelection) << "the second row is selected";
    EXPECT_EQ(view->Draw(DVASPECT_ICON, -1, nullptr, nullptr, nullptr, canvas.DC(), &rcBounds,
                         nullptr, nullptr, 0),
              DV_E_DVASPECT);
}

// The whole window, border and scroll bar included, as the system shows it.
std::vector<DWORD> WindowPixels(HWND hWnd, int nWidth, int nHeight) {
    Canvas copy(nWidth, nHeight);
    HDC hWindowDC = ::GetWindowDC(hWnd);
    ::BitBlt(copy.DC(), 0, 0, nWidth, nHeight, hWindowDC, 0, 0, SRCCOPY);
    ::ReleaseDC(hWnd, hWindowDC);
    return copy.Pixels();
}

// Where two pictures differ: the count, and the first such pixel.
std::string Differences(const std::vector<DWORD>& a, const std::vector<DWORD>& b, int nWidth) {
    size_t nCount = 0;
    std::string sFirst;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
        if (a[i] == b[i]) continue;
        if (nCount++ == 0) {
            sFirst = " first at (" + std::to_string(i % nWidth) + ", " +
                     std::to_string(i / nWidth) + ")";
        }
    }
    return std::to_string(nCount) + " pixels differ" + sFirst;
}

// The picture a designer draws is the window pixel for pixel, the scroll bar with its
// arrows, track and thumb included, wherever the thumb is and when the list is disabled;
// the same picture once the window is parked again.
TEST_F(EmbeddingTest, TheViewObjectDrawsTheScrollBarAsTheWindowShowsIt) {
    struct Case {
        LONG nTopIndex;
        bool bEnabled;
    };
    const Case cases[] = {{0, true}, {12, true}, {40, true}, {12, false}};
    constexpr int kWidth = kPosition.right - kPosition.left;
    constexpr int kHeight = kPosition.bottom - kPosition.top;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        Embedding embedding(library);
        ASSERT_EQ(embedding.Embed(OLEIVERB_INPLACEACTIVATE), S_OK);
        for (int i = 0; i < 50; ++i) {
            Var vText = Var::Text(L"Item");
            Call(embedding.List(), L"AddItem", DISPATCH_METHOD, {&vText.v});
        }
        ASSERT_EQ(PutLong(embedding.List(), L"TopIndex", c.nTopIndex), S_OK);
        if (!c.bEnabled) {
            ASSERT_EQ(PutLong(embedding.List(), L"Enabled", 0), S_OK);
        }
        ::RedrawWindow(embedding.Window(), nullptr, nullptr,
                       RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
        Pump();
        const std::vector<DWORD> shown = WindowPixels(embedding.Window(), kWidth, kHeight);
        auto view = embedding.ole.As<IViewObject2>(IID_IViewObject2);
        const RECTL rcBounds{0, 0, kWidth, kHeight};
        Canvas inPlace(kWidth, kHeight);
        ASSERT_EQ(view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, inPlace.DC(),
                             &rcBounds, nullptr, nullptr, 0),
                  S_OK);
        EXPECT_EQ(Differences(inPlace.Pixels(), shown, kWidth), "0 pixels differ");

        auto inPlaceObject = embedding.ole.As<IOleInPlaceObject>(IID_IOleInPlaceObject);
        ASSERT_EQ(inPlaceObject->InPlaceDeactivate(), S_OK);
        Canvas parked(kWidth, kHeight);
        ASSERT_EQ(view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, parked.DC(),
                             &rcBounds, nullptr, nullptr, 0),
                  S_OK);
        EXPECT_EQ(Differences(parked.Pixels(), shown, kWidth), "0 pixels differ") << "parked";
    }
}

// A designer draws a control it never activated: the list is drawn all the same.
TEST_F(EmbeddingTest, AControlThatWasNeverActivatedDrawsToo) {
    Embedding embedding(library);
    embedding.Site();
    ASSERT_EQ(PutLong(embedding.List(), L"BackColor", 0x00123456), S_OK);
    auto view = embedding.ole.As<IViewObject2>(IID_IViewObject2);
    SIZEL size{};
    ASSERT_EQ(view->GetExtent(DVASPECT_CONTENT, -1, nullptr, &size), S_OK);
    EXPECT_EQ(size.cx, 3175);
    Canvas canvas(240, 200);
    RECTL rcBounds{0, 0, 240, 200};  // twice the size: the picture is stretched
    ASSERT_EQ(view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, canvas.DC(), &rcBounds,
                         nullptr, nullptr, 0),
              S_OK);
    EXPECT_EQ(::GetPixel(canvas.DC(), 120, 100), 0x00123456u);
    EXPECT_FALSE(::IsWindowVisible(embedding.Window()));
}

TEST_F(EmbeddingTest, TheViewSinkHearsOfChanges) {
    struct Case {
        DWORD dwAdvf;
        size_t nExpected;  // view changes after two items are added
    };
    for (const Case& c : {Case{0, 2}, Case{ADVF_ONLYONCE, 1}}) {
        Embedding embedding(library);
        embedding.Site();
        auto view = embedding.ole.As<IViewObject2>(IID_IViewObject2);
        ASSERT_EQ(view->SetAdvise(DVASPECT_CONTENT, c.dwAdvf, embedding.site.get()), S_OK);
        embedding.site->ClearJournal();
        for (int i = 0; i < 2; ++i) {
            Var vText = Var::Text(L"Item");
            Call(embedding.List(), L"AddItem", DISPATCH_METHOD, {&vText.v});
        }
        const auto& journal = embedding.site->Journal();
        EXPECT_EQ(static_cast<size_t>(std::count(journal.begin(), journal.end(), "OnViewChange")),
                  c.nExpected);
        view->SetAdvise(DVASPECT_CONTENT, 0, nullptr);
    }
}

TEST_F(EmbeddingTest, TheListTakesItsNavigationKeysFromTheContainersLoop) {
    Embedding embedding(library);
    ASSERT_EQ(embedding.Embed(OLEIVERB_UIACTIVATE), S_OK);
    for (int i = 0; i < 3; ++i) {
        Var vText = Var::Text(L"Item");
        Call(embedding.List(), L"AddItem", DISPATCH_METHOD, {&vText.v});
    }
    ASSERT_EQ(PutLong(embedding.List(), L"ListIndex", 0), S_OK);
    IOleInPlaceActiveObject* pActive = embedding.site->ActiveObject();
    ASSERT_NE(pActive, nullptr);
    struct Case {
        UINT uMessage;
        WPARAM wKey;
        bool bOtherWindow;
        HRESULT hrExpected;
        LONG nListIndex;
    };
    const Case cases[] = {
        {WM_KEYDOWN, VK_DOWN, false, S_OK, 1}, {WM_KEYUP, VK_DOWN, false, S_OK, 1},
        {WM_KEYDOWN, VK_END, false, S_OK, 2},  {WM_KEYDOWN, 'A', false, S_FALSE, 2},
        {WM_CHAR, VK_HOME, false, S_FALSE, 2}, {WM_KEYDOWN, VK_HOME, true, S_FALSE, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.uMessage << " " << c.wKey);
        MSG msg{};
        msg.hwnd = c.bOtherWindow ? embedding.Form() : embedding.Window();
        msg.message = c.uMessage;
        msg.wParam = c.wKey;
        msg.lParam = 1;
        EXPECT_EQ(pActive->TranslateAccelerator(&msg), c.hrExpected);
        EXPECT_EQ(CallLong(embedding.List(), L"ListIndex"), c.nListIndex);
    }
}

TEST_F(EmbeddingTest, ThePropertiesVerbAsksTheContainerForItsFrame) {
    Embedding embedding(library);
    ASSERT_EQ(embedding.Embed(OLEIVERB_INPLACEACTIVATE), S_OK);
    embedding.site->ClearJournal();
    EXPECT_EQ(embedding.ole->DoVerb(OLEIVERB_PROPERTIES, nullptr, embedding.site.get(), 0,
                                    embedding.Form(), &kPosition),
              S_OK);
    EXPECT_EQ(embedding.site->Journal(), std::vector<std::string>{"ShowPropertyFrame"});
}

TEST_F(EmbeddingTest, QuickActivationConnectsTheSinksAndTellsOfPropertyChanges) {
    Embedding embedding(library);
    std::vector<DISPID> changed;
    embedding.site->OnPropertyChanged([&](DISPID dispId) { changed.push_back(dispId); });
    RecordingSink events;
    auto quick = embedding.ole.As<IQuickActivate>(IID_IQuickActivate);
    ASSERT_TRUE(quick);
    QACONTAINER qaContainer{};
    qaContainer.cbSize = sizeof(qaContainer);
    qaContainer.pClientSite = embedding.site.get();
    qaContainer.pPropertyNotifySink = embedding.site.get();
    qaContainer.pUnkEventSink = &events;
    qaContainer.dwAmbientFlags = QACONTAINER_USERMODE;
    QACONTROL qaControl{};
    qaControl.cbSize = sizeof(qaControl);
    ASSERT_EQ(quick->QuickActivate(&qaContainer, &qaControl), S_OK);
    EXPECT_NE(qaControl.dwEventCookie, 0u);
    EXPECT_NE(qaControl.dwMiscStatus & OLEMISC_SETCLIENTSITEFIRST, 0u);
    ASSERT_EQ(PutLong(embedding.List(), L"FrameStyle", 2), S_OK);
    ASSERT_EQ(PutLong(embedding.List(), L"FrameStyle", 2), S_OK);  // unchanged: no notice
    EXPECT_EQ(changed, std::vector<DISPID>{0x68030015});
    ASSERT_EQ(embedding.ole->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, embedding.site.get(), 0,
                                    embedding.Form(), &kPosition),
              S_OK);
    ::SendMessageW(embedding.Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ::SendMessageW(embedding.Window(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(events.received, (std::vector<::DISPID>{2, 4, 9}));
    ComPtr<IConnectionPointContainer> points =
        embedding.ole.As<IConnectionPointContainer>(IID_IConnectionPointContainer);
    ComPtr<IConnectionPoint> point;
    points->FindConnectionPoint(EventInterfaceOf(embedding.List()), point.Out());
    EXPECT_EQ(point->Unadvise(qaControl.dwEventCookie), S_OK);
    ComPtr<IConnectionPoint> notices;
    points->FindConnectionPoint(IID_IPropertyNotifySink, notices.Out());
    EXPECT_EQ(notices->Unadvise(qaControl.dwPropNotifyCookie), S_OK)
        << "the property sink is connected to the control's point";
}

// A screen reader asks the control's window for the list, parked before activation and in
// place: the rows are its children and follow the list.
TEST_F(EmbeddingTest, AScreenReaderFindsTheListOnTheControlsWindow) {
    Embedding embedding(library);
    embedding.Site();
    VARIANT vSelf{};
    vSelf.vt = VT_I4;
    vSelf.lVal = CHILDID_SELF;
    for (int nItems = 1; nItems <= 2; ++nItems) {
        if (nItems == 2) {
            ASSERT_EQ(embedding.ole->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, embedding.site.get(),
                                            0, embedding.Form(), &kPosition),
                      S_OK);
        }
        Var vText = Var::Text(L"Item");
        Call(embedding.List(), L"AddItem", DISPATCH_METHOD, {&vText.v});
        // __uuidof: in this program the linker takes IID_IAccessible from oleacc's import
        // library, where the name is an import thunk, not the identifier.
        ComPtr<IAccessible> acc;
        ASSERT_EQ(::AccessibleObjectFromWindow(embedding.Window(), static_cast<DWORD>(OBJID_CLIENT),
                                               __uuidof(IAccessible), acc.OutVoid()),
                  S_OK);
        VARIANT vRole{};
        ASSERT_EQ(acc->get_accRole(vSelf, &vRole), S_OK);
        EXPECT_EQ(vRole.lVal, ROLE_SYSTEM_LIST);
        long nChildren = 0;
        ASSERT_EQ(acc->get_accChildCount(&nChildren), S_OK);
        EXPECT_EQ(nChildren, nItems);
    }
}

}  // namespace
}  // namespace qv::com::test
