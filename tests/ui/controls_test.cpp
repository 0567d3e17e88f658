#include "ui/controls.h"

#include <gtest/gtest.h>

#include "ui/caption.h"
#include "ui/input.h"
#include "ui/page.h"
#include "ui/script/script_host.h"

namespace velmar::ui {
namespace {

struct PageFixture : ::testing::Test {
  script::ScriptHost host{script::Script()};
  Page page{host, "TTestForm"};
  std::vector<std::string> events;
  Event Note(std::string what) {
    return [this, what] { events.push_back(what); };
  }
};

using RadioButtons = PageFixture;

TEST_F(RadioButtons, CheckingOneUnchecksItsGroupAndClicksOnlyOnChange) {
  RadioButton a(page, "A"), b(page, "B"), other(page, "Other");
  other.Group = 1;
  a.OnClick = Note("A");
  b.OnClick = Note("B");
  other.SetChecked(true);
  a.SetChecked(true);
  b.SetChecked(true);
  b.SetChecked(true);   // already checked: no click
  a.SetChecked(false);  // unchecking never clicks
  EXPECT_FALSE(a.Checked());
  EXPECT_TRUE(b.Checked());
  EXPECT_TRUE(other.Checked());
  EXPECT_EQ(events, (std::vector<std::string>{"A", "B"}));
}

using Focus = PageFixture;

TEST_F(Focus, TabOrderSkipsWhatCannotTakeTheFocusAndWrapsAround) {
  Label label(page, "Label");
  Edit first(page, "First");
  Button hidden(page, "Hidden");
  Button disabled(page, "Disabled");
  Button last(page, "Last");
  hidden.Visible = false;
  disabled.Enabled = false;
  page.BeginModal({1024, 768});
  EXPECT_EQ(page.Focused(), &first);
  page.SelectNext();
  EXPECT_EQ(page.Focused(), &last);
  page.SelectNext();
  EXPECT_EQ(page.Focused(), &first);
  page.SelectNext(false);
  EXPECT_EQ(page.Focused(), &last);

  // A page may put its controls in another order and name the first one.
  last.TabOrder = 0;
  EXPECT_EQ(page.TabOrderList().front(), &last);
  page.ActiveControl = &first;
  page.BeginModal({1024, 768});
  EXPECT_EQ(page.Focused(), &first);
}

TEST_F(Focus, LeavingAnEditCallsItsExitHandlerOnce) {
  Edit name(page, "NameEdit");
  Button next(page, "NextBtn");
  name.OnExit = Note("exit");
  page.BeginModal({1024, 768});
  EXPECT_TRUE(events.empty());  // the first focus calls nothing
  page.SetFocus(name);
  page.SetFocus(next);
  page.SetFocus(next);
  EXPECT_EQ(events, (std::vector<std::string>{"exit"}));

  // An exit handler that keeps the focus in its edit wins.
  page.SetFocus(name);
  name.OnExit = [&] { page.SetFocus(name); };
  page.SetFocus(next);
  EXPECT_EQ(page.Focused(), &name);
}

using Keys = PageFixture;

TEST_F(Keys, ThePreviewSeesKeysFirstThenDefaultAndCancelButtons) {
  Edit edit(page, "Edit");
  Button ok(page, "OkBtn"), cancel(page, "CancelBtn"), other(page, "OtherBtn");
  Memo memo(page, "Memo");
  ok.Default = true;
  cancel.Cancel = true;
  ok.OnClick = Note("ok");
  cancel.OnClick = Note("cancel");
  other.OnClick = Note("other");
  edit.OnExit = Note("exit");
  page.BeginModal({1024, 768});

  EXPECT_TRUE(PressKey(page, Key::Enter));  // from the edit: the default button, focus stays
  EXPECT_TRUE(PressKey(page, Key::Escape));
  page.SetFocus(other);  // a focused button takes Enter itself
  PressKey(page, Key::Enter);
  PressKey(page, Key::Space);
  EXPECT_EQ(events, (std::vector<std::string>{"ok", "cancel", "exit", "other", "other"}));

  events.clear();
  page.KeyPreview = true;
  page.OnKeyDown = [&](Key key) {
    events.push_back("preview " + KeyName(key));
    return key == Key::Escape;
  };
  PressKey(page, Key::Escape);  // used by the page
  PressKey(page, Key::Enter);   // not used: goes on to the focused button
  EXPECT_EQ(events, (std::vector<std::string>{"preview Esc", "preview Enter", "other"}));

  events.clear();
  ok.Enabled = false;
  page.SetFocus(edit);
  EXPECT_FALSE(PressKey(page, Key::Enter));  // a disabled default button is no default
  EXPECT_EQ(events, (std::vector<std::string>{"preview Enter"}));

  // A focused memo keeps Enter and Escape.
  page.KeyPreview = false;
  ok.Enabled = true;
  page.SetFocus(memo);
  events.clear();
  PressKey(page, Key::Enter);
  PressKey(page, Key::Escape);
  EXPECT_TRUE(events.empty());
}

TEST_F(PageFixture, EditsAndMemosKeepTheirModelsRight) {
  Edit edit(page, "Edit");  // typing cuts to the length limit and reports only changes
  edit.OnChange = Note("change");
  edit.MaxLength = 3;
  TypeText(edit, "Grüße");
  EXPECT_EQ(edit.Text, "Grü");
  TypeText(edit, "Grün");
  EXPECT_EQ(events.size(), 1u);

  Memo memo(page, "Memo");  // every kind of line end splits
  memo.SetText("one\r\ntwo\nthree\rfour\r\n\r\nsix\n");
  EXPECT_EQ(memo.Lines, (std::vector<std::string>{"one", "two", "three", "four", "", "six"}));
}

TEST(Captions, MnemonicsAreMarkedOrRemoved) {
  EXPECT_EQ(MarkMnemonic("E&xit (Esc)"), "E_xit (Esc)");
  EXPECT_EQ(StripMnemonic("E&xit (Esc)"), "Exit (Esc)");
  EXPECT_EQ(MarkMnemonic("Fish && &Chips &"), "Fish & _Chips &");
  EXPECT_EQ(StripMnemonic("&&&Save"), "&Save");
}

}  // namespace
}  // namespace velmar::ui
