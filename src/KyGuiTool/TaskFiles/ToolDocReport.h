// Kyvant::ToolDoc::Report: what a page tells about its settings; only its name
// is kept.
#pragma once

#include "KyGuiTool/KyGuiToolExport.h"
#include "KyStd/Strings/String.h"

namespace Kyvant {
namespace ToolDoc {

class KYGUITOOL_API Report {
public:
    Report() = default;

    void SetName(const ky_BSB<char>& name) { m_name = name; }
    const ky_S& GetName() const { return m_name; }
    // Key and value pairs are not kept.
    void Add(const ky_BSB<char>&, const ky_BSB<char>&) {}
    void Clear() {}

private:
    ky_S m_name;
};

} // namespace ToolDoc
} // namespace Kyvant
