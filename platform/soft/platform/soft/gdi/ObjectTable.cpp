#include "platform/soft/gdi/ObjectTable.h"

namespace qv::soft {

using namespace win32;

namespace {

std::unique_ptr<GdiObject> SolidBrush(COLORREF clrColor) {
    return std::make_unique<BrushObject>(LOGBRUSH{BS_SOLID, clrColor, 0});
}

std::unique_ptr<GdiObject> StockFont(int nHeight) {
    FontRequest request;
    request.nHeight = nHeight;
    request.nCharSet = SHIFTJIS_CHARSET;
    request.sFace = "MS UI Gothic";
    return std::make_unique<FontObject>(request);
}

}  // namespace

ObjectTable::ObjectTable() {
    AddStock(WHITE_BRUSH, SolidBrush(0x00FFFFFF));
    AddStock(1, SolidBrush(0x00C0C0C0));
    AddStock(2, SolidBrush(0x00808080));
    AddStock(3, SolidBrush(0x00404040));
    AddStock(BLACK_BRUSH, SolidBrush(0));
    AddStock(NULL_BRUSH, std::make_unique<BrushObject>(LOGBRUSH{BS_NULL, 0, 0}));
    AddStock(WHITE_PEN, std::make_unique<PenObject>(false, 0x00FFFFFF));
    AddStock(BLACK_PEN, std::make_unique<PenObject>(false, 0));
    AddStock(NULL_PEN, std::make_unique<PenObject>(true, 0));
    AddStock(SYSTEM_FONT, StockFont(-16));
    AddStock(DEFAULT_GUI_FONT, StockFont(-12));
    auto pDefault = std::make_unique<BitmapObject>(Surface::Create(1, 1));
    pDefault->bStock = true;
    m_hDefaultBitmap = Add(std::move(pDefault));
    ++m_nStockCount;
}

void ObjectTable::AddStock(int nIndex, std::unique_ptr<GdiObject> pObject) {
    pObject->bStock = true;
    m_aStock[nIndex] = Add(std::move(pObject));
    ++m_nStockCount;
}

std::uint32_t ObjectTable::Add(std::unique_ptr<GdiObject> pObject) {
    const std::uint32_t nHandle = m_nNextHandle;
    m_nNextHandle += 4;
    m_objects.emplace(nHandle, std::move(pObject));
    return nHandle;
}

GdiObject* ObjectTable::FindAny(std::uint32_t nHandle) {
    auto it = m_objects.find(nHandle);
    return it == m_objects.end() ? nullptr : it->second.get();
}

bool ObjectTable::Remove(std::uint32_t nHandle) {
    auto it = m_objects.find(nHandle);
    if (it == m_objects.end() || it->second->bStock) return false;
    m_objects.erase(it);
    return true;
}

std::uint32_t ObjectTable::Stock(int nIndex) const {
    return nIndex >= 0 && nIndex < kStockSlots ? m_aStock[nIndex] : 0;
}

}  // namespace qv::soft
