// The in-place row editors of the file-and-folder list boxes: a standard
// string editor over an edit class that also answers its container window
// (KYB_FileAndFolderEditorTemplateBase), and the editor that puts a container
// window with a browsing toolbar over the row and its edit inside it
// (KYB_FileAndFolderEditor).
#pragma once

#include "KyGui/Lists/ListEditors.h"
#include "KyGuiTool/PathLists/FileAndFolderEditorBase.h"
#include "KyGuiTool/PathLists/KyEditableFileAndFolderListBox.h"

#include <afxwin.h>

template <class Edit>
class KYB_FileAndFolderEditorTemplateBase : public KYB_StandardEditor<Edit>,
                                            public KYB_FileAndFolderEditorBase {
public:
    KYB_FileAndFolderEditorTemplateBase(KyEditableFileAndFolderListBox& listBox, int row)
        : KYB_StandardEditor<Edit>(listBox, true), m_listBox(listBox), m_row(row)
    {
    }

    KyEditableFileAndFolderListBox& GetListBox() const override { return m_listBox; }
    KYB_StringEditor& GetStringEditor() override { return *this; }
    bool CreateEditWindow(const CRect& rect, CWnd& container) override
    {
        return KYB_StandardEditor<Edit>::CreateEditorWindow(rect, container, kEditId);
    }
    int GetRow() const { return m_row; }
    Edit& GetEdit() { return this->m_edit; }

private:
    static const UINT kEditId = 1;

    KyEditableFileAndFolderListBox& m_listBox;
    int m_row;
};

template <class Container, class Edit>
class KYB_FileAndFolderEditor : public KYB_FileAndFolderEditorTemplateBase<Edit> {
public:
    KYB_FileAndFolderEditor(KyEditableFileAndFolderListBox& listBox, int row)
        : KYB_FileAndFolderEditorTemplateBase<Edit>(listBox, row), m_container(*this)
    {
    }
    ~KYB_FileAndFolderEditor() override
    {
        if (m_container.GetSafeHwnd() != nullptr)
            m_container.DestroyWindow();
    }

    // The container over the row; its creation makes the toolbar and the edit.
    bool CreateEditorWindow(const CRect& rect, CWnd& parent, UINT id) override
    {
        return m_container.Create(rect, parent, id);
    }
    Container& GetContainer() { return m_container; }

private:
    Container m_container;
};
