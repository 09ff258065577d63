#pragma once
// The configuration pages' fixture: a window on a pseudo-terminal.
#include "tests/app/pty_form_fixture.h"
#include "tests/support/find_control.h"

class ConfigFormTest : public PtyFormTest {
 protected:
  void ShowConfTab(QWidget* tab) {
    int index = Find<QTabWidget>(form, "PageControlConf")->indexOf(tab);
    Find<QTabWidget>(form, "PageControlConf")->setTabVisible(index, true);
    Find<QTabWidget>(form, "PageControlConf")->setCurrentIndex(index);
  }
};

inline std::string WithCrLf(const char* line) { return std::string(line) + "\r\n"; }
