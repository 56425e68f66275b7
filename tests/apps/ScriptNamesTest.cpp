#include <gtest/gtest.h>

#include <string>

#include "qvhost/ScriptNames.h"
#include "qvhost/ScriptParser.h"

namespace qv::qvhost {
namespace {

// The error CheckNames reports for a script, or "" when it accepts it.
std::string NameError(const std::string& sText) {
    try {
        CheckNames(ParseScript(sText, "names.qvs"));
    } catch (const ScriptError& error) {
        return error.what();
    }
    return "";
}

struct NamesCase {
    std::string sText;
    std::string sError;
};

const NamesCase kLifetimes[] = {
    {"new L1 0,0 9x9\nclick L1 1 1\nfree L1", ""},
    {"new L1 0,0 9x9\nfree L1\nnew L1 0,0 9x9\nget L1.Text", ""},
    {"get L2.Text", "names.qvs:1: unknown control \"L2\""},
    {"new L1 0,0 9x9\n# gone\nfree L1\nclick L1 1 1", "names.qvs:4: unknown control \"L1\""},
    {"new L1 0,0 9x9\nfree L1\nfree L1", "names.qvs:3: unknown control \"L1\""},
    {"new L1 0,0 9x9\nnew L1 5,5 9x9", "names.qvs:2: control \"L1\" already exists"},
    {"click l1 1 1\nnew l1 0,0 9x9", "names.qvs:1: unknown control \"l1\""},
    {"new L1 0,0 9x9\nget l1.Text", "names.qvs:2: unknown control \"l1\""},
    {"mode design\nwait 10\nfocus none\npaint form.png\npage apply", ""},
    {"new L1 0,0 9x9\nnew L2 0,0 9x9\npage open general L1 L2\nfocus L2", ""},
};

TEST(ScriptNamesTest, ControlsLiveFromNewUntilFree) {
    for (const NamesCase& row : kLifetimes) {
        SCOPED_TRACE(row.sText);
        EXPECT_EQ(NameError(row.sText), row.sError);
    }
}

// Every command that names a control, naming one that was never made.
const std::string kCommandsNamingL2[] = {
    "save L2 bag.json",
    "free L2",
    "resize L2 10x10",
    "let L2.Text 1",
    "get L2.Text",
    "call L2.Clear",
    "mouse L2 down L 1 1",
    "click L2 1 1",
    "wheel L2 120 1 1",
    "key L2 press 32",
    "focus L2",
    "scroll L2 top",
    "pixel L2 0 0",
    "scrollbar L2",
    "host L2",
    "paint L2 shot.png",
    "page open check L1 L2",
};

TEST(ScriptNamesTest, EveryCommandNamingAControlChecksIt) {
    for (const std::string& sLine : kCommandsNamingL2) {
        SCOPED_TRACE(sLine);
        EXPECT_EQ(NameError("new L1 0,0 9x9\n" + sLine), "names.qvs:2: unknown control \"L2\"");
    }
}

const NamesCase kObjects[] = {
    {"new L1 0,0 9x9\nlet L1.Picture P", "names.qvs:2: unknown object \"P\""},
    {"new L1 0,0 9x9\npicture P empty\nlet L1.Picture P", ""},
    {"new L1 0,0 9x9\nlet L1.Picture P\npicture P empty", "names.qvs:2: unknown object \"P\""},
    {"new L1 0,0 9x9\nimagelist IL 4x4 2\ncall L1.Add 1 IL \"IL\" F",
     "names.qvs:3: unknown object \"F\""},
    {"new L1 0,0 9x9\nfont F \"Arial\" 9\nimagelist IL 4x4 2\ncall L1.Add F IL", ""},
    {"new L1 0,0 9x9\npage open general L1\npage set txtFont F",
     "names.qvs:3: unknown object \"F\""},
    {"new L1 0,0 9x9\nfont F \"Arial\" 9\npage open general L1\npage set txtFont F", ""},
    {"new L1 0,0 9x9\nlet L1.Picture L1", "names.qvs:2: unknown object \"L1\""},
    {"picture L1 empty\nnew L1 0,0 9x9\nlet L1.Picture L1", ""},
    {"picture P empty\npicture P metafile\nnew L1 0,0 9x9\nlet L1.Picture P", ""},
    {"new L1 0,0 9x9\nlet L1.Text \"P\"\nlet L1.Text Nothing", ""},
};

TEST(ScriptNamesTest, ObjectsMustBeMadeBeforeUse) {
    for (const NamesCase& row : kObjects) {
        SCOPED_TRACE(row.sText);
        EXPECT_EQ(NameError(row.sText), row.sError);
    }
}

}  // namespace
}  // namespace qv::qvhost
