#include "ui/widgets/LanguageApply.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QTabWidget>

namespace {

template <class T>
T* Named(T* o, const char* name) {
  o->setObjectName(name);
  return o;
}

// A window with one control of each kind the language files reach.
struct SmallWindow {
  QMainWindow window;
  QMenu* menu;
  QAction* action;
  QTabWidget* tabs;
  QWidget* page;
  QLabel* label;
  QLineEdit* edit;
  QLabel* editLabel;
  QComboBox* combo;
  QGroupBox* group;
  QCheckBox* check;

  SmallWindow() {
    menu = Named(window.menuBar()->addMenu("File(&F)"), "mnuFile");
    action = Named(menu->addAction("Exit(&X)"), "mnuExit");
    tabs = new QTabWidget(&window);
    window.setCentralWidget(tabs);
    page = Named(new QWidget, "TabSheetStatic");
    tabs->addTab(new QWidget, "first");
    tabs->addTab(page, "STATIC DATA");
    label = Named(new QLabel("MMSI", page), "LabelMMSI");
    label->setAccessibleName("MMSI");
    edit = Named(new QLineEdit(page), "lblEdtName");
    editLabel = new QLabel("Ship Name", page);
    editLabel->setBuddy(edit);
    combo = Named(new QComboBox(page), "ComboBoxDscMonitoring");
    combo->addItems({"OFF", "ON"});
    group = Named(new QGroupBox("Ship's Dimension", page), "GroupBoxDimension");
    check = Named(new QCheckBox("Enable Log", group), "cbxEnableLog");
    check->setAccessibleName("own name");
  }
};

}  // namespace

TEST(WidgetLanguageControls, ReadsAndSetsEachKindOfText) {
  SmallWindow w;
  WidgetLanguageControls c({&w.window});
  struct Case {
    const char* name;
    LangTarget kind;
    int item;
    const char* before;
  };
  const Case cases[] = {
      {"mnuFile", LangTarget::Caption, 0, "File(&F)"},
      {"mnuExit", LangTarget::Caption, 0, "Exit(&X)"},
      {"TabSheetStatic", LangTarget::Caption, 0, "STATIC DATA"},
      {"LabelMMSI", LangTarget::Caption, 0, "MMSI"},
      {"lblEdtName", LangTarget::Label, 0, "Ship Name"},
      {"ComboBoxDscMonitoring", LangTarget::Item, 1, "ON"},
      {"GroupBoxDimension", LangTarget::Caption, 0, "Ship's Dimension"},
      {"cbxEnableLog", LangTarget::Caption, 0, "Enable Log"},
  };
  for (const auto& k : cases) {
    EXPECT_EQ(c.GetText(k.name, k.kind, k.item), k.before) << k.name;
    c.SetText(k.name, k.kind, k.item, std::string("新") + k.name);
    EXPECT_EQ(c.GetText(k.name, k.kind, k.item), std::string("新") + k.name) << k.name;
  }
  EXPECT_EQ(w.menu->title(), QString::fromUtf8("新mnuFile"));
  EXPECT_EQ(w.tabs->tabText(1), QString::fromUtf8("新TabSheetStatic"));
  EXPECT_EQ(w.editLabel->text(), QString::fromUtf8("新lblEdtName"));
  EXPECT_EQ(w.combo->itemText(0), "OFF");
  // The accessible name follows a caption it mirrored, not one of its own.
  EXPECT_EQ(w.label->accessibleName(), QString::fromUtf8("新LabelMMSI"));
  EXPECT_EQ(w.check->accessibleName(), "own name");
}

TEST(WidgetLanguageControls, UnknownControlsAndEntriesAreSkipped) {
  SmallWindow w;
  WidgetLanguageControls c({&w.window});
  EXPECT_FALSE(c.GetText("NoSuchControl", LangTarget::Caption, 0));
  EXPECT_FALSE(c.GetText("ComboBoxDscMonitoring", LangTarget::Item, 2));
  EXPECT_FALSE(c.GetText("ComboBoxDscMonitoring", LangTarget::Item, -1));
  EXPECT_FALSE(c.GetText("lblEdtName", LangTarget::Caption, 0));  // an edit has no caption
  c.SetText("ComboBoxDscMonitoring", LangTarget::Item, 5, "x");
  c.SetText("NoSuchControl", LangTarget::Caption, 0, "x");
  EXPECT_EQ(w.combo->count(), 2);
}
