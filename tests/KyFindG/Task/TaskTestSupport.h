// What the task tests share: fixture files, the frame's double with a
// finder, the finder's test switches, runs of the finder's console mode to
// compare with, and the model read back as result lines.
#pragma once

#include "FindGTestApp.h"
#include "TaskFrame.h"

#include "KyFind/Gui/Finder/Finder.h"
#include "KyFind/Gui/Model/FinderModel.h"
#include "KyFind/Gui/Task/FinderJob.h"
#include "common/ChildProcess.h"
#include "common/ProgramFolder.h"
#include "common/SplitText.h"
#include "common/TempFolder.h"
#include "common/WholeFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace findgtest {

const char kSwitchesVariable[] = "KYTEST_TASK_LINK";
const char kPrefixVariable[] = "Kyvant_Protocol_Prefix_EnvVar";
const unsigned kTaskTimeoutMs = 30000;

class TaskTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_root = kytest::NewFolder(kytest::ScratchBase(), "kyfindg_");
        kytest::WriteFile(s_root + "a.txt", "alpha one\nbeta two\ngamma alpha\n");
        CreateDirectoryA((s_root + "sub").c_str(), nullptr);
        kytest::WriteFile(s_root + "sub\\b(1).c", "int alpha = 1;\nno\nno\nALPHA again\n");
        kytest::WriteFile(s_root + "crlf.txt", "alpha in CR LF\r\nbeta\r\n");
        kytest::WriteFile(s_root + "none.txt", "nothing here\n");
    }
    static void TearDownTestSuite() { kytest::RemoveTree(s_root); }

    void SetUp() override
    {
        SetVariable(kSwitchesVariable, "");
        theApp.m_boxes.clear();
        frame = TaskFrame::Create(finder);
        ASSERT_NE(nullptr, frame);
    }

    // A finder left running by a failed test is ended, so that nothing
    // outlives the test.
    void TearDown() override
    {
        if (Finder::Job* job = finder.GetCurrentJob()) {
            TerminateProcess(job->GetProcess().get(), 1);
            PumpUntil([this] { return finder.GetCurrentJob() == nullptr; }, kTaskTimeoutMs);
        }
        finder.Discard();
        frame->DestroyWindow();
        SetVariable(kSwitchesVariable, "");
    }

    static std::vector<std::string> Args(const std::vector<std::string>& options,
                                         const std::vector<std::string>& files)
    {
        std::vector<std::string> args = {"KyFind"};
        args.insert(args.end(), options.begin(), options.end());
        args.push_back("@!");
        for (const std::string& file : files)
            args.push_back(s_root + file);
        return args;
    }

    static TaskFrame::Answer Accept(const std::vector<std::string>& args, bool binary = false)
    {
        TaskFrame::Answer answer;
        answer.args = args;
        answer.binaryMode = binary;
        return answer;
    }

    static TaskFrame::Answer Cancel()
    {
        TaskFrame::Answer answer;
        answer.accept = false;
        return answer;
    }

    // Starts the task (the frame answers the dialog) and, when it started,
    // serves messages until it has ended.
    bool RunTask(const TaskFrame::Answer& answer)
    {
        frame->Script(answer);
        const bool started = finder.Start();
        if (started) {
            EXPECT_TRUE(WaitForTaskEnd());
        }
        PumpPending();
        return started;
    }

    bool WaitForTaskEnd()
    {
        return PumpUntil([this] { return finder.GetCurrentJob() == nullptr; }, kTaskTimeoutMs);
    }

    // The lines the finder prints in console mode for the same arguments,
    // group lines left out.
    static std::vector<std::string> ConsoleLines(const std::vector<std::string>& args,
                                                 unsigned* groups = nullptr)
    {
        const std::vector<std::string> words(args.begin() + 1, args.end());
        const kytest::ProgramRun run =
            kytest::RunProgram(kytest::ProgramFolder() + "KyFind.exe", words, "", {});
        std::vector<std::string> lines;
        unsigned groupCount = 0;
        int groupLeft = 0;
        for (const std::string& line : kytest::Split(run.out, '\n')) {
            if (line.compare(0, 2, "::") == 0) {
                groupLeft = std::stoi(line.substr(2));
                ++groupCount;
            } else if (!line.empty()) {
                lines.push_back(line);
                if (groupLeft > 0)
                    --groupLeft;
                else
                    ++groupCount;
            }
        }
        if (groups)
            *groups = groupCount;
        return lines;
    }

    // The model's matches as the finder's result lines.
    std::vector<std::string> ModelLines()
    {
        std::vector<std::string> lines;
        Finder::Model& model = finder.GetModel();
        for (unsigned f = 0; f < model.GetFileCount(); ++f) {
            const Finder::Model::FileRec& file = *model.GetFile(static_cast<int>(f));
            for (unsigned m = 0; m < file.GetMatches().size(); ++m) {
                const Finder::Model::MatchRec& match = file.GetMatches().at(m);
                lines.push_back(std::string(file.GetFullFileName().c_str()) + "(" +
                                std::to_string(match.line) + "):x(" +
                                std::to_string(match.position) + "):" + match.text);
            }
        }
        return lines;
    }

    static inline std::string s_root;
    Finder finder;
    TaskFrame* frame = nullptr;
};

} // namespace findgtest
