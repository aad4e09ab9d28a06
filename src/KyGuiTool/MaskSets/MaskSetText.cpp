// A mask set's value as lines of the editor, and back.
#include "KyGuiTool/MaskSets/MaskSetText.h"

#include "KyDB/Named/PathPlanDB.h"
#include "KyStd/Containers/Sequencer.h"

#include <vector>

namespace Kyvant {
namespace MaskSetText {

namespace {

const char kLineEnd[] = "\r\n";

// The pieces of the text cut at any of the separators, trimmed, empty ones dropped.
std::vector<ky_BSB<char>> TrimmedPieces(const ky_BSB<char>& text, const char* separators)
{
    std::vector<ky_BSB<char>> pieces;
    back_insert_sequencer<std::vector<ky_BSB<char>>> out(pieces);
    ky_S(text).Split(out, separators);
    std::vector<ky_BSB<char>> kept;
    for (ky_BSB<char>& piece : pieces) {
        piece.EraseEdgeSpaces();
        if (!piece.empty())
            kept.push_back(piece);
    }
    return kept;
}

} // namespace

ky_S ToLines(const ky_BSB<char>& value)
{
    const char separators[] = {PathPlanDB::s_PrimaryListSeparator, '\0'};
    ky_S lines;
    for (const ky_BSB<char>& item : TrimmedPieces(value, separators)) {
        lines += item;
        lines += kLineEnd;
    }
    return lines;
}

ky_S FromLines(const ky_BSB<char>& text)
{
    const char joint[] = {PathPlanDB::s_PrimaryListSeparator, ' ', '\0'};
    ky_S value;
    for (const ky_BSB<char>& line : TrimmedPieces(text, kLineEnd)) {
        if (!value.empty())
            value += joint;
        value += line;
    }
    return value;
}

} // namespace MaskSetText
} // namespace Kyvant
