// The real main window under Wine: layout, keyboard, closing, hyperlink and the buttons'
// bindings, driven by real messages through the window's own message handling.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "RealInput.h"
#include "form/Literals.h"
#include "support/Skip.h"
#include "text/CodePageConverter.h"
#include "ui/CodeBoxActions.h"
#include "ui/win32/Gbk.h"
#include "ui/win32/Layout.h"
#include "ui/win32/MainWindow.h"

namespace shopcode::win32 {
namespace {

TEST_F(MainWindowTest, EveryControlSitsInItsParentAtItsPlaceAndSize) {
  if (window->dpi() != 96) SHOPCODE_SKIP() << "the table is for 96 DPI";
  for (const ControlRow& p : Layout) {
    SCOPED_TRACE(static_cast<int>(p.control));
    HWND parent = p.parent ? at(*p.parent) : window->handle();
    EXPECT_EQ(::GetParent(at(p.control)), parent);
    RECT r = rectIn(at(p.control), parent);
    EXPECT_EQ(r.left, p.x);
    EXPECT_EQ(r.top, p.y);
    EXPECT_EQ(r.right - r.left, p.width);
    EXPECT_EQ(r.bottom - r.top, p.height);
    EXPECT_TRUE(::IsWindowVisible(at(p.control)));
    EXPECT_TRUE(::IsWindowEnabled(at(p.control)));
  }
  // The controls' rectangles in the client area: the right- and lowermost edges, and no overlap
  // (a group box only holds its own controls).
  std::vector<RECT> leaves;
  LONG right = 0, bottom = 0;
  for (const ControlRow& p : Layout) {
    RECT r = rectIn(at(p.control), window->handle());
    right = std::max(right, r.right), bottom = std::max(bottom, r.bottom);
    if (p.kind != Kind::GroupBox) leaves.push_back(r);
  }
  EXPECT_EQ(right, 704);
  EXPECT_EQ(bottom, 440);
  for (size_t i = 0; i < leaves.size(); ++i)
    for (size_t j = i + 1; j < leaves.size(); ++j) {
      RECT both;
      EXPECT_FALSE(::IntersectRect(&both, &leaves[i], &leaves[j])) << i << " overlaps " << j;
    }
}

TEST_F(MainWindowTest, MinimizingAndRestoringKeepsTheFields) {
  window->writeText(Field::编辑框3, "kept");
  ::ShowWindow(window->handle(), SW_MINIMIZE);
  pump();
  ::ShowWindow(window->handle(), SW_RESTORE);
  pump();
  EXPECT_EQ(window->readText(Field::编辑框3), "kept");
  EXPECT_EQ(window->readText(Field::编辑框1), literals().initial编辑框1);
}

TEST_F(MainWindowTest, ControlsHaveTheirCaptionsAndSettings) {
  wchar_t text[64];
  ::GetWindowTextW(at(C::标签3), text, 64);
  EXPECT_EQ(text, widenGbk(gbk("初始店铺名：")));
  for (const ControlRow& p : Layout) {
    HWND hwnd = at(p.control);
    LONG style = ::GetWindowLongW(hwnd, GWL_STYLE);
    if (p.kind == Kind::HyperLinker) continue;
    EXPECT_NE(::SendMessageW(hwnd, WM_GETFONT, 0, 0), 0) << static_cast<int>(p.control);
    if (p.kind == Kind::EditBox) {
      EXPECT_EQ(static_cast<DWORD>(::SendMessageW(hwnd, EM_GETLIMITTEXT, 0, 0)), 0x7FFFFFFEu);
      EXPECT_FALSE(style & ES_MULTILINE);
      EXPECT_TRUE(style & ES_AUTOHSCROLL);
    }
    if (p.kind == Kind::Button) {
      EXPECT_EQ(style & BS_TYPEMASK, BS_PUSHBUTTON) << "no default button";
    }
  }
  LONG code = ::GetWindowLongW(at(C::编辑框3), GWL_STYLE);
  EXPECT_EQ(static_cast<DWORD>(::SendMessageW(at(C::编辑框3), EM_GETLIMITTEXT, 0, 0)), 0xFFFFFFFFu);
  EXPECT_TRUE(code & ES_MULTILINE);
  EXPECT_TRUE(code & WS_VSCROLL);
  EXPECT_TRUE(code & ES_WANTRETURN);
  EXPECT_FALSE(code & (WS_HSCROLL | ES_AUTOHSCROLL)) << "long lines wrap";
  EXPECT_TRUE(window->isChecked(Radio::单选框1));
  EXPECT_FALSE(window->isChecked(Radio::单选框2));
}

// Every fixed caption as the shop owner reads it; a caption swapped between two controls, or
// a label that names the wrong row, fails here.
TEST_F(MainWindowTest, EveryControlShowsItsOwnCaption) {
  struct Case {
    Control control;
    const wchar_t* caption;
  } const cases[] = {
      {C::分组框1, L"客服代码"},   {C::标签1, L"旺旺帐号："}, {C::标签2, L"提示文字："},
      {C::按钮1, L"确认生成"},     {C::分组框3, L"收藏代码"}, {C::标签3, L"初始店铺名："},
      {C::标签4, L"图片地址："},   {C::按钮4, L"确认生成"},   {C::分组框2, L"html代码"},
      {C::按钮2, L"复制代码"},     {C::按钮3, L"运行代码"},   {C::按钮8, L"滚动代码"},
      {C::分组框4, L"轮播代码"},   {C::标签6, L"链接一："},   {C::标签5, L"图片一："},
      {C::标签8, L"链接二："},     {C::标签7, L"图片二："},   {C::标签10, L"链接三："},
      {C::标签9, L"图片三："},     {C::标签11, L"链接四："},  {C::标签12, L"图片四："},
      {C::标签13, L"链接五："},    {C::标签14, L"图片五："},  {C::按钮5, L"导入图片地址"},
      {C::按钮6, L"导入链接地址"}, {C::标签15, L"宽度"},      {C::标签16, L"高度"},
      {C::按钮7, L"生成"},         {C::单选框1, L"渐变效果"}, {C::单选框2, L"向下滚动"},
  };
  auto textOf = [](HWND hwnd) {
    wchar_t text[64] = {};
    ::GetWindowTextW(hwnd, text, 64);
    return std::wstring(text);
  };
  int captioned = 0;
  for (const ControlRow& row : Layout) captioned += row.kind != Kind::HyperLinker && !row.field;
  EXPECT_EQ(std::size(cases), static_cast<size_t>(captioned)) << "every captioned control is in the table";
  for (const Case& c : cases) EXPECT_EQ(textOf(at(c.control)), c.caption) << static_cast<int>(c.control);
  // The two captions of the row pattern, as code page 936 bytes.
  EXPECT_EQ(narrowGbk(textOf(at(C::标签7))), "\xCD\xBC\xC6\xAC\xB6\xFE\xA3\xBA");
  EXPECT_EQ(narrowGbk(textOf(at(C::标签10))), "\xC1\xB4\xBD\xD3\xC8\xFD\xA3\xBA");
}

TEST_F(MainWindowTest, FieldsStartWithTheirInitialTextsAndKeepExactlyTheBytesWritten) {
  EXPECT_EQ(window->readText(Field::编辑框2), gbk("点这里给我发消息"));
  EXPECT_EQ(window->readText(Field::编辑框3), "");
  EXPECT_EQ(window->readText(Field::编辑框宽度), "");
  // A long code with CR LF and Chinese, wrapped on screen, comes back byte for byte.
  std::string code = gbk("<p>中文\xe2\x82\xac</p>\r\n");
  for (int i = 0; i < 200; ++i) code += "a very long line that the box has to wrap at its right edge ";
  code += "\r\n\r\nend";
  window->writeText(Field::编辑框3, code);
  EXPECT_EQ(window->readText(Field::编辑框3), code);
  DWORD start = 1, end = 1;
  ::SendMessageW(at(C::编辑框3), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 0u);
  window->writeText(Field::编辑框3, "");
  EXPECT_EQ(window->readText(Field::编辑框3), "");
}

TEST_F(MainWindowTest, TabWalksTheFocusOrderAcrossTheGroupBoxesAndWraps) {
  EXPECT_EQ(focused(), C::编辑框1) << "initial focus";
  for (size_t i = 1; i <= FocusOrder.size(); ++i) {
    press(VK_TAB);
    EXPECT_EQ(focused(), FocusOrder[i % FocusOrder.size()]) << "after " << i << " tabs";
  }
  focus(C::按钮3);
  press(VK_TAB);
  EXPECT_EQ(focused(), C::编辑框6);
  press(VK_TAB, /*shift=*/true);
  EXPECT_EQ(focused(), C::按钮3);
  focus(C::编辑框1);
  press(VK_TAB, true);
  EXPECT_EQ(focused(), C::按钮8);
  press(VK_TAB);
  EXPECT_EQ(focused(), C::编辑框1);
  // An edit reached by Tab has all its text selected, as in dialogs.
  DWORD start = 0, end = 0;
  ::SendMessageW(at(C::编辑框1), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, literals().initial编辑框1.size());
}

TEST_F(MainWindowTest, TabOverTheRadioBoxesKeepsTheChoice) {
  focus(C::按钮6);
  press(VK_TAB);
  EXPECT_EQ(focused(), C::单选框1);
  press(VK_TAB);
  EXPECT_EQ(focused(), C::单选框2);
  press(VK_TAB);
  EXPECT_EQ(focused(), C::编辑框宽度);
  EXPECT_TRUE(window->isChecked(Radio::单选框1));
  EXPECT_FALSE(window->isChecked(Radio::单选框2));
}

TEST_F(MainWindowTest, TabIsNeverTypedAndEnterBreaksLinesOnlyInTheCodeBox) {
  window->writeText(Field::编辑框3, "ab");
  focus(C::编辑框3);
  ::SendMessageW(at(C::编辑框3), EM_SETSEL, 1, 1);
  press(VK_RETURN);
  EXPECT_EQ(window->readText(Field::编辑框3), "a\r\nb");
  press(VK_TAB);
  EXPECT_EQ(window->readText(Field::编辑框3), "a\r\nb");
  EXPECT_EQ(focused(), C::按钮1);
  // Enter on a button presses nothing: the badge is not generated.
  window->writeText(Field::编辑框3, "");
  press(VK_RETURN);
  EXPECT_EQ(window->readText(Field::编辑框3), "");
  EXPECT_EQ(focused(), C::按钮1) << "Enter does not move the focus";
  focus(C::编辑框2);
  press(VK_RETURN);
  EXPECT_EQ(window->readText(Field::编辑框2), gbk("点这里给我发消息"));
  EXPECT_FALSE(window->isGone());
}

TEST_F(MainWindowTest, ArrowKeysMoveTheCheckBetweenTheRadioBoxes) {
  focus(C::单选框1);
  press(VK_RIGHT);
  EXPECT_EQ(focused(), C::单选框2);
  EXPECT_TRUE(window->isChecked(Radio::单选框2));
  EXPECT_FALSE(window->isChecked(Radio::单选框1));
  press(VK_RIGHT);
  EXPECT_EQ(focused(), C::单选框1);
  EXPECT_TRUE(window->isChecked(Radio::单选框1));
  EXPECT_FALSE(window->isChecked(Radio::单选框2));
  press(VK_UP);
  EXPECT_TRUE(window->isChecked(Radio::单选框2));
  press(VK_LEFT);
  EXPECT_TRUE(window->isChecked(Radio::单选框1));
  // Elsewhere the arrows belong to the control: the caret moves, nothing is checked.
  focus(C::编辑框1);
  press(VK_RIGHT);
  EXPECT_TRUE(window->isChecked(Radio::单选框1));
  EXPECT_EQ(focused(), C::编辑框1);
}

TEST_F(MainWindowTest, RadioClicksExcludeEachOther) {
  ::SendMessageW(at(C::单选框2), BM_CLICK, 0, 0);
  EXPECT_TRUE(window->isChecked(Radio::单选框2));
  EXPECT_FALSE(window->isChecked(Radio::单选框1));
  ::SendMessageW(at(C::单选框2), BM_CLICK, 0, 0);
  EXPECT_TRUE(window->isChecked(Radio::单选框2));
  ::SendMessageW(at(C::单选框1), BM_CLICK, 0, 0);
  EXPECT_TRUE(window->isChecked(Radio::单选框1));
  EXPECT_FALSE(window->isChecked(Radio::单选框2));
}

TEST_F(MainWindowTest, FocusComesBackOnReactivation) {
  focus(C::编辑框9);
  HWND other = ::CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100,
                                 nullptr, nullptr, nullptr, nullptr);
  ::SetActiveWindow(other);
  pump();
  ::SetActiveWindow(window->handle());
  pump();
  EXPECT_EQ(focused(), C::编辑框9);
  ::DestroyWindow(other);
}

struct CloseCase {
  const char* name;
  Control from;
  void (*close)(MainWindowTest&);
};

class MainWindowCloseTest : public MainWindowTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(MainWindowCloseTest, ClosingRemovesThePreviewFileWhileTheWindowExistsAndQuitsWithZero) {
  const std::string preview = previewFilePath(*platform);
  platform->files[preview] = "<p>preview</p>";
  platform->calls.clear();
  focus(GetParam().from);
  GetParam().close(*this);
  EXPECT_TRUE(window->isGone());
  EXPECT_EQ(window->handle(), nullptr);
  EXPECT_EQ(platform->argumentsOf("deleteFile"), std::vector<std::string>{preview});
  EXPECT_FALSE(platform->files.contains(preview));
  MSG message;
  ASSERT_TRUE(::PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
  EXPECT_EQ(message.wParam, 0u);
  // The form outlives its window: nothing crashes, nothing is there.
  EXPECT_EQ(window->readText(Field::编辑框1), "");
  window->writeText(Field::编辑框1, "x");
}

INSTANTIATE_TEST_SUITE_P(
    Ways, MainWindowCloseTest,
    ::testing::Values(
        CloseCase{"EscInTheCodeBox", C::编辑框3, [](MainWindowTest& t) { t.press(VK_ESCAPE); }},
        CloseCase{"EscOnARadioBox", C::单选框1, [](MainWindowTest& t) { t.press(VK_ESCAPE); }},
        CloseCase{"CloseCommand", C::编辑框1,
                  [](MainWindowTest& t) { ::SendMessageW(t.window->handle(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
        CloseCase{"WmClose", C::按钮1,
                  [](MainWindowTest& t) { ::SendMessageW(t.window->handle(), WM_CLOSE, 0, 0); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, StartUpWroteTheCaptionAndTheHyperlinkTexts) {
  wchar_t caption[128];
  ::GetWindowTextW(window->handle(), caption, 128);
  EXPECT_EQ(std::wstring(caption), widenGbk(gbk("淘宝店铺装修代码助手 ShopCode " SHOPCODE_VERSION)));
  EXPECT_EQ(window->hyperlink().caption(), widenGbk(gbk("进入卖家中心")));
  EXPECT_EQ(window->hyperlink().target(), L"https://myseller.taobao.com/");
  EXPECT_FALSE(window->hyperlink().visited());
}

TEST_F(MainWindowTest, HyperlinkWithAnEmptyTargetOpensNothingAndStaysUnvisited) {
  window->setLinkCaption("");
  window->setLinkTarget("https://example.invalid/");
  EXPECT_EQ(window->hyperlink().shownText(), L"https://example.invalid/")
      << "an empty caption shows the target";
  window->setLinkTarget("");
  HWND link = at(C::超级链接框1);
  ::SendMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  ::SendMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_FALSE(window->hyperlink().visited());
  EXPECT_NE(::GetFocus(), link) << "the hyperlink never takes the focus";
}

TEST_F(MainWindowTest, HyperlinkFallsBackToTheHtmlProgramAndAFailureClearsVisited) {
  // No handler knows this scheme: the shell fails, the program registered for ".htm" takes it.
  window->setLinkTarget("shopcode-test-scheme:nothing");
  EXPECT_TRUE(window->hyperlink().open());
  EXPECT_TRUE(window->hyperlink().visited());
  window->setLinkTarget("");
  ::SendMessageW(at(C::超级链接框1), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_FALSE(window->hyperlink().visited()) << "a failed open clears the flag";
}

TEST_F(MainWindowTest, HyperlinkHoverFollowsTheMouse) {
  HWND link = at(C::超级链接框1);
  ::SendMessageW(link, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
  EXPECT_TRUE(window->hyperlink().hovered());
  EXPECT_EQ(::GetCapture(), link);
  ::SendMessageW(link, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
  EXPECT_TRUE(window->hyperlink().hovered());
  ::SendMessageW(link, WM_MOUSEMOVE, 0, MAKELPARAM(500, 10));
  EXPECT_FALSE(window->hyperlink().hovered());
  EXPECT_NE(::GetCapture(), link);
}

// A list file of five lines, as the import expects it on the desktop.
std::string fiveLines(const char* stem) {
  std::string text;
  for (int i = 1; i <= 5; ++i) text += std::string(stem) + std::to_string(i) + (i < 5 ? "\r\n" : "");
  return text;
}

TEST_F(MainWindowTest, EveryButtonRunsItsAction) {
  auto click = [&](Control c) { ::SendMessageW(at(c), BM_CLICK, 0, 0); };
  click(C::按钮8);
  EXPECT_EQ(window->readText(Field::编辑框3), literals().marqueeSample);

  click(C::按钮2);
  EXPECT_EQ(platform->argumentsOf("putOnClipboard"), std::vector<std::string>{literals().marqueeSample});

  click(C::按钮3);
  const std::string preview = previewFilePath(*platform);
  EXPECT_EQ(platform->files[preview], literals().marqueeSample);
  EXPECT_EQ(platform->argumentsOf("openWithShell"), std::vector<std::string>{preview});

  click(C::按钮1);  // the account goes in percent-encoded
  EXPECT_NE(window->readText(Field::编辑框3).find("%6D%79%73%68%6F%70%31%32%33%34"), std::string::npos);

  click(C::按钮4);
  EXPECT_NE(window->readText(Field::编辑框3).find("35871246"), std::string::npos);

  window->writeText(Field::编辑框宽度, "750");
  window->writeText(Field::编辑框高度, "300");
  window->writeText(Field::编辑框3, "");
  click(C::按钮7);
  EXPECT_NE(window->readText(Field::编辑框3).find("750"), std::string::npos);

  platform->files[platform->desktop + literals().imageListFileSuffix] = fiveLines("http://img/");
  platform->files[platform->desktop + literals().linkListFileSuffix] = fiveLines("http://link/");
  click(C::按钮5);
  EXPECT_EQ(window->readText(Field::编辑框7), "http://img/1");
  EXPECT_EQ(window->readText(Field::编辑框15), "http://img/5");
  EXPECT_EQ(window->readText(Field::编辑框6), "");
  click(C::按钮6);
  EXPECT_EQ(window->readText(Field::编辑框6), "http://link/1");
  EXPECT_EQ(window->readText(Field::编辑框14), "http://link/5");
}

TEST_F(MainWindowTest, IdOkAndIdCancelRunNothing) {
  ::SendMessageW(window->handle(), WM_COMMAND, IDOK, 0);
  ::SendMessageW(window->handle(), WM_COMMAND, IDCANCEL, 0);
  EXPECT_EQ(window->readText(Field::编辑框3), "");
  EXPECT_FALSE(window->isGone());
}

TEST_F(MainWindowTest, PendingEventsStopAtQuitAndLeaveIt) {
  ::PostMessageW(at(C::编辑框1), WM_SETTEXT, 0, 0);
  ::PostQuitMessage(7);
  window->processPendingEvents();
  MSG message;
  ASSERT_TRUE(::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(message.wParam, 7u);
}

TEST_F(MainWindowTest, PendingEventsLeaveAQuitInItsPlaceInTheQueue) {
  // A quit posted as a message, with a message behind it: both stay, in their order.
  constexpr UINT Behind = WM_APP + 1;
  ::PostThreadMessageW(::GetCurrentThreadId(), WM_QUIT, 7, 0);
  ::PostThreadMessageW(::GetCurrentThreadId(), Behind, 0, 0);
  window->processPendingEvents();
  MSG first, second;
  ASSERT_TRUE(::PeekMessageW(&first, nullptr, 0, 0, PM_REMOVE));
  ASSERT_TRUE(::PeekMessageW(&second, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(first.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(first.wParam, 7u);
  EXPECT_EQ(second.message, Behind);
}

TEST_F(MainWindowTest, PendingEventsGoThroughTheKeyRules) {
  focus(C::编辑框3);
  ::PostMessageW(at(C::编辑框3), WM_KEYDOWN, VK_TAB, 1);
  window->processPendingEvents();
  EXPECT_EQ(focused(), C::按钮1);
  EXPECT_EQ(window->readText(Field::编辑框3), "");
}

TEST_F(MainWindowTest, WindowClosedWhileTheBadgeActionPumpsEndsTheActionSafely) {
  // Esc waits in the queue; the badge's encoding pumps it, and the window goes mid-action.
  focus(C::编辑框1);
  ::PostMessageW(at(C::编辑框1), WM_KEYDOWN, VK_ESCAPE, 1);
  ::SendMessageW(at(C::按钮1), BM_CLICK, 0, 0);
  EXPECT_TRUE(window->isGone());
  EXPECT_EQ(platform->argumentsOf("deleteFile").size(), 1u);
}

TEST_F(MainWindowTest, DpiChangeScalesEveryControlAndTheFonts) {
  LOGFONTW before{};
  ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(at(C::编辑框1), WM_GETFONT, 0, 0)), sizeof before,
               &before);
  UINT dpi = window->dpi() * 5 / 4;  // the window still fits a 1024 x 768 screen
  // The size asked for the new DPI first, then the change with the rectangle made of it.
  SIZE size{};
  EXPECT_TRUE(::SendMessageW(window->handle(), 0x02E4 /* WM_GETDPISCALEDSIZE */, dpi,
                             reinterpret_cast<LPARAM>(&size)));
  RECT suggested{10, 20, 10 + size.cx, 20 + size.cy};
  ::SendMessageW(window->handle(), 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(window->dpi(), dpi);
  for (const ControlRow& p : Layout) {
    HWND parent = p.parent ? at(*p.parent) : window->handle();
    RECT r = rectIn(at(p.control), parent);
    EXPECT_EQ(r.left, ::MulDiv(p.x, static_cast<int>(dpi), 96));
    EXPECT_EQ(r.bottom - r.top, ::MulDiv(p.height, static_cast<int>(dpi), 96));
  }
  // The window takes the size it gave for the DPI. (Wine keeps drawing the frame at the
  // system DPI, so the client area of a feigned change is not the one of a real one; the
  // frame tests see that at a real 144 DPI.)
  RECT r;
  ::GetWindowRect(window->handle(), &r);
  EXPECT_TRUE(::EqualRect(&r, &suggested));
  LOGFONTW after{};
  ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(at(C::编辑框1), WM_GETFONT, 0, 0)), sizeof after,
               &after);
  EXPECT_EQ(after.lfHeight, ::MulDiv(before.lfHeight, 5, 4));
}

TEST_F(MainWindowTest, MessagesAreTaskModalOwnerlessBoxesTitledInformation) {
  MessageBoxAnswer answer(window->handle(), widenGbk(gbk("信息：")));
  window->showMessage(gbk("密码错误，请核对！"), MessageIconError);
  const auto& seen = answer.wait();
  ASSERT_TRUE(seen.found) << "no box titled 信息：";
  EXPECT_EQ(seen.text, widenGbk(gbk("密码错误，请核对！")));
  EXPECT_FALSE(seen.owned);
  EXPECT_FALSE(seen.windowEnabled) << "task-modal: the window takes no input meanwhile";
  EXPECT_TRUE(::IsWindowEnabled(window->handle()));
}

}  // namespace
}  // namespace shopcode::win32
