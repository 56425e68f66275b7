#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "dispatch/Dispatch.h"
#include "platform/Types.h"

namespace qv {

struct EnumInfo {
    std::string_view sName;
    std::string_view sGuid;
    std::vector<std::pair<std::string_view, Long>> constants;
};

struct ClassInfo {
    std::string_view sName;
    std::string_view sGuid;
};

// What the library tells its hosts about itself: its name, version and identifiers, its
// enumerations, the control's interfaces and events, and its classes.
struct TypeLibrary {
    std::string_view sName;
    std::string_view sGuid;
    int nMajorVersion;
    int nMinorVersion;
    Long nLocale;
    std::string_view sHelpFile;
    std::string_view sInterfaceGuid;  // _ColorListBox
    std::string_view sEventsGuid;     // __ColorListBox
    std::vector<EnumInfo> enums;
    std::vector<ClassInfo> classes;  // the control first, then its property pages
    // The control's property pages in the order a designer shows them: its own pages
    // (classes of this library), then the host's standard pages.
    std::vector<std::string_view> propertyPages;
};

const TypeLibrary& ColorListBoxTypeLibrary();

// The two texts of the library: a listing for people, and IDL that widl compiles into the
// type library the COM server embeds and registers.
enum class IdlDialect { Listing, Compilable };

std::string WriteTypeLibrary(const TypeLibrary& library, IdlDialect eDialect);
std::string PrintTypeLibrary(const TypeLibrary& library);  // the listing

// The type names a text gives parameters and properties; the compilable ones are also
// the C++ types of the header widl writes from it.
std::string ParameterTypeName(ParamType eType, IdlDialect eDialect);
std::string PropertyTypeName(const MemberInfo& member, IdlDialect eDialect);

// The file and product version of the library.
inline constexpr int kVersion[4] = {1, 0, 0, 0};

}  // namespace qv
