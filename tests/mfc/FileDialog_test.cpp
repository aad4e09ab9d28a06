// File dialogs: single and multiple choices, an Explorer child template from the test DLL, and a
// subclass that runs GetOpenFileNameA itself between the pre- and post-modal steps.
#include "TestApp.h"
#include "TestIds.h"
#include "dll/KyMfcTestDll.h"

#include <afxdlgs.h>
#include <dlgs.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

const char kFilter[] = "Text files (*.txt)|*.txt|All files (*.*)|*.*||";

std::string Folder()
{
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "kymfc-dialog";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    for (const char* name : { "a.txt", "b.txt", "c.txt" }) {
        HANDLE h = ::CreateFileA((folder + "\\" + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ::CloseHandle(h);
    }
    return folder;
}

// Types the names into the Explorer dialog that owns the hook's window and presses Open.
void TypeAndOpen(HWND hDlg, const char* names)
{
    for (int id : { cmb13, edt1 })
        if (::GetDlgItem(hDlg, id) != nullptr)
            ::SetDlgItemTextA(hDlg, id, names);
    ::PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(hDlg, IDOK)));
}

// The dialog window of the Explorer dialog whose hook window (the object) is given.
HWND ExplorerOf(CWnd* pWnd) { return ::GetParent(pWnd->m_hWnd); }

std::vector<std::string> AllPaths(const CFileDialog& dlg)
{
    std::vector<std::string> paths;
    POSITION pos = dlg.GetStartPosition();
    while (pos != nullptr)
        paths.push_back(static_cast<LPCSTR>(dlg.GetNextPathName(pos)));
    return paths;
}

TEST(FileDialog, SingleAndMultipleChoicesGiveFullPaths)
{
    std::string folder = Folder();
    struct Case
    {
        DWORD flags;
        const char* typed;
        std::vector<std::string> expected;
    } cases[] = {
        { OFN_HIDEREADONLY, "b.txt", { folder + "\\b.txt" } },
        { OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT, "\"a.txt\" \"b.txt\" \"c.txt\"",
          { folder + "\\a.txt", folder + "\\b.txt", folder + "\\c.txt" } },
    };
    for (Case& c : cases) {
        CFileDialog dlg(TRUE, "txt", nullptr, c.flags, kFilter);
        dlg.m_ofn.lpstrInitialDir = folder.c_str();
        bool shot = false;
        OnNextModalIdle([&](CWnd* pWnd) {
            if (!(c.flags & OFN_ALLOWMULTISELECT))
            {
                ::RedrawWindow(ExplorerOf(pWnd), nullptr, nullptr,
                               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
                shot = SaveWindowPng(ExplorerOf(pWnd), "file-dialog");
            }
            TypeAndOpen(ExplorerOf(pWnd), c.typed);
        });
        ASSERT_EQ(IDOK, dlg.DoModal()) << c.typed;
        EXPECT_EQ(c.expected, AllPaths(dlg)) << c.typed;
        if (!(c.flags & OFN_ALLOWMULTISELECT)) {
            EXPECT_STREQ(c.expected[0].c_str(), dlg.GetPathName());
            EXPECT_TRUE(shot);
            EXPECT_STREQ("b.txt", dlg.GetFileName());
            EXPECT_STREQ("txt", dlg.GetFileExt());
            EXPECT_STREQ("b", dlg.GetFileTitle());
        }
    }
}

TEST(FileDialog, SaveGivesTheNewPathAndCancelGivesIdCancel)
{
    std::string folder = Folder();
    CFileDialog save(FALSE, "txt", "draft.txt", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kFilter);
    save.m_ofn.lpstrInitialDir = folder.c_str();
    OnNextModalIdle([](CWnd* pWnd) { TypeAndOpen(ExplorerOf(pWnd), "d.txt"); });
    ASSERT_EQ(IDOK, save.DoModal());
    EXPECT_STREQ((folder + "\\d.txt").c_str(), save.GetPathName());

    CFileDialog dlg(TRUE, nullptr, nullptr, OFN_HIDEREADONLY, kFilter);
    OnNextModalIdle([](CWnd* pWnd) { ::PostMessageA(ExplorerOf(pWnd), WM_COMMAND, IDCANCEL, 0); });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
}

// An Explorer child template with two radio buttons; the first OK is refused to keep the dialog open.
template <class Base>
class CTemplateDialog : public Base
{
public:
    CTemplateDialog() : Base(TRUE, "txt", nullptr, OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT, kFilter)
    {
        this->m_ofn.Flags |= OFN_ENABLETEMPLATE;
        this->m_ofn.lpTemplateName = MAKEINTRESOURCEA(IDD_DLL_FILECHILD);
    }
    int m_inits = 0;
    std::vector<UINT> m_binaryAtOk;

    BOOL OnInitDialog() override
    {
        ++m_inits;
        this->CheckRadioButton(IDC_DLL_RADIO_TEXT, IDC_DLL_RADIO_BINARY, IDC_DLL_RADIO_TEXT);
        return Base::OnInitDialog();
    }

protected:
    BOOL OnFileNameOK() override
    {
        m_binaryAtOk.push_back(this->IsDlgButtonChecked(IDC_DLL_RADIO_BINARY));
        if (m_binaryAtOk.size() > 1)
            return FALSE;
        // Refused: the user switches to binary and presses Open again.
        HWND hDlg = ::GetParent(this->m_hWnd);
        HWND hSelf = this->m_hWnd;
        RunSoon([hDlg, hSelf] {
            ::CheckRadioButton(hSelf, IDC_DLL_RADIO_TEXT, IDC_DLL_RADIO_BINARY, IDC_DLL_RADIO_BINARY);
            ::PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(hDlg, IDOK)));
        });
        return TRUE;
    }
};

