#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <unordered_map>

#include "platform/soft/gdi/GdiObjects.h"

namespace qv::soft {

// The handles of the drawing platform and the objects behind them. Handles are never
// reused, so a deleted handle stays invalid. Stock objects live as long as the table and
// are not counted as live objects.
class ObjectTable {
  public:
    ObjectTable();
    ObjectTable(const ObjectTable&) = delete;
    ObjectTable& operator=(const ObjectTable&) = delete;

    std::uint32_t Add(std::unique_ptr<GdiObject> pObject);
    GdiObject* FindAny(std::uint32_t nHandle);
    // The object when the handle is valid and of kind T, otherwise nullptr.
    template <typename T>
    T* Find(std::uint32_t nHandle) {
        GdiObject* pObject = FindAny(nHandle);
        return pObject && pObject->eKind == T::kKind ? static_cast<T*>(pObject) : nullptr;
    }
    // Removes a non-stock object; false for an invalid handle or a stock object.
    bool Remove(std::uint32_t nHandle);

    // The stock object of a GetStockObject index, 0 for an unknown index.
    std::uint32_t Stock(int nIndex) const;
    // The 1 x 1 bitmap a new memory device context starts with.
    std::uint32_t DefaultBitmap() const { return m_hDefaultBitmap; }

    std::size_t LiveCount() const { return m_objects.size() - m_nStockCount; }

  private:
    static constexpr int kStockSlots = 18;

    void AddStock(int nIndex, std::unique_ptr<GdiObject> pObject);

    std::unordered_map<std::uint32_t, std::unique_ptr<GdiObject>> m_objects;
    std::array<std::uint32_t, kStockSlots> m_aStock{};
    std::uint32_t m_hDefaultBitmap = 0;
    std::size_t m_nStockCount = 0;
    std::uint32_t m_nNextHandle = 0x00200000;
};

}  // namespace qv::soft
