// "@C" and "@V" items: the lists that the iterator takes from stand-in
// environments, their rules, modifiers, empty states and error texts.
#include "devenv/DevEnvModel.h"
#include "DevEnvTestSupport.h"
#include "KyConTool/DevEnv/VcIterator.h"
#include "StderrCapture.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace Kyvant;
using namespace DevEnvStandIn;
using devtest::EnvVar;
using devtest::Handoff;
using Names = std::vector<std::string>;

namespace {

// A folder tree for one test, removed with everything in it.
class Tree {
public:
    Tree() : root_(dir_["tree"] + "\\") { CreateDirectoryA(root_.c_str(), nullptr); }
    ~Tree() { Remove(root_); }
    // The full name of a path below the tree.
    std::string operator[](const std::string& path) const { return root_ + path; }
    // Creates the file and the folders on its way.
    std::string File(const std::string& path, const std::string& content = "x") const
    {
        for (size_t sep = path.find('\\'); sep != std::string::npos; sep = path.find('\\', sep + 1))
            CreateDirectoryA((root_ + path.substr(0, sep)).c_str(), nullptr);
        kytest::WriteFile(root_ + path, content);
        return root_ + path;
    }

private:
    static void Remove(const std::string& folder)
    {
        WIN32_FIND_DATAA fd;
        HANDLE h = FindFirstFileA((folder + "*").c_str(), &fd);
        if (h != INVALID_HANDLE_VALUE) {
            do {
                std::string name = fd.cFileName;
                if (name == "." || name == "..")
                    continue;
                if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    Remove(folder + name + "\\");
                else
                    DeleteFileA((folder + name).c_str());
            } while (FindNextFileA(h, &fd));
            FindClose(h);
        }
        RemoveDirectoryA(folder.c_str());
    }
    kytest::ScratchDir dir_;
    std::string root_;
};

std::wstring Wide(const std::string& s)
{
    return std::wstring(s.begin(), s.end());
}

struct Outcome {
    Names names;
    std::string error;
    std::string stderrText;
    int exitCode = 0;
};

class VcLists : public devtest::DevEnvSuite {
protected:
    // Runs the item ("@C..." or "@V...") and collects what it yields.
    Outcome Run(const std::string& item)
    {
        Outcome out;
        StreamCapture err;
        try {
            ky_filename_vc_iterator it(ky_I(item.c_str() + 2), ky_S(item.c_str()), nullptr);
            for (; !it.AtEnd(); ++it)
                out.names.push_back(it->c_str());
        } catch (const std::runtime_error& e) {
            out.error = e.what();
        }
        out.stderrText = err.Stop();
        out.exitCode = ExitCode();
        ExitCode_Reset();
        return out;
    }
    static void ExitCode_Reset() { KyConApp::Instance().ExitCode.Set(0); }

    // Names sorted the way the tests write them.
    static Names Sorted(Names names)
    {
        std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
            return lstrcmpiA(a.c_str(), b.c_str()) < 0;
        });
        return names;
    }

    void ExpectWarning(const Outcome& out, const std::string& warning, const std::string& item)
    {
        EXPECT_TRUE(out.names.empty()) << item;
        EXPECT_EQ("", out.error) << item;
        if (warning.empty()) {
            EXPECT_EQ("", out.stderrText) << item;
            EXPECT_EQ(0, out.exitCode & 1) << item;
        } else {
            EXPECT_NE(std::string::npos, out.stderrText.find(warning + "\n")) << item;
            EXPECT_EQ(1, out.exitCode & 1) << item;
        }
    }

    EnvVar noVsNetVariable{"KYVANT_VSNET_CLSID", nullptr};
    Tree tree;
};

} // namespace

