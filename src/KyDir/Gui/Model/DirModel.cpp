// The Dir listing's items.
#include "KyDir/Gui/Model/DirModel.h"

#include <windows.h>

Finder::Model::Model(Finder& finder) : m_finder(finder), m_items(kBlockSize) {}

Finder::Model::~Model() {}

void Finder::Model::OnItem(const Kyvant::ky_F& folder, const char* name, unsigned length,
                           const Kyvant::DirResults::FileDetails* details)
{
    const Kyvant::ky_F file(name, length);
    if (details == nullptr) {
        Kyvant::ky_F path;
        path.ToPath(folder.c_str(), file.c_str());
        if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES)
            return;
    }
    m_items.push_back(Item(folder, file, details));
}

const Finder::Model::Item* Finder::Model::GetItem(int i) const
{
    if (i < 0 || static_cast<unsigned>(i) >= m_items.size())
        return nullptr;
    return &m_items.at(static_cast<unsigned>(i));
}

void Finder::Model::Clear()
{
    m_items.clear();
    Kyvant::ShFileRec::Item::ClearStaticData();
}
