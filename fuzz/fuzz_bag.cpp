// The property-bag reader on any file: the file is refused as a whole, or a control reads
// it (stopping at a value it raises an error for). What that control then writes must
// load again without an error, and saving the reloaded control must give the same text.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "control/ColorListBox.h"
#include "platform/HostError.h"
#include "platform/bagfile/PropertyBagFile.h"
#include "platform/soft/host/ControlSite.h"
#include "platform/soft/host/Form.h"
#include "platform/soft/host/SoftBagPictures.h"
#include "qvhost/PlacedList.h"

using namespace qv;

namespace {

const std::filesystem::path& ScratchFile() {
    static const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                              ("qv_fuzz_bag_" + std::to_string(getpid()) + ".json");
    return path;
}

void WriteScratch(const std::uint8_t* pData, std::size_t nSize) {
    std::ofstream file(ScratchFile(), std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(pData), static_cast<std::streamsize>(nSize));
}

[[noreturn]] void Fail(const char* pWhat, const std::string& sDetail) {
    std::fprintf(stderr, "%s\n%s\n", pWhat, sDetail.c_str());
    std::abort();
}

// A control on a form reads the bag, is shown and painted, and writes itself into a new
// bag. bMustRead: an error while reading is a fault (the bag is one we wrote).
std::string LoadShowAndSave(bagfile::PropertyBagFile& bag, bool bMustRead) {
    soft::Form form(320, 240);
    qvhost::PlacedList placed(form, 0, 0, 120, 90);
    site::ControlSiteCore& site = placed.Site();
    site.Initialize();
    try {
        site.ReadProperties(bag);
    } catch (const HostError& error) {
        if (bMustRead) Fail("a bag we wrote raises an error when read", error.what());
    }
    site.Show();
    form.RunUntilIdle();
    bagfile::PropertyBagFile saved(soft::BagPictures());
    site.WriteProperties(saved);
    site.Terminate();
    return saved.Text();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    WriteScratch(pData, nSize);
    bagfile::PropertyBagFile bag(soft::BagPictures());
    try {
        bag = bagfile::PropertyBagFile::Load(ScratchFile(), soft::BagPictures());
    } catch (const bagfile::PropertyBagFileError&) {
        return 0;
    }
    const std::string sFirst = LoadShowAndSave(bag, false);

    WriteScratch(reinterpret_cast<const std::uint8_t*>(sFirst.data()), sFirst.size());
    bagfile::PropertyBagFile reloaded(soft::BagPictures());
    try {
        reloaded = bagfile::PropertyBagFile::Load(ScratchFile(), soft::BagPictures());
    } catch (const bagfile::PropertyBagFileError& error) {
        Fail("a bag we wrote is refused", error.what());
    }
    const std::string sSecond = LoadShowAndSave(reloaded, true);
    if (sSecond != sFirst)
        Fail("save, load and save again changes the bag", sFirst + "\n--\n" + sSecond);
    return 0;
}
