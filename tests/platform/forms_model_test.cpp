// The forms model as the headless mirror sees it: loading, timers owned by forms, modal shows,
// value changes that run Click, menus changed at run time.
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/headless_fixture.h"

namespace horalix::test {
namespace {

using platform::ControlKind;
using platform::Form;
using platform::FormChange;
using platform::MenuItem;
using platform::Property;

class ProbeForm : public Form {
 public:
  explicit ProbeForm(platform::FormHost& host, const std::string& name = "Frm_probe")
      : Form(host, name) {
    addTimer("Timer1", 1000, true);
    addTimer("Timer2", 500, false);
  }
  int loads = 0, unloads = 0;
  bool cancelUnload = false;
  std::function<void()> onLoad;

 protected:
  void Form_Load() override {
    ++loads;
    if (onLoad) onLoad();
  }
  void Form_Unload(bool& cancel) override {
    ++unloads;
    cancel = cancelUnload;
  }
};

class FormsModel : public HeadlessFixture {
 public:
  ProbeForm form{forms};
  std::vector<std::int64_t> ticks1;
  void SetUp() override {
    form.timer("Timer1").onTick = [this] { ticks1.push_back(loop.now()); };
  }
};

TEST_F(FormsModel, LoadRunsFormLoadOnceAndStartsDesignEnabledTimers) {
  loop.advance(5000);
  EXPECT_TRUE(ticks1.empty());  // not loaded: no timer runs
  form.Load();
  form.Load();
  form.Show();
  EXPECT_EQ(form.loads, 1);
  EXPECT_EQ(forms.loadCount("Frm_probe"), 1);
  EXPECT_TRUE(form.timer("Timer1").Enabled());
  EXPECT_FALSE(form.timer("Timer2").Enabled());
  loop.advance(2000);
  EXPECT_EQ(ticks1, (std::vector<std::int64_t>{6000, 7000}));
}

TEST_F(FormsModel, UnloadRunsFormUnloadWhichMayCancel) {
  form.Show();
  form.cancelUnload = true;
  EXPECT_FALSE(form.Unload());
  EXPECT_TRUE(form.loaded());
  EXPECT_TRUE(forms.isLoaded(form));
  loop.advance(1000);
  EXPECT_EQ(ticks1.size(), 1u);  // a cancelled unload leaves the timers running

  form.cancelUnload = false;
  EXPECT_TRUE(form.Unload());
  EXPECT_FALSE(form.loaded());
  EXPECT_FALSE(forms.isLoaded(form));
  EXPECT_FALSE(form.timer("Timer1").Enabled());
  loop.advance(5000);
  EXPECT_EQ(ticks1.size(), 1u);
  EXPECT_EQ(form.unloads, 2);

  // Loading again runs Form_Load again and restarts the design-enabled timer.
  form.Load();
  EXPECT_EQ(form.loads, 2);
  loop.advance(1000);
  EXPECT_EQ(ticks1.size(), 2u);
}

TEST_F(FormsModel, LoadHandlerThatUnloadsLeavesNothingRunning) {
  form.onLoad = [this] { form.Unload(); };
  form.Show(true);  // returns at once: the window never opened
  EXPECT_FALSE(form.loaded());
  EXPECT_FALSE(form.Visible());
  EXPECT_FALSE(form.timer("Timer1").Enabled());
}

TEST_F(FormsModel, ModalShowReturnsWhenTheWindowCloses) {
  using Helper = std::unique_ptr<platform::Timer>;
  struct Case {
    const char* name;
    // Arranges what closes the window; may return a timer of another window that does it.
    std::function<Helper(FormsModel&)> arrange;
    std::int64_t closesAt;
  };
  const Case cases[] = {
      {"unloaded by its own timer",
       [](FormsModel& f) {
         f.form.timer("Timer2").setEnabled(true);
         f.form.timer("Timer2").onTick = [&f] { f.form.Unload(); };
         return Helper();
       },
       500},
      {"hidden by another window's timer",
       [](FormsModel& f) {
         auto other = std::make_unique<platform::Timer>(f.loop.timers(), "other", 1500, true);
         other->onTick = [&f] { f.form.Hide(); };
         return other;
       },
       1500},
      {"closed by the user in the hook",
       [](FormsModel& f) {
         f.loop.onModal = [&f](platform::HeadlessEventLoop& l, const std::string& what) {
           EXPECT_EQ(what, "modal form Frm_probe");
           l.advance(2200);
           f.form.Unload();
         };
         return Helper();
       },
       2200},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::int64_t start = loop.now();
    form.Load();
    Helper helper = c.arrange(*this);
    form.Show(true);
    EXPECT_EQ(loop.now() - start, c.closesAt);
    EXPECT_FALSE(form.shownModal());
    EXPECT_TRUE(forms.modalStack().empty());
    form.Unload();
    loop.onModal = nullptr;
  }
}

TEST_F(FormsModel, FormDestroyedWhileLoadedLeavesTheMirror) {
  auto other = std::make_unique<ProbeForm>(forms, "Frm_other");
  other->Show();
  ASSERT_EQ(forms.find("Frm_other"), other.get());
  other.reset();
  EXPECT_EQ(forms.find("Frm_other"), nullptr);
  loop.advance(3000);  // its timers are gone with it
}

TEST_F(FormsModel, SettingAValueRunsItsHandlerOnlyOnChange) {
  struct Case {
    ControlKind kind;
    std::function<void(platform::Control&)> set;
    int expectedClicks, expectedChanges;
  };
  const Case cases[] = {
      {ControlKind::CheckBox,
       [](auto& c) {
         for (int v : {1, 1, 0}) c.setValue(v);
       },
       2, 0},
      {ControlKind::OptionButton,
       [](auto& c) {
         for (int v : {1, 1}) c.setValue(v);
       },
       1, 0},
      {ControlKind::Slider,
       [](auto& c) {
         for (int v : {5, 5, 6}) c.setValue(v);
       },
       0, 2},
      {ControlKind::ListBox,
       [](auto& c) {
         c.addItem("a");
         c.addItem("b");
         for (int i : {1, 1, 0}) c.setListIndex(i);
       },
       2, 0},
      {ControlKind::TextBox,
       [](auto& c) {
         for (auto t : {"x", "x", ""}) c.setText(t);
       },
       0, 2},
      {ControlKind::Label, [](auto& c) { c.setCaption("x"); }, 0, 0},
  };
  form.Load();
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.kind));
    platform::Control& control = form.addControl("Probe", n++, c.kind);
    int clicks = 0, changes = 0;
    control.Click = [&] { ++clicks; };
    control.Change = [&] { ++changes; };
    c.set(control);
    EXPECT_EQ(clicks, c.expectedClicks);
    EXPECT_EQ(changes, c.expectedChanges);
  }
}

