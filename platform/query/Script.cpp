// Loading the stand-in's script and picking its answers for a machine and catalog.
#include "Script.h"

#include "Support.h"

#include <cstdlib>
#include <fstream>

namespace QueryStandIn {

namespace {

std::vector<std::wstring> Fields(const std::wstring& line)
{
    std::vector<std::wstring> out;
    size_t start = 0;
    for (;;) {
        size_t bar = line.find(L'|', start);
        out.push_back(line.substr(start, bar == std::wstring::npos ? bar : bar - start));
        if (bar == std::wstring::npos)
            return out;
        start = bar + 1;
    }
}

std::wstring At(const std::vector<std::wstring>& f, size_t i)
{
    return i < f.size() ? f[i] : std::wstring();
}

} // namespace

unsigned long long ParseNumber(const std::wstring& text)
{
    return std::wcstoull(text.c_str(), nullptr, 0);
}

bool SameMachine(const std::wstring& pattern, const std::wstring& machine)
{
    return pattern == L"*" || Lower(pattern) == Lower(machine);
}

Script Script::Load()
{
    Script s;
    std::string path = Env("KY_QUERY_SCRIPT");
    if (path.empty())
        return s;
    std::ifstream in(path);
    std::string raw;
    while (std::getline(in, raw)) {
        if (!raw.empty() && raw.back() == '\r')
            raw.pop_back();
        if (raw.empty() || raw[0] == '#')
            continue;
        std::vector<std::wstring> f = Fields(Wide(raw));
        const std::wstring& kind = f[0];
        if (kind == L"catalog") {
            CatalogEntry c;
            c.machine = At(f, 1);
            c.name = At(f, 2);
            c.readable = At(f, 3) != L"unreadable";
            c.state = c.readable ? static_cast<DWORD>(ParseNumber(At(f, 3))) : 0;
            c.scopePrefix = At(f, 4);
            s.catalogs.push_back(c);
        } else if (kind == L"locateerr") {
            LocateError e;
            e.index = static_cast<ULONG>(ParseNumber(At(f, 1)));
            e.hr = static_cast<HRESULT>(ParseNumber(At(f, 2)));
            e.scope = At(f, 3);
            s.locateErrors.push_back(e);
        } else if (kind == L"row") {
            RowEntry r{At(f, 1), At(f, 2), At(f, 3), At(f, 4), At(f, 5), At(f, 6), At(f, 7)};
            s.rows.push_back(r);
        } else if (kind == L"texterr") {
            s.textErrorNeedle = At(f, 1);
            s.textError = static_cast<HRESULT>(ParseNumber(At(f, 2)));
        } else if (kind == L"treeerr") {
            s.treeError = static_cast<HRESULT>(ParseNumber(At(f, 1)));
        } else {
            Keyed k{At(f, 1), At(f, 2), kind, {}};
            for (size_t i = 3; i < f.size(); ++i)
                k.values.push_back(f[i]);
            s.keyed_.push_back(k);
        }
    }
    return s;
}

CatalogBehaviour Script::For(const std::wstring& machine, const std::wstring& catalog) const
{
    CatalogBehaviour b;
    for (const Keyed& k : keyed_) {
        if (!SameMachine(k.machine, machine) || Lower(k.catalog) != Lower(catalog))
            continue;
        std::wstring first = k.values.empty() ? std::wstring() : k.values[0];
        if (k.kind == L"status") {
            b.status = static_cast<DWORD>(ParseNumber(first));
        } else if (k.kind == L"polls") {
            b.polls = static_cast<unsigned>(ParseNumber(first));
        } else if (k.kind == L"execerr") {
            b.executeError = static_cast<HRESULT>(ParseNumber(first));
            b.executeDescription = k.values.size() > 1 ? k.values[1] : std::wstring();
        } else if (k.kind == L"fetcherr") {
            b.fetchError = static_cast<HRESULT>(ParseNumber(first));
        }
    }
    return b;
}

std::vector<RowEntry> Script::RowsFor(const std::wstring& machine,
                                      const std::wstring& catalog) const
{
    std::vector<RowEntry> out;
    for (const RowEntry& r : rows) {
        if (SameMachine(r.machine, machine) && Lower(r.catalog) == Lower(catalog))
            out.push_back(r);
    }
    return out;
}

} // namespace QueryStandIn
