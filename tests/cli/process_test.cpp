// The installed program as a shell script meets it: the real executable with its embedded
// catalogue, started in a bare environment. It answers, its exit status reaches the shell,
// and it leaves no file behind: not in its home, data, cache or temporary directories, not
// in the working directory, and, where strace can watch it, nowhere at all.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/cli/text_readers.h"
#include "tests/support/temp_dir.h"

namespace lz::query_cli {
namespace {

namespace fs = std::filesystem;

struct Answer {
    int status = -1;
    std::string out, err;
};

std::string readWhole(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs `argv` with exactly `environment`, in `directory`; its outputs go to files in
// `outputs`, which is none of the directories watched.
Answer runProcess(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
                  const fs::path& directory, const fs::path& outputs) {
    const fs::path outPath = outputs / "stdout", errPath = outputs / "stderr";
    std::vector<char*> args, env;
    for (const std::string& a : argv) {
        args.push_back(const_cast<char*>(a.c_str()));
    }
    args.push_back(nullptr);
    for (const std::string& e : environment) {
        env.push_back(const_cast<char*>(e.c_str()));
    }
    env.push_back(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int in = open("/dev/null", O_RDONLY);
        if (out < 0 || err < 0 || in < 0 || chdir(directory.c_str()) != 0) {
            _exit(126);
        }
        dup2(in, 0);
        dup2(out, 1);
        dup2(err, 2);
        execve(args[0], args.data(), env.data());
        _exit(127);
    }
    Answer answer;
    int status = 0;
    if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status)) {
        answer.status = WEXITSTATUS(status);
    }
    answer.out = readWhole(outPath);
    answer.err = readWhole(errPath);
    return answer;
}

std::vector<std::string> entriesUnder(const fs::path& root) {
    std::vector<std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        entries.push_back(fs::relative(entry.path(), root).string());
    }
    return entries;
}

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"home", "tmp", "work", "outputs"}) {
            fs::create_directory(dir_.path() / name);
        }
    }

    const fs::path home() const { return dir_.path() / "home"; }
    const fs::path tmp() const { return dir_.path() / "tmp"; }
    const fs::path work() const { return dir_.path() / "work"; }
    const fs::path outputs() const { return dir_.path() / "outputs"; }

    // Every place a program is told to keep files points into the watched directories.
    std::vector<std::string> environment() const {
        const std::string h = home().string(), t = tmp().string();
        return {"HOME=" + h,
                "XDG_DATA_HOME=" + h + "/.local/share",
                "XDG_CONFIG_HOME=" + h + "/.config",
                "XDG_CACHE_HOME=" + h + "/.cache",
                "XDG_STATE_HOME=" + h + "/.local/state",
                "XDG_RUNTIME_DIR=" + t + "/runtime",
                "TMPDIR=" + t,
                "SQLITE_TMPDIR=" + t,
                "PATH=/usr/bin:/bin",
                "LANG=C.UTF-8"};
    }

    Answer run(std::vector<std::string> arguments) const {
        arguments.insert(arguments.begin(), LZ_QUERY_TOOL);
        return runProcess(arguments, environment(), work(), outputs());
    }

    void expectNothingWritten() const {
        for (const fs::path& watched : {home(), tmp(), work()}) {
            EXPECT_EQ(entriesUnder(watched), std::vector<std::string>{}) << watched;
        }
    }

    lz::test::TempDir dir_;
};

TEST_F(ProgramTest, FindsTheBearingsOfANewDesignationInTheShippedCatalogue) {
    const Answer json = run({"bearing", "--by", "new", "6205", "--format", "json"});
    ASSERT_EQ(json.status, 0) << json.err;
    const auto rows = test::readJsonArrayOfObjects(json.out);
    ASSERT_TRUE(rows) << json.out.substr(0, 500);
    ASSERT_FALSE(rows->empty());
    for (const test::JsonObject& row : *rows) {
        ASSERT_EQ(row.size(), 10u);
        EXPECT_EQ(row[2].first, "新型号");
        EXPECT_NE(row[2].second.find("6205"), std::string::npos) << row[2].second;
    }
    // The spelling, --new, is the same search.
    const Answer byNew = run({"bearing", "--by", "new", "6205"});
    const Answer shortForm = run({"bearing", "--new", "6205"});
    EXPECT_EQ(byNew.status, 0);
    EXPECT_EQ(shortForm.out, byNew.out);
    // One table line per row, below the headings and the rule.
    EXPECT_EQ(std::count(byNew.out.begin(), byNew.out.end(), '\n'),
              static_cast<long>(rows->size() + 2));
}

