// Reading the selection of Visual C++ 6 or VS.NET through their automation
// objects, by member name.
#include "KyTools/Find/DevEnvPatternSeed.h"

#include "KyConTool/DevEnv/DevEnvAccess.h"
#include "KyConTool/DevEnv/DispatchCall.h"

#include <exception>

namespace Kyvant {
namespace DevEnvPatternSeed {

namespace {

using DevEnv::DispatchPtr;
using DevEnv::GetDispatch;
using DevEnv::GetLong;
using DevEnv::GetText;

// The flags of both look-ups: only the environment that started this
// program, no error when there is none, no warning.
const bool kQuiet = true;
const bool kHandOffOnly = true;
const bool kWarnOtherInstance = false;

const char kTextDocumentType[] = "Text";

bool GetBool(IDispatch* object, const wchar_t* member)
{
    return static_cast<bool>(DevEnv::Invoke(object, member));
}

// Visual C++ 6: the active text document's selection within one line.
ky_S VcSelection(IDispatch* app)
{
    const DispatchPtr document = GetDispatch(app, L"ActiveDocument");
    if (!document || ky_I(GetText(document, L"Type")) != ky_I(kTextDocumentType))
        return ky_S();
    const DispatchPtr selection = GetDispatch(document, L"Selection");
    if (!selection || GetLong(selection, L"TopLine") != GetLong(selection, L"BottomLine"))
        return ky_S();
    return GetText(selection, L"Text");
}

// VS.NET: the active selection within one line, or one whole line whose
// bottom point is at the start of the next line.
ky_S VsNetSelection(IDispatch* dte)
{
    const DispatchPtr document = GetDispatch(dte, L"ActiveDocument");
    if (!document)
        return ky_S();
    const DispatchPtr selection = GetDispatch(document, L"Selection");
    if (!selection || GetBool(selection, L"IsEmpty"))
        return ky_S();
    const DispatchPtr top = GetDispatch(selection, L"TopPoint");
    const DispatchPtr bottom = GetDispatch(selection, L"BottomPoint");
    if (!top || !bottom)
        return ky_S();
    const long topLine = GetLong(top, L"Line");
    const long bottomLine = GetLong(bottom, L"Line");
    const bool wholeLine = bottomLine == topLine + 1 && GetBool(bottom, L"AtStartOfLine");
    if (topLine != bottomLine && !wholeLine)
        return ky_S();
    return GetText(selection, L"Text");
}

ky_S Candidate()
{
    IApplicationPtr vc;
    if (GetMsDev(vc, kQuiet, kHandOffOnly, kWarnOtherInstance))
        return VcSelection(vc);
    _DTEPtr dte;
    if (GetVsNet(dte, kQuiet, kHandOffOnly, kWarnOtherInstance))
        return VsNetSelection(dte);
    return ky_S();
}

} // namespace

ky_S Read()
{
    try {
        return TrimLineEnd(Candidate());
    } catch (const _com_error&) {
    } catch (const std::exception&) {
    }
    return ky_S();
}

ky_S TrimLineEnd(const ky_S& text)
{
    ky_S trimmed(text);
    if (!trimmed.empty() && trimmed[trimmed.length() - 1] == '\n')
        trimmed.erase(trimmed.length() - 1);
    if (!trimmed.empty() && trimmed[trimmed.length() - 1] == '\r')
        trimmed.erase(trimmed.length() - 1);
    return trimmed;
}

} // namespace DevEnvPatternSeed
} // namespace Kyvant
