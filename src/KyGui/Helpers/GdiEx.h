// Device-context and font helpers: an off-screen DC, a DC state saver and fonts kept in the registry.
#pragma once

#include "KyGui/KyGuiExport.h"
#include "KyStd/Registry/RegKey.h"

#include <afxwin.h>

namespace Kyvant {
namespace GdiEx {

// Draws into a bitmap standing for one rectangle of a target DC, in the target's coordinates,
// and copies the bitmap onto the target once (by Copy or at destruction).
class KYGUI_API MemoryDC : public CDC
{
public:
    explicit MemoryDC(CDC& target);  // the target's clip box
    MemoryDC(CDC& target, const RECT& rect);
    explicit MemoryDC(HDC target);
    MemoryDC(HDC target, const RECT& rect);
    ~MemoryDC() override;
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;

    void Copy();
    const CRect& GetRect() const { return m_rect; }

    BOOL PtVisible(int x, int y) const override;
    BOOL RectVisible(LPCRECT lpRect) const override;
    BOOL TextOut(int x, int y, LPCSTR lpszString, int nCount) override;
    BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCSTR lpszString, UINT nCount,
                    LPINT lpDxWidths) override;
    CSize TabbedTextOut(int x, int y, LPCSTR lpszString, int nCount, int nTabPositions,
                        LPINT lpnTabStopPositions, int nTabOrigin) override;
    int DrawText(LPCSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat) override;
    BOOL GrayString(CBrush* pBrush, BOOL(CALLBACK* lpfnOutput)(HDC, LPARAM, int), LPARAM lpData, int nCount,
                    int x, int y, int nWidth, int nHeight) override;
    int Escape(int nEscape, int nCount, LPCSTR lpszInData, LPVOID lpOutData) override;

private:
    void Init(HDC target, const RECT* rect);

    HDC m_target;
    CRect m_rect;
    bool m_copied;
    CBitmap m_bitmap;
    HGDIOBJ m_oldBitmap;
};

// Saves a DC's state and restores it once (by Restore or at destruction).
class KYGUI_API DcSaver
{
public:
    explicit DcSaver(CDC& dc);  // SaveDC failing throws the resource exception
    ~DcSaver();
    DcSaver(const DcSaver&) = delete;
    DcSaver& operator=(const DcSaver&) = delete;

    void Restore();

private:
    CDC& m_dc;
    int m_saved;
};

// A font with its size in tenths of a point. Creation failures throw the resource exception.
class KYGUI_API Font : public CFont
{
public:
    Font();

    void Create(const LOGFONTA& logFont);                         // size from the height
    void Create(int pointSize, const char* faceName, CDC* dc = nullptr);
    void Create(int pointSize, const LOGFONTA& logFont, CDC* dc = nullptr);  // lfHeight ignored
    void Create(const CFont& other);
    void CreateStockObject(int index);
    void Store(LOGFONTA& logFont) const;

    // Opens or creates parent\subkey and creates the font from its values, each defaulting to the
    // given one ("Arial" for a null face; the height in tenths of a point).
    void Load(const RegKey& parent, const char* subkey, const char* defaultFace, int defaultHeight,
              int defaultWeight, bool defaultItalic, int defaultCharSet);
    void Load(const RegKey& parent, const char* subkey, const Font& defaults);
    void Load(const RegKey& parent, const char* subkey, const CFont& defaults);
    // Writes "Face", "Height", "Weight", "Italic" and "CharSet" under parent\subkey.
    void Store(const RegKey& parent, const char* subkey) const;

    int GetPointSize() const { return m_pointSize; }

    // Tenths of a point of a LOGFONT height on the screen (a cell height counts by its magnitude).
    static int PointSizeFromHeight(LONG height);

private:
    void Replace(HFONT font, int pointSize);

    int m_pointSize;
};

} // namespace GdiEx
} // namespace Kyvant
