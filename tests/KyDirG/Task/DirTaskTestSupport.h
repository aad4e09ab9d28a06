// What the Dir task tests share: a fixture tree with known sizes, times and
// attributes, the frame's double with a finder, the tool's test switches,
// and the listing read back as rows.
#pragma once

#include "DirGTestApp.h"
#include "TaskFrame.h"

#include "KyDir/Gui/Finder/Finder.h"
#include "KyDir/Gui/Model/DirModel.h"
#include "KyDir/Gui/Task/DirJob.h"
#include "common/ProgramFolder.h"
#include "common/TempFolder.h"
#include "common/WholeFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dirgtest {

const char kSwitchesVariable[] = "KYTEST_TASK_LINK";
const char kPrefixVariable[] = "Kyvant_Protocol_Prefix_EnvVar";
const unsigned kTaskTimeoutMs = 30000;
// 2024-01-02 03:04:05 UTC, every fixture's times.
const SYSTEMTIME kStamp = {2024, 1, 2, 2, 3, 4, 5, 0};

class TaskTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_root = kytest::NewFolder(kytest::ScratchBase(), "kydirg_");
        kytest::WriteFile(s_root + "a.txt", "abc");
        kytest::WriteFile(s_root + "b.log", "12345");
        CreateDirectoryA((s_root + "sub").c_str(), nullptr);
        kytest::WriteFile(s_root + "sub\\c.txt", "cc");
        CreateDirectoryA((s_root + "sub\\deep").c_str(), nullptr);
        kytest::WriteFile(s_root + "sub\\deep\\d.txt", "d");
        for (const char* file : {"a.txt", "b.log", "sub\\c.txt", "sub\\deep\\d.txt"})
            Stamp(s_root + file, false);
        for (const char* folder : {"sub\\deep", "sub"})
            Stamp(s_root + folder, true);
        SetFileAttributesA((s_root + "b.log").c_str(), FILE_ATTRIBUTE_READONLY);
    }
    static void TearDownTestSuite()
    {
        SetFileAttributesA((s_root + "b.log").c_str(), FILE_ATTRIBUTE_NORMAL);
        kytest::RemoveTree(s_root);
    }

    void SetUp() override
    {
        SetVariable(kSwitchesVariable, "");
        theApp.m_boxes.clear();
        frame = TaskFrame::Create(finder);
        ASSERT_NE(nullptr, frame);
    }

    // A tool left running by a failed test is ended, so that nothing
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

    static void Stamp(const std::string& path, bool folder)
    {
        HANDLE h =
            CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                        nullptr, OPEN_EXISTING, folder ? FILE_FLAG_BACKUP_SEMANTICS : 0, nullptr);
        FILETIME time;
        SystemTimeToFileTime(&kStamp, &time);
        SetFileTime(h, &time, &time, &time);
        CloseHandle(h);
    }

    static std::vector<std::string> Args(const std::vector<std::string>& words)
    {
        std::vector<std::string> args = {"KyDir"};
        args.insert(args.end(), words.begin(), words.end());
        return args;
    }
    // The whole tree, every level.
    static std::string WholeTree(const char* masks = "*") { return "@p" + s_root + masks + "|+"; }

    static TaskFrame::Answer Accept(const std::vector<std::string>& args)
    {
        TaskFrame::Answer answer;
        answer.args = args;
        return answer;
    }

    // Starts the task (the frame answers the dialog) and, when it started,
    // serves messages until it has ended.
    bool RunTask(const TaskFrame::Answer& answer)
    {
        frame->Script(answer);
        const bool started = finder.Start();
        if (started) {
            EXPECT_TRUE(
                PumpUntil([this] { return finder.GetCurrentJob() == nullptr; }, kTaskTimeoutMs));
        }
        PumpPending();
        return started;
    }

    // Each item as "folder|name|size|attributes in hex|rank|write time is the stamp".
    std::vector<std::string> ListedItems()
    {
        FILETIME stamp;
        SystemTimeToFileTime(&kStamp, &stamp);
        std::vector<std::string> items;
        const Finder::Model& model = finder.GetModel();
        for (unsigned i = 0; i < model.GetItemCount(); ++i) {
            const Finder::Model::Item& item = *model.GetItem(static_cast<int>(i));
            char details[64];
            std::snprintf(details, sizeof details, "|%llu|%02lx|%lu|%s", item.GetSize(),
                          item.GetAttributes(), item.GetRank(),
                          CompareFileTime(&item.GetWriteTime(), &stamp) == 0 ? "stamped" : "?");
            items.push_back(std::string(item.GetFolder().c_str()) + "|" + item.GetName().c_str() +
                            details);
        }
        return items;
    }

    static inline std::string s_root;
    Finder finder;
    TaskFrame* frame = nullptr;
};

} // namespace dirgtest
