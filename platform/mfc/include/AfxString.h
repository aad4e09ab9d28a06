// CString: the layer's ANSI string with MFC's operations.
#pragma once

#include "KyMfcExport.h"

#include <string>

class AFX_API CString
{
public:
    CString();
    CString(const CString& s);
    CString(LPCSTR lpsz);  // a MAKEINTRESOURCE value loads that string
    CString(LPCSTR lpch, int nLength);
    CString(char ch, int nRepeat = 1);
    ~CString();

    CString& operator=(const CString& s);
    CString& operator=(LPCSTR lpsz);
    CString& operator=(char ch);
    CString& operator+=(const CString& s);
    CString& operator+=(LPCSTR lpsz);
    CString& operator+=(char ch);
    operator LPCSTR() const { return m_text.c_str(); }

    int GetLength() const { return static_cast<int>(m_text.size()); }
    BOOL IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    char GetAt(int nIndex) const { return m_text[static_cast<size_t>(nIndex)]; }
    char operator[](int nIndex) const { return GetAt(nIndex); }
    void SetAt(int nIndex, char ch) { m_text[static_cast<size_t>(nIndex)] = ch; }

    int Compare(LPCSTR lpsz) const;
    int CompareNoCase(LPCSTR lpsz) const;
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    int Find(char ch, int nStart = 0) const;
    int Find(LPCSTR lpszSub, int nStart = 0) const;
    int ReverseFind(char ch) const;
    int FindOneOf(LPCSTR lpszCharSet) const;
    int Replace(LPCSTR lpszOld, LPCSTR lpszNew);
    void MakeUpper();
    void MakeLower();
    void TrimLeft();
    void TrimRight();
    void AFX_CDECL Format(LPCSTR lpszFormat, ...);
    BOOL LoadString(UINT nID);

    LPSTR GetBuffer(int nMinBufLength);
    LPSTR GetBufferSetLength(int nNewLength);
    void ReleaseBuffer(int nNewLength = -1);

private:
    std::string m_text;
};

AFX_API CString operator+(const CString& a, const CString& b);
AFX_API CString operator+(const CString& a, LPCSTR b);
AFX_API CString operator+(LPCSTR a, const CString& b);
AFX_API CString operator+(const CString& a, char b);
inline bool operator==(const CString& a, LPCSTR b) { return a.Compare(b) == 0; }
inline bool operator==(LPCSTR a, const CString& b) { return b.Compare(a) == 0; }
inline bool operator==(const CString& a, const CString& b) { return a.Compare(b) == 0; }
inline bool operator!=(const CString& a, LPCSTR b) { return a.Compare(b) != 0; }
inline bool operator!=(const CString& a, const CString& b) { return a.Compare(b) != 0; }
inline bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }

// Loads the string and puts the argument in place of %1 (and %2).
AFX_API void AfxFormatString1(CString& rString, UINT nIDS, LPCSTR lpsz1);
AFX_API void AfxFormatString2(CString& rString, UINT nIDS, LPCSTR lpsz1, LPCSTR lpsz2);
// Puts the arguments in place of %1 to %9 of the format text.
AFX_API void AfxFormatStrings(CString& rString, LPCSTR lpszFormat, LPCSTR const* rglpsz, int nString);
