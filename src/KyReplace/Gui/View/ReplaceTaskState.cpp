// ReplaceTaskState: the moves between the Replace view's task states.
#include "KyReplace/Gui/View/ReplaceTaskState.h"

namespace Kyvant {

namespace {

using Phase = ReplaceTaskState::Phase;
using Event = ReplaceTaskState::Event;

// The phase an event leads to from the given one, the phase itself for the
// question's events, or nothing when the event is refused there.
std::optional<Phase> NextPhase(Phase from, Event event)
{
    switch (event) {
    case Event::StartBegins:
        if (from == Phase::Idle)
            return Phase::Starting;
        break;
    case Event::CloseAsked:
        if (from == Phase::Starting || from == Phase::StartingToClose)
            return Phase::StartingToClose;
        break;
    case Event::StartEnds:
        if (from == Phase::Starting || from == Phase::StartingToClose)
            return Phase::Idle;
        break;
    case Event::AskBegins:
        if (from == Phase::Idle)
            return Phase::Asking;
        break;
    case Event::AskEnds:
        if (from == Phase::Asking)
            return Phase::Idle;
        break;
    case Event::StopBegins:
        if (from == Phase::Idle)
            return Phase::Stopping;
        break;
    case Event::StopEnds:
        if (from == Phase::Stopping)
            return Phase::Idle;
        break;
    case Event::EndBegins:
        if (from == Phase::Idle)
            return Phase::Ending;
        if (from == Phase::Stopping)
            return Phase::StopEnding;
        break;
    case Event::EndEnds:
        if (from == Phase::Ending)
            return Phase::Idle;
        if (from == Phase::StopEnding)
            return Phase::Stopping;
        break;
    case Event::QuestionAsked:
    case Event::QuestionAnswered:
    case Event::QuestionDropped:
        return from;
    }
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
