// CString operations and the %1/%2 formatting helpers.
#include "AfxString.h"

#include "AfxResources.h"

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

const int kMaxResourceString = 4096;
const int kFirstFormatBuffer = 256;

bool IsResourceId(LPCSTR lpsz) { return lpsz != nullptr && HIWORD(reinterpret_cast<ULONG_PTR>(lpsz)) == 0; }

}  // namespace

CString::CString() = default;
CString::CString(const CString& s) = default;
CString::~CString() = default;

CString::CString(LPCSTR lpsz)
{
    if (IsResourceId(lpsz))
        LoadString(LOWORD(reinterpret_cast<ULONG_PTR>(lpsz)));
    else if (lpsz != nullptr)
        m_text = lpsz;
}

CString::CString(LPCSTR lpch, int nLength)
{
    if (lpch != nullptr && nLength > 0)
        m_text.assign(lpch, static_cast<size_t>(nLength));
}

CString::CString(char ch, int nRepeat)
{
    if (nRepeat > 0)
        m_text.assign(static_cast<size_t>(nRepeat), ch);
}

CString& CString::operator=(const CString& s) = default;

CString& CString::operator=(LPCSTR lpsz)
{
    if (IsResourceId(lpsz))
        LoadString(LOWORD(reinterpret_cast<ULONG_PTR>(lpsz)));
    else
        m_text = lpsz ? lpsz : "";
    return *this;
}

CString& CString::operator=(char ch)
{
    m_text.assign(1, ch);
    return *this;
}

CString& CString::operator+=(const CString& s)
{
    m_text += s.m_text;
    return *this;
}

CString& CString::operator+=(LPCSTR lpsz)
{
    if (lpsz != nullptr)
        m_text += lpsz;
    return *this;
}

CString& CString::operator+=(char ch)
{
    m_text += ch;
    return *this;
}

int CString::Compare(LPCSTR lpsz) const { return std::strcmp(m_text.c_str(), lpsz ? lpsz : ""); }
int CString::CompareNoCase(LPCSTR lpsz) const { return ::lstrcmpiA(m_text.c_str(), lpsz ? lpsz : ""); }

CString CString::Mid(int nFirst) const { return Mid(nFirst, GetLength() - nFirst); }

CString CString::Mid(int nFirst, int nCount) const
{
    if (nFirst < 0)
        nFirst = 0;
    if (nFirst >= GetLength() || nCount <= 0)
        return CString();
    if (nCount > GetLength() - nFirst)
        nCount = GetLength() - nFirst;
    return CString(m_text.c_str() + nFirst, nCount);
}

CString CString::Left(int nCount) const { return Mid(0, nCount); }

CString CString::Right(int nCount) const
{
    if (nCount >= GetLength())
        return *this;
    return Mid(GetLength() - nCount, nCount);
}

int CString::Find(char ch, int nStart) const
{
    if (nStart < 0 || nStart >= GetLength())
        return -1;
    size_t pos = m_text.find(ch, static_cast<size_t>(nStart));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(LPCSTR lpszSub, int nStart) const
{
    if (lpszSub == nullptr || *lpszSub == '\0' || nStart < 0 || nStart > GetLength())
        return -1;
    size_t pos = m_text.find(lpszSub, static_cast<size_t>(nStart));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(char ch) const
{
    size_t pos = m_text.rfind(ch);
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::FindOneOf(LPCSTR lpszCharSet) const
{
    size_t pos = m_text.find_first_of(lpszCharSet ? lpszCharSet : "");
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::Replace(LPCSTR lpszOld, LPCSTR lpszNew)
{
    if (lpszOld == nullptr || *lpszOld == '\0')
        return 0;
    std::string replacement = lpszNew ? lpszNew : "";
    size_t oldLength = std::strlen(lpszOld);
    int count = 0;
    for (size_t pos = m_text.find(lpszOld); pos != std::string::npos; pos = m_text.find(lpszOld, pos)) {
        m_text.replace(pos, oldLength, replacement);
        pos += replacement.size();
        ++count;
    }
    return count;
}

void CString::MakeUpper()
{
    for (char& c : m_text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

void CString::MakeLower()
{
    for (char& c : m_text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

void CString::TrimLeft()
{
    size_t first = 0;
    while (first < m_text.size() && std::isspace(static_cast<unsigned char>(m_text[first])))
        ++first;
    m_text.erase(0, first);
}

void CString::TrimRight()
{
    size_t end = m_text.size();
    while (end > 0 && std::isspace(static_cast<unsigned char>(m_text[end - 1])))
        --end;
    m_text.erase(end);
}

void CString::Format(LPCSTR lpszFormat, ...)
{
    std::string buffer(kFirstFormatBuffer, '\0');
    for (;;) {
        va_list args;
        va_start(args, lpszFormat);
        int n = std::vsnprintf(&buffer[0], buffer.size(), lpszFormat, args);
        va_end(args);
        if (n < 0) {
            m_text.clear();
            return;
        }
        if (static_cast<size_t>(n) < buffer.size()) {
            buffer.resize(static_cast<size_t>(n));
            m_text = buffer;
            return;
        }
        buffer.assign(static_cast<size_t>(n) + 1, '\0');
    }
}

BOOL CString::LoadString(UINT nID)
{
    char buffer[kMaxResourceString];
    int n = AfxLoadString(nID, buffer, sizeof buffer);
    m_text.assign(buffer, static_cast<size_t>(n));
    return n > 0;
}

LPSTR CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength > GetLength())
        m_text.resize(static_cast<size_t>(nMinBufLength));
    return &m_text[0];
}

LPSTR CString::GetBufferSetLength(int nNewLength)
{
    m_text.resize(static_cast<size_t>(nNewLength < 0 ? 0 : nNewLength));
    return &m_text[0];
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = static_cast<int>(std::strlen(m_text.c_str()));
    m_text.resize(static_cast<size_t>(nNewLength));
}

CString operator+(const CString& a, const CString& b) { CString s(a); s += b; return s; }
CString operator+(const CString& a, LPCSTR b) { CString s(a); s += b; return s; }
CString operator+(LPCSTR a, const CString& b) { CString s(a); s += b; return s; }
CString operator+(const CString& a, char b) { CString s(a); s += b; return s; }

void AfxFormatStrings(CString& rString, LPCSTR lpszFormat, LPCSTR const* rglpsz, int nString)
{
    CString result;
    for (LPCSTR p = lpszFormat; *p != '\0'; ++p) {
        if (p[0] == '%' && p[1] >= '1' && p[1] <= '9') {
            int index = p[1] - '1';
            if (index < nString && rglpsz[index] != nullptr)
                result += rglpsz[index];
            ++p;
        } else {
            result += *p;
        }
    }
    rString = result;
}

void AfxFormatString1(CString& rString, UINT nIDS, LPCSTR lpsz1)
{
    CString format;
    format.LoadString(nIDS);
    AfxFormatStrings(rString, format, &lpsz1, 1);
}

void AfxFormatString2(CString& rString, UINT nIDS, LPCSTR lpsz1, LPCSTR lpsz2)
{
    CString format;
    format.LoadString(nIDS);
    LPCSTR args[] = { lpsz1, lpsz2 };
    AfxFormatStrings(rString, format, args, 2);
}
