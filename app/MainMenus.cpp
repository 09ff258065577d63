// The main window's menu bar and its items, named as the language files name them.
#include "app/MainMenus.h"

#include <QActionGroup>
#include <QMainWindow>
#include <QMenuBar>

#include "app/pages/PageBuild.h"

void MainMenus::Build(QMainWindow& window) {
  mnuFile = Named(window.menuBar()->addMenu("File(&F)"), "mnuFile");
  mnuExit = Named(mnuFile->addAction("Exit(&X)"), "mnuExit");
  mnuOption = Named(window.menuBar()->addMenu("Option(&O)"), "mnuOption");
  mnuOptionAction = mnuOption->menuAction();
  mnuOptionAction->setVisible(false);
  mnuConnection = Named(mnuOption->addMenu("Connection (&C)"), "mnuConnection");
  mnuConnectionAction = mnuConnection->menuAction();
  mnuConnectionGroup = new QActionGroup(&window);
  mnuConnectionGroup->setExclusive(true);
  mnuSerialPort = Named(mnuConnection->addAction("Serial Port"), "mnuSerialPort");
  mnuWiFi = Named(mnuConnection->addAction("Wi-Fi"), "mnuWiFi");
  for (QAction* a : {mnuSerialPort, mnuWiFi}) {
    a->setCheckable(true);
    mnuConnectionGroup->addAction(a);
  }
  mnuSerialPort->setChecked(true);
  mnuLanguage = Named(mnuOption->addMenu("Language(&L)"), "mnuLanguage");
  mnuLanguageAction = mnuLanguage->menuAction();
  mnuLanguageGroup = new QActionGroup(&window);
  mnuLanguageGroup->setExclusive(true);
  mnuLangEnglish = Named(mnuLanguage->addAction("English(&E)"), "mnuLangEnglish");
  mnuLangTraChinese = Named(mnuLanguage->addAction("Traditional Chinese(&T)"), "mnuLangTraChinese");
  mnuLangSimpChinese =
      Named(mnuLanguage->addAction("Simplified Chinese(&S)"), "mnuLangSimpChinese");
  mnuLangRussian = Named(mnuLanguage->addAction("Russian(&R)"), "mnuLangRussian");
  int tag = 0;
  for (QAction* a : {mnuLangEnglish, mnuLangTraChinese, mnuLangSimpChinese, mnuLangRussian}) {
    a->setCheckable(true);
    a->setData(tag++);
    mnuLanguageGroup->addAction(a);
  }
  mnuLangEnglish->setChecked(true);
  mnuLangSimpChinese->setVisible(false);
  mnuHelp = Named(window.menuBar()->addMenu("Help(&H)"), "mnuHelp");
  mnuAbout = Named(mnuHelp->addAction("About(&A)"), "mnuAbout");
}
