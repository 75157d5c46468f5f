// Every test case runs in a fresh folder of its own, with the host's Plugins folder: cases run
// side by side (ctest -j) never share a settings or Cabrillo file. Under ctest the folders lie in
// the program's test-run folder of the build tree; a program started by hand anywhere else (the
// checkout, say) puts them in a temporary folder instead, so a test never writes into the sources.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

bool inTestRunFolder(const fs::path& folder)
{
    return folder.parent_path().filename() == "test-run";
}

class CaseFolder : public ::testing::EmptyTestEventListener {
    void OnTestProgramStart(const ::testing::UnitTest&) override
    {
        start_ = fs::current_path();
        base_ = start_;
        if (!inTestRunFolder(start_)) {
            const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
            base_ = fs::temp_directory_path() / ("stats-tests-" + std::to_string(stamp));
            temporary_ = true;
        }
    }
    void OnTestStart(const ::testing::TestInfo& test) override
    {
        std::string name = std::string("case-") + test.test_suite_name() + "." + test.name();
        for (char& c : name) {
            c = (c == '/' || c == '\\') ? '_' : c;
        }
        const fs::path folder = base_ / name;
        fs::remove_all(folder);
        fs::create_directories(folder / "Plugins");
        fs::current_path(folder);
    }
    void OnTestEnd(const ::testing::TestInfo&) override { fs::current_path(start_); }
    void OnTestProgramEnd(const ::testing::UnitTest& test) override
    {
        // A failed run's folders stay for a look; the program names where they are.
        if (!temporary_) {
            return;
        }
        std::error_code ignored;
        if (test.Passed()) {
            fs::remove_all(base_, ignored);
        } else {
            std::printf("the cases' folders: %s\n", base_.string().c_str());
        }
    }

    fs::path start_;
    fs::path base_;
    bool temporary_ = false;
};

const bool registered = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new CaseFolder);
    return true;
}();

}  // namespace
