// The real main window under real keyboard and mouse input: what the user typed is never
// lost, whether the window is minimized, a message box comes and goes, or Tab enters the code
// box.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "MainWindowFixture.h"
#include "RealInput.h"
#include "form/Literals.h"
#include "ui/win32/Gbk.h"

namespace shopcode::win32 {
namespace {

class MainWindowInputTest : public MainWindowTest {
 public:
  void clickOn(Control c) {
    clickAt(at(c));
    settle();
    ASSERT_EQ(focused(), c);
  }
  void keys(std::initializer_list<WORD> chord) {
    pressKeys(chord);
    settle();
  }
  DWORD caret(Control c) const {
    DWORD start = 0, end = 0;
    ::SendMessageW(at(c), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, end) << "nothing selected";
    return end;
  }
};

TEST_F(MainWindowInputTest, MinimizingAndRestoringKeepsTheFocusedControl) {
  clickOn(C::编辑框8);
  // What a click on the minimize button and one on the task bar button send.
  ::SendMessageW(window->handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  settle();
  ASSERT_TRUE(::IsIconic(window->handle()));
  ::SendMessageW(window->handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
  settle();
  ASSERT_FALSE(::IsIconic(window->handle()));
  keys({'Q'});
  EXPECT_EQ(window->readText(Field::编辑框8), "q");
  EXPECT_EQ(window->readText(Field::编辑框1), literals().initial编辑框1);
}

}  // namespace
}  // namespace shopcode::win32
