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

// Tab and Shift+Tab only move into the code box: its text stays unselected with the caret
// where it was, so the next key adds to the snippet instead of replacing it.
struct IntoCodeBoxCase {
  const char* name;
  Control from;
  bool shift;
};

class MainWindowTabIntoCodeBoxTest : public MainWindowInputTest,
                                     public ::testing::WithParamInterface<IntoCodeBoxCase> {};

TEST_P(MainWindowTabIntoCodeBoxTest, KeepsTheSnippetAndTheCaret) {
  const std::string snippet = "<div>\r\n<p>shop</p>\r\n</div>";
  window->writeText(Field::编辑框3, snippet);
  clickOn(C::编辑框3);
  ::SendMessageW(at(C::编辑框3), EM_SETSEL, 12, 12);  // the caret inside "<p>shop</p>"
  focus(GetParam().from);
  if (GetParam().shift)
    keys({VK_SHIFT, VK_TAB});
  else
    keys({VK_TAB});
  ASSERT_EQ(focused(), C::编辑框3);
  EXPECT_EQ(caret(C::编辑框3), 12u);
  keys({VK_RETURN});
  EXPECT_EQ(window->readText(Field::编辑框3), snippet.substr(0, 12) + "\r\n" + snippet.substr(12));
}

INSTANTIATE_TEST_SUITE_P(Ways, MainWindowTabIntoCodeBoxTest,
                         ::testing::Values(IntoCodeBoxCase{"TabFromTheBoxBefore", C::编辑框2, false},
                                           IntoCodeBoxCase{"ShiftTabFromTheButtonAfter", C::按钮1, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowInputTest, CtrlITypesNoTabIntoAnyBox) {
  for (Control box : {C::编辑框3, C::编辑框1, C::编辑框宽度}) {
    SCOPED_TRACE(static_cast<int>(box));
    const Field field = *rowOf(box).field;
    window->writeText(field, "ab");
    clickOn(box);
    ::SendMessageW(at(box), EM_SETSEL, 1, 1);
    keys({VK_CONTROL, 'I'});
    EXPECT_EQ(window->readText(field), "ab");
    EXPECT_EQ(focused(), box) << "Ctrl+I is no Tab: the focus stays";
    keys({'X'});
    EXPECT_EQ(window->readText(field), "axb") << "the box still takes what is typed";
  }
}

// A message box comes while a control has the focus; once the user has closed it (a click on
// OK), the keys typed next reach that control.
TEST_F(MainWindowInputTest, AfterAMessageBoxTypedKeysReachTheControlThatHadTheFocus) {
  const std::wstring title = widenGbk(literals().messageTitle);
  clickOn(C::编辑框8);
  {
    MessageBoxAnswer answer(window->handle(), title);
    window->showMessage(gbk("密码错误，请核对！"), MessageIconError);
    const auto& seen = answer.wait();
    ASSERT_TRUE(seen.found);
    EXPECT_TRUE(seen.closedByClick);
  }
  settle();
  EXPECT_EQ(::GetForegroundWindow(), window->handle());
  keys({'Q'});
  EXPECT_EQ(window->readText(Field::编辑框8), "q");

  // The box of an action the user started with a click: the import finds no list file.
  {
    MessageBoxAnswer answer(window->handle(), title);
    clickOn(C::按钮5);
    const auto& seen = answer.wait();
    ASSERT_TRUE(seen.found);
    EXPECT_NE(seen.text.find(L"图片测试地址.txt"), std::wstring::npos);
  }
  settle();
  EXPECT_EQ(focused(), C::按钮5);
  keys({VK_SHIFT, VK_TAB});
  keys({'W'});
  EXPECT_EQ(window->readText(Field::编辑框15), "w");
}

}  // namespace
}  // namespace shopcode::win32
