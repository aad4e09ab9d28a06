// The Replace view's task states: every phase against every event, with and without a waiting
// question, and the walks the view makes through them (a stop with its end, a question that
// comes while the engine pauses, a close put off by a start).
#include "KyReplace/Gui/View/ReplaceTaskState.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <vector>

namespace Kyvant {

void PrintTo(const ReplaceTaskState& state, std::ostream* out)
{
    *out << "phase " << static_cast<int>(state.GetPhase())
         << (state.QuestionWaits() ? " with a question" : "");
}

} // namespace Kyvant

using namespace Kyvant;

namespace {

using State = ReplaceTaskState;
using P = ReplaceTaskState::Phase;
using E = ReplaceTaskState::Event;

const P kPhases[] = {P::Idle,     P::Starting,   P::StartingToClose, P::Asking,
                     P::Stopping, P::StopEnding, P::Ending};
const size_t kPhaseCount = sizeof kPhases / sizeof kPhases[0];

const E kPhaseEvents[] = {E::StartBegins, E::CloseAsked, E::StartEnds, E::AskBegins, E::AskEnds,
                          E::StopBegins,  E::StopEnds,   E::EndBegins, E::EndEnds};
const size_t kPhaseEventCount = sizeof kPhaseEvents / sizeof kPhaseEvents[0];

// Refused.
const std::optional<P> no;

// Where each phase event leads from each phase, in the order of kPhaseEvents.
struct PhaseRow {
    P from;
    std::optional<P> to[kPhaseEventCount];
};

// clang-format off
const PhaseRow kPhaseMoves[] = {
    //                    StartBegins  CloseAsked          StartEnds  AskBegins  AskEnds  StopBegins    StopEnds  EndBegins      EndEnds
    {P::Idle,            {P::Starting, no,                 no,        P::Asking, no,      P::Stopping,  no,       P::Ending,     no}},
    {P::Starting,        {no,          P::StartingToClose, P::Idle,   no,        no,      no,           no,       no,            no}},
    {P::StartingToClose, {no,          P::StartingToClose, P::Idle,   no,        no,      no,           no,       no,            no}},
    {P::Asking,          {no,          no,                 no,        no,        P::Idle, no,           no,       no,            no}},
    {P::Stopping,        {no,          no,                 no,        no,        no,      no,           P::Idle,  P::StopEnding, no}},
    {P::StopEnding,      {no,          no,                 no,        no,        no,      no,           no,       no,            P::Stopping}},
    {P::Ending,          {no,          no,                 no,        no,        no,      no,           no,       no,            P::Idle}},
};
// clang-format on

bool DropsQuestion(E event)
{
    return event == E::StartBegins || event == E::EndBegins;
}

TEST(ReplaceTaskState, EveryPhaseEventFromEveryPhase)
{
    ASSERT_EQ(kPhaseCount, sizeof kPhaseMoves / sizeof kPhaseMoves[0]);
    for (const PhaseRow& row : kPhaseMoves) {
        for (size_t i = 0; i < kPhaseEventCount; ++i) {
            for (bool question : {false, true}) {
                const std::optional<State> next =
                    State::Next(State(row.from, question), kPhaseEvents[i]);
                SCOPED_TRACE(::testing::Message()
                             << "phase " << int(row.from) << ", event " << int(kPhaseEvents[i])
                             << ", question " << question);
                if (!row.to[i]) {
                    EXPECT_FALSE(next.has_value());
                    continue;
                }
                ASSERT_TRUE(next.has_value());
                EXPECT_EQ(State(*row.to[i], question && !DropsQuestion(kPhaseEvents[i])), *next);
            }
        }
    }
}

// A question may come in any phase; the user answers it unless a stop runs,
// which answers it itself (dropping it).
TEST(ReplaceTaskState, QuestionEventsInEveryPhase)
{
    for (P phase : kPhases) {
        SCOPED_TRACE(::testing::Message() << "phase " << int(phase));
        const bool stopRuns = phase == P::Asking || phase == P::Stopping || phase == P::StopEnding;
        for (bool question : {false, true})
            EXPECT_EQ(State(phase, true), State::Next(State(phase, question), E::QuestionAsked));

        EXPECT_FALSE(State::Next(State(phase, false), E::QuestionAnswered).has_value());
        const std::optional<State> answered = State::Next(State(phase, true), E::QuestionAnswered);
        if (stopRuns)
            EXPECT_FALSE(answered.has_value());
        else
            EXPECT_EQ(State(phase, false), answered);

        EXPECT_FALSE(State::Next(State(phase, false), E::QuestionDropped).has_value());
        EXPECT_EQ(State(phase, false), State::Next(State(phase, true), E::QuestionDropped));
    }
}

TEST(ReplaceTaskState, WhatTheViewAsksOfEachPhase)
{
    struct Row {
        P phase;
        bool starting;
        bool inStop;
        bool ending;
    };
    const Row rows[] = {
        {P::Idle, false, false, false},           {P::Starting, true, false, false},
        {P::StartingToClose, true, false, false}, {P::Asking, false, true, false},
        {P::Stopping, false, true, false},        {P::StopEnding, false, true, true},
        {P::Ending, false, false, true}};
    ASSERT_EQ(kPhaseCount, sizeof rows / sizeof rows[0]);
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "phase " << int(row.phase));
        const State state(row.phase, false);
        EXPECT_EQ(row.starting, state.Starting());
        EXPECT_EQ(row.inStop, state.InStop());
        EXPECT_EQ(row.ending, state.Ending());
        EXPECT_EQ(row.inStop || row.ending, state.StoppingOrEnding());
    }
    EXPECT_EQ(State(P::Idle, false), State()) << "a new view has nothing under way";
}

