// Kyvant::FlagScope and Kyvant::ClearingFlagScope: a bool flag raised for the
// length of a scope, then given back its earlier value or cleared.
#pragma once

namespace Kyvant {

// Raises the flag; at the end of the scope the flag has the value it had
// before, so scopes may nest.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : m_flag(flag), m_before(flag) { m_flag = true; }
    ~FlagScope() { m_flag = m_before; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& m_flag;
    bool m_before;
};

// Raises the flag; at the end of the scope the flag is cleared, whatever it
// was before.
class ClearingFlagScope {
public:
    explicit ClearingFlagScope(bool& flag) : m_flag(flag) { m_flag = true; }
    ~ClearingFlagScope() { m_flag = false; }
    ClearingFlagScope(const ClearingFlagScope&) = delete;
    ClearingFlagScope& operator=(const ClearingFlagScope&) = delete;

private:
    bool& m_flag;
};

} // namespace Kyvant
