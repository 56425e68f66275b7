// Font and BackPicture through the COM object: the system's font and picture objects in
// and out, saved to a stream and a property bag and loaded into a second control.
#include <QV_ColorListBox_h.h>
#include <gtest/gtest.h>
#include <olectl.h>

#include <map>
#include <string>

#include "ComTestSupport.h"

namespace qv::com::test {
namespace {

struct FontCase {
    const wchar_t* sName;
    LONGLONG nSizeCy;  // ten-thousandths of a point
    SHORT nWeight;
    SHORT nCharset;
    BOOL bItalic;
    BOOL bUnderline;
    BOOL bStrikethrough;
};

const FontCase kFonts[] = {
    {L"Arial", 120000, 700, 0, FALSE, FALSE, FALSE},
    {L"MS UI Gothic", 90000, 400, 128, TRUE, FALSE, FALSE},
    {L"Courier New", 105000, 300, 0, FALSE, TRUE, TRUE},
};

ComRef<IFontDisp> MakeFont(const FontCase& c) {
    FONTDESC desc{sizeof desc,  const_cast<LPOLESTR>(c.sName),
                  {},           c.nWeight,
                  c.nCharset,   c.bItalic,
                  c.bUnderline, c.bStrikethrough};
    desc.cySize.int64 = c.nSizeCy;
    ComRef<IFontDisp> font;
    EXPECT_EQ(::OleCreateFontIndirect(&desc, IID_IFontDisp, font.OutVoid()), S_OK);
    return font;
}

// The name an OLE font reports for a face: Wine gives the face it substitutes (the tests'
// prefix maps "MS UI Gothic" to IPA Gothic).
std::wstring ReportedName(const FontCase& c);

void ExpectFont(IFontDisp* pFontDisp, const FontCase& c) {
    ASSERT_NE(pFontDisp, nullptr) << c.sName;
    ComRef<IFont> font;
    ASSERT_EQ(pFontDisp->QueryInterface(IID_IFont, font.OutVoid()), S_OK);
    BSTR sName = nullptr;
    CY cySize{};
    SHORT nWeight = 0, nCharset = 0;
    BOOL bItalic = 2, bUnderline = 2, bStrike = 2;
    font->get_Name(&sName);
    font->get_Size(&cySize);
    font->get_Weight(&nWeight);
    font->get_Charset(&nCharset);
    font->get_Italic(&bItalic);
    font->get_Underline(&bUnderline);
    font->get_Strikethrough(&bStrike);
    EXPECT_EQ(std::wstring(sName ? sName : L""), ReportedName(c));
    ::SysFreeString(sName);
    EXPECT_EQ(cySize.int64, c.nSizeCy) << c.sName;
    EXPECT_EQ(nWeight, c.nWeight) << c.sName;
    EXPECT_EQ(nCharset, c.nCharset) << c.sName;
    EXPECT_EQ(bItalic != FALSE, c.bItalic != FALSE) << c.sName;
    EXPECT_EQ(bUnderline != FALSE, c.bUnderline != FALSE) << c.sName;
    EXPECT_EQ(bStrike != FALSE, c.bStrikethrough != FALSE) << c.sName;
}

std::wstring ReportedName(const FontCase& c) {
    ComRef<IFontDisp> fontDisp = MakeFont(c);
    ComRef<IFont> font;
    if (!fontDisp.Get() || fontDisp->QueryInterface(IID_IFont, font.OutVoid()) != S_OK) return L"?";
    BSTR sName = nullptr;
    font->get_Name(&sName);
    std::wstring sOut = sName ? sName : L"";
    ::SysFreeString(sName);
    return sOut;
}

// A bitmap picture with one coloured pixel in a white field, so a copy can be told apart
// from a blank one.
ComRef<IPictureDisp> MakePicture(int nWidth, int nHeight) {
    HDC hScreen = ::GetDC(nullptr);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, nWidth, nHeight);
    HDC hDC = ::CreateCompatibleDC(hScreen);
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    RECT rect{0, 0, nWidth, nHeight};
    ::FillRect(hDC, &rect, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    ::SetPixel(hDC, 1, 1, RGB(10, 200, 30));
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    ::ReleaseDC(nullptr, hScreen);
    PICTDESC desc{};
    desc.cbSizeofstruct = sizeof desc;
    desc.picType = PICTYPE_BITMAP;
    desc.bmp.hbitmap = hBitmap;
    ComRef<IPictureDisp> picture;
    EXPECT_EQ(::OleCreatePictureIndirect(&desc, IID_IPictureDisp, TRUE, picture.OutVoid()), S_OK);
    return picture;
}

struct PictureFacts {
    SHORT nType = -1;
    OLE_XSIZE_HIMETRIC nWidth = 0;
    OLE_YSIZE_HIMETRIC nHeight = 0;
    COLORREF clrMarked = CLR_INVALID;
    bool operator==(const PictureFacts&) const = default;
};

PictureFacts FactsOf(IPictureDisp* pDisp) {
    PictureFacts facts;
    ComRef<IPicture> picture;
    if (!pDisp || pDisp->QueryInterface(IID_IPicture, picture.OutVoid()) != S_OK) return facts;
    picture->get_Type(&facts.nType);
    picture->get_Width(&facts.nWidth);
    picture->get_Height(&facts.nHeight);
    OLE_HANDLE hHandle = 0;
    picture->get_Handle(&hHandle);
    HDC hDC = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hDC, reinterpret_cast<HGDIOBJ>(static_cast<UINT_PTR>(hHandle)));
    facts.clrMarked = ::GetPixel(hDC, 1, 1);
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    return facts;
}

// Every test ends with the library holding no GDI object it did not hold before.
class ComFontPictureTest : public ::testing::Test {
  protected:
    void SetUp() override { m_nGdiObjects = m_library.LiveGdiObjects(); }
    void TearDown() override {
        EXPECT_EQ(m_library.LiveGdiObjects(), m_nGdiObjects) << "GDI objects left over";
    }
    ComRef<_ColorListBox> NewControl() {
        ComRef<_ColorListBox> control;
        EXPECT_EQ(m_library.CreateControl(__uuidof(_ColorListBox), control.OutVoid()), S_OK);
        return control;
    }

