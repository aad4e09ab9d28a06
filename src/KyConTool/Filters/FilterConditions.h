// A set of up to six comparisons of one value type, one per operator, all
// of which must hold. The size and time filters derive from it and supply
// the filter code, the value's texts and its parser.
#pragma once

#include "KyConTool/Filters/FilterValues.h"
#include "KyDB/Named/PathPlanCodes.h"
#include "KyStd/Containers/List.h"
#include "KyStd/Strings/String.h"

#include <stdexcept>
#include <string>

namespace Kyvant {
namespace AdvancedFiltration {

template <class V>
class Conditions {
public:
    using value_type = V;

    Conditions() { Conditions::Clear(); }
    virtual ~Conditions() {}

    virtual void Clear()
    {
        for (int i = 0; i < OpCount; ++i) {
            set_[i] = false;
            values_[i] = V();
        }
        count_ = 0;
    }

    // The filter code, then "op value" for each set slot, ',' between them;
    // nothing when no slot is set.
    virtual ky_S AsString() const
    {
        if (count_ == 0)
            return ky_S();
        ky_S out(1, GetFilterCode());
        AppendConditions(out);
        return out;
    }

    // "(property op value & op value ...)"; nothing when no slot is set.
    virtual ky_S AsStringForIndexingService() const
    {
        if (count_ == 0)
            return ky_S();
        ky_S out("(");
        out += GetIndexingServiceFilterCode();
        out += " ";
        bool first = true;
        for (int i = 0; i < OpCount; ++i) {
            if (!set_[i])
                continue;
            if (!first)
                out += " & ";
            first = false;
            out += GetIndexingServiceStringRep(static_cast<Op_t>(i));
            out += " ";
            IndexingServiceAppend(out, values_[i]);
        }
        out += ")";
        return out;
    }

    // Conditions separated by ','; each sets (or replaces) its operator's slot.
    virtual void Parse(const ky_I& text)
    {
        ky_list<ky_BSB<char>> pieces;
        const char sep[2] = {PathPlanTexts::s_PrimaryListSeparator, '\0'};
        text.Split(back_insert_sequencer<ky_list<ky_BSB<char>>>(pieces), sep, false, true);
        if (pieces.empty())
            throw std::runtime_error(std::string("Expected operator in: ") + text.c_str());
        for (const ky_BSB<char>& piece : pieces) {
            int used = 0;
            Op_t op;
            if (!GetOp(piece.c_str(), used, op))
                throw std::runtime_error(std::string("Expected operator in: ") + text.c_str());
            SetCondition(op, ConvertToValue(ky_S(piece.c_str() + used)));
        }
    }

    virtual char GetFilterCode() const = 0;
    virtual void Append(ky_BSB<char>& out, const V& value) const = 0;
    virtual V ConvertToValue(const ky_S& text) const = 0;
    virtual const char* GetIndexingServiceFilterCode() const = 0;
    virtual void IndexingServiceAppend(ky_BSB<char>& out, const V& value) const = 0;

    void SetCondition(Op_t op, const V& value)
    {
        if (!set_[op]) {
            set_[op] = true;
            ++count_;
        }
        values_[op] = value;
    }
    bool IsSet(Op_t op) const { return set_[op]; }
    const V& GetValue(Op_t op) const { return values_[op]; }
    unsigned GetCount() const { return count_; }
    bool HasConditions() const { return count_ != 0; }

    bool operator==(const Conditions& o) const
    {
        if (count_ != o.count_)
            return false;
        for (int i = 0; i < OpCount; ++i) {
            if (set_[i] != o.set_[i] || (set_[i] && values_[i] != o.values_[i]))
                return false;
        }
        return true;
    }

protected:
    // "op value" of each set slot, ',' between them.
    void AppendConditions(ky_S& out) const
    {
        bool first = true;
        for (int i = 0; i < OpCount; ++i) {
            if (!set_[i])
                continue;
            if (!first)
                out += PathPlanTexts::s_PrimaryListSeparator;
            first = false;
            out += GetStringRep(static_cast<Op_t>(i));
            Append(out, values_[i]);
        }
    }

    // Whether value compares as every set slot demands.
    template <class T>
    bool Holds(const T& value, T (*key)(const V&)) const
    {
        for (int i = 0; i < OpCount; ++i) {
            if (!set_[i])
                continue;
            T bound = key(values_[i]);
            bool ok = false;
            switch (i) {
            case OpGreaterEqual:
                ok = value >= bound;
                break;
            case OpLessEqual:
                ok = value <= bound;
                break;
            case OpGreater:
                ok = value > bound;
                break;
            case OpLess:
                ok = value < bound;
                break;
            case OpEqual:
                ok = value == bound;
                break;
            default:
                ok = value != bound;
                break;
            }
            if (!ok)
                return false;
        }
        return true;
    }

    bool set_[OpCount];
    V values_[OpCount];
    unsigned count_;
};

} // namespace AdvancedFiltration
} // namespace Kyvant