TEST_F(FormsModel, ASetterThatCannotTakeTheValueLeavesTheControlAsItIs) {
  auto& list = form.addControl("Combo1", -1, ControlKind::ComboBox);
  list.setDropdownList(true);
  for (const char* item : {"Arial", "黑体"}) list.addItem(item);
  auto& bar = form.addControl("VScrol1", 1, ControlKind::VScrollBar);
  bar.setRange(0, 23);
  int clicks = 0, changes = 0;
  list.Click = [&] { ++clicks; };
  bar.Change = [&] { ++changes; };
  EXPECT_TRUE(list.setListIndex(1));
  EXPECT_FALSE(list.setListIndex(2));
  EXPECT_FALSE(list.setText("Courier"));
  EXPECT_EQ(list.ListIndex(), 1);
  EXPECT_TRUE(list.setText("Arial"));
  EXPECT_EQ(list.ListIndex(), 0);
  EXPECT_EQ(clicks, 2);
  EXPECT_TRUE(bar.setValue(23));
  EXPECT_FALSE(bar.setValue(24));
  EXPECT_FALSE(bar.setValue(-1));
  EXPECT_EQ(bar.Value(), 23);
  forms.scrollArrow(bar, +1);  // the user cannot move it past its end either
  EXPECT_EQ(bar.Value(), 23);
  // A narrower range pulls the value in without Change: no handler acts on a value that nobody
  // chose.
  bar.setRange(0, 9);
  EXPECT_EQ(bar.Value(), 9);
  EXPECT_EQ(changes, 1);
}

TEST_F(FormsModel, TypedKeysPassTheKeyPressFilterAndLockedBoxesTakeNone) {
  auto& box = form.addControl("Text2", 1, ControlKind::TextBox);
  auto& locked = form.addControl("Text3", 1, ControlKind::TextBox);
  locked.setLocked(true);
  locked.setText("无");
  int changes = 0;
  box.Change = [&] { ++changes; };
  box.KeyPress = [](int& key) {
    if (key < '0' || key > '9') key = key == 8 ? 8 : 0;
  };
  std::vector<int> downs;
  locked.KeyDown = [&](int& key, int shift) { downs.push_back(key * 10 + shift); };
  forms.typeKeys(box, "1a2\b3");
  EXPECT_EQ(box.Text(), "13");
  EXPECT_EQ(box.SelStart(), 2);
  box.setSelStart(1);
  forms.typeKeys(box, "\b9");
  EXPECT_EQ(box.Text(), "93");
  EXPECT_EQ(changes, 6);
  box.setSelStart(99);
  EXPECT_EQ(box.SelStart(), 2);
  forms.typeKeys(locked, "x");
  forms.keyDown(locked, 65, 2);
  EXPECT_EQ(locked.Text(), "无");
  EXPECT_EQ(downs, std::vector<int>{652});
}