// The command line's CSV is for programs: cells exactly as stored, also those a spreadsheet
// would take for formulas (the window's export marks them, see CopyAndExport).
TEST_F(ProgramTest, CsvCellsStayExactlyAsStored) {
    const Answer csv = run({"--format", "csv", "bearing", "--by", "new", "6301-2ZNR"});
    ASSERT_EQ(csv.status, 0) << csv.err;
    EXPECT_NE(csv.out.find("\r\n58951,-6301-2ZNR 轴承,6301-2ZNR,"), std::string::npos) << csv.out;
    EXPECT_EQ(csv.out.find('\''), std::string::npos) << csv.out;
}

TEST_F(ProgramTest, ExitStatusReachesTheShell) {
    EXPECT_EQ(run({"bearing", "6205"}).status, 0);
    const Answer none = run({"bearing", "no such bearing"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(none.err, "lingzhou-query: 对不起，没有符合你查询条件的型号记录\n");
    EXPECT_EQ(run({"bearing"}).status, 2);
    EXPECT_EQ(run({"bearing", ""}).status, 2);
    EXPECT_EQ(run({"--frobnicate"}).status, 2);
    EXPECT_EQ(run({"--help"}).status, 0);
    EXPECT_EQ(run({"lookup", "--help"}).status, 0);
    EXPECT_EQ(run({"decode", "--help"}).status, 0);
    EXPECT_EQ(run({"decode", "6205-2RS1/C3"}).status, 0);
    const Answer unreadable = run({"decode", "XYZ?"});
    EXPECT_EQ(unreadable.status, 1);
    EXPECT_EQ(unreadable.err, "lingzhou-query: 无法识别的型号\n");
    // A LIKE pattern SQLite refuses fails the first row: a read error, not "no match".
    const Answer failed = run({"bearing", std::string(50'000, '%')});
    EXPECT_EQ(failed.status, 3);
    EXPECT_EQ(failed.out, "");
    EXPECT_EQ(failed.err, "lingzhou-query: 读取数据出错，列表可能不完整\n");
    // Nothing to look for, as the window says.
    for (const auto& empty : {std::vector<std::string>{"lookup", "--", "-"}, {"lookup", "   "}}) {
        const Answer refused = run(empty);
        EXPECT_EQ(refused.status, 2) << empty.back();
        EXPECT_EQ(refused.err, "lingzhou-query: 查询内容不能为空！\n");
    }
}

TEST_F(ProgramTest, WritesNoFileInAnyDirectoryItIsPointedTo) {
    // The whole bearing table as CSV: the largest answer there is.
    const Answer whole = run({"combined", "--type", "请选择类型", "--format", "csv"});
    ASSERT_EQ(whole.status, 0) << whole.err;
    std::size_t lines = 0;
    for (std::size_t at = whole.out.find("\r\n"); at != std::string::npos;
         at = whole.out.find("\r\n", at + 2)) {
        ++lines;
    }
    EXPECT_EQ(lines, 59188u + 1u);
    EXPECT_EQ(run({"lookup", "6205LLU", "--format", "json"}).status, 0);
    // With the shop's columns and no shop file: they stay empty, and nothing is made.
    const Answer shelf = run({"lookup", "6205LLU", "--stock"});
    EXPECT_EQ(shelf.status, 0);
    EXPECT_EQ(shelf.err, "");
    EXPECT_TRUE(shelf.out.substr(0, shelf.out.find('\n')).ends_with("  本店库存  本店价"));
    EXPECT_EQ(run({"imported", "--brand", "SKF"}).status, 0);
    EXPECT_EQ(run({"domestic", "--model", "204", "--old"}).status, 0);
    EXPECT_EQ(run({"bearing", "no such bearing"}).status, 1);
    expectNothingWritten();
}

// "stock" is handed to lingzhou-shop beside the program: same arguments, same formats, the
// program's own name in messages, and still nothing written.
TEST_F(ProgramTest, HandsTheStockCommandsToTheShopProgramBesideIt) {
    const std::string fixture = LZ_SOURCE_DIR "/tests/shop/fixtures/stock.xls";
    const Answer checked = run({"--format", "csv", "stock", "check", fixture});
    EXPECT_EQ(checked.status, 1) << checked.err << "one line is 待确认";
    EXPECT_EQ(checked.out,
              "\xEF\xBB\xBF行号,型号,品牌,数量,单价,状态,新型号\r\n"
              "1,6305-2Z,NSK,12,18.60,已匹配,6305-2Z\r\n"
              "2,6306,NSK,3,20.00,已匹配,6306\r\n"
              "3,6307,NTN,1,22.50,已匹配,6307\r\n"
              "4,6308,HRB,2,10.00,待确认,6308\r\n");
    EXPECT_EQ(checked.err, "");
    const Answer listed = run({"stock", "list"});
    EXPECT_EQ(listed.status, 1);
    EXPECT_EQ(listed.out, "");
    EXPECT_EQ(listed.err, "lingzhou-query: 还没有本店库存\n");
    const Answer unreadable = run({"stock", "check", "no-such-file.xlsx"});
    EXPECT_EQ(unreadable.status, 3);
    EXPECT_EQ(unreadable.err.rfind("lingzhou-query: no-such-file.xlsx: ", 0), 0u) << unreadable.err;
    EXPECT_EQ(run({"stock"}).status, 2);
    EXPECT_EQ(run({"stock", "check", "--help"}).status, 0);
    // So is "quote": the shop program lists the kept quotes (none yet) and reads only.
    const Answer quotes = run({"--format", "json", "quote", "list"});
    EXPECT_EQ(quotes.status, 1);
    EXPECT_EQ(quotes.out, "");
    EXPECT_EQ(quotes.err, "lingzhou-query: 还没有保存的报价单\n");
    EXPECT_EQ(run({"quote", "pdf", "20261208-001"}).status, 2);
    expectNothingWritten();

    // Without the shop program beside it, the program says so.
    const fs::path alone = outputs() / "alone";
    fs::create_directory(alone);
    fs::copy_file(LZ_QUERY_TOOL, alone / "lingzhou-query");
    const Answer missing = runProcess({(alone / "lingzhou-query").string(), "stock", "list"},
                                      environment(), work(), outputs());
    EXPECT_EQ(missing.status, 3);
    EXPECT_NE(missing.err.find("cannot run " + (alone / "lingzhou-shop").string()),
              std::string::npos)
        << missing.err;
    EXPECT_EQ(runProcess({(alone / "lingzhou-query").string(), "bearing", "6205"}, environment(),
                         work(), outputs())
                  .status,
              0)
        << "the searches need no shop program";
}

// What strace reports as an attempt to make or change a file.
bool changesAFile(const std::string& line) {
    for (const char* call :
         {"creat(", "mkdir", "rename", "unlink", "link(", "linkat(", "symlink", "truncate(",
          "mknod", "chmod(", "fchmodat(", "chown(", "utime", "rmdir("}) {
        if (line.find(std::string(" ") + call) != std::string::npos) {
            return true;
        }
    }
    const bool opens = line.find(" open(") != std::string::npos ||
                       line.find(" openat(") != std::string::npos ||
                       line.find(" openat2(") != std::string::npos;
    return opens &&
           (line.find("O_WRONLY") != std::string::npos ||
            line.find("O_RDWR") != std::string::npos || line.find("O_CREAT") != std::string::npos ||
            line.find("O_TRUNC") != std::string::npos);
}

TEST_F(ProgramTest, OpensNoFileForWritingAnywhere) {
    const fs::path strace = "/usr/bin/strace";
    const fs::path log = outputs() / "trace";
    const auto traced = [&](std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(),
                         {strace.string(), "-f", "-qq", "-e", "trace=%file", "-o", log.string()});
        // The leak checker of sanitizer builds cannot run under a tracer.
        std::vector<std::string> env = environment();
        env.push_back("ASAN_OPTIONS=detect_leaks=0");
        return runProcess(arguments, env, work(), outputs());
    };
    if (!fs::exists(strace) || traced({"/bin/true"}).status != 0) {
        GTEST_SKIP() << "strace cannot trace here";
    }
    for (const auto& arguments :
         {std::vector<std::string>{LZ_QUERY_TOOL, "bearing", "--by", "new", "6205"},
          {LZ_QUERY_TOOL, "combined", "--brand", "请选择品牌", "--format", "json"},
          {LZ_QUERY_TOOL, "lookup", "6205LLU", "--format", "csv"},
          {LZ_QUERY_TOOL, "lookup", "6205LLU", "--stock"},
          {LZ_QUERY_TOOL, "stock", "check",
           LZ_SOURCE_DIR "/tests/shop/fixtures/stock_shared_strings.xlsx"}}) {
        const Answer answer = traced(arguments);
        // 1: the stock list has lines to confirm; it was read all the same.
        ASSERT_LE(answer.status, 1) << arguments[1] << ": " << answer.err;
        std::istringstream trace(readWhole(log));
        int calls = 0;
        for (std::string line; std::getline(trace, line); ++calls) {
            EXPECT_FALSE(changesAFile(line)) << arguments[1] << ": " << line;
        }
        EXPECT_GT(calls, 0) << "the trace is empty";
    }
    expectNothingWritten();
}

}  // namespace
}  // namespace lz::query_cli
