// GdiEx::Font: fonts with their point size, created from LOGFONTs, stock objects or the registry.
#include "KyGui/Helpers/GdiEx.h"

#include "KyStd/Registry/RegValues.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace Kyvant {
namespace GdiEx {

namespace {

const char* const kFaceValue = "Face";
const char* const kHeightValue = "Height";
const char* const kWeightValue = "Weight";
const char* const kItalicValue = "Italic";
const char* const kCharSetValue = "CharSet";
const char* const kFallbackFace = "Arial";

constexpr double kTenthsPerInch = 720.0;
constexpr double kRoundingTerm = 0.9;
constexpr DWORD kStoredFaceBytes = 256;

int ScreenPixelsPerInch()
{
    HDC screen = ::GetDC(nullptr);
    int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

void CopyFace(LOGFONTA& logFont, const char* face)
{
    const size_t length = std::min<size_t>(std::strlen(face), LF_FACESIZE - 1);
    std::memcpy(logFont.lfFaceName, face, length);
    logFont.lfFaceName[length] = '\0';
}

// The REG_SZ value, or def when it is missing or of another type.
void ReadFace(HKEY key, const char* def, LOGFONTA& logFont)
{
    char buffer[kStoredFaceBytes] = {};
    DWORD type = 0;
    DWORD size = sizeof(buffer) - 1;
    LONG result = ::RegQueryValueExA(key, kFaceValue, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    CopyFace(logFont, result == ERROR_SUCCESS && type == REG_SZ ? buffer : def);
}

} // namespace

Font::Font() : m_pointSize(0) {}

int Font::PointSizeFromHeight(LONG height)
{
    const double pixels = std::abs(static_cast<double>(height));
    return static_cast<int>(std::floor(kRoundingTerm + pixels * kTenthsPerInch / ScreenPixelsPerInch()));
}

void Font::Replace(HFONT font, int pointSize)
{
    if (font == nullptr)
        AfxThrowResourceException();
    DeleteObject();
    Attach(font);
    m_pointSize = pointSize;
}

void Font::Create(const LOGFONTA& logFont)
{
    Replace(::CreateFontIndirectA(&logFont), PointSizeFromHeight(logFont.lfHeight));
}

void Font::Create(int pointSize, const char* faceName, CDC* dc)
{
    LOGFONTA logFont = {};
    logFont.lfCharSet = DEFAULT_CHARSET;
    CopyFace(logFont, faceName != nullptr ? faceName : "");
    Create(pointSize, logFont, dc);
}

void Font::Create(int pointSize, const LOGFONTA& logFont, CDC* dc)
{
    LOGFONTA sized = logFont;
    sized.lfHeight = pointSize;
    CFont made;
    if (!made.CreatePointFontIndirect(&sized, dc))
        AfxThrowResourceException();
    Replace(static_cast<HFONT>(made.Detach()), pointSize);
}

void Font::Create(const CFont& other)
{
    LOGFONTA logFont = {};
    if (other.GetSafeHandle() == nullptr || other.GetLogFont(&logFont) == 0)
        AfxThrowResourceException();
    Create(logFont);
}

void Font::CreateStockObject(int index)
{
    HGDIOBJ stock = ::GetStockObject(index);
    LOGFONTA logFont = {};
    if (stock == nullptr || ::GetObjectA(stock, sizeof(logFont), &logFont) == 0)
        AfxThrowResourceException();
    Replace(static_cast<HFONT>(stock), PointSizeFromHeight(logFont.lfHeight));
}

void Font::Store(LOGFONTA& logFont) const
{
    if (GetSafeHandle() == nullptr || GetLogFont(&logFont) == 0)
        AfxThrowResourceException();
}

void Font::Load(const RegKey& parent, const char* subkey, const char* defaultFace, int defaultHeight,
                int defaultWeight, bool defaultItalic, int defaultCharSet)
{
    RegKey key(parent, subkey);
    LOGFONTA logFont = {};
    ReadFace(key.get(), defaultFace != nullptr ? defaultFace : kFallbackFace, logFont);
    const int height = static_cast<int>(GetRegistryDWORD(key.get(), kHeightValue, static_cast<DWORD>(defaultHeight)));
    logFont.lfWeight = static_cast<LONG>(GetRegistryDWORD(key.get(), kWeightValue, static_cast<DWORD>(defaultWeight)));
    logFont.lfItalic = GetRegistryDWORD(key.get(), kItalicValue, defaultItalic ? 1 : 0) != 0 ? TRUE : FALSE;
    logFont.lfCharSet =
        static_cast<BYTE>(GetRegistryDWORD(key.get(), kCharSetValue, static_cast<DWORD>(defaultCharSet)));
    Create(height, logFont, nullptr);
}

void Font::Load(const RegKey& parent, const char* subkey, const Font& defaults)
{
    LOGFONTA logFont = {};
    defaults.Store(logFont);
    Load(parent, subkey, logFont.lfFaceName, defaults.GetPointSize(), logFont.lfWeight, logFont.lfItalic != 0,
         logFont.lfCharSet);
}

void Font::Load(const RegKey& parent, const char* subkey, const CFont& defaults)
{
    LOGFONTA logFont = {};
    if (defaults.GetSafeHandle() == nullptr || defaults.GetLogFont(&logFont) == 0)
        AfxThrowResourceException();
    Load(parent, subkey, logFont.lfFaceName, PointSizeFromHeight(logFont.lfHeight), logFont.lfWeight,
         logFont.lfItalic != 0, logFont.lfCharSet);
}

void Font::Store(const RegKey& parent, const char* subkey) const
{
    LOGFONTA logFont = {};
    Store(logFont);
    RegKey key(parent, subkey);
    WriteRegistryString(key.get(), kFaceValue, logFont.lfFaceName,
                        static_cast<DWORD>(std::strlen(logFont.lfFaceName) + 1));
    WriteRegistryDWORD(key.get(), kHeightValue, static_cast<DWORD>(m_pointSize));
    WriteRegistryDWORD(key.get(), kWeightValue, static_cast<DWORD>(logFont.lfWeight));
    WriteRegistryDWORD(key.get(), kItalicValue, logFont.lfItalic != 0 ? 1 : 0);
    WriteRegistryDWORD(key.get(), kCharSetValue, logFont.lfCharSet);
}

} // namespace GdiEx
} // namespace Kyvant
