#include "fuzz/ApiOperations.h"

#include <array>
#include <string_view>

namespace qv::fuzz {

namespace {

// Sizes stay modest so that every execution is fast; huge sizes are the script fuzzer's.
constexpr int kMaxSide = 400;
constexpr int kMaxItems = 300;
constexpr int kMaxBulkAdd = 40;
constexpr int kMargin = 30;  // pointer positions reach this far outside the control

constexpr std::array<std::string_view, 7> kModifiers = {
    "", " shift", " ctrl", " alt", " shift ctrl", " ctrl alt", " shift ctrl alt"};
constexpr std::array<std::string_view, 16> kKeys = {
    "Home",  "End", "PageUp", "PageDown", "Up", "Down", "Left", "Right",
    "Space", "A",   "13",     "9",        "27", "66",   "8",    "46"};
constexpr std::array<std::string_view, 3> kButtons = {"L", "R", "M"};
constexpr std::array<std::string_view, 6> kScrollRequests = {"lineup",   "linedown", "pageup",
                                                             "pagedown", "top",      "bottom"};
// Enumerated properties, with a value range one past each end of the valid values.
struct EnumProperty {
    std::string_view sName;
    int nLow, nHigh;
};
constexpr std::array<EnumProperty, 7> kEnumProperties = {{{"Style", -1, 3},
                                                          {"MultiSelect", -1, 3},
                                                          {"FrameStyle", -1, 3},
                                                          {"BackStyle", -1, 4},
                                                          {"SelBackStyle", -1, 3},
                                                          {"CheckBoxImage", -1, 3},
                                                          {"MaxCheck", -1, 6}}};
constexpr std::array<std::string_view, 3> kBooleanProperties = {"Enabled", "ShowImage", "Enabled"};

template <std::size_t N>
std::string_view Pick(ByteReader& reader, const std::array<std::string_view, N>& choices) {
    return choices[reader.Byte() % N];
}

std::string Number(int nValue) {
    return std::to_string(nValue);
}

std::string Point(ByteReader& reader) {
    return Number(reader.Between(-kMargin, kMaxSide + kMargin)) + " " +
           Number(reader.Between(-kMargin, kMaxSide + kMargin));
}

// An index near the items that exist, one or two beyond either end included.
std::string Index(ByteReader& reader, int nListCount) {
    return Number(reader.Between(-2, nListCount + 1));
}

std::string Line(std::string_view sCommand, const std::string& sRest) {
    return std::string(sCommand) + " " + kControlName + sRest + "\n";
}

std::string MouseStep(ByteReader& reader) {
    const std::string_view sButton = Pick(reader, kButtons);
    const std::string sModifiers(Pick(reader, kModifiers));
    switch (reader.Byte() % 4) {
        case 0:
            return Line("mouse",
                        " down " + std::string(sButton) + " " + Point(reader) + sModifiers);
        case 1:
            return Line("mouse", " up " + std::string(sButton) + " " + Point(reader) + sModifiers);
        case 2:
            return Line("mouse", " move " + Point(reader) +
                                     (reader.Flag() ? " " + std::string(sButton) : "") +
                                     sModifiers);
        default:
            return Line("click", " " + Point(reader) + sModifiers);
    }
}

std::string KeyStep(ByteReader& reader) {
    const std::string sKey(Pick(reader, kKeys));
    const std::string sModifiers(Pick(reader, kModifiers));
    switch (reader.Byte() % 4) {
        case 0:
            return Line("key", " down " + sKey + sModifiers);
        case 1:
            return Line("key", " up " + sKey + sModifiers);
        case 2:
            return Line("key", " press " + Number(reader.Byte()));
        default:
            return Line("key", " stroke " + sKey + sModifiers);
    }
}

std::string ScrollStep(ByteReader& reader, int nListCount) {
    switch (reader.Byte() % 3) {
        case 0:
            return Line("scroll", " thumb " + Index(reader, nListCount));
        case 1:
            return Line("wheel", " " + Number(reader.Between(-3, 3) * 120) + " " + Point(reader));
        default:
            return Line("scroll", " " + std::string(Pick(reader, kScrollRequests)));
    }
}

std::string PropertyStep(ByteReader& reader) {
    if (reader.Byte() % 5 == 0) {
        return Line("let", "." + std::string(Pick(reader, kBooleanProperties)) +
                               (reader.Flag() ? " True" : " False"));
    }
    const EnumProperty& property = kEnumProperties[reader.Byte() % kEnumProperties.size()];
    return Line("let", "." + std::string(property.sName) + " " +
                           Number(reader.Between(property.nLow, property.nHigh)));
}

std::string AddStep(ByteReader& reader, int nListCount) {
    const int nAdd = reader.Flag() ? reader.Between(1, kMaxBulkAdd) : 1;
    std::string sScript;
    for (int i = 0; i < nAdd && nListCount + i < kMaxItems; ++i) {
        sScript += Line("call", ".AddItem \"Item " + Number(nListCount + i) + "\" " +
                                    Number(reader.Between(-1, 4)));
    }
    return sScript;
}

std::string ListStep(ByteReader& reader, int nListCount) {
    switch (reader.Byte() % 7) {
        case 0:
            return AddStep(reader, nListCount);
        case 1:
            if (nListCount >= kMaxItems) return "";
            return Line("call", ".InsertItem " + Index(reader, nListCount) + " \"Inserted\"");
        case 2:
            return Line("call", ".RemoveItem " + Index(reader, nListCount));
        case 3:
            return reader.Byte() % 4 == 0 ? Line("call", ".RemoveAll") : "";
        case 4:
            return Line("call", ".SetSelectedItem " + Index(reader, nListCount) +
                                    (reader.Flag() ? " True" : " False"));
        case 5:
            return Line("let", ".ListIndex " + Index(reader, nListCount));
        default:
            return Line("let", ".TopIndex " + Index(reader, nListCount));
    }
}

// Pictures, image lists and fonts the host makes and hands to the control.
std::string ObjectStep(ByteReader& reader) {
    const std::string sSize = Number(reader.Between(1, 16)) + "x" + Number(reader.Between(1, 16));
    switch (reader.Byte() % 4) {
        case 0:
            return "picture P bitmap " + sSize + " " + Number(reader.Between(0, 0xFFFF)) + "\n" +
                   Line("let", ".BackPicture P");
        case 1:
            return "picture P icon " + sSize + " 255\n" + Line("let", ".BackPicture P");
        case 2:
            return "imagelist IL " + sSize + " " + Number(reader.Between(1, 6)) + "\n" +
                   Line("let", ".ImageList IL");
        default:
            return "font F \"Arial\" " + Number(reader.Between(1, 40)) +
                   (reader.Flag() ? " bold" : "") + "\n" + Line("let", ".Font F");
    }
}

std::string HostStep(ByteReader& reader) {
    switch (reader.Byte() % 4) {
        case 0:
            return Line("resize", " " + Number(reader.Between(0, kMaxSide)) + "x" +
                                      Number(reader.Between(0, kMaxSide)));
        case 1:
            return "wait " + Number(reader.Between(0, 3000)) + "\n";
        case 2:
            return reader.Flag() ? Line("focus", "") : "focus none\n";
        default:
            return reader.Flag() ? "mode run\n" : "mode design\n";
    }
}

}  // namespace

int ByteReader::Between(int nLow, int nHigh) {
    const unsigned nSpan = static_cast<unsigned>(nHigh - nLow) + 1;
    unsigned nValue = Byte();
    if (nSpan > 256) nValue = nValue << 8 | Byte();
    return nLow + static_cast<int>(nValue % nSpan);
}

std::string DecodeCreation(ByteReader& reader) {
    return "new " + std::string(kControlName) + " 0,0 " + Number(reader.Between(0, kMaxSide)) +
           "x" + Number(reader.Between(0, kMaxSide)) + "\n";
}

std::optional<ApiStep> DecodeStep(ByteReader& reader, int nListCount) {
    if (reader.AtEnd()) return std::nullopt;
    switch (reader.Byte() % 9) {
        case 0:
        case 1:
            return ApiStep{ListStep(reader, nListCount)};
        case 2:
            return ApiStep{PropertyStep(reader)};
        case 3:
            return ApiStep{MouseStep(reader)};
        case 4:
            return ApiStep{KeyStep(reader)};
        case 5:
            return ApiStep{ScrollStep(reader, nListCount)};
        case 6:
            return ApiStep{HostStep(reader)};
        case 7:
            return ApiStep{ObjectStep(reader)};
        default:
            return ApiStep{Line("call", ".Refresh"), true};
    }
}

}  // namespace qv::fuzz
