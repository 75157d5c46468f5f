// Every test case runs in a fresh folder of its own, with the host's Plugins folder, inside the
// program's folder: cases run side by side (ctest -j) never share a settings or Cabrillo file.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

class CaseFolder : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo& test) override
    {
        home_ = std::filesystem::current_path();
        std::string name = std::string("case-") + test.test_suite_name() + "." + test.name();
        for (char& c : name) {
            c = (c == '/' || c == '\\') ? '_' : c;
        }
        const std::filesystem::path folder = home_ / name;
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder / "Plugins");
        std::filesystem::current_path(folder);
    }
    void OnTestEnd(const ::testing::TestInfo&) override { std::filesystem::current_path(home_); }

    std::filesystem::path home_;
};

const bool registered = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new CaseFolder);
    return true;
}();

}  // namespace
