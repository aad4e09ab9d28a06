// The parts of a development-environment page's group besides its
// controlling box: a set of action radio buttons, and check boxes that each
// stand for themselves. Each part keeps its state in the controls, under
// registry values and in task-file records.
#pragma once

#include "KyGuiTool/TaskFiles/ToolDocFile.h"
#include "KyStd/Registry/RegKey.h"

#include <afxwin.h>

#include <vector>

namespace Kyvant {
namespace DevEnvPages {

class GroupPart {
public:
    explicit GroupPart(CWnd& page) : m_page(page) {}
    virtual ~GroupPart();
    GroupPart(const GroupPart&) = delete;
    GroupPart& operator=(const GroupPart&) = delete;

    virtual void Uncheck() = 0;
    virtual void Enable(bool enable) = 0;
    virtual void Restore(const RegKey& key) = 0;
    virtual void Save(const RegKey& key) const = 0;
    // True when the record is one of this part's; a payload shorter than the
    // value it carries is ignored.
    virtual bool Apply(const ToolDoc::RecHeader& header, const void* payload) = 0;
    virtual void Write(ToolDoc::File& file) const = 0;
    virtual bool Owns(UINT id) const = 0;
    // The control that gets the focus when the part lacks a choice.
    virtual UINT First() const = 0;

protected:
    HWND Control(UINT id) const { return ::GetDlgItem(m_page.m_hWnd, static_cast<int>(id)); }
    bool IsChecked(UINT id) const;
    void SetCheck(UINT id, bool checked) const;
    void EnableControl(UINT id, bool enable) const;

    CWnd& m_page;
};

// Radio buttons choosing one action by its index; the index is a DWORD value
// and a 16-bit record.
class ActionButtons : public GroupPart {
public:
    static const unsigned kIndexSize = 2;

    ActionButtons(CWnd& page, std::vector<UINT> ids, const char* value, int record);

    int Count() const { return static_cast<int>(m_ids.size()); }
    // The index of no action.
    int None() const { return Count(); }
    // The checked button's index; None() when no button is checked.
    int Checked() const;
    // Only the button of the index checked; an index out of range checks none.
    void Check(int index);
    // A click makes the button the only checked one.
    void Click(UINT id);
    bool IsEnabled(int index) const;

    void Uncheck() override;
    void Enable(bool enable) override;
    void Restore(const RegKey& key) override;
    void Save(const RegKey& key) const override;
    bool Apply(const ToolDoc::RecHeader& header, const void* payload) override;
    void Write(ToolDoc::File& file) const override;
    bool Owns(UINT id) const override;
    UINT First() const override { return m_ids.front(); }

private:
    std::vector<UINT> m_ids;
    const char* m_value;
    int m_record;
};

// Check boxes, each a DWORD value and a one-byte record.
class MemberChecks : public GroupPart {
public:
    static const unsigned kFlagSize = 1;

    struct Member {
        UINT id;
        const char* value;
        int record;
    };

    MemberChecks(CWnd& page, std::vector<Member> members);

    size_t Count() const { return m_members.size(); }
    bool IsChecked(size_t index) const { return GroupPart::IsChecked(m_members[index].id); }
    bool AnyChecked() const;
    // A click picks the member alone; adding, it is checked beside the others.
    void Click(UINT id, bool add);

    void Uncheck() override;
    void Enable(bool enable) override;
    void Restore(const RegKey& key) override;
    void Save(const RegKey& key) const override;
    bool Apply(const ToolDoc::RecHeader& header, const void* payload) override;
    void Write(ToolDoc::File& file) const override;
    bool Owns(UINT id) const override;
    UINT First() const override { return m_members.front().id; }

private:
    std::vector<Member> m_members;
};

// A one-byte flag record: 0 or 1.
void WriteFlag(ToolDoc::File& file, int record, bool flag);

} // namespace DevEnvPages
} // namespace Kyvant
