#pragma once

#include <array>
#include <string_view>

#include "platform/Variant.h"

namespace qv {

// The properties a control saves, in the order they are written and read.
enum class SavedKey {
    FrameStyle,
    MultiSelect,
    BackColor,
    SelBackColor,
    SelBackStyle,
    Style,
    BackPicture,
    BackStyle,
    AlternateBackColor,
    ForeColor,
    SelForeColor,
    Font,
    Enabled,
    CheckBoxImage,
    ShowImage,
    MaxCheck,
    CheckImageIndex,
    NoCheckImageIndex,
};

// How a value is kept: an enumeration (a Long), a colour (a Long that may be a system
// colour code), a count (an Integer default), a Boolean, or an object whose default is
// Nothing (the picture) or the host's ambient font (the font).
enum class SavedKind { Enumeration, Color, Count, Flag, Picture, Font };

struct SavedProperty {
    SavedKey eKey;
    std::string_view sName;
    SavedKind eKind;
    Long nDefault;  // of a number, a colour or a flag; unused for objects
};

inline constexpr std::array<SavedProperty, 18> kSavedProperties = {{
    {SavedKey::FrameStyle, "FrameStyle", SavedKind::Enumeration, 1},
    {SavedKey::MultiSelect, "MultiSelect", SavedKind::Enumeration, 0},
    {SavedKey::BackColor, "BackColor", SavedKind::Color, 0xFFFFFF},
    {SavedKey::SelBackColor, "SelBackColor", SavedKind::Color, static_cast<Long>(0x80000002)},
    {SavedKey::SelBackStyle, "SelBackStyle", SavedKind::Enumeration, 0},
    {SavedKey::Style, "Style", SavedKind::Enumeration, 0},
    {SavedKey::BackPicture, "BackPicture", SavedKind::Picture, 0},
    {SavedKey::BackStyle, "BackStyle", SavedKind::Enumeration, 0},
    {SavedKey::AlternateBackColor, "AlternateBackColor", SavedKind::Color,
     static_cast<Long>(0x8000000F)},
    {SavedKey::ForeColor, "ForeColor", SavedKind::Color, 0x000000},
    {SavedKey::SelForeColor, "SelForeColor", SavedKind::Color, 0xFFFFFF},
    {SavedKey::Font, "Font", SavedKind::Font, 0},
    {SavedKey::Enabled, "Enabled", SavedKind::Flag, -1},
    {SavedKey::CheckBoxImage, "CheckBoxImage", SavedKind::Enumeration, 0},
    {SavedKey::ShowImage, "ShowImage", SavedKind::Flag, -1},
    {SavedKey::MaxCheck, "MaxCheck", SavedKind::Count, 0},
    {SavedKey::CheckImageIndex, "CheckImageIndex", SavedKind::Count, 0},
    {SavedKey::NoCheckImageIndex, "NoCheckImageIndex", SavedKind::Count, 0},
}};

// The default of a number, colour or flag as the property bag is given it: a Long, an
// Integer for a count, a Boolean for a flag. Empty for objects.
Variant SavedDefault(const SavedProperty& property);

// What a new control starts with: the default, a system colour code resolved to the
// current colour.
Long InitialValue(const SavedProperty& property);

}  // namespace qv
