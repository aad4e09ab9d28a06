// StatusTarget: the frame that shows the task controller's status texts.
#pragma once

#include <windows.h>

class StatusTarget {
public:
    virtual ~StatusTarget() = default;
    // Shows the string id's text (AFX_IDS_IDLEMESSAGE: the idle text) at
    // once or after a short delay.
    virtual void SetStatus(UINT id, bool now) = 0;
};