TEST_F(VcLists, VisualCppDocuments)
{
    const std::string a = tree.File("a.txt"), rc = tree.File("app.rc");
    ComRef<DispObject> text = VcDocument(Wide(a).c_str(), L"Text");
    ComRef<DispObject> textAgain = VcDocument(Wide(tree["A.TXT"]).c_str(), L"text");
    ComRef<DispObject> resource = VcDocument(Wide(rc).c_str(), L"Resource");
    ComRef<DispObject> missing = VcDocument(Wide(tree["gone.txt"]).c_str(), L"Text");
    ComRef<DispObject> untitled = VcDocument(L"", L"Text");
    ComRef<DispObject> app = VcApplication();
    Handoff addIn(app.get(), false);

    const struct {
        const char* item;
        DispObject* active;
        Objects documents;
        Names names;
        const char* warning;
    } cases[] = {
        {"@CActiveFile", resource.get(), {}, {rc}, ""},
        {"@CActiveFile", nullptr, {}, {}, "Visual C++ has no active file at this time"},
        {"@CActiveTextFile", text.get(), {}, {a}, ""},
        {"@CActiveTextFile",
         resource.get(),
         {},
         {},
         "Visual C++'s active file isn't a text file, or there is no active file"},
        {"@CActiveTextFile",
         nullptr,
         {},
         {},
         "Visual C++'s active file isn't a text file, or there is no active file"},
        {"@CAllFiles", nullptr, {resource, textAgain, text}, {a, rc}, ""},
        {"@CAllTextFiles", nullptr, {resource, text, textAgain}, {a}, ""},
        {"@CAllTextFiles",
         nullptr,
         {resource},
         {},
         "Visual C++ has no text files open at this time"},
        {"@CAllFiles", nullptr, {}, {}, "Visual C++ has no files open at this time"},
        {"@CAllFiles", nullptr, {untitled}, {}, "Visual C++ has no files open at this time"},
        // Found, but the rule admits only existing files: no warning.
        {"@CAllFiles", nullptr, {missing}, {}, ""},
        {"@CAllFiles/|*.rc", nullptr, {resource, text}, {rc}, ""},
    };
    for (const auto& c : cases) {
        app->Set(L"ActiveDocument", static_cast<IDispatch*>(c.active));
        SetVcDocuments(app.get(), c.documents);
        Outcome out = Run(c.item);
        if (c.names.empty()) {
            ExpectWarning(out, c.warning, c.item);
            continue;
        }
        EXPECT_EQ("", out.error) << c.item;
        EXPECT_EQ(c.names.size(), out.names.size()) << c.item;
        for (size_t i = 0; i < c.names.size() && i < out.names.size(); ++i)
            EXPECT_EQ(0, lstrcmpiA(c.names[i].c_str(), out.names[i].c_str())) << c.item;
        EXPECT_EQ(0, out.exitCode) << c.item;
    }
}

