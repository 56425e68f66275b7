// The control's properties saved by a container, to a stream or to a property bag, and
// loaded into a second control; and the pages it names for its property sheet.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "ComTestSupport.h"

namespace qv::com::test {
namespace {

// A container's property bag: values by name, in memory.
class MemoryPropertyBag : public IPropertyBag {
  public:
    std::map<std::wstring, LONG> values;  // the control saves numbers only

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
        V_VT(pVar) = VT_I4;
        V_I4(pVar) = it->second;
        return S_OK;
    }
    STDMETHODIMP Write(LPCOLESTR sName, VARIANT* pVar) override {
        VARIANT converted;
        ::VariantInit(&converted);
        if (FAILED(::VariantChangeType(&converted, pVar, 0, VT_I4))) return E_FAIL;
        values[sName] = V_I4(&converted);
        return S_OK;
    }
};

// Properties given values other than their defaults, and read back after a load.
const struct {
    const wchar_t* sName;
    LONG nValue;
} kChanged[] = {
    {L"FrameStyle", 2},      {L"MultiSelect", 1},           {L"BackColor", 0x00102030},
    {L"SelBackColor", 0x0A}, {L"SelBackStyle", 2},          {L"Style", 1},
    {L"BackStyle", 1},       {L"AlternateBackColor", 0x0B}, {L"ForeColor", 0x0C},
    {L"SelForeColor", 0x0D}, {L"CheckBoxImage", 1},         {L"MaxCheck", 3},
    {L"CheckImageIndex", 4}, {L"NoCheckImageIndex", 5},     {L"ShowImage", 0},
    {L"Enabled", 0},
};

class ComPersistTest : public ::testing::Test {
  protected:
    ComRef<IDispatch> NewControl() {
        ComRef<IDispatch> control;
        EXPECT_EQ(m_library.CreateControl(IID_IDispatch, control.OutVoid()), S_OK);
        return control;
    }
    void ChangeAll(IDispatch* pControl) {
        for (const auto& c : kChanged)
            ASSERT_EQ(PutLong(pControl, c.sName, c.nValue), S_OK) << c.sName;
    }
    void ExpectAll(IDispatch* pControl) {
        for (const auto& c : kChanged) EXPECT_EQ(CallLong(pControl, c.sName), c.nValue) << c.sName;
    }

