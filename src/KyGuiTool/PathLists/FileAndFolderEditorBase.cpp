// KYB_FileAndFolderEditorBase: browsed folders and files are taken as they are.
#include "KyGuiTool/PathLists/FileAndFolderEditorBase.h"

KYB_FileAndFolderEditorBase::~KYB_FileAndFolderEditorBase() = default;

bool KYB_FileAndFolderEditorBase::AcceptFolder(Kyvant::ky_BSB<char>&)
{
    return true;
}

bool KYB_FileAndFolderEditorBase::AcceptFile(Kyvant::ky_BSB<char>&)
{
    return true;
}