TEST_F(VcLists, VisualCppProjectFiles)
{
    tree.File("proj\\Sample.dsp", kytest::ReadFile(KY_TEST_DATA_DIR "/DevEnv/VcSample.dsp"));
    const std::string main = tree.File("proj\\main.cpp"),
                      parser = tree.File("proj\\src\\Parser File.cpp"),
                      common = tree.File("shared\\common.h"), rc = tree.File("proj\\res\\app.rc");
    tree.File("proj\\indented.cpp");
    ComRef<DispObject> project = VcProject(Wide(tree["proj\\Sample.dsp"]).c_str());
    ComRef<DispObject> lost = VcProject(Wide(tree["nowhere\\Lost.dsp"]).c_str());
    ComRef<DispObject> app = VcApplication();
    Handoff addIn(app.get(), false);

    // Quoted and relative names become full paths, sorted and without
    // duplicates; the first spelling of a name stays.
    const Names all = {main, rc, parser, common};
    const struct {
        const char* item;
        DispObject* active;
        Objects projects;
        Names names;
        std::string problem; // the warning or error
    } cases[] = {
        {"@CActiveProjectFiles", project.get(), {}, all, ""},
        {"@CAllProjectFiles", nullptr, {project, project}, all, ""},
        {"@CActiveProjectFiles/|*.h,*.rc", project.get(), {}, {rc, common}, ""},
        {"@CActiveProjectFiles", nullptr, {}, {}, "Visual C++ has no active project at this time"},
        {"@CAllProjectFiles", nullptr, {}, {}, "Visual C++ has no projects open at this time"},
        {"@CAllProjectFiles", nullptr, {lost}, {}, "Could not open: " + tree["nowhere\\Lost.dsp"]},
        {"@CActiveProjectFolder", nullptr, {}, {}, "Visual C++ has no active project at this time"},
        // Folders are walked with the rule ("/*" without one).
        {"@CActiveProjectFolder",
         project.get(),
         {},
         {tree["proj\\indented.cpp"], main, tree["proj\\Sample.dsp"]},
         ""},
        {"@CAllProjectFolders/|*.cpp|+",
         nullptr,
         {project, project},
         {tree["proj\\indented.cpp"], main, parser},
         ""},
    };
    for (const auto& c : cases) {
        app->Set(L"ActiveProject", static_cast<IDispatch*>(c.active));
        SetVcProjects(app.get(), c.projects);
        Outcome out = Run(c.item);
        if (c.problem.rfind("Could not open: ", 0) == 0) {
            EXPECT_EQ(c.problem, out.error);
            continue;
        }
        if (c.names.empty()) {
            ExpectWarning(out, c.problem, c.item);
            continue;
        }
        EXPECT_EQ("", out.error) << c.item;
        bool folders = std::string(c.item).find("Folder") != std::string::npos;
        EXPECT_EQ(c.names, folders ? Sorted(out.names) : out.names) << c.item;
    }
}

namespace {

// A solution: P1 with a file, a folder holding a file, and an item that
// belongs to another project; the solution-items and miscellaneous-files
// projects.
struct Solution {
    explicit Solution(const Tree& tree)
        : one(tree.File("vs\\P1\\one.cpp")), two(tree.File("vs\\P1\\sub\\two.cpp")),
          foreign(tree.File("vs\\P2\\foreign.cpp")), readme(tree.File("vs\\readme.txt")),
          notes(tree.File("vs\\notes.txt")), form(tree.File("vs\\P1\\form.resx")),
          dte(Dte(L"7.10.3077")),
          p1(Project(L"P1\\P1.vcproj", Wide(tree["vs\\P1\\P1.vcproj"]).c_str())),
          p2(Project(L"P2\\P2.vcproj", Wide(tree["vs\\P2\\P2.vcproj"]).c_str())),
          solnItems(Project(L"<SolnItems>", L"")), miscFiles(Project(L"<MiscFiles>", L""))
    {
        AddProjectItem(p1.get(), p1.get(), kPhysicalFileKind, {Wide(one)});
        folder = AddProjectItem(p1.get(), p1.get(), L"{6BB5F8EF-4483-11D3-8BCF-00C04F8EC28C}", {});
        AddProjectItem(folder.get(), p1.get(), kPhysicalFileKind, {Wide(two)});
        AddProjectItem(p1.get(), p2.get(), kPhysicalFileKind, {Wide(foreign)});
        AddProjectItem(p1.get(), p1.get(), kSolutionItemKind, {Wide(readme)});
        AddProjectItem(solnItems.get(), solnItems.get(), kSolutionItemKind, {Wide(readme)});
        AddProjectItem(miscFiles.get(), miscFiles.get(), kMiscItemKind, {Wide(notes)});
        SetSolutionProjects(dte.get(), {p1, solnItems, miscFiles});
    }
    std::string one, two, foreign, readme, notes, form;
    ComRef<DispObject> dte, p1, p2, solnItems, miscFiles, folder;
};

} // namespace

