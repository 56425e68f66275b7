// What the lists of the demo form hold and how each one looks.
#include <cstdint>

#include "platform/soft/gdi/ImageLists.h"
#include "platform/soft/gdi/Pictures.h"
#include "qvhost/DemoForm.h"

namespace qv::qvhost {

using namespace win32;

namespace {

constexpr Long kLongListCount = ColorListBox::kMaxListCount;

const char* const kFruits[] = {
    "りんご apple", "みかん orange", "ぶどう grapes",  "もも peach", "いちご strawberry",
    "すいか melon", "なし pear",     "かき persimmon", "うめ plum",  "くり chestnut",
};

const char* const kWestern[] = {
    "Amsterdam", "Berlin", "Copenhagen", "Dublin", "Edinburgh", "Florence", "Geneva", "Helsinki",
};

// A tile of soft diagonal bands, so that stretched, real-size and repeated pictures tell
// themselves apart.
host::PictureRef MakeBandsPicture() {
    constexpr int kSide = 40;
    soft::SurfaceRef pTile = soft::Surface::Create(kSide, kSide);
    for (int nY = 0; nY < kSide; ++nY) {
        for (int nX = 0; nX < kSide; ++nX) {
            const int nBand = ((nX + nY) / 10) % 2;
            const auto nShade = static_cast<std::uint32_t>(200 + (nX * 40) / kSide);
            pTile->SetPixel(nX, nY,
                            nBand ? (0xF0u << 16) | (nShade << 8) | 0xD8u
                                  : (nShade << 16) | (0xE8u << 8) | 0xF8u);
        }
    }
    return soft::MakeBitmapPicture(pTile);
}

void AddFruits(ColorListBox& list, bool bWithImages = false) {
    Long nImage = 0;
    for (const char* sFruit : kFruits) list.AddItem(sFruit, bWithImages ? nImage++ : -1);
}

void AddSelection(ColorListBox& list, std::initializer_list<Long> indices) {
    for (Long nIndex : indices) list.SetSelectedItem(nIndex, VbTrue);
}

}  // namespace

void DemoForm::FillLists() {
    const HIMAGELIST hIcons = soft::CreateGeneratedImageList(16, 16, 8);
    const HIMAGELIST hGlyphs = soft::CreateGeneratedImageList(13, 13, 8);
    m_imageLists = {hIcons, hGlyphs};
    const host::PictureRef oBands = MakeBandsPicture();
    int nCell = 0;

    ColorListBox& plain = AddList("Plain", "Plain, Japanese text", nCell++);
    AddFruits(plain);
    plain.SetListIndex(1);

    ColorListBox& western = AddList("Western", "Western font", nCell++);
    auto oArial = std::make_shared<host::StdFont>("Arial", 10);
    western.SetFont(oArial);
    for (const char* sCity : kWestern) western.AddItem(sCity);

    ColorListBox& alternate = AddList("Alternate", "Alternate rows", nCell++);
    alternate.SetBackStyle(bsAlternate);
    alternate.SetAlternateBackColor(0x00F4E8D8);
    AddFruits(alternate);

    const std::pair<enmBackStyle, const char*> pictureLooks[] = {
        {bsPictureStretch, "Picture stretched"},
        {bsPictureReal, "Picture at real size"},
        {bsPictureRepeat, "Picture repeated"},
    };
    for (const auto& [eStyle, sCaption] : pictureLooks) {
        ColorListBox& list =
            AddList(std::string("Picture") + std::to_string(eStyle), sCaption, nCell++);
        list.SetBackPicture(oBands);
        list.SetBackStyle(eStyle);
        AddFruits(list);
    }

    const std::pair<enmSelBackStyle, const char*> highlightLooks[] = {
        {sbFill, "Highlight filled"},
        {sbTransparent, "Highlight transparent"},
        {sbHatch, "Highlight hatched"},
    };
    for (const auto& [eStyle, sCaption] : highlightLooks) {
        ColorListBox& list =
            AddList(std::string("Highlight") + std::to_string(eStyle), sCaption, nCell++);
        list.SetMultiSelect(msExtend);
        list.SetSelBackStyle(eStyle);
        if (eStyle != sbFill) list.SetSelForeColor(0x00800000);
        AddFruits(list);
        AddSelection(list, {1, 2, 4});
    }

    ColorListBox& checks = AddList("Check", "Check boxes, MaxCheck 2", nCell++);
    checks.SetStyle(lsCheck);
    checks.SetMaxCheck(2);
    AddFruits(checks);
    AddSelection(checks, {0});

    const std::pair<enmCheckBoxImage, const char*> glyphLooks[] = {
        {ciRadio, "Radio buttons"},
        {ciButton, "Push buttons"},
        {ciImage, "Check images"},
    };
    for (const auto& [eGlyph, sCaption] : glyphLooks) {
        ColorListBox& list =
            AddList(std::string("Glyph") + std::to_string(eGlyph), sCaption, nCell++);
        list.SetStyle(lsCheck);
        list.SetCheckBoxImage(eGlyph);
        if (eGlyph == ciImage) {
            list.SetCheckBoxImageList(static_cast<Long>(HandleValue(hGlyphs)));
            list.SetCheckImageIndex(1);
            list.SetNoCheckImageIndex(0);
        }
        AddFruits(list);
        AddSelection(list, {3});
    }

    ColorListBox& images = AddList("Images", "Item images", nCell++);
    images.SetImageList(static_cast<Long>(HandleValue(hIcons)));
    AddFruits(images, true);

    ColorListBox& longList = AddList("Long", "30001 items, drag below", nCell++);
    for (Long nItem = 0; nItem < kLongListCount; ++nItem)
        longList.AddItem("Item " + std::to_string(nItem));
}

}  // namespace qv::qvhost