    ServerLibrary m_library;
    LONG m_nGdiObjects = 0;
};

TEST_F(ComFontPictureTest, AFontSetReadsBackWithItsAttributes) {
    ComRef<_ColorListBox> list = NewControl();
    for (const FontCase& c : kFonts) {
        ComRef<IFontDisp> font = MakeFont(c);
        ASSERT_EQ(list->putref_Font(font.Get()), S_OK) << c.sName;
        ComRef<IFontDisp> back;
        ASSERT_EQ(list->get_Font(back.Out()), S_OK);
        EXPECT_EQ(back.Get(), font.Get()) << "the same object while it describes the same font";
        ExpectFont(back.Get(), c);
    }
}

TEST_F(ComFontPictureTest, TheDefaultFontIsTheHostsStandardFont) {
    ComRef<_ColorListBox> list = NewControl();
    ComRef<IFontDisp> font;
    ASSERT_EQ(list->get_Font(font.Out()), S_OK);
    ExpectFont(font.Get(), {L"MS UI Gothic", 90000, 400, 0, FALSE, FALSE, FALSE});
}

TEST_F(ComFontPictureTest, NothingIsRefusedForTheFontAndClearsThePicture) {
    ComRef<_ColorListBox> list = NewControl();
    ComRef<IFontDisp> font = MakeFont(kFonts[0]);
    ASSERT_EQ(list->putref_Font(font.Get()), S_OK);
    EXPECT_EQ(list->putref_Font(nullptr), static_cast<HRESULT>(0x800A000D));
    ComRef<IFontDisp> back;
    ASSERT_EQ(list->get_Font(back.Out()), S_OK);
    ExpectFont(back.Get(), kFonts[0]);

    ComRef<IPictureDisp> picture = MakePicture(8, 6);
    ASSERT_EQ(list->putref_BackPicture(picture.Get()), S_OK);
    ComRef<IPictureDisp> pictureBack;
    ASSERT_EQ(list->get_BackPicture(pictureBack.Out()), S_OK);
    EXPECT_EQ(pictureBack.Get(), picture.Get());
    EXPECT_EQ(FactsOf(pictureBack.Get()), FactsOf(picture.Get()));
    EXPECT_EQ(FactsOf(picture.Get()).clrMarked, RGB(10, 200, 30));
    ASSERT_EQ(list->putref_BackPicture(nullptr), S_OK);
    ASSERT_EQ(list->get_BackPicture(pictureBack.Out()), S_OK);
    EXPECT_EQ(pictureBack.Get(), nullptr);
}

LONG Weight(IFontDisp* pFontDisp) {
    ComRef<IFont> font;
    SHORT nWeight = -1;
    if (pFontDisp && pFontDisp->QueryInterface(IID_IFont, font.OutVoid()) == S_OK)
        font->get_Weight(&nWeight);
    return nWeight;
}

// Fonts are shared by reference: a change made through the font object the control was
// given, or the one it handed out, is the control's font changing (and the control is
// then modified, as after setting the font).
TEST_F(ComFontPictureTest, ChangesThroughEitherFontObjectReachTheControl) {
    for (const bool bGiven : {true, false}) {
        ComRef<_ColorListBox> list = NewControl();
        ComRef<IFontDisp> font = bGiven ? MakeFont(kFonts[1]) : ComRef<IFontDisp>();
        if (bGiven) {
            ASSERT_EQ(list->putref_Font(font.Get()), S_OK);
        } else {
            ASSERT_EQ(list->get_Font(font.Out()), S_OK);
        }
        ComRef<IPersistStreamInit> persist;
        ASSERT_EQ(list->QueryInterface(IID_IPersistStreamInit, persist.OutVoid()), S_OK);
        ComRef<IStream> scratch;
        ASSERT_EQ(::CreateStreamOnHGlobal(nullptr, TRUE, scratch.Out()), S_OK);
        ASSERT_EQ(persist->Save(scratch.Get(), TRUE), S_OK);
        ASSERT_EQ(persist->IsDirty(), S_FALSE);

        ComRef<IFont> change;
        ASSERT_EQ(font->QueryInterface(IID_IFont, change.OutVoid()), S_OK);
        ASSERT_EQ(change->put_Bold(TRUE), S_OK);
        EXPECT_EQ(persist->IsDirty(), S_OK) << (bGiven ? "given" : "handed out");
        CY cySize{};
        cySize.int64 = 200000;
        ASSERT_EQ(change->put_Size(cySize), S_OK);  // a second change through the same object
        CY cyReported{};                            // Wine reports the size of the face it realized
        change->get_Size(&cyReported);
        ASSERT_GT(cyReported.int64, 190000);
        ComRef<IFontDisp> back;
        ASSERT_EQ(list->get_Font(back.Out()), S_OK);
        EXPECT_EQ(Weight(back.Get()), FW_BOLD) << (bGiven ? "given" : "handed out");

        ComRef<IStream> stream;
        ASSERT_EQ(::CreateStreamOnHGlobal(nullptr, TRUE, stream.Out()), S_OK);
        ASSERT_EQ(persist->Save(stream.Get(), TRUE), S_OK);
        ComRef<_ColorListBox> second = NewControl();
        ComRef<IPersistStreamInit> load;
        ASSERT_EQ(second->QueryInterface(IID_IPersistStreamInit, load.OutVoid()), S_OK);
        const LARGE_INTEGER start{};
        stream->Seek(start, STREAM_SEEK_SET, nullptr);
        ASSERT_EQ(load->Load(stream.Get()), S_OK);
        ComRef<IFontDisp> loaded;
        ASSERT_EQ(second->get_Font(loaded.Out()), S_OK);
        EXPECT_EQ(Weight(loaded.Get()), FW_BOLD) << (bGiven ? "given" : "handed out");
        ComRef<IFont> loadedFont;
        ASSERT_EQ(loaded->QueryInterface(IID_IFont, loadedFont.OutVoid()), S_OK);
        CY cyLoaded{};
        loadedFont->get_Size(&cyLoaded);
        EXPECT_EQ(cyLoaded.int64, cyReported.int64) << (bGiven ? "given" : "handed out");
    }
}

TEST_F(ComFontPictureTest, AFontTheControlNoLongerUsesChangesNothing) {
    ComRef<_ColorListBox> list = NewControl();
    ComRef<IFontDisp> first = MakeFont(kFonts[0]), second = MakeFont(kFonts[2]);
    ASSERT_EQ(list->putref_Font(first.Get()), S_OK);
    ASSERT_EQ(list->putref_Font(second.Get()), S_OK);
    ComRef<IFont> change;
    ASSERT_EQ(first->QueryInterface(IID_IFont, change.OutVoid()), S_OK);
    ASSERT_EQ(change->put_Weight(100), S_OK);
    ComRef<IFontDisp> back;
    ASSERT_EQ(list->get_Font(back.Out()), S_OK);
    ExpectFont(back.Get(), kFonts[2]);
}

TEST_F(ComFontPictureTest, AnObjectThatIsNeitherIsATypeMismatch) {
    ComRef<_ColorListBox> list = NewControl();
    ComRef<IDispatch> other;
    ASSERT_EQ(m_library.CreateControl(IID_IDispatch, other.OutVoid()), S_OK);
    EXPECT_EQ(list->putref_BackPicture(reinterpret_cast<IPictureDisp*>(other.Get())),
              static_cast<HRESULT>(0x800A000D));
    ComRef<IPictureDisp> pictureBack;
    ASSERT_EQ(list->get_BackPicture(pictureBack.Out()), S_OK);
    EXPECT_EQ(pictureBack.Get(), nullptr);
}

TEST_F(ComFontPictureTest, AStreamCarriesFontAndPictureToASecondControl) {
    for (const FontCase& c : kFonts) {
        ComRef<_ColorListBox> first = NewControl();
        ComRef<IFontDisp> font = MakeFont(c);
        ComRef<IPictureDisp> picture = MakePicture(12, 7);
        ASSERT_EQ(first->putref_Font(font.Get()), S_OK);
        ASSERT_EQ(first->putref_BackPicture(picture.Get()), S_OK);
        ComRef<IPersistStreamInit> save;
        ASSERT_EQ(first->QueryInterface(IID_IPersistStreamInit, save.OutVoid()), S_OK);
        ComRef<IStream> stream;
        ASSERT_EQ(::CreateStreamOnHGlobal(nullptr, TRUE, stream.Out()), S_OK);
        ASSERT_EQ(save->Save(stream.Get(), TRUE), S_OK);

        ComRef<_ColorListBox> second = NewControl();
        ComRef<IPersistStreamInit> load;
        ASSERT_EQ(second->QueryInterface(IID_IPersistStreamInit, load.OutVoid()), S_OK);
        const LARGE_INTEGER start{};
        stream->Seek(start, STREAM_SEEK_SET, nullptr);
        ASSERT_EQ(load->Load(stream.Get()), S_OK);
        ComRef<IFontDisp> fontBack;
        ASSERT_EQ(second->get_Font(fontBack.Out()), S_OK);
        ExpectFont(fontBack.Get(), c);
        ComRef<IPictureDisp> pictureBack;
        ASSERT_EQ(second->get_BackPicture(pictureBack.Out()), S_OK);
        EXPECT_EQ(FactsOf(pictureBack.Get()), FactsOf(picture.Get())) << c.sName;
    }
}

// A container's bag that keeps what it is given, objects included, as the container would
// save them.
class ObjectPropertyBag : public IPropertyBag {
  public:
    ~ObjectPropertyBag() {
        for (auto& [sName, var] : values) ::VariantClear(&var);
    }
    std::map<std::wstring, VARIANT> values;

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override {
        *ppv = nullptr;
        if (riid != IID_IUnknown && riid != IID_IPropertyBag) return E_NOINTERFACE;
        *ppv = this;
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP Read(LPCOLESTR sName, VARIANT* pVar, IErrorLog*) override {
        auto it = values.find(sName);
        if (it == values.end()) return E_INVALIDARG;
        return ::VariantCopy(pVar, &it->second);
    }
    STDMETHODIMP Write(LPCOLESTR sName, VARIANT* pVar) override {
        VARIANT& slot = values[sName];
        ::VariantClear(&slot);
        return ::VariantCopy(&slot, pVar);
    }
};

TEST_F(ComFontPictureTest, APropertyBagKeepsFontAndPictureAsObjects) {
    ObjectPropertyBag bag;
    {
        ComRef<_ColorListBox> fresh = NewControl();
        ComRef<IPersistPropertyBag> save;
        ASSERT_EQ(fresh->QueryInterface(IID_IPersistPropertyBag, save.OutVoid()), S_OK);
        ASSERT_EQ(save->Save(&bag, TRUE, TRUE), S_OK);
        EXPECT_EQ(bag.values.count(L"Font"), 0u) << "the ambient font is the default";
        EXPECT_EQ(bag.values.count(L"BackPicture"), 0u);
    }
    ComRef<_ColorListBox> first = NewControl();
    ComRef<IFontDisp> font = MakeFont(kFonts[1]);
    ComRef<IPictureDisp> picture = MakePicture(5, 9);
    ASSERT_EQ(first->putref_Font(font.Get()), S_OK);
    ASSERT_EQ(first->putref_BackPicture(picture.Get()), S_OK);
    ComRef<IPersistPropertyBag> save;
    ASSERT_EQ(first->QueryInterface(IID_IPersistPropertyBag, save.OutVoid()), S_OK);
    ASSERT_EQ(save->Save(&bag, TRUE, TRUE), S_OK);
    ASSERT_EQ(V_VT(&bag.values[L"Font"]), VT_DISPATCH);
    ASSERT_EQ(V_VT(&bag.values[L"BackPicture"]), VT_DISPATCH);

    ComRef<_ColorListBox> second = NewControl();
    ComRef<IPersistPropertyBag> load;
    ASSERT_EQ(second->QueryInterface(IID_IPersistPropertyBag, load.OutVoid()), S_OK);
    ASSERT_EQ(load->Load(&bag, nullptr), S_OK);
    ComRef<IFontDisp> fontBack;
    ASSERT_EQ(second->get_Font(fontBack.Out()), S_OK);
    ExpectFont(fontBack.Get(), kFonts[1]);
    ComRef<IPictureDisp> pictureBack;
    ASSERT_EQ(second->get_BackPicture(pictureBack.Out()), S_OK);
    EXPECT_EQ(FactsOf(pictureBack.Get()), FactsOf(picture.Get()));
}

// Each look drawn through the view object with a picture, a font and check glyphs; the
// fixture then finds every GDI object given back.
TEST_F(ComFontPictureTest, EveryLookIsDrawnAndItsGdiObjectsGivenBack) {
    struct Look {
        LONG nStyle, nCheckBoxImage, nBackStyle, nSelBackStyle, nFrameStyle, nMultiSelect;
    };
    const Look looks[] = {
        {0, 0, 0, 0, 0, 0}, {0, 0, 1, 1, 1, 1}, {0, 0, 2, 2, 2, 2}, {1, 0, 3, 0, 1, 0},
        {1, 1, 4, 1, 2, 0}, {1, 2, 0, 2, 0, 0}, {1, 3, 2, 0, 1, 0},
    };
    ComRef<_ColorListBox> list = NewControl();
    ASSERT_EQ(list->putref_BackPicture(MakePicture(20, 15).Get()), S_OK);
    ComRef<IFontDisp> font = MakeFont(kFonts[1]);
    ASSERT_EQ(list->putref_Font(font.Get()), S_OK);
    for (int i = 0; i < 12; ++i) {
        Var vText = Var::Text(L"Item");
        Call(list.Get(), L"AddItem", DISPATCH_METHOD, {&vText.v});
    }
    ComRef<IViewObject2> view;
    ASSERT_EQ(list->QueryInterface(IID_IViewObject2, view.OutVoid()), S_OK);
    Canvas canvas(120, 100);
    const RECTL rcBounds{0, 0, 120, 100};
    for (const Look& look : looks) {
        SCOPED_TRACE(testing::Message() << "style " << look.nStyle << ", back " << look.nBackStyle);
        ASSERT_EQ(list->put_Style(static_cast<enmStyle>(look.nStyle)), S_OK);
        ASSERT_EQ(list->put_CheckBoxImage(static_cast<enmCheckBoxImage>(look.nCheckBoxImage)), S_OK);
        ASSERT_EQ(list->put_BackStyle(static_cast<enmBackStyle>(look.nBackStyle)), S_OK);
        ASSERT_EQ(list->put_SelBackStyle(static_cast<enmSelBackStyle>(look.nSelBackStyle)), S_OK);
        ASSERT_EQ(list->put_FrameStyle(static_cast<enmFrameStyle>(look.nFrameStyle)), S_OK);
        ASSERT_EQ(list->put_MultiSelect(static_cast<enmMultiSelect>(look.nMultiSelect)), S_OK);
        ASSERT_EQ(PutLong(list.Get(), L"ListIndex", 2), S_OK);
        EXPECT_EQ(view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, canvas.DC(),
                             &rcBounds, nullptr, nullptr, 0),
                  S_OK);
    }
    EXPECT_GT(m_library.LiveGdiObjects(), m_nGdiObjects) << "the control's window holds a DC";
}

}  // namespace
}  // namespace qv::com::test
