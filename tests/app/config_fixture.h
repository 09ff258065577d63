#pragma once
// The configuration pages' fixture: a window on a pseudo-terminal.
#include "tests/app/pty_form_fixture.h"

class ConfigFormTest : public PtyFormTest {
 protected:
  void ShowConfTab(QWidget* tab) {
    int index = form->PageControlConf->indexOf(tab);
    form->PageControlConf->setTabVisible(index, true);
    form->PageControlConf->setCurrentIndex(index);
  }
};

inline std::string WithCrLf(const char* line) { return std::string(line) + "\r\n"; }
