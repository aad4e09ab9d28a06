// The adapter tests' dialog: the in-memory template and the exchange hook.
#include "Adapters/AdapterTestDialog.h"

#include <cstring>

namespace AdapterTest {
namespace {

const DWORD kDialogStyle = DS_SETFONT | WS_POPUP | WS_VISIBLE;
const WORD kDialogWidth = 300;
const WORD kDialogHeight = 200;
const WORD kFontPoints = 8;
const WORD kClassAtom = 0xFFFF;

void Put32(std::vector<WORD>& t, DWORD v)
{
    t.push_back(LOWORD(v));
    t.push_back(HIWORD(v));
}

void PutText(std::vector<WORD>& t, const char* s)
{
    for (; *s; ++s)
        t.push_back(static_cast<WORD>(*s));
    t.push_back(0);
}

} // namespace

Dialog::~Dialog()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
}

bool Dialog::Open(const std::vector<Control>& controls)
{
    std::vector<WORD> t;
    Put32(t, kDialogStyle);
    Put32(t, 0);
    t.push_back(static_cast<WORD>(controls.size()));
    t.push_back(0);
    t.push_back(0);
    t.push_back(kDialogWidth);
    t.push_back(kDialogHeight);
    t.push_back(0); // menu
    t.push_back(0); // class
    PutText(t, "Adapters");
    t.push_back(kFontPoints);
    PutText(t, "MS Shell Dlg");
    for (const Control& c : controls) {
        if (t.size() % 2 != 0)
            t.push_back(0);
        Put32(t, WS_CHILD | WS_VISIBLE | WS_TABSTOP | c.style);
        Put32(t, 0);
        t.push_back(static_cast<WORD>(c.x));
        t.push_back(static_cast<WORD>(c.y));
        t.push_back(static_cast<WORD>(c.cx));
        t.push_back(static_cast<WORD>(c.cy));
        t.push_back(c.id);
        t.push_back(kClassAtom);
        t.push_back(c.kind);
        t.push_back(0); // title
        t.push_back(0); // creation data
    }
    m_template.assign((t.size() + 1) / 2, 0);
    std::memcpy(m_template.data(), t.data(), t.size() * sizeof(WORD));
    return CreateIndirect(reinterpret_cast<LPCDLGTEMPLATE>(m_template.data()), nullptr) != FALSE;
}

void Dialog::DoDataExchange(CDataExchange* pDX)
{
    if (m_exchange)
        m_exchange(pDX);
}

} // namespace AdapterTest
