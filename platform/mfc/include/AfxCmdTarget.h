// CCmdTarget: the root of message maps, command routing and the wait cursor.
#pragma once

#include "AfxMsgMap.h"
#include "AfxObject.h"

class CCmdTarget;

// Filled instead of calling the handler when a caller only asks whether one exists.
struct AFX_CMDHANDLERINFO
{
    CCmdTarget* pTarget;
    AFX_PMSG pmf;
};

// What WM_NOTIFY handlers receive through OnCmdMsg's pExtra.
struct AFX_NOTIFY
{
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

class AFX_API CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget();
    ~CCmdTarget() override;

    // Finds the handler of a command, update or notification in this object's map chain.
    // nCode is the notification code, with the message (WM_COMMAND when 0) in its high word.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

    static const AFX_MSGMAP messageMap;

protected:
    static const AFX_MSGMAP* _GetBaseMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

private:
    static const AFX_MSGMAP_ENTRY* _GetMessageEntries();
};

// The first entry of one table that matches, or null.
AFX_API const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP_ENTRY* lpEntry, UINT nMsg, UINT nCode, UINT nID);
