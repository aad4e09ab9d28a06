// The window playing the Dir frame around the file list: it hosts the view
// as its one pane, as the front-end's frame does, with the view's columns
// restored from a key of the tests.
#pragma once

#include "KyDir/Gui/FileList/FileListView.h"
#include "KyStd/Registry/RegKey.h"

#include <afxwin.h>

class ListFrame : public CFrameWnd {
public:
    // A frame with a view of the class; destroyed with its window.
    static ListFrame* Create(CRuntimeClass* viewClass);
    // The view's first initial update, then its columns from the key.
    void InitialUpdate(Kyvant::RegKey& columnState);

    FileListView& View() const { return *m_view; }

protected:
    void PostNcDestroy() override;

private:
    FileListView* m_view = nullptr;
};
