// KyCatalogTreeCtrl: the check tree of Indexing Service catalogs, one
// top-level item per computer ("My Computer" for this one) with its catalogs
// under it. Checking a computer stands for the whole computer; checking its
// catalogs one by one leaves it partly checked. A small toolbar above the
// tree's right end adds and removes computers. Each change of a catalog's
// check is sent to the parent as kCheckChangedMessage (wParam the new
// state, lParam the item).
#pragma once

#include "KyGuiTool/IndexingServicePage/CatalogList.h"
#include "KyGuiTool/KyGuiToolExport.h"
#include "KyStd/Containers/Sequencer.h"
#include "KyStd/Strings/String.h"

#include <afxcmn.h>

#include <exception>
#include <vector>

class KYGUITOOL_API KyCatalogTreeCtrl : public CTreeCtrl {
    DECLARE_DYNAMIC(KyCatalogTreeCtrl)
public:
    static constexpr UINT kCheckChangedMessage = WM_APP + 0xFB;

    // State images.
    enum CheckState : UINT { kNoCheck = 0, kUnchecked = 1, kChecked = 2, kPartlyChecked = 3 };
    // Normal images.
    enum Image : int {
        kListedComputer = 0,
        kUnlistedComputer = 1,
        kListedCatalog = 2,
        kRememberedCatalog = 3,
    };
    // The item data of the local computer's item; other items carry 0.
    static constexpr DWORD_PTR kLocalComputerData = 1;
    // The toolbar's size in pixels.
    enum ToolBarSize : int { kToolBarWidth = 48, kToolBarHeight = 20 };

    // Whether visual styles are on, replaceable so that both toolbar looks
    // can be tried (null: the system's answer).
    using ThemeQuery = bool (*)();
    static ThemeQuery SetThemeQuery(ThemeQuery query);

    // A checked computer with the catalogs checked under it.
    struct CheckedComputer {
        Kyvant::ky_I name;
        std::vector<Kyvant::ky_I> catalogs;
    };

    KyCatalogTreeCtrl();
    ~KyCatalogTreeCtrl() override;

    // Shows and checks what the stored list names, listing the catalogs of
    // computers it does not show yet (the local computer's when the tree
    // and the list are both empty); reports what it could not check.
    void SetCatalogs(const Kyvant::input_sequencer<Kyvant::ky_I>& list);
    // The stored list of the tree's checks, computers in tree order.
    void GetCatalogs(const Kyvant::output_sequencer<Kyvant::ky_S>& list) const;
    // Every item unchecked, without telling the parent.
    void ClearChecks();
    // Asks for a computer's name and adds it with its catalogs.
    void AddComputer();
    // Removes the selected item's computer after asking, or with several
    // the computers chosen from a list.
    void RemoveComputers(bool several);

    unsigned GetComputerCount() const { return m_computers; }
    unsigned GetCatalogCount() const { return m_catalogs; }
    unsigned GetCheckedCount() const { return m_checkedCatalogs; }
    // Computers checked whole or in part, in tree order, each with its
    // checked catalogs.
    std::vector<CheckedComputer> GetCheckedComputers() const;

    // A computer item's name ("." for the local one) and the item of a name.
    Kyvant::ky_I ComputerName(HTREEITEM computer) const;
    HTREEITEM FindComputer(const Kyvant::ky_I& name) const;
    // The computer of an item: the item itself or its parent.
    HTREEITEM ComputerOf(HTREEITEM item) const;
    CheckState GetCheck(HTREEITEM item) const;
    // As Space or a click on the state icon does.
    void ToggleCheck(HTREEITEM item);

    CToolBarCtrl& GetToolBar() { return m_toolBar; }

protected:
    void PreSubclassWindow() override;
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT flags, CPoint point);
    afx_msg void OnKeyDown(UINT key, UINT repeat, UINT flags);
    afx_msg void OnChar(UINT key, UINT repeat, UINT flags);
    afx_msg void OnAddComputer();
    afx_msg void OnRemoveComputer();
    DECLARE_MESSAGE_MAP()

private:
    using Names = std::vector<Kyvant::ky_I>;

    void CreateImageLists();
    void CreateToolBar();
    void AddButtonTip(UINT command);
    bool ClickedStateIcon(CPoint point);

    // Items.
    HTREEITEM InsertComputer(const Kyvant::ky_I& name, bool listed);
    HTREEITEM InsertCatalog(HTREEITEM computer, const Kyvant::ky_I& name, Image image);
    HTREEITEM FindCatalog(HTREEITEM computer, const Kyvant::ky_I& name) const;
    // The service's catalogs of the computer; throws what the listing throws.
    static Names ListCatalogs(const Kyvant::ky_I& computer);
    // Adds the computer with its catalogs, expanded.
    void AddListedComputer(const Kyvant::ky_I& name, const Names& catalogs);
    // The computer with the catalogs the service lists, or alone and marked
    // unlisted when it cannot be asked (failure then holds why).
    HTREEITEM AddComputerTrying(const Kyvant::ky_I& name, std::exception_ptr& failure);
    void RemoveComputer(HTREEITEM computer);
    void ApplyChecks(const Kyvant::CatalogList::WantedList& wanted);
    void ReportUnavailable(const Kyvant::CatalogList::WantedList& wanted);
    Kyvant::ky_S DisplayName(HTREEITEM computer) const;

    // Checks: a catalog's change is counted and, with notify, reported.
    void SetState(HTREEITEM item, CheckState state, bool notify);
    void SetComputerState(HTREEITEM computer, CheckState state, bool notify);
    void UpdateComputerState(HTREEITEM computer);

    unsigned m_computers;
    unsigned m_catalogs;
    unsigned m_checkedCatalogs;
    CImageList m_images;
    CImageList m_stateImages;
    // The toolbar's pictures in grey and in colour.
    CImageList m_plainImages;
    CImageList m_colourImages;
    CToolBarCtrl m_toolBar;
    CToolTipCtrl m_toolTip;
};