TEST_F(FormsModel, OptionButtonsInDifferentContainersAreDifferentGroups) {
  const platform::ControlDesign design[] = {
      {.kind = ControlKind::PictureBox, .name = "Picture2"},
      {.kind = ControlKind::PictureBox, .name = "Picture4"},
      {.kind = ControlKind::OptionButton,
       .name = "Option1",
       .index = 0,
       .container = "Picture2",
       .value = 1},
      {.kind = ControlKind::OptionButton, .name = "Option1", .index = 1, .container = "Picture2"},
      {.kind = ControlKind::OptionButton, .name = "Option4", .index = 0, .container = "Picture4"},
  };
  form.addControls(design);
  forms.click(controlNamed(form, "Option4", 0));
  EXPECT_EQ(controlNamed(form, "Option1", 0).Value(), 1);
  forms.click(controlNamed(form, "Option1", 1));
  EXPECT_EQ(controlNamed(form, "Option1", 0).Value(), 0);
  EXPECT_EQ(controlNamed(form, "Option4", 0).Value(), 1);
}

TEST_F(FormsModel, OptionButtonsOfAFormAreOneGroupFromCodeAndFromClicks) {
  auto& a = form.addControl("Option1", 0, ControlKind::OptionButton);
  auto& b = form.addControl("Option1", 1, ControlKind::OptionButton);
  int clicksA = 0, clicksB = 0;
  a.Click = [&] { ++clicksA; };
  b.Click = [&] { ++clicksB; };
  form.Load();
  a.setValue(1);
  b.setValue(1);
  EXPECT_EQ((std::vector<int>{a.Value(), b.Value()}), (std::vector<int>{0, 1}));
  forms.click(a);
  EXPECT_EQ((std::vector<int>{a.Value(), b.Value()}), (std::vector<int>{1, 0}));
  EXPECT_EQ(clicksA, 2);
  EXPECT_EQ(clicksB, 1);
}

TEST_F(FormsModel, RemovingAListItemKeepsTheSelectedItemSelected) {
  auto& list = form.addControl("List1", -1, ControlKind::ListBox);
  for (const char* item : {"a", "b", "c", "d"}) list.addItem(item);
  list.setListIndex(2);  // "c"
  list.removeItem(0);
  EXPECT_EQ(list.ListIndex(), 1);
  EXPECT_EQ(list.List()[list.ListIndex()], "c");
  list.removeItem(2);  // after the selection
  EXPECT_EQ(list.ListIndex(), 1);
  list.removeItem(1);  // the selected item itself
  EXPECT_EQ(list.ListIndex(), -1);
}

TEST_F(FormsModel, MenuItemsAddedAndRemovedAtRunTime) {
  MenuItem& popup = form.menuRoot().add("menu_pop", -1, "菜单");
  popup.add("menu_one", 0, "开始");
  form.Load();
  forms.clearChanges();

  MenuItem& added = popup.add("menu_one", 1, "暂停");
  EXPECT_EQ(form.findMenu("menu_one", 1), &added);
  EXPECT_EQ(form.findMenu("menu_one", 1)->parent(), &popup);
  EXPECT_EQ(form.findMenu("menu_one", 2), nullptr);
  EXPECT_EQ(form.findMenu("menu_pop"), &popup);
  added.setChecked(true);

  // An item that removes itself from its own Click and goes on using its captures.
  std::vector<std::string> log;
  added.Click = [&popup, &added, &log] {
    popup.removeChild(added);
    log.push_back("removed");
  };
  forms.click(added);
  EXPECT_EQ(log, (std::vector<std::string>{"removed"}));
  EXPECT_EQ(form.findMenu("menu_one", 1), nullptr);
  EXPECT_EQ(popup.children().size(), 1u);
  EXPECT_FALSE(popup.removeChild(popup));

  EXPECT_EQ(forms.changes(), (std::vector<FormChange>{{"Frm_probe.menu_pop", Property::Items},
                                                      {"Frm_probe.menu_one(1)", Property::Checked},
                                                      {"Frm_probe.menu_pop", Property::Items}}));
}

TEST_F(FormsModel, ZOrderPutsTopmostFirstThenTheLastShown) {
  ProbeForm a(forms, "A"), b(forms, "B"), c(forms, "C");
  a.Show();
  b.Show();
  c.Show();
  b.setTopmost(true);
  a.Hide();
  a.Show();
  std::vector<std::string> names;
  for (Form* f : forms.zOrder()) names.push_back(f->name());
  EXPECT_EQ(names, (std::vector<std::string>{"B", "A", "C"}));
}

TEST_F(FormsModel, ClickHandlerErrorIsLoggedByTheDispatch) {
  auto& button = form.addControl("Command1", -1, ControlKind::CommandButton);
  button.Click = [] { throw std::runtime_error("Subscript out of range"); };
  form.Show();
  forms.click(button);
  const auto errors = takeErrors();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].where, "click Frm_probe.Command1");
}

}  // namespace
}  // namespace horalix::test