// The framework's file-name record and the longer one of Windows 2000: 76
// and 88 bytes on 32 bits, 136 and 152 with 64-bit pointers.
const size_t kNarrowRecordSize = sizeof(void*) == 4 ? 76 : 136;
const size_t kWideRecordSize = sizeof(void*) == 4 ? 88 : 152;

// Runs the dialog itself with the later, longer record, between the layer's modal steps.
class COwnLoopDialog : public CFileDialog
{
public:
    COwnLoopDialog(BOOL bOpen, LPCSTR lpszDefExt, LPCSTR lpszFileName, DWORD dwFlags, LPCSTR lpszFilter)
        : CFileDialog(bOpen, lpszDefExt, lpszFileName, dwFlags, lpszFilter)
    {
    }
    UINT m_sizeSeen = 0;

    INT_PTR DoModal() override
    {
        size_t nOffset = std::strlen(m_ofn.lpstrFile) + 1;
        std::memset(m_ofn.lpstrFile + nOffset, 0, m_ofn.nMaxFile - nOffset);
        HWND hWndFocus = ::GetFocus();
        m_ofn.hwndOwner = PreModal();
        AfxUnhookWindowCreate();
        BOOL bEnableOwner = m_ofn.hwndOwner != nullptr && ::IsWindowEnabled(m_ofn.hwndOwner);
        if (bEnableOwner)
            ::EnableWindow(m_ofn.hwndOwner, FALSE);
        if (m_ofn.Flags & OFN_EXPLORER)
            AfxGetThreadState()->m_pAlternateWndInit = this;
        else
            AfxHookWindowCreate(this);
        OPENFILENAMEA ofn = {};
        std::memcpy(&ofn, &m_ofn, sizeof m_ofn);
        ofn.lStructSize = sizeof ofn;
        m_sizeSeen = ofn.lStructSize;
        BOOL ok = ::GetOpenFileNameA(&ofn);
        std::memcpy(&m_ofn, &ofn, sizeof m_ofn);
        m_ofn.lStructSize = sizeof m_ofn;
        AfxGetThreadState()->m_pAlternateWndInit = nullptr;
        if (bEnableOwner)
            ::EnableWindow(m_ofn.hwndOwner, TRUE);
        if (::IsWindow(hWndFocus))
            ::SetFocus(hWndFocus);
        PostModal();
        return ok ? IDOK : IDCANCEL;
    }
};

template <class Dialog>
void ExpectTemplateRoundTrip(const std::string& folder)
{
    Dialog dlg;
    dlg.m_ofn.lpstrInitialDir = folder.c_str();
    OnNextModalIdle([](CWnd* pWnd) { TypeAndOpen(ExplorerOf(pWnd), "\"a.txt\" \"c.txt\" \"b.txt\""); });
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(1, dlg.m_inits);
    EXPECT_EQ((std::vector<UINT>{ BST_UNCHECKED, BST_CHECKED }), dlg.m_binaryAtOk);
    EXPECT_EQ(DllModule(), dlg.m_ofn.hInstance);
    EXPECT_EQ((std::vector<std::string>{ folder + "\\a.txt", folder + "\\c.txt", folder + "\\b.txt" }), AllPaths(dlg));
    EXPECT_EQ(nullptr, dlg.m_hWnd);
}

TEST(FileDialog, ExplorerChildTemplateFromTheDllIsServedByTheObject)
{
    EXPECT_EQ(kNarrowRecordSize, sizeof(CFileDialog::m_ofn));
    ExpectTemplateRoundTrip<CTemplateDialog<CFileDialog>>(Folder());
}

class COwnLoopTemplateDialog : public CTemplateDialog<COwnLoopDialog>
{
};

TEST(FileDialog, OwnLoopWithTheLongerRecordGetsTheSameService)
{
    ExpectTemplateRoundTrip<COwnLoopTemplateDialog>(Folder());
    COwnLoopDialog plain(TRUE, nullptr, nullptr, OFN_HIDEREADONLY, kFilter);
    std::string folder = Folder();
    plain.m_ofn.lpstrInitialDir = folder.c_str();
    OnNextModalIdle([](CWnd* pWnd) { TypeAndOpen(ExplorerOf(pWnd), "c.txt"); });
    ASSERT_EQ(IDOK, plain.DoModal());
    EXPECT_EQ(kWideRecordSize, plain.m_sizeSeen);
    EXPECT_EQ(kNarrowRecordSize, plain.m_ofn.lStructSize);
    EXPECT_STREQ((folder + "\\c.txt").c_str(), plain.GetPathName());
}

}  // namespace