TEST_F(VcLists, VsNetProjectsAndModifiers)
{
    Solution s(tree);
    Handoff addIn(s.dte.get(), true);
    const struct {
        const char* item;
        Names names;
        const char* problem; // error, or warning when no names are expected
    } cases[] = {
        {"@VAllProjectFiles", {s.one, s.two}, ""},
        {"@VAllProjectFiles + SolutionItems", {s.one, s.two, s.readme}, ""},
        {"@VAllProjectFiles+MiscellaneousFiles+SolutionItems",
         {s.notes, s.one, s.two, s.readme},
         ""},
        {"@VAllProjectFiles+SolutionItems/|*.txt", {s.readme}, ""},
        {"@VSolutionItems", {s.readme}, ""},
        {"@VMiscellaneousFiles", {s.notes}, ""},
        {"@VAllProjectFiles+Bogus", {}, "Unknown VS.NET rule modifier: Bogus"},
        {"@VAllProjectFiles+", {}, "Illegal VS.NET modified rule: AllProjectFiles+"},
        {"@VAllProjectFiles+SolutionItems+",
         {},
         "Illegal VS.NET modified rule: AllProjectFiles+SolutionItems+"},
        {"@VActiveDocument+SolutionItems",
         {},
         "Unknown VS.NET object name: ActiveDocument+SolutionItems"},
        {"@VNonsense", {}, "Unknown VS.NET object name: Nonsense"},
        {"@CNonsense", {}, "Unknown Visual C++ object name: Nonsense"},
        {"@XAllFiles", {}, "Unknown developer environment specifier"},
        {"@VAllDocuments|x", {}, "Illegal VirtualFolderFilter rule: AllDocuments|x"},
    };
    for (const auto& c : cases) {
        Outcome out = Run(c.item);
        EXPECT_EQ(c.problem, out.error) << c.item;
        EXPECT_EQ(c.names, out.names) << c.item;
    }

    // Missing special projects are empty states.
    SetSolutionProjects(s.dte.get(), {s.p1});
    ExpectWarning(Run("@VMiscellaneousFiles"), "VS.NET has no Miscellaneous Files at this time",
                  "misc");
    ExpectWarning(Run("@VSolutionItems"), "VS.NET has no Solution Items at this time", "soln");
}

TEST_F(VcLists, VsNetSelectionsDocumentsAndActiveProjects)
{
    Solution s(tree);
    ComRef<DispObject> oneDoc = DteDocument(Wide(s.one).c_str(), true);
    ComRef<DispObject> formDoc = DteDocument(Wide(s.form).c_str(), false);
    Handoff addIn(s.dte.get(), true, 2);

    struct Case {
        const char* item;
        std::function<void()> setUp;
        Names names;
        const char* warning;
    };
    DispObject* dte = s.dte.get();
    const Case cases[] = {
        {"@VActiveProjectFiles", [&] { SetActiveProjects(dte, {s.p1}); }, {s.one, s.two}, ""},
        {"@VActiveProjectFiles",
         [&] { SetActiveProjects(dte, {}); },
         {},
         "VS.NET has no active project at this time"},
        {"@VSelectedProjectFiles",
         [&] { SetSelectedItems(dte, {SelectedItem(nullptr, s.p1.get())}); },
         {s.one, s.two, s.readme},
         ""},
        {"@VSelectedFiles",
         [&] { SetSelectedItems(dte, {SelectedItem(s.folder.get(), nullptr)}); },
         {s.two},
         ""},
        {"@VSelectedFiles",
         [&] { SetSelectedItems(dte, {}); },
         {},
         "VS.NET has no selected files at this time"},
        {"@VSelectedProjectFolders",
         [&] { SetSelectedItems(dte, {}); },
         {},
         "VS.NET has no selected projects at this time"},
        {"@VAllProjectFolders", [] {}, {s.form, s.one}, ""},
        {"@VActiveDocument", [&] { dte->Set(L"ActiveDocument", formDoc.get()); }, {s.form}, ""},
        {"@VActiveTextDocument",
         [] {},
         {},
         "VS.NET's active file isn't a text file, or there is no active file"},
        {"@VAllTextDocuments",
         [&] {
             SetDocuments(dte, {formDoc, oneDoc, oneDoc});
         },
         {s.one},
         ""},
        {"@VAllDocuments", [] {}, {s.form, s.one}, ""},
        {"@VAllDocuments",
         [&] { SetDocuments(dte, {}); },
         {},
         "VS.NET has no files open at this time"},
    };
    for (const Case& c : cases) {
        c.setUp();
        Outcome out = Run(c.item);
        if (c.names.empty()) {
            ExpectWarning(out, c.warning, c.item);
            continue;
        }
        EXPECT_EQ("", out.error) << c.item;
        EXPECT_EQ(c.names, Sorted(out.names)) << c.item;
    }
}

