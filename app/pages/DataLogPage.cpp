// The DATA LOG page: received lines shown byte for byte, cleared on
// confirmation, saved after the overwrite question; and the command's text.
#include "app/pages/DataLogPage.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QVBoxLayout>

#include <filesystem>
#include <optional>
#include <vector>

#include "app/core/DataLog.h"
#include "app/pages/PageBuild.h"
#include "ui/core/Dialogs.h"
#include "ui/core/MessageTexts.h"

DataLogPage::DataLogPage(QTabWidget* pages, Dialogs& dialogs, const MSG_TEXT_STRUCT& texts)
    : QWidget(pages), dialogs_(dialogs), texts_(texts) {
  setObjectName("TabSheetDataLog");
  pages->addTab(this, "DATA LOG");
  auto* v = new QVBoxLayout(this);
  MemoDataLog = Named(new QPlainTextEdit(this), "MemoDataLog");
  MemoDataLog->setReadOnly(true);
  MemoDataLog->setLineWrapMode(QPlainTextEdit::NoWrap);
  MemoDataLog->setFont(QFont("Monospace"));
  v->addWidget(MemoDataLog, 1);
  auto* row = new QHBoxLayout;
  cbxEnableLog = Named(new QCheckBox("Enable Log", this), "cbxEnableLog");
  cbxAddTimeStamp = Named(new QCheckBox("Add Time Stamp", this), "cbxAddTimeStamp");
  cbxAddTimeStamp->hide();
  btnClearLog = NewButton(this, "btnClearLog", "Clear");
  btnSaveLog = NewButton(this, "btnSaveLog", "Save");
  row->addWidget(cbxEnableLog);
  row->addStretch(1);
  row->addWidget(btnClearLog);
  row->addWidget(btnSaveLog);
  v->addLayout(row);
  Label11 = NewLabel(this, "Label11", "Enter command below");
  v->addWidget(Label11);
  auto* cmd = new QHBoxLayout;
  EditSendCommand = Named(new TEdit(this), "EditSendCommand");
  EditSendCommand->setMaxLength(84);
  ButtonCustomSendCommand = NewButton(this, "ButtonCustomSendCommand", "Send Command");
  cmd->addWidget(EditSendCommand, 1);
  cmd->addWidget(ButtonCustomSendCommand);
  v->addLayout(cmd);

  connect(btnClearLog, &QPushButton::clicked, this, [this] { btnClearLogClick(); });
  connect(btnSaveLog, &QPushButton::clicked, this, [this] { btnSaveLogClick(); });
  connect(ButtonCustomSendCommand, &QPushButton::clicked, this, &DataLogPage::SendCommandRequested);
  connect(EditSendCommand, &QLineEdit::returnPressed, this, &DataLogPage::SendCommandRequested);
}

bool DataLogPage::LogEnabled() const { return cbxEnableLog->isChecked(); }

void DataLogPage::AppendDataLog(const std::string& line) {
  // Device bytes are not always UTF-8; show each as a character of its own.
  MemoDataLog->appendPlainText(
      QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size())));
}

void DataLogPage::btnClearLogClick() {
  if (dialogs_.MessageBox("Are you sure to clear log?", "Warning", DialogButtons::OkCancel,
                          DialogIcon::Warning) == DialogResult::Ok)
    MemoDataLog->clear();
}

void DataLogPage::btnSaveLogClick() {
  std::optional<std::string> chosen = dialogs_.SaveFileName("Data Log File (*.TXT)", "", "");
  if (!chosen || chosen->empty()) return;
  std::string path = *chosen;
  if (std::filesystem::path(path).extension().empty()) path += ".TXT";
  std::error_code ec;
  if (std::filesystem::exists(path, ec) &&
      dialogs_.MessageBox("File already exists. Do you want to overwrite?", "WARNING",
                          DialogButtons::YesNo, DialogIcon::Warning) != DialogResult::Yes)
    return;
  std::vector<std::string> lines;
  const QTextDocument* doc = MemoDataLog->document();
  lines.reserve(static_cast<size_t>(doc->blockCount()));
  for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
    const QByteArray bytes = b.text().toLatin1();
    lines.emplace_back(bytes.constData(), static_cast<size_t>(bytes.size()));
  }
  // An empty memo still holds one empty block; it saves as an empty file.
  if (lines.size() == 1 && lines[0].empty()) lines.clear();
  std::string error;
  if (!SaveDataLog(path, lines, error))
    dialogs_.MessageBox("The data log could not be saved to " + path + ": " + error, texts_.Error,
                        DialogButtons::Ok, DialogIcon::Error);
}

std::string DataLogPage::CommandText() const {
  const QByteArray text = EditSendCommand->text().toUtf8();
  return std::string(text.constData(), static_cast<size_t>(text.size()));
}
