// The recorded services of the simulated desktop, where their model can be wrong: message box
// timing and answers, the media-control parser, popup menus, hot keys, activation, the shell.
#include <stdexcept>
#include <string>
#include <vector>

#include "services/program_folder.h"
#include "support/headless_fixture.h"

namespace horalix::test {
namespace {

using namespace platform;

class HeadlessServices : public HeadlessFixture {
 protected:
  Form owner{forms, "Frm_main"};
};

TEST_F(HeadlessServices, MessageBoxAnswersFromTheQueueOrItsDefaultButton) {
  struct Case {
    unsigned flags;
    int timeoutMs;
    std::vector<MessageBoxAnswer> queued;
    int expected;
    std::int64_t closesAfter;
  };
  const Case cases[] = {
      {mb::Ok, 0, {}, answer::Ok, 0},
      {mb::YesNo | mb::Question, 0, {}, answer::Yes, 0},
      {mb::YesNo, 0, {{answer::No, 3000}}, answer::No, 3000},
      {mb::OkCancel, 0, {{answer::Cancel, 0}}, answer::Cancel, 0},
      {mb::Ok, 5000, {}, answer::TimedOut, 5000},
      {mb::Ok, 5000, {{answer::Ok, 1200}}, answer::Ok, 1200},
      {mb::Ok, 5000, {{answer::Ok, 5000}}, answer::TimedOut, 5000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "flags " << c.flags << " timeout " << c.timeoutMs);
    for (const auto& a : c.queued) messageBoxes.answer(a.button, a.afterMs);
    const std::int64_t start = loop.now();
    const int got = c.timeoutMs > 0 ? messageBoxes.showTimed("text", "cap", c.flags, c.timeoutMs)
                                    : messageBoxes.show("text", "cap", c.flags);
    EXPECT_EQ(got, c.expected);
    EXPECT_EQ(loop.now() - start, c.closesAfter);
    EXPECT_EQ(messageBoxes.shown().back().answer, c.expected);
    EXPECT_EQ(messageBoxes.pendingAnswers(), 0u);
  }
  messageBoxes.answer(answer::Yes);
  EXPECT_THROW(messageBoxes.show("text", "cap", mb::Ok), std::logic_error);
}

TEST_F(HeadlessServices, TimersRunWhileAMessageBoxIsOpen) {
  std::vector<std::int64_t> ticks;
  int openSeen = 0;
  Timer clock(loop.timers(), "clock", 1000, true);
  clock.onTick = [&] {
    ticks.push_back(loop.now());
    openSeen += messageBoxes.openCount();
  };
  messageBoxes.answer(answer::Ok, 3000);  // the user answers at 3000, as the clock ticks
  messageBoxes.show("时间到", "提示", mb::Ok | mb::SystemModal);
  EXPECT_EQ(ticks, (std::vector<std::int64_t>{1000, 2000, 3000}));
  EXPECT_EQ(openSeen, 3);  // the box made after the clock closes after its tick
  EXPECT_EQ(messageBoxes.openCount(), 0);
  EXPECT_EQ(messageBoxes.shown().back().text, "时间到");
  EXPECT_EQ(messageBoxes.shown().back().closedAt, 3000);
}

TEST_F(HeadlessServices, MediaRequestsSucceedAndFailAsTheyWouldOnWindows) {
  installFile("sounds\\alarm.mp3");
  installFile("sounds\\my song.mp3");
  installFile("sounds\\note.txt");
  const std::string alarm = programPath("sounds\\alarm.mp3");
  const std::string spaced = programPath("sounds\\my song.mp3");
  using R = MediaResult;
  struct Case {
    const char* request;
    MediaResult (HeadlessSound::*call)(const std::string&);
    std::string path;
    MediaResult result;
  };
  const Case cases[] = {
      {"close before open", &HeadlessSound::closeMedia, alarm, R::NotOpen},
      {"stop before open", &HeadlessSound::stopMedia, alarm, R::NotOpen},
      {"open", &HeadlessSound::openMedia, alarm, R::Done},
      {"open again", &HeadlessSound::openMedia, alarm, R::AlreadyOpen},
      {"open in other letter case", &HeadlessSound::openMedia, programPath("SOUNDS\\ALARM.MP3"),
       R::AlreadyOpen},
      {"play", &HeadlessSound::playMedia, alarm, R::Done},
      {"stop", &HeadlessSound::stopMedia, alarm, R::Done},
      {"close", &HeadlessSound::closeMedia, alarm, R::Done},
      {"play opens a closed file", &HeadlessSound::playMedia, spaced, R::Done},
      {"play of a missing file", &HeadlessSound::playMedia, programPath("sounds\\gone.mp3"),
       R::FileNotFound},
      {"open of a type without a driver", &HeadlessSound::openMedia,
       programPath("sounds\\note.txt"), R::UnknownType},
  };
  for (const Case& c : cases) EXPECT_EQ((sound.*c.call)(c.path), c.result) << c.request;
  EXPECT_EQ(sound.mediaPlaying(), (std::vector<std::string>{spaced}));
  EXPECT_FALSE(sound.mediaOpen(alarm));
  EXPECT_FALSE(sound.mediaOpen(programPath("sounds\\note.txt")));
}

TEST_F(HeadlessServices, MissingWaveFilePlaysTheDefaultSound) {
  installFile("sounds\\start.wav");
  EXPECT_TRUE(sound.playWave(programPath("sounds\\start.wav"), true));
  EXPECT_EQ(sound.currentWave(), programPath("sounds\\start.wav"));
  EXPECT_TRUE(sound.waveLooping());
  EXPECT_TRUE(sound.playWave(programPath("sounds\\gone.wav"), true));
  EXPECT_TRUE(sound.waves().back().defaultSound);
  EXPECT_FALSE(sound.waves().back().loop);
  EXPECT_EQ(sound.currentWave(), "");
}

TEST_F(HeadlessServices, PopupMenuRunsTheChosenItemAfterItClosed) {
  MenuItem& root = owner.menuRoot().add("menu_tray", -1, "");
  MenuItem& start = root.add("menu_one", 0, "开始");
  MenuItem& hidden = root.add("menu_one", 1, "隐藏项");
  MenuItem& off = root.add("menu_one", 2, "停用");
  MenuItem& sub = root.add("menu_sub", -1, "预设");
  sub.add("menu_preset", 0, "五分钟");
  hidden.setVisible(false);
  off.setEnabled(false);
  std::vector<std::string> clicked;
  for (MenuItem* item : {&start, &off, sub.children()[0].get()}) {
    item->Click = [&clicked, item] { clicked.push_back(item->Caption()); };
  }
  std::size_t menusClosedAtClick = 0;
  start.Click = [&] {
    clicked.push_back("开始");
    menusClosedAtClick = tray.popups().size();
  };
  EXPECT_TRUE(tray.add(owner, "Horalix"));

  for (const char* choice : {"开始", "停用", "五分钟", "隐藏项"}) {
    tray.onPopup = HeadlessTray::choose(choice);
    tray.popup(owner, root);
  }
  EXPECT_EQ(clicked, (std::vector<std::string>{"开始", "五分钟"}));
  EXPECT_EQ(menusClosedAtClick, 1u);  // its menu was recorded as closed before Click ran
  const PopupRecord& first = tray.popups().front();
  std::vector<std::string> lines;
  for (const PopupLine& l : first.lines) lines.push_back(std::to_string(l.depth) + l.caption);
  EXPECT_EQ(lines, (std::vector<std::string>{"0开始", "0停用", "0预设", "1五分钟"}));
  EXPECT_EQ(tray.popups().back().chosen, "");  // the hidden item was not on the menu

  // An item removed by a timer while the menu is open is not run.
  Timer remover(loop.timers(), "remover", 100, true);
  remover.onTick = [&] {
    root.removeChild(start);
    remover.setEnabled(false);
  };
  tray.onPopup = [&](const PopupRecord& shown) {
    MenuItem* chosen = shown.lines.front().item;
    loop.advance(100);
    return chosen;
  };
  tray.popup(owner, root);
  EXPECT_EQ(clicked.size(), 2u);
}

TEST_F(HeadlessServices, TrayMouseReachesTheProgramOnlyWithAnIcon) {
  std::vector<TrayMouse> seen;
  tray.onMouse = [&](TrayMouse m) { seen.push_back(m); };
  EXPECT_FALSE(tray.mouse(TrayMouse::RightUp));
  tray.setAddRefused(true);
  EXPECT_FALSE(tray.add(owner, "tip"));
  tray.setAddRefused(false);
  EXPECT_TRUE(tray.add(owner, "tip"));
  EXPECT_TRUE(tray.mouse(TrayMouse::LeftDouble));
  tray.remove();
  EXPECT_FALSE(tray.mouse(TrayMouse::RightUp));
  EXPECT_EQ(seen, (std::vector<TrayMouse>{TrayMouse::LeftDouble}));
}

TEST_F(HeadlessServices, HotKeysAreRefusedWhenTakenAndPressedByTheTest) {
  std::vector<int> pressed;
  hotKeys.onHotKey = [&](int id) { pressed.push_back(id); };
  hotKeys.takeByOtherProgram(2, 'T');
  EXPECT_FALSE(hotKeys.registerKey(owner, 1, 2, 'T'));
  EXPECT_TRUE(hotKeys.registerKey(owner, 2, 1, 'T'));
  EXPECT_FALSE(hotKeys.registerKey(owner, 3, 1, 'T'));  // the program holds it already
  EXPECT_FALSE(hotKeys.press(2, 'T'));
  EXPECT_TRUE(hotKeys.press(1, 'T'));
  hotKeys.unregisterKey(owner, 2);
  EXPECT_FALSE(hotKeys.press(1, 'T'));
  EXPECT_EQ(pressed, (std::vector<int>{2}));
  EXPECT_EQ(hotKeys.refused().size(), 2u);
}

TEST_F(HeadlessServices, ActivationAndKeysFollowTheForegroundWindow) {
  const auto show = desktop.openWindow("PowerPoint 幻灯片放映");
  const auto editor = desktop.openWindow("文档1 - Word");
  EXPECT_EQ(desktop.topWindows().front().handle, editor);
  EXPECT_TRUE(desktop.activate(show));
  desktop.pressKey(0x22);
  desktop.setActivationFails(true);
  EXPECT_FALSE(desktop.activate(editor));
  EXPECT_FALSE(desktop.activate(0x1));
  desktop.pressKey(0x21);
  EXPECT_EQ(desktop.foregroundWindow(), show);
  EXPECT_EQ(desktop.topWindows().front().handle, show);
  ASSERT_EQ(desktop.keys().size(), 2u);
  EXPECT_EQ(desktop.keys()[1].target, show);
  desktop.closeWindow(show);
  EXPECT_EQ(desktop.foregroundWindow(), 0u);

  desktop.setScreens({{0, 0, 1920, 1080}, {-1280, 100, 0, 1124}});
  const PixelRect all = desktop.virtualScreen();
  EXPECT_EQ((std::vector<int>{all.left, all.top, all.right, all.bottom}),
            (std::vector<int>{-1280, 0, 1920, 1124}));
}

TEST_F(HeadlessServices, ShellOpensWhatExistsUnlessTheTestSaysOtherwise) {
  installFile("help.chm");
  EXPECT_GT(shell.open("https://example.org/", "", ""), 32);
  EXPECT_GT(shell.open(files.programFolder(), "", ""), 32);
  EXPECT_EQ(shell.open(programPath("absent.pptx"), "", ""), HeadlessShell::FileNotFound);
  shell.queueOpenResult(31);
  EXPECT_EQ(shell.open(programPath("help.chm"), "", ""), 31);
  Form owner(forms, "Frm_exit");
  EXPECT_TRUE(shell.htmlHelp(programPath("help.chm"), owner));
  EXPECT_FALSE(shell.htmlHelp(programPath("other.chm"), owner));
  shell.queueStartResult(false);
  EXPECT_FALSE(shell.startProgram("notepad.exe", Shell::Window::Normal));
  EXPECT_TRUE(shell.startProgram("explorer.exe", Shell::Window::Minimized));
  EXPECT_EQ(shell.started().back().window, Shell::Window::Minimized);
}

}  // namespace
}  // namespace horalix::test
