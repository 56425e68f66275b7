#include "dispatch/TypeLibrary.h"

#include "model/Enums.h"

namespace qv {

const TypeLibrary& ColorListBoxTypeLibrary() {
    static const TypeLibrary library{
        .sName = "QV_ColorListBox",
        .sGuid = "449C7D49-06CA-42D4-B2AC-9FFC3ED661D9",
        .nMajorVersion = 1,
        .nMinorVersion = 0,
        .nLocale = 0x409,
        .sHelpFile = "QV_ColorListBox.hlp",
        .sInterfaceGuid = "AF277DEB-10B2-4DD0-A355-87E07ED284E6",
        .sEventsGuid = "AB31A743-66A6-4B28-9E50-CCDFA1C88AD6",
        .enums =
            {
                {"enmFrameStyle",
                 "1E0C7C41-5B1A-4C8E-9D56-0F3A2B7E6D01",
                 {{"fsNone", fsNone}, {"fsSunken", fsSunken}, {"fsBorder", fsBorder}}},
                {"enmBackStyle",
                 "1E0C7C41-5B1A-4C8E-9D56-0F3A2B7E6D02",
                 {{"bsNormal", bsNormal},
                  {"bsAlternate", bsAlternate},
                  {"bsPictureStretch", bsPictureStretch},
                  {"bsPictureReal", bsPictureReal},
                  {"bsPictureRepeat", bsPictureRepeat}}},
                {"enmSelBackStyle",
                 "1E0C7C41-5B1A-4C8E-9D56-0F3A2B7E6D03",
                 {{"sbFill", sbFill}, {"sbTransparent", sbTransparent}, {"sbHatch", sbHatch}}},
                {"enmStyle",
                 "1E0C7C41-5B1A-4C8E-9D56-0F3A2B7E6D04",
                 {{"lsNormal", lsNormal}, {"lsCheck", lsCheck}}},
                {"enmCheckBoxImage",
                 "1E0C7C41-5B1A-4C8E-9D56-0F3A2B7E6D05",
                 {{"ciCheck", ciCheck},
                  {"ciRadio", ciRadio},
                  {"ciButton", ciButton},
                  {"ciImage", ciImage}}},
                {"enmMultiSelect",
                 "1E0C7C41-5B1A-4C8E-9D56-0F3A2B7E6D06",
                 {{"msSingle", msSingle}, {"msMulti", msMulti}, {"msExtend", msExtend}}},
            },
        .classes = {{"ColorListBox", "4A59219E-6CDD-43B9-8A4A-7A6856806ACF"},
                    {"ppgGeneral", "977006A5-B030-4E9E-A743-6058593C7B85"},
                    {"ppgCheck", "7C5EE055-44D9-47F8-A0A0-1D68C3EBBBDD"}},
        .propertyPages = {"ppgGeneral", "ppgCheck", "StandardColor", "StandardPicture",
                          "StandardFont"},
    };
    return library;
}

}  // namespace qv
