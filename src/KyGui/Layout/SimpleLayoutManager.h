// SimpleLayoutManager: keeps a resizable window's children at their distances from its right and
// bottom edges (moved or stretched) and shares rows and columns among windows in proportion.
#pragma once

#include "KyGui/KyGuiExport.h"
#include "KyGui/Layout/DeferredWindowManager.h"
#include "KyStd/Containers/Map.h"
#include "KyStd/Core/RcPtr.h"

#include <afxwin.h>

#include <functional>
#include <vector>

namespace Kyvant {

// Register the children once, in their designed positions, and call Layout() from the size
// handler. The managers do not watch for destroyed windows: erase them first.
class KYGUI_API SimpleLayoutManager {
public:
    enum Side { Right = 0, Bottom = 1 };

    // One record of a side manager: the side and the distance kept from it.
    struct KYGUI_API SideDesc {
        SideDesc(); // only for containers: throws std::runtime_error
        SideDesc(Side side, int distance);
        Side side;
        int distance;
    };

    class KYGUI_API SideManager {
    public:
        SideManager();
        virtual ~SideManager();

        // Records the window with its current distance from its parent's right (or bottom)
        // client edge; a window may be added for both sides.
        void Add(CWnd& window, Side side);
        // Forgets every record of the window.
        void Erase(CWnd& window);
        // Lays out every record, in window order, in the client area of the first window's
        // parent.
        void Layout(DeferredWindowManager& deferred);

    protected:
        virtual void DoLayout(CWnd& window, Side side, int distance, const CRect& client,
                              DeferredWindowManager& deferred) = 0;

    private:
        ky_multimap<CWnd*, SideDesc> m_records;
    };

    // Moves its windows (size kept) to keep their distances.
    class KYGUI_API SideWindows : public SideManager {
    protected:
        void DoLayout(CWnd& window, Side side, int distance, const CRect& client,
                      DeferredWindowManager& deferred) override;
    };

    // Stretches its windows (left and top kept) to keep their distances.
    class KYGUI_API StretchyWindows : public SideManager {
    protected:
        void DoLayout(CWnd& window, Side side, int distance, const CRect& client,
                      DeferredWindowManager& deferred) override;
    };

    // Shares a row (widths) or a column (heights) among windows in the proportions of their
    // designed lengths, keeping the gaps between them and the margins around them.
    class KYGUI_API RowColManager {
    public:
        // windows: count windows along the row or column; companions: null or count entries,
        // each a window (or null) that moves with the window at its index, such as its label.
        RowColManager(bool isRow, unsigned count, CWnd* const* windows,
                      CWnd* const* companions = nullptr);
        virtual ~RowColManager();

        void Layout(DeferredWindowManager& deferred) const;

    protected:
        // How derived managers register with (and leave) a layout manager.
        static void AddTo(SimpleLayoutManager& layout, const rc_ptr<RowColManager>& manager);
        static void EraseFrom(SimpleLayoutManager& layout, const rc_ptr<RowColManager>& manager);

    private:
        struct Entry {
            CWnd* window;
            double fraction;
            int gap; // from the previous window's end (the client edge for the first)
            CWnd* companion;
            int companionDx;
            int companionDy;
        };

        void Measure(unsigned count, CWnd* const* windows, CWnd* const* companions);
        int Start(const CRect& r) const { return m_isRow ? r.left : r.top; }
        int End(const CRect& r) const { return m_isRow ? r.right : r.bottom; }

        bool m_isRow;
        std::vector<Entry> m_entries;
        int m_gapSum; // the gaps between the windows (the first one's not counted)
        int m_marginLeft;
        int m_marginTop;
        int m_marginRight;
        int m_marginBottom;
    };

    SimpleLayoutManager();
    virtual ~SimpleLayoutManager();

    // One layout pass: every manager's changes applied in one batch.
    void Layout();

    SideWindows m_sideWindows;
    StretchyWindows m_stretchyWindows;

protected:
    // Stretchy windows first, then side windows, then the row and column managers.
    virtual void DoLayout(DeferredWindowManager& deferred);

private:
    struct ByPointer {
        bool operator()(const rc_ptr<RowColManager>& a, const rc_ptr<RowColManager>& b) const
        {
            return std::less<RowColManager*>()(a.get(), b.get());
        }
    };

    void AddRowColManager(const rc_ptr<RowColManager>& manager);
    void EraseRowColManager(const rc_ptr<RowColManager>& manager);

    ky_set<rc_ptr<RowColManager>, ByPointer> m_rowColManagers;
};

} // namespace Kyvant
