// The files that a Visual C++ 6 project file lists on its "SOURCE=" lines.
#include "KyConTool/DevEnv/VcLists.h"

#include <cstdio>
#include <memory>
#include <stdexcept>

namespace Kyvant {
namespace DevEnv {

namespace {

bool IsRelative(const ky_F& path)
{
    if (path.empty() || path[0] == '\\' || path[0] == '/')
        return false;
    return !(path.length() >= 2 && path[1] == ':');
}

} // namespace

void ReadVcProjectFile(const ky_F& projectFile, VcResultList& out)
{
    ky_F folder(projectFile);
    folder.ToPathPart(true);

    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(projectFile.c_str(), "r"),
                                                         &std::fclose);
    if (!file)
        throw std::runtime_error(std::string("Could not open: ") + projectFile.c_str());

    static const ky_I sourceTag("SOURCE=");
    ky_S line;
    while (line.getline(file.get())) {
        if (ky_I(line.substr(0, sourceTag.length())) != sourceTag)
            continue;
        ky_F name(line.substr(sourceTag.length()));
        name.EraseEdgeSpaces();
        if (!name.empty() && name[0] == '"')
            name.erase(0, 1);
        if (!name.empty() && name[name.length() - 1] == '"')
            name.chop();
        if (name.empty())
            continue;
        // Names are relative to the project's folder, not to ours.
        if (IsRelative(name))
            name = ky_F().ToPath(folder.c_str(), name.c_str());
        out.AddFile(name);
    }
}

} // namespace DevEnv
} // namespace Kyvant
