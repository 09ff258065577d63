#pragma once
// The DATA LOG page: the received lines while logging is on, clearing and
// saving them, and the line that sends any command text to the device.
#include <QWidget>

#include <string>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QTabWidget;
class TEdit;
class TSpeedButton;
class Dialogs;
struct MSG_TEXT_STRUCT;

class DataLogPage : public QWidget {
  Q_OBJECT

 public:
  // Added to pages as the tab "TabSheetDataLog".
  DataLogPage(QTabWidget* pages, Dialogs& dialogs, const MSG_TEXT_STRUCT& texts);

  // cbxEnableLog: received lines are shown.
  bool LogEnabled() const;
  // A received line (no CR LF).
  void AppendDataLog(const std::string& line);
  void btnClearLogClick();
  void btnSaveLogClick();
  // EditSendCommand's text as typed (UTF-8).
  std::string CommandText() const;

 signals:
  // The command is to be sent (the button, or Enter in its line).
  void SendCommandRequested();

 private:
  Dialogs& dialogs_;
  const MSG_TEXT_STRUCT& texts_;
  QPlainTextEdit* MemoDataLog;
  QCheckBox* cbxEnableLog;
  QCheckBox* cbxAddTimeStamp;
  TSpeedButton* btnClearLog;
  TSpeedButton* btnSaveLog;
  QLabel* Label11;
  TEdit* EditSendCommand;
  TSpeedButton* ButtonCustomSendCommand;
};
