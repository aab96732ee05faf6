// A pack whose output cannot be written must lose nothing. The tool itself
// runs, in a process of its own, so that a file size limit reaches it as it
// would from the shell.
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "test_support.h"

namespace vantiq {
namespace {

namespace fs = std::filesystem;

struct ToolRun {
    int status;
    std::string err;
};

// Runs vantiq-basetool with `args`, its files limited to `fileSizeLimit`
// bytes when that is not 0.
ToolRun RunTool(const std::vector<std::string>& args, const fs::path& errFile,
                rlim_t fileSizeLimit = 0) {
    const pid_t child = fork();
    if (child == 0) {
        if (fileSizeLimit != 0) {
            const rlimit limit{fileSizeLimit, fileSizeLimit};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        std::FILE* err = std::freopen(errFile.c_str(), "w", stderr);
        std::vector<char*> argv{const_cast<char*>(VANTIQ_BASETOOL)};
        for (const std::string& arg : args) {
            argv.push_back(const_cast<char*>(arg.c_str()));
        }
        argv.push_back(nullptr);
        if (err != nullptr) {
            execv(VANTIQ_BASETOOL, argv.data());
        }
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    std::ifstream in(errFile);
    std::string err((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    fs::remove(errFile);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), err};
}

class PackWriteFailure : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(out_);
        std::string csv =
            "name,nominal_current,pellet_count,pellet_length,pellet_side,width,length,height,"
            "electrical_conductivity,seebeck_coefficient,thermal_conductivity,picture\n";
        for (int i = 0; i < 200; ++i) {
            csv += 'M';
            csv += std::to_string(i);
            csv += ",6,127,0.0016,0.0014,40,40,3.8,1e5,2e-4,1.5,\n";
        }
        std::ofstream(dir_.File("source.csv")) << csv;
    }

    // Packs into `target`; expects a refusal that names it and the reason,
    // and nothing left in the output folder but `expected`.
    void ExpectRefused(const fs::path& target, const std::string& reason,
                       std::set<std::string> expected, rlim_t fileSizeLimit = 0) {
        const ToolRun run = RunTool({"pack", dir_.File("source.csv"), "-o", target.string()},
                                    dir_.path() / "err.txt", fileSizeLimit);
        EXPECT_EQ(run.status, 1) << run.err;
        EXPECT_EQ(run.err,
                  "vantiq-basetool: Cannot write " + target.string() + ": " + reason + "\n");
        std::set<std::string> left;
        for (const auto& entry : fs::directory_iterator(out_)) {
            left.insert(entry.path().filename().string());
        }
        EXPECT_EQ(left, expected) << "no temporary file may stay behind";
    }

    test::TempDir dir_;
    fs::path out_ = dir_.path() / "out";
};

TEST_F(PackWriteFailure, AFullDiskKeepsThePreviousFile) {
    std::ofstream(out_ / "Base.tmb") << "previous catalogue";
    // 200 modules take 23 KB; the limit stops the write half-way.
    ExpectRefused(out_ / "Base.tmb", "File too large", {"Base.tmb"}, 8192);
    EXPECT_EQ(test::ReadBytes((out_ / "Base.tmb").string()).size(), 18u);
}

TEST_F(PackWriteFailure, AFolderInTheWayStaysAsItIs) {
    fs::create_directories(out_ / "Base.tmb" / "inside");
    ExpectRefused(out_ / "Base.tmb", "Is a directory", {"Base.tmb"});
    EXPECT_TRUE(fs::is_directory(out_ / "Base.tmb" / "inside"));
}

TEST_F(PackWriteFailure, AMissingOrBlockedFolderIsNamed) {
    ExpectRefused(out_ / "missing" / "Base.tmb", "No such file or directory", {});
    std::ofstream(out_ / "file") << "not a folder";
    ExpectRefused(out_ / "file" / "Base.tmb", "Not a directory", {"file"});
}

TEST_F(PackWriteFailure, AReadOnlyFolderKeepsThePreviousFile) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root writes into read-only folders";
    }
    std::ofstream(out_ / "Base.tmb") << "previous catalogue";
    fs::permissions(out_, fs::perms::owner_read | fs::perms::owner_exec);
    ExpectRefused(out_ / "Base.tmb", "Permission denied", {"Base.tmb"});
    fs::permissions(out_, fs::perms::owner_all);
    EXPECT_EQ(test::ReadBytes((out_ / "Base.tmb").string()).size(), 18u);
}

TEST(PackWrite, ReplacingKeepsThePermissionsOfTheFileReplaced) {
    test::TempDir dir;
    fs::copy_file(VANTIQ_SAMPLE_BASE, dir.File("Base.tmb"));
    fs::permissions(dir.File("Base.tmb"), fs::perms::owner_read | fs::perms::owner_write |
                                              fs::perms::group_read | fs::perms::others_read);
    std::ofstream(dir.File("source.csv"))
        << "name,nominal_current,pellet_count,pellet_length,pellet_side,width,length,height,"
           "electrical_conductivity,seebeck_coefficient,thermal_conductivity,picture\n"
           "A,6,127,0.0016,0.0014,40,40,3.8,1e5,2e-4,1.5,\n";
    const ToolRun run =
        RunTool({"pack", dir.File("source.csv"), "-o", dir.File("Base.tmb")}, dir.path() / "e");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(fs::status(dir.File("Base.tmb")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                  fs::perms::others_read);
    EXPECT_EQ(fs::file_size(dir.File("Base.tmb")), 120u);
}

}  // namespace
}  // namespace vantiq
