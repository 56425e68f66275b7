#pragma once

#include <optional>
#include <string>

namespace qv::soft {

// A font file chosen for a face name, and whether that file is a bold face.
struct FaceChoice {
    std::string sPath;
    int nIndex = 0;
    bool bBold = false;
};

// The family that stands in for a common Windows face ("MS Gothic" -> "IPAGothic",
// "MS UI Gothic" -> "IPAPGothic", "Arial" -> "DejaVu Sans"), or the name itself when the
// table does not know it.
std::string AliasFamily(const std::string& sFace);

// The upright face file for a face name (UTF-8): its alias's family, or a family of
// exactly that name, or else the default face of the character set (IPA P Gothic for
// Shift-JIS and for the default set under code page 932, DejaVu Sans otherwise). Each
// family is looked up through fontconfig by name and, failing that, at a fixed path.
std::optional<FaceChoice> ChooseFace(const std::string& sFace, bool bBold, unsigned nCharSet);

// The face that draws the characters a chosen face lacks: IPA P Gothic.
std::optional<FaceChoice> FallbackFace();

// Releases fontconfig's caches.
void ReleaseFaceMatching();

}  // namespace qv::soft