TEST_F(VcLists, ComFailuresAreCommunicationErrors)
{
    ComRef<DispObject> dte = Dte(L"7.1");
    ComRef<DispObject> app = VcApplication();
    {
        Handoff addIn(dte.get(), true);
        dte->Fail(L"Documents", 0x80040207, true);
        EXPECT_EQ("Error communicating with VS.NET: IDispatch error #7",
                  Run("@VAllDocuments").error);
        dte->Fail(L"Documents", 0x80001234, false);
        EXPECT_EQ("Error communicating with VS.NET: Unknown error 0x80001234",
                  Run("@VAllDocuments").error);
        dte->Fail(L"Documents", E_INVALIDARG, true);
        std::string error = Run("@VAllDocuments").error;
        EXPECT_EQ(0u, error.find("Error communicating with VS.NET: ")) << error;
        EXPECT_GT(error.size(), std::string("Error communicating with VS.NET: ").size());
        EXPECT_EQ(std::string::npos, error.find_first_of("\r\n")) << error;
    }
    {
        Handoff addIn(app.get(), false);
        app->Fail(L"ActiveProject", 0x800402FF, true);
        EXPECT_EQ("Error communicating with Visual C++: IDispatch error #255",
                  Run("@CActiveProjectFolder").error);
    }
    // Nothing running at all: the environment is not found.
    std::string error = Run("@CAllFiles").error;
    EXPECT_EQ(0u, error.find("Error communicating with Visual C++: ")) << error;
}

TEST_F(VcLists, IncludeFolderThroughTheInstallFolderVariable)
{
    EnvVar noHandoff("KYVANT_VC_CLSID", nullptr);
    {
        EnvVar noRoot("VCINSTALLDIR", nullptr);
        EXPECT_EQ("VS.NET is not running, and the environment variable \"VCINSTALLDIR\" isn't "
                  "defined",
                  Run("@VVcIncludeDir").error);
    }
    const std::string windowsH = tree.File("VS\\Vc7\\include\\windows.h"),
                      stdioH = tree.File("VS\\Vc7\\include\\stdio.h");
    tree.File("VS\\Vc7\\include\\sys\\types.h");
    EnvVar root("VCINSTALLDIR", tree["VS"].c_str());
    Outcome out = Run("@VVcIncludeDir");
    EXPECT_EQ("", out.error);
    EXPECT_EQ((Names{stdioH, windowsH}), Sorted(out.names));
    out = Run("@V VcIncludeDir/|*.h|+");
    EXPECT_EQ(3u, out.names.size());
}

TEST_F(VcLists, ArgumentItemsTakeTheList)
{
    Solution s(tree);
    Handoff addIn(s.dte.get(), true);
    const char* argv[] = {"tool", "@V SolutionItems", nullptr};
    Names names;
    for (ky_filename_argv_iterator it(2, argv, 1, nullptr, 0), end; it != end; ++it)
        names.push_back(it->c_str());
    EXPECT_EQ((Names{s.readme}), names);
}
