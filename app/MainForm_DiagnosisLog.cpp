// The DATA LOG page: the memo of received lines, clearing and saving it, and
// the line that sends any command text to the device.
#include <QPlainTextEdit>
#include <QTextBlock>

#include <filesystem>

#include "app/MainForm.h"
#include "app/core/DataLog.h"
#include "wifi/core/WiFiSetup.h"

void TForm1::AppendDataLog(const std::string& line) {
  // Device bytes are not always UTF-8; show each as a character of its own.
  MemoDataLog->appendPlainText(
      QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size())));
}

void TForm1::btnClearLogClick() {
  if (dialogs.MessageBox("Are you sure to clear log?", "Warning", DialogButtons::OkCancel,
                         DialogIcon::Warning) == DialogResult::Ok)
    MemoDataLog->clear();
}

void TForm1::btnSaveLogClick() {
  std::optional<std::string> chosen = dialogs.SaveFileName("Data Log File (*.TXT)", "", "");
  if (!chosen || chosen->empty()) return;
  std::string path = *chosen;
  if (std::filesystem::path(path).extension().empty()) path += ".TXT";
  std::error_code ec;
  if (std::filesystem::exists(path, ec) &&
      dialogs.MessageBox("File already exists. Do you want to overwrite?", "WARNING",
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
    dialogs.MessageBox("The data log could not be saved to " + path + ": " + error, Texts.Error,
                       DialogButtons::Ok, DialogIcon::Error);
}

void TForm1::ButtonCustomSendCommandClick() {
  const QByteArray text = EditSendCommand->text().toUtf8();
  const CustomCommand cmd =
      PrepareCustomCommand(std::string(text.constData(), static_cast<size_t>(text.size())));
  if (cmd.stopWiFi) {
    Timer_WiFi_function->Stop();
    SetWiFiOperationNone();
  }
  if (!SendRaw(cmd.bytes)) ReportSendFailure();
}

void TForm1::SetWiFiOperationNone() {
  if (WiFi) WiFi->SetWiFiOperation(WiFiOperation::None);
}
