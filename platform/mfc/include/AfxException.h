// CException and the user, memory, resource and not-supported exceptions with their throw helpers.
#pragma once

#include "AfxObject.h"

class AFX_API CException : public CObject
{
    DECLARE_DYNAMIC(CException)
public:
    CException();
    explicit CException(BOOL bAutoDelete);
    ~CException() override;

    // Deletes a heap exception; one made with bAutoDelete FALSE stays.
    void Delete();
    virtual BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr);
    // One box with the message, or with string nMessageID (the layer's generic text when 0).
    virtual int ReportError(UINT nType = MB_OK, UINT nMessageID = 0);

    BOOL m_bAutoDelete;
};

// An exception whose message is one of the layer's strings.
class AFX_API CSimpleException : public CException
{
    DECLARE_DYNAMIC(CSimpleException)
public:
    explicit CSimpleException(UINT nResourceID, BOOL bAutoDelete = TRUE);
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) override;

protected:
    UINT m_nResourceID;
};

class AFX_API CUserException : public CSimpleException
{
    DECLARE_DYNAMIC(CUserException)
public:
    CUserException();
};

class AFX_API CMemoryException : public CSimpleException
{
    DECLARE_DYNAMIC(CMemoryException)
public:
    explicit CMemoryException(BOOL bAutoDelete = TRUE);
};

class AFX_API CResourceException : public CSimpleException
{
    DECLARE_DYNAMIC(CResourceException)
public:
    CResourceException();
};

class AFX_API CNotSupportedException : public CSimpleException
{
    DECLARE_DYNAMIC(CNotSupportedException)
public:
    CNotSupportedException();
};

[[noreturn]] AFX_API void AfxThrowUserException();
[[noreturn]] AFX_API void AfxThrowMemoryException();
[[noreturn]] AFX_API void AfxThrowResourceException();
[[noreturn]] AFX_API void AfxThrowNotSupportedException();

#define TRY try
#define CATCH(class_name, e) catch (class_name* e)
#define AND_CATCH(class_name, e) catch (class_name* e)
#define END_CATCH
#define CATCH_ALL(e) catch (CException* e)
#define AND_CATCH_ALL(e) catch (CException* e)
#define END_CATCH_ALL
#define THROW(e) throw e
#define THROW_LAST() throw
#define DELETE_EXCEPTION(e) (e)->Delete()
