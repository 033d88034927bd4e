#include "tests/inhost/fake_host.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "platform/current_dir.h"

namespace fakes {

namespace {

std::string Upper(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

template <typename T>
void Remove(std::vector<T*>& list, T* item) {
  list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

}  // namespace

std::vector<std::string> FakeHost::CallsStartingWith(const std::string& prefix) const {
  std::vector<std::string> found;
  for (const std::string& call : calls)
    if (call.rfind(prefix, 0) == 0) found.push_back(call);
  return found;
}

bool FakeHost::RunCommand(const std::string& name) {
  for (const CommandEntry& c : commands)
    if (Upper(c.globalName) == Upper(name) || Upper(c.localName) == Upper(name)) {
      c.function();
      return true;
    }
  return false;
}

void FakeHost::FireQuiescent() {
  for (host::InputContextReactor* r : std::vector<host::InputContextReactor*>(inputReactors))
    r->beginQuiescentState();
}

int FakeHost::getString(bool, const char* prompt, char* result, std::size_t size) {
  calls.push_back(std::string("prompt ") + prompt);
  if (promptAnswers.empty()) return host::kRtCancel;
  std::string answer = promptAnswers.front();
  promptAnswers.pop_front();
  if (answer == "#cancel") return host::kRtCancel;
  std::size_t n = std::min(answer.size(), size - 1);
  std::memcpy(result, answer.data(), n);
  result[n] = '\0';
  return host::kRtNorm;
}

void FakeHost::print(const char* text) { calls.push_back(std::string("print ") + text); }

int FakeHost::messageBox(const char* text, const char*, unsigned flags) {
  calls.push_back(std::string("question ") + text);
  EXPECT_EQ(flags, host::kMbYesNo | host::kMbIconQuestion);
  if (questionAnswers.empty()) {
    ADD_FAILURE() << "unexpected question: " << text;
    return host::kIdNo;
  }
  int answer = questionAnswers.front();
  questionAnswers.pop_front();
  return answer;
}

int FakeHost::registerExtendedTab(const char* file, const char* dialog) {
  calls.push_back(std::string("tab ") + file + " " + dialog);
  return host::kRtNorm;
}

bool FakeHost::unlockApplication(void*) {
  calls.push_back("unlock");
  return true;
}

bool FakeHost::registerAppMDIAware(void*) {
  calls.push_back("mdi");
  return true;
}

bool FakeHost::loadModule(const char* path, bool printIt, bool asCommand) {
  EXPECT_FALSE(printIt);
  EXPECT_TRUE(asCommand);
  calls.push_back(std::string("load ") + path);
  loadDirectories[path] = platform::CurrentDirectory();
  auto it = loadResults.find(path);
  return it == loadResults.end() || it->second;
}

bool FakeHost::unloadModule(const char* path, bool asCommand) {
  EXPECT_TRUE(asCommand);
  calls.push_back(std::string("unload ") + path);
  auto it = unloadResults.find(path);
  return it == unloadResults.end() || it->second;
}

void FakeHost::removeReactor(host::DLinkerReactor* r) { Remove(linkerReactors, r); }
void FakeHost::removeReactor(host::EditorReactor* r) { Remove(editorReactors, r); }
void FakeHost::removeReactor(host::ProfileManagerReactor* r) { Remove(profileReactors, r); }

bool FakeHost::addCommand(const char* group, const char* globalName, const char* localName,
                          int flags, host::CommandFunction function) {
  EXPECT_EQ(flags, host::kCmdModal);
  commands.push_back(CommandEntry{group, globalName, localName, function});
  return true;
}

bool FakeHost::removeGroup(const char* group) {
  calls.push_back(std::string("removeGroup ") + group);
  auto before = commands.size();
  commands.erase(std::remove_if(commands.begin(), commands.end(),
                                [&](const CommandEntry& c) { return c.group == group; }),
                 commands.end());
  return commands.size() != before;
}

bool FakeHost::ProfileSetCurrent(const char* name) {
  calls.push_back(std::string("profile ") + name);
  return true;
}

bool FakeHost::sendStringToExecute(host::Document* document, const char* text, bool activate,
                                   bool wrapUp, bool echo) {
  EXPECT_EQ(document, this);
  EXPECT_TRUE(activate);
  EXPECT_FALSE(wrapUp);
  calls.push_back(std::string("send ") + text + " echo=" + (echo ? "1" : "0"));
  return true;
}

bool FakeHost::addInputContextReactor(host::InputContextReactor* r) {
  inputReactors.push_back(r);
  return true;
}

bool FakeHost::removeInputContextReactor(host::InputContextReactor* r) {
  auto before = inputReactors.size();
  Remove(inputReactors, r);
  return inputReactors.size() != before;
}

}  // namespace fakes
