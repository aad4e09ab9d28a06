// ReplaceTaskState: the moves between the Replace view's task states.
#include "KyReplace/Gui/View/ReplaceTaskState.h"

namespace Kyvant {

namespace {

using Phase = ReplaceTaskState::Phase;
using Event = ReplaceTaskState::Event;

// Every move of the phase; the question's events leave the phase as it is.
struct Move {
    Phase from;
    Event event;
    Phase to;
};
const Move kMoves[] = {
    {Phase::Idle, Event::StartBegins, Phase::Starting},
    {Phase::Starting, Event::CloseAsked, Phase::StartingToClose},
    {Phase::StartingToClose, Event::CloseAsked, Phase::StartingToClose},
    {Phase::Starting, Event::StartEnds, Phase::Idle},
    {Phase::StartingToClose, Event::StartEnds, Phase::Idle},
    {Phase::Idle, Event::AskBegins, Phase::Asking},
    {Phase::Asking, Event::AskEnds, Phase::Idle},
    {Phase::Idle, Event::StopBegins, Phase::Stopping},
    {Phase::Stopping, Event::StopEnds, Phase::Idle},
    {Phase::Idle, Event::EndBegins, Phase::Ending},
    {Phase::Stopping, Event::EndBegins, Phase::StopEnding},
    {Phase::Ending, Event::EndEnds, Phase::Idle},
    {Phase::StopEnding, Event::EndEnds, Phase::Stopping},
};

bool IsQuestionEvent(Event event)
{
    return event == Event::QuestionAsked || event == Event::QuestionAnswered ||
           event == Event::QuestionDropped;
}

// The phase an event leads to from the given one, or nothing when the event
// is refused there.
std::optional<Phase> NextPhase(Phase from, Event event)
{
    if (IsQuestionEvent(event))
        return from;
    for (const Move& move : kMoves)
        if (move.from == from && move.event == event)
            return move.to;
    return std::nullopt;
}

// Whether a question waits after the event, or nothing when the question
// refuses it.
std::optional<bool> NextQuestion(const ReplaceTaskState& from, Event event)
{
    switch (event) {
    case Event::StartBegins:
    case Event::EndBegins:
        return false;
    case Event::QuestionAsked:
        return true;
    case Event::QuestionAnswered:
        if (!from.QuestionWaits() || from.InStop())
            return std::nullopt;
        return false;
    case Event::QuestionDropped:
        if (!from.QuestionWaits())
            return std::nullopt;
        return false;
    default:
        return from.QuestionWaits();
    }
}

} // namespace

std::optional<ReplaceTaskState> ReplaceTaskState::Next(ReplaceTaskState from, Event event)
{
    const std::optional<Phase> phase = NextPhase(from.phase_, event);
    if (!phase)
        return std::nullopt;
    const std::optional<bool> question = NextQuestion(from, event);
    if (!question)
        return std::nullopt;
    return ReplaceTaskState(*phase, *question);
}

bool ReplaceTaskState::Apply(Event event)
{
    const std::optional<ReplaceTaskState> next = Next(*this, event);
    if (!next)
        return false;
    *this = *next;
    return true;
}

} // namespace Kyvant