    ServerLibrary m_library;
};

TEST_F(ComPersistTest, AStreamCarriesThePropertiesToASecondControl) {
    ComRef<IDispatch> first = NewControl();
    ChangeAll(first.Get());
    ComRef<IPersistStreamInit> save;
    ASSERT_EQ(first->QueryInterface(IID_IPersistStreamInit, save.OutVoid()), S_OK);
    EXPECT_EQ(save->IsDirty(), S_OK);
    ComRef<IStream> stream;
    ASSERT_EQ(::CreateStreamOnHGlobal(nullptr, TRUE, stream.Out()), S_OK);
    ASSERT_EQ(save->Save(stream.Get(), TRUE), S_OK);
    EXPECT_EQ(save->IsDirty(), S_FALSE);
    const char sAfter[] = "container data";  // what the container writes next stays its own
    stream->Write(sAfter, sizeof sAfter, nullptr);

    ComRef<IDispatch> second = NewControl();
    ComRef<IPersistStreamInit> load;
    ASSERT_EQ(second->QueryInterface(IID_IPersistStreamInit, load.OutVoid()), S_OK);
    stream->Seek({}, STREAM_SEEK_SET, nullptr);
    ASSERT_EQ(load->Load(stream.Get()), S_OK);
    ExpectAll(second.Get());
    char sRest[sizeof sAfter] = {};
    ULONG nRead = 0;
    stream->Read(sRest, sizeof sRest, &nRead);
    EXPECT_EQ(nRead, sizeof sAfter);
    EXPECT_STREQ(sRest, sAfter);
}

TEST_F(ComPersistTest, ADamagedStreamIsRefused) {
    ComRef<IPersistStreamInit> load;
    ComRef<IDispatch> control = NewControl();
    ASSERT_EQ(control->QueryInterface(IID_IPersistStreamInit, load.OutVoid()), S_OK);
    const struct {
        const char* sCase;
        std::string sData;
    } cases[] = {
        {"empty", ""},
        {"length beyond the data", std::string("\x20\x00\x00\x00QVCB", 8)},
        {"huge length", std::string("\xFF\xFF\xFF\x7F", 4)},
        {"not a bag", std::string("\x04\x00\x00\x00"
                                  "abcd",
                                  8)},
    };
    for (const auto& c : cases) {
        ComRef<IStream> stream;
        ASSERT_EQ(::CreateStreamOnHGlobal(nullptr, TRUE, stream.Out()), S_OK);
        stream->Write(c.sData.data(), static_cast<ULONG>(c.sData.size()), nullptr);
        stream->Seek({}, STREAM_SEEK_SET, nullptr);
        EXPECT_TRUE(FAILED(load->Load(stream.Get()))) << c.sCase;
    }
    EXPECT_EQ(CallLong(control.Get(), L"FrameStyle"), 1);  // the default, untouched
}

TEST_F(ComPersistTest, APropertyBagCarriesThePropertiesUnderTheirKeys) {
    ComRef<IDispatch> first = NewControl();
    ComRef<IPersistPropertyBag> save;
    ASSERT_EQ(first->QueryInterface(IID_IPersistPropertyBag, save.OutVoid()), S_OK);
    MemoryPropertyBag defaults;
    ASSERT_EQ(save->Save(&defaults, TRUE, TRUE), S_OK);
    // A fresh control saves only keys of its own (the alternate colour as it resolved it).
    const std::set<std::wstring> kKeys = {
        L"FrameStyle",   L"MultiSelect",     L"BackColor",
        L"SelBackColor", L"SelBackStyle",    L"Style",
        L"BackPicture",  L"BackStyle",       L"AlternateBackColor",
        L"ForeColor",    L"SelForeColor",    L"Font",
        L"Enabled",      L"CheckBoxImage",   L"ShowImage",
        L"MaxCheck",     L"CheckImageIndex", L"NoCheckImageIndex"};
    for (const auto& [sKey, nValue] : defaults.values) EXPECT_TRUE(kKeys.count(sKey));

    ChangeAll(first.Get());
    MemoryPropertyBag bag;
    ASSERT_EQ(save->Save(&bag, TRUE, FALSE), S_OK);
    std::set<std::wstring> keys;
    for (const auto& [sKey, nValue] : bag.values) keys.insert(sKey);
    std::set<std::wstring> expected;
    for (const auto& c : kChanged) expected.insert(c.sName);
    EXPECT_EQ(keys, expected);

    ComRef<IDispatch> second = NewControl();
    ComRef<IPersistPropertyBag> load;
    ASSERT_EQ(second->QueryInterface(IID_IPersistPropertyBag, load.OutVoid()), S_OK);
    ASSERT_EQ(load->Load(&bag, nullptr), S_OK);
    ExpectAll(second.Get());
}

TEST_F(ComPersistTest, InitNewGivesTheDefaultsBack) {
    ComRef<IDispatch> control = NewControl();
    ChangeAll(control.Get());
    ComRef<IPersistStreamInit> init;
    ASSERT_EQ(control->QueryInterface(IID_IPersistStreamInit, init.OutVoid()), S_OK);
    ASSERT_EQ(init->InitNew(), S_OK);
    EXPECT_EQ(CallLong(control.Get(), L"FrameStyle"), 1);
    EXPECT_EQ(CallLong(control.Get(), L"MaxCheck"), 0);
    CLSID clsid{};
    EXPECT_EQ(init->GetClassID(&clsid), S_OK);
    EXPECT_EQ(clsid.Data1, 0x4A59219Eu);
}

TEST_F(ComPersistTest, ThePagesAreTheControlsOwnThenTheStandardOnes) {
    ComRef<IDispatch> control = NewControl();
    ComRef<ISpecifyPropertyPages> pages;
    ASSERT_EQ(control->QueryInterface(IID_ISpecifyPropertyPages, pages.OutVoid()), S_OK);
    CAUUID uuids{};
    ASSERT_EQ(pages->GetPages(&uuids), S_OK);
    const unsigned long expected[] = {0x977006A5, 0x7C5EE055, 0x7EBDAAE1, 0x7EBDAAE2, 0x7EBDAAE0};
    ASSERT_EQ(uuids.cElems, std::size(expected));
    for (ULONG i = 0; i < uuids.cElems; ++i) EXPECT_EQ(uuids.pElems[i].Data1, expected[i]) << i;
    ::CoTaskMemFree(uuids.pElems);
}

}  // namespace
}  // namespace qv::com::test
