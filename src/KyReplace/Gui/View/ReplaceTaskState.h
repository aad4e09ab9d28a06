// ReplaceTaskState: what the Replace view has under way with its task (a start, a stop's two
// phases, an end, a close put off until the start is through) and whether a match waits for the
// user's answer, with the one function that moves between these states.
#pragma once

#include <optional>

namespace Kyvant {

// Phases (each long operation runs nested message loops, so the view must
// know which one is under way when a message comes in):
//   Idle             nothing under way: no task, or a task that works or waits for an answer
//   Starting         a task's start: its dialog, the wait for KyReplace
//   StartingToClose  the same, with the frame's close put off until the start is through
//   Asking           a stop's first phase: the engine paused, "Stop this Replace Task?"
//   Stopping         a stop's second phase: the engine and KyReplace waited for
//   StopEnding       the task's end, run by the stop's second phase
//   Ending           a task's end with no job left to stop
// Beside the phase, in every one of them: whether a question (a match) waits for the answer.
//
// Events, and the moves they make; every other pair is refused and changes nothing:
//   StartBegins       Idle -> Starting; a waiting question is dropped
//   CloseAsked        Starting, StartingToClose -> StartingToClose
//   StartEnds         Starting, StartingToClose -> Idle
//   AskBegins         Idle -> Asking
//   AskEnds           Asking -> Idle
//   StopBegins        Idle -> Stopping
//   StopEnds          Stopping -> Idle
//   EndBegins         Idle -> Ending, Stopping -> StopEnding; a waiting question is dropped
//   EndEnds           Ending -> Idle, StopEnding -> Stopping
//   QuestionAsked     any phase: a question waits
//   QuestionAnswered  a question waits and no stop (Asking, Stopping, StopEnding) runs: none waits
//   QuestionDropped   a question waits (the stop answers it with stop, or it is gone): none waits
class ReplaceTaskState {
public:
    enum class Phase : unsigned char {
        Idle,
        Starting,
        StartingToClose,
        Asking,
        Stopping,
        StopEnding,
        Ending
    };
    enum class Event : unsigned char {
        StartBegins,
        CloseAsked,
        StartEnds,
        AskBegins,
        AskEnds,
        StopBegins,
        StopEnds,
        EndBegins,
        EndEnds,
        QuestionAsked,
        QuestionAnswered,
        QuestionDropped
    };

    constexpr ReplaceTaskState() = default;
    constexpr ReplaceTaskState(Phase phase, bool questionWaits)
        : phase_(phase), questionWaits_(questionWaits)
    {
    }

    // The state the event leads to from the given one; nothing when the
    // event is refused there.
    static std::optional<ReplaceTaskState> Next(ReplaceTaskState from, Event event);
    // Moves on by the event; false, with the state as it was, when refused.
    bool Apply(Event event);

    Phase GetPhase() const { return phase_; }
    bool QuestionWaits() const { return questionWaits_; }
    // A task's start is under way.
    bool Starting() const { return phase_ == Phase::Starting || phase_ == Phase::StartingToClose; }
    // A stop's phase is under way (the end it runs included).
    bool InStop() const
    {
        return phase_ == Phase::Asking || phase_ == Phase::Stopping || phase_ == Phase::StopEnding;
    }
    // A task's end is under way.
    bool Ending() const { return phase_ == Phase::StopEnding || phase_ == Phase::Ending; }
    bool StoppingOrEnding() const { return InStop() || Ending(); }

    friend bool operator==(ReplaceTaskState a, ReplaceTaskState b)
    {
        return a.phase_ == b.phase_ && a.questionWaits_ == b.questionWaits_;
    }
    friend bool operator!=(ReplaceTaskState a, ReplaceTaskState b) { return !(a == b); }

private:
    Phase phase_ = Phase::Idle;
    bool questionWaits_ = false;
};

} // namespace Kyvant
