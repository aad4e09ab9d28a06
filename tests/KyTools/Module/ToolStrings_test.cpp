// Tests of the strings that front-ends load for the Attrib, Dir, EOL, Find,
// Replace, Tab and Touch tools: each comes from this library through the
// resource chain.
#include "KyTools/Attrib/AttribResource.h"
#include "KyTools/Dir/DirResource.h"
#include "KyTools/EOL/EOLResource.h"
#include "KyTools/Find/FindResource.h"
#include "KyTools/Module/KyToolsModule.h"
#include "KyTools/Replace/ReplaceResource.h"
#include "KyTools/Tab/TabResource.h"
#include "KyTools/Touch/TouchResource.h"

#include <afxwin.h>
#include <gtest/gtest.h>

namespace {

// A string's block of sixteen, as the resource chain looks it up.
LPCSTR BlockOf(UINT id)
{
    const UINT kStringsPerBlock = 16;
    return MAKEINTRESOURCEA(id / kStringsPerBlock + 1);
}

TEST(ToolStrings, EachToolsStringsComeFromThisLibrary)
{
    const struct {
        UINT id;
        const char* text;
    } strings[] = {
        {IDS_KY_DIR_FILE_FILTER, "Kyvant Dir Files (*.kydir)|*.kydir|All Files (*.*)|*.*||"},
        {IDS_KY_DIR_FILE_EXTENSION, "kydir"},
        {IDS_KY_DIR_TAB_CAPTION, "Dir Plan"},
        {IDS_KY_DIR_DOCUMENT_NAME, "Dir Task"},
        {IDS_KY_TAB_FILE_FILTER, "Kyvant Tab Files (*.kytab)|*.kytab|All Files (*.*)|*.*||"},
        {IDS_KY_TAB_FILE_EXTENSION, "kytab"},
        {IDS_KY_TAB_TAB_CAPTION, "Tab Plan"},
        {IDS_KY_TAB_DOCUMENT_NAME, "Tab Task"},
        {IDS_KY_EOL_FILE_FILTER, "Kyvant EOL Files (*.kyeol)|*.kyeol|All Files (*.*)|*.*||"},
        {IDS_KY_EOL_FILE_EXTENSION, "kyeol"},
        {IDS_KY_EOL_TAB_CAPTION, "EOL Plan"},
        {IDS_KY_EOL_DOCUMENT_NAME, "EOL Task"},
        {IDS_KY_ATTRIB_FILE_FILTER, "Kyvant Attrib Files (*.kyatt)|*.kyatt|All Files (*.*)|*.*||"},
        {IDS_KY_ATTRIB_FILE_EXTENSION, "kyatt"},
        {IDS_KY_ATTRIB_TAB_CAPTION, "Attrib Plan"},
        {IDS_KY_ATTRIB_DOCUMENT_NAME, "Attrib Task"},
        {IDS_KY_TOUCH_FILE_FILTER, "Kyvant Touch Files (*.kytch)|*.kytch|All Files (*.*)|*.*||"},
        {IDS_KY_TOUCH_FILE_EXTENSION, "kytch"},
        {IDS_KY_TOUCH_TAB_CAPTION, "Touch Plan"},
        {IDS_KY_TOUCH_DOCUMENT_NAME, "Touch Task"},
        {IDS_KY_FIND_FILE_FILTER, "Kyvant Find Files (*.kyfnd)|*.kyfnd|All Files (*.*)|*.*||"},
        {IDS_KY_FIND_FILE_EXTENSION, "kyfnd"},
        {IDS_KY_FIND_DOCUMENT_NAME, "Find Task"},
        {IDS_KY_FIND_TRAILING_BACKSLASH,
         "Trailing backslash in pattern. To end an fgrep pattern with a backslash, double it up."},
        {IDS_KY_FIND_TRAILING_BAR, "Trailing OR operator in pattern."},
        {IDS_KY_FIND_ADJACENT_BARS, "Error: fgrep cannot search for the empty string implied by "
                                    "two adjacent OR operators."},
        {IDS_KY_FIND_PLAIN_CAPTION, "Plain Text"},
        {IDS_KY_FIND_PERL_CAPTION, "Perl"},
        {IDS_KY_FIND_PLAIN_GUID, "{3EA3A11A-BA15-11d2-B005-00E0291D2688}"},
        {IDS_KY_FIND_PERL_GUID, "{3B87DDEF-4BB2-11d2-AF1D-00E0291D2688}"},
        {IDS_KY_REPLACE_FILE_FILTER,
         "Kyvant Replace Files (*.kyrep)|*.kyrep|All Files (*.*)|*.*||"},
        {IDS_KY_REPLACE_FILE_EXTENSION, "kyrep"},
        {IDS_KY_REPLACE_TAB_CAPTION, "Replace Plan"},
        {IDS_KY_REPLACE_DOCUMENT_NAME, "Replace Task"},
        {IDS_KY_TAB_NO_MODE, "You must select a conversion mode."},
        {IDS_KY_EOL_SAME_MODES, "The input and output modes are the same."},
        {IDS_KY_ATTRIB_COMPRESS_AND_ENCRYPT,
         "NTFS compression and encryption are mutually exclusive."},
        {IDS_KY_TOUCH_MAKE_SOURCE_TIP, "Makes this timestamp the copy source"},
        {IDS_KY_TOUCH_COPY_TIP, "Copies the source timestamp"},
        {IDS_KY_REPLACE_ZERO_LENGTH, "Can't search on match text of zero length."},
        {IDS_KY_REPLACE_NO_ACTIVE_RULES, "The Replace Rule list is empty, or no rules are active."},
        {IDS_KY_REPLACE_SAVE_NAMED, "Save changes to Replace Plan \"%s\"?"},
        {IDS_KY_REPLACE_TIP_EVAL, "Eval replacement text"},
    };
    for (const auto& s : strings) {
        SCOPED_TRACE(s.id);
        EXPECT_EQ(Kyvant::KyToolsModule(), AfxFindResourceHandle(BlockOf(s.id), RT_STRING));
        CString text;
        ASSERT_TRUE(text.LoadString(s.id));
        EXPECT_STREQ(s.text, text);
    }
}

TEST(ToolStrings, TheToolbarImagesComeFromThisLibrary)
{
    EXPECT_EQ(Kyvant::KyToolsModule(),
              AfxFindResourceHandle(MAKEINTRESOURCEA(IDB_KY_TOUCH_TOOLBAR), RT_BITMAP));
    CBitmap images;
    ASSERT_TRUE(images.LoadBitmap(IDB_KY_TOUCH_TOOLBAR));
    BITMAP info = {};
    images.GetBitmap(&info);
    // Two images of 7 by 7.
    EXPECT_EQ(14, info.bmWidth);
    EXPECT_EQ(7, info.bmHeight);
}

} // namespace
