// The module functions of the platform seam against whichever backend is
// linked: natively dlopen and friends, under Wine LoadLibrary and friends.
// The module it loads is built beside the test program.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "platform/modules.h"
#include "platform/path.h"

namespace {

// File names compare without regard to case, as on Windows.
std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::string BaseName(const std::string& path) { return Lower(platform::SplitPath(path).base); }

std::string TestModulePath() {
  return platform::FolderOf(platform::ThisModulePath()) + ARVENLO_TEST_MODULE_FILE;
}

using AnswerFunction = int (*)();

class Module : public testing::Test {
 protected:
  void SetUp() override {
    module_ = platform::LoadModule(TestModulePath());
    ASSERT_NE(module_, nullptr) << TestModulePath();
  }
  void TearDown() override { platform::FreeModule(module_); }
  platform::ModuleHandle module_ = nullptr;
};

TEST(Modules, ThisModuleIsTheTestProgram) {
  ASSERT_NE(platform::ThisModule(), nullptr);
  EXPECT_EQ(BaseName(platform::ModulePath(platform::ThisModule())), "modules_conformance_test");
  EXPECT_EQ(platform::ThisModulePath(), platform::ModulePath(platform::ThisModule()));
}

TEST(Modules, NoModuleMeansTheProgram) {
  EXPECT_EQ(platform::ModulePath(nullptr), platform::ThisModulePath());
}

TEST(Modules, ModuleOfOwnCodeIsThisModule) {
  EXPECT_EQ(platform::ModuleOf(reinterpret_cast<const void*>(&TestModulePath)),
            platform::ThisModule());
}

TEST(Modules, MissingFileDoesNotLoad) {
  EXPECT_EQ(platform::LoadModule(platform::FolderOf(platform::ThisModulePath()) + "no-such-module"),
            nullptr);
}

TEST(Modules, NullModuleHasNoEntryPoints) {
  EXPECT_EQ(platform::FindEntryPoint(nullptr, "ArvenloTestAnswer"), nullptr);
}

TEST_F(Module, NamedEntryPointIsFound) {
  auto answer = reinterpret_cast<AnswerFunction>(platform::FindEntryPoint(module_, "ArvenloTestAnswer"));
  ASSERT_NE(answer, nullptr);
  EXPECT_EQ(answer(), 42);
}

TEST_F(Module, MissingEntryPointIsNull) {
  EXPECT_EQ(platform::FindEntryPoint(module_, "NoSuchEntryPoint"), nullptr);
}

TEST_F(Module, EntryPointBelongsToTheModule) {
  void* answer = platform::FindEntryPoint(module_, "ArvenloTestAnswer");
  EXPECT_EQ(platform::ModuleOf(answer), module_);
  EXPECT_EQ(Lower(platform::ModulePath(module_)), Lower(TestModulePath()));
}

TEST_F(Module, FoundByFileNameWhileLoaded) {
  EXPECT_EQ(platform::FindLoadedModule(ARVENLO_TEST_MODULE_FILE), module_);
  EXPECT_EQ(platform::FindLoadedModule("no-such-module.dll"), nullptr);
}

TEST(Modules, NotFoundOnceFreed) {
  platform::ModuleHandle module = platform::LoadModule(TestModulePath());
  ASSERT_NE(module, nullptr);
  platform::FreeModule(module);
  EXPECT_EQ(platform::FindLoadedModule(ARVENLO_TEST_MODULE_FILE), nullptr);
}

}  // namespace
