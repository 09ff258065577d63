#pragma once
// The main window's menu bar: File, Option (Connection, Language) and Help.
class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;

struct MainMenus {
  // Builds the menus into the window's menu bar. The Option menu starts
  // hidden (the window shows it once started); Simplified Chinese stays hidden.
  void Build(QMainWindow& window);

  QMenu* mnuFile = nullptr;
  QAction* mnuExit = nullptr;
  QMenu* mnuOption = nullptr;
  QAction* mnuOptionAction = nullptr;
  QMenu* mnuConnection = nullptr;
  QAction* mnuConnectionAction = nullptr;  // the Connection submenu's own item
  QAction* mnuSerialPort = nullptr;
  QAction* mnuWiFi = nullptr;
  QActionGroup* mnuConnectionGroup = nullptr;
  QMenu* mnuLanguage = nullptr;
  QAction* mnuLanguageAction = nullptr;
  QAction* mnuLangEnglish = nullptr;
  QAction* mnuLangTraChinese = nullptr;
  QAction* mnuLangSimpChinese = nullptr;
  QAction* mnuLangRussian = nullptr;
  QActionGroup* mnuLanguageGroup = nullptr;
  QMenu* mnuHelp = nullptr;
  QAction* mnuAbout = nullptr;
};