// Walks of events as the view makes them, each step taken or refused, and
// the state at the end.
struct Walk {
    const char* name;
    std::vector<E> events;
    std::vector<bool> taken;
    State end;
};

TEST(ReplaceTaskState, WalksOfTheView)
{
    const Walk walks[] = {
        {"a stop while a question waits: asked, stopped, ended",
         {E::QuestionAsked, E::AskBegins, E::AskEnds, E::StopBegins, E::QuestionDropped,
          E::QuestionDropped, E::EndBegins, E::EndEnds, E::StopEnds},
         {true, true, true, true, true, false, true, true, true},
         State(P::Idle, false)},
        {"a question while the engine pauses outlives a cancelled stop",
         {E::AskBegins, E::QuestionAsked, E::QuestionAnswered, E::AskEnds, E::QuestionAnswered},
         {true, true, false, true, true},
         State(P::Idle, false)},
        {"the engine's end during a stop is left to the stop",
         {E::StopBegins, E::EndBegins, E::EndBegins, E::EndEnds, E::StopEnds},
         {true, true, false, true, true},
         State(P::Idle, false)},
        {"no second start, stop or end while a task starts; the close waits for it",
         {E::StartBegins, E::StartBegins, E::AskBegins, E::EndBegins, E::CloseAsked, E::CloseAsked,
          E::StartEnds, E::CloseAsked},
         {true, false, false, false, true, true, true, false},
         State(P::Idle, false)},
        {"a start drops the question a finished task left",
         {E::EndBegins, E::QuestionAsked, E::EndEnds, E::StartBegins},
         {true, true, true, true},
         State(P::Starting, false)},
    };
    for (const Walk& walk : walks) {
        SCOPED_TRACE(walk.name);
        ASSERT_EQ(walk.events.size(), walk.taken.size());
        State state;
        for (size_t i = 0; i < walk.events.size(); ++i) {
            const State before = state;
            EXPECT_EQ(walk.taken[i], state.Apply(walk.events[i])) << "step " << i;
            if (!walk.taken[i]) {
                EXPECT_EQ(before, state) << "a refused step changes nothing (step " << i << ")";
            }
        }
        EXPECT_EQ(walk.end, state);
    }
}

} // namespace
