#pragma once
// A real TForm1 with its about box and agreement window, no device, scripted
// dialogs, the shipped language files (or a folder of the test's own), and a
// settings folder of its own.
#include <gtest/gtest.h>

#include <QApplication>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "app/MainForm.h"
#include "app/PortDiscovery.h"
#include "ui/core/Dialogs.h"

class LanguageFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/kvor-langform-XXXXXX";
    root_ = mkdtemp(tmpl);
    std::filesystem::create_directories(root_ / "docs");
    std::filesystem::create_directories(root_ / "app");
  }
  void TearDown() override {
    form.reset();
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
  }

  // appDir empty: the source tree, whose Lang/ is the shipped one.
  void MakeForm(const std::string& appDir = std::string(KVOR_SOURCE_DIR) + "/") {
    TForm1Options options;
    options.dialogs = &dialogs;
    options.ports = std::make_shared<ListPortDiscovery>(std::vector<std::string>{});
    options.documentsDir = (root_ / "docs").string();
    options.appDir = appDir;
    options.liveTimers = false;
    options.deviceMonitor = false;
    form = std::make_unique<TForm1>(options);
    form->CreateInformationWindows();
  }

  // A program folder of the test's own, with the given language file.
  std::string OwnAppDir() const { return (root_ / "app").string() + "/"; }
  void WriteAppFile(const std::string& relative, const std::string& bytes) {
    std::filesystem::create_directories((root_ / "app" / relative).parent_path());
    std::ofstream(root_ / "app" / relative, std::ios::binary) << bytes;
  }
  std::string Path(const std::string& name) const { return (root_ / name).string(); }
  std::string SettingsFile() const { return form->SettingsFile(); }

  static void RunPosted() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
  }

  RecordingDialogs dialogs;
  std::unique_ptr<TForm1> form;

 private:
  std::filesystem::path root_;
};
