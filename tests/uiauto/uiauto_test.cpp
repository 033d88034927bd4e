// The text form of a window that GUI tests compare byte for byte.
#include "tests/uiauto/uiauto.h"

#include <gtest/gtest.h>

#include <thread>

namespace uiauto {
namespace {

TEST(UiAuto, DescribesAWindowOneFieldPerLineInUtf8) {
  WindowContent content;
  content.className = L"#32770";
  content.caption = L"Arvenlo \x0434\x043b\x044f AutoCAD";
  content.message = L"a\\b\r\nc\td\ne";
  content.statics = {L"second"};
  content.buttons = {L"&OK", L"\x041e\x041a"};
  EXPECT_EQ(
      "caption=Arvenlo \xd0\xb4\xd0\xbb\xd1\x8f AutoCAD\n"
      "class=#32770\n"
      "text=a\\\\b\\r\\nc\\td\\ne\n"
      "static=second\n"
      "button=&OK\n"
      "button=\xd0\x9e\xd0\x9a\n",
      Describe(content));
}

TEST(UiAuto, ReadsAndPressesAMessageBoxOfItsOwnThread) {
  // A box of this very process: uiauto's search skips its own windows, so the
  // box is read through its handle, found by caption on a helper thread.
  struct Shared {
    HWND box = nullptr;
    WindowContent content;
    bool pressed = false;
  } shared;
  std::thread helper([&shared] {
    for (int i = 0; i < 400 && !shared.box; ++i) {
      shared.box = FindWindowW(L"#32770", L"uiauto self-test");
      Sleep(25);
    }
    if (!shared.box) return;
    shared.content = ReadWindow(shared.box);
    shared.pressed = PressButtonId(shared.box, IDOK);
  });
  const int answer = MessageBoxW(nullptr, L"line one\r\nline two", L"uiauto self-test", MB_OKCANCEL);
  helper.join();
  if (!shared.box) GTEST_SKIP() << "no desktop to show a message box on";
  EXPECT_EQ(IDOK, answer);
  EXPECT_TRUE(shared.pressed);
  EXPECT_EQ(L"uiauto self-test", shared.content.caption);
  EXPECT_EQ(L"line one\r\nline two", shared.content.message);
  EXPECT_EQ(2u, shared.content.buttons.size());
}

}  // namespace
}  // namespace uiauto
