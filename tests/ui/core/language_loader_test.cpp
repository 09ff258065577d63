#include "ui/core/LanguageLoader.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "ui/core/IniFile.h"

namespace fs = std::filesystem;

namespace {

// Controls as a map from (name, kind, item) to text, built with the design texts.
class FakeControls : public LanguageControls {
 public:
  using Key = std::tuple<std::string, LangTarget, int>;
  std::map<Key, std::string> texts;
  std::vector<Key> sets;

  FakeControls() {
    for (const auto& row : kLanguageRows) {
      if (row.kind != LangTarget::Member) texts[{row.target, row.kind, row.item}] = row.designText;
    }
    texts[{"OpenPort", LangTarget::Caption, 0}] = "Connect";
    texts[{"LabelMMSICantProg", LangTarget::Caption, 0}] = "";
    texts[{"LabelConnectionStatus", LangTarget::Caption, 0}] = "";
  }
  std::optional<std::string> GetText(std::string_view c, LangTarget k, int i) override {
    auto it = texts.find({std::string(c), k, i});
    if (it == texts.end()) return std::nullopt;
    return it->second;
  }
  void SetText(std::string_view c, LangTarget k, int i, const std::string& t) override {
    sets.emplace_back(std::string(c), k, i);
    texts[{std::string(c), k, i}] = t;
  }
  std::string Caption(const std::string& c) { return texts[{c, LangTarget::Caption, 0}]; }
};

std::string LangDir() { return std::string(KVOR_SOURCE_DIR) + "/Lang/"; }

class TempFile {
 public:
  explicit TempFile(const std::string& bytes) {
    char tmpl[] = "/tmp/kvor-lang-XXXXXX";
    const int fd = mkstemp(tmpl);
    close(fd);
    path_ = tmpl;
    std::ofstream(path_, std::ios::binary) << bytes;
  }
  ~TempFile() { std::remove(path_.c_str()); }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

MSG_TEXT_STRUCT Defaults() {
  MSG_TEXT_STRUCT t;
  InitDefaultTexts(t);
  return t;
}

}  // namespace

TEST(LanguageTable, CoversEveryKeyOnceInItsSection) {
  std::set<std::pair<std::string, std::string>> pairs;
  for (const auto& row : kLanguageRows) pairs.emplace(row.section, row.key);
  EXPECT_EQ(pairs.size(), 111u);
  MSG_TEXT_STRUCT t;
  std::set<std::string*> members;
  for (const auto& row : kLanguageRows) {
    if (row.kind == LangTarget::Member) {
      std::string* m = MessageMember(t, row.target);
      ASSERT_NE(m, nullptr) << row.target;
      EXPECT_TRUE(members.insert(m).second) << row.target << " read twice";
    } else {
      EXPECT_NE(row.designText, nullptr) << row.target;
    }
  }
  EXPECT_EQ(members.size(), 22u);  // every keyed member
}

TEST(LanguageFiles, EveryShippedFileHoldsEveryKey) {
  for (const auto& lang : kLanguages) {
    const std::string path = std::string(KVOR_SOURCE_DIR) + "/" + lang.languageFile;
    IniFile ini(path, lang.codePage);
    ASSERT_TRUE(ini.Loaded()) << path;
    for (const auto& row : kLanguageRows) {
      EXPECT_TRUE(ini.ValueExists(row.section, row.key))
          << path << " " << row.section << "/" << row.key;
      EXPECT_FALSE(ini.ReadString(row.section, row.key, "").empty()) << path << " " << row.key;
    }
    EXPECT_TRUE(fs::exists(std::string(KVOR_SOURCE_DIR) + "/" + lang.readMeFile))
        << lang.readMeFile;
  }
}

TEST(LanguageFiles, EnglishChangesNothing) {
  FakeControls controls;
  const auto before = controls.texts;
  MSG_TEXT_STRUCT texts = Defaults();
  LoadLanguageFile(LangDir() + "Lang-EN.ini", "CP1252", controls, texts, {});
  for (const auto& [key, text] : before) {
    if (std::get<0>(key) == "LabelMMSICantProg" || std::get<0>(key) == "LabelConnectionStatus")
      continue;
    EXPECT_EQ(controls.texts[key], text) << std::get<0>(key);
  }
  const MSG_TEXT_STRUCT d = Defaults();
  for (const auto& row : kLanguageRows) {
    if (row.kind != LangTarget::Member) continue;
    MSG_TEXT_STRUCT copy = d;
    EXPECT_EQ(*MessageMember(texts, row.target), *MessageMember(copy, row.target)) << row.target;
  }
  EXPECT_EQ(texts.CantBeProg1, "MMSI is ");
}

TEST(LanguageLoader, MissingKeysKeepThePreviousLanguage) {
  FakeControls controls;
  MSG_TEXT_STRUCT texts = Defaults();
  LoadLanguageFile(LangDir() + "Lang-RU.ini", "CP1251", controls, texts, {});
  const std::string russianSave = controls.Caption("btnSaveLog");
  const std::string russianError = texts.Error;
  TempFile tw("[TAB_DATA_LOG]\nClear=清除\n[tab_sys_check]\nCHA=頻道 A\n");
  LoadLanguageFile(tw.Path(), "CP950", controls, texts, {});
  EXPECT_EQ(controls.Caption("btnSaveLog"), russianSave);
  EXPECT_EQ(controls.Caption("btnClearLog"), "清除");
  EXPECT_EQ(texts.Error, russianError);
  // One key, two targets; case-insensitive section and key.
  EXPECT_EQ(controls.Caption("lblChkTxCntChA"), "頻道 A");
  EXPECT_EQ(controls.Caption("lblChkRxCntChA"), "頻道 A");

  FakeControls fresh;
  fresh.texts[{"lblChkRxCntChA", LangTarget::Caption, 0}] = "own";
  TempFile none("[OTHER]\nx=y\n");
  LoadLanguageFile(none.Path(), "", fresh, texts, {});
  EXPECT_EQ(fresh.Caption("lblChkTxCntChA"), "Channel A: ");
  EXPECT_EQ(fresh.Caption("lblChkRxCntChA"), "own");
}

TEST(LanguageLoader, MissingFileAndMissingControls) {
  FakeControls controls;
  const auto before = controls.texts;
  MSG_TEXT_STRUCT texts = Defaults();
  LoadLanguageFile("/nonexistent/Lang/Lang-RU.ini", "CP1251", controls, texts, {});
  EXPECT_EQ(controls.Caption("btnSaveLog"), "Save");
  EXPECT_EQ(texts.QueryExit, "Are you sure to exit?");

  // A window without some of the controls: those rows are skipped, the rest load.
  FakeControls partial;
  partial.texts.erase({"btnSaveLog", LangTarget::Caption, 0});
  LoadLanguageFile(LangDir() + "Lang-CN.ini", "CP936", partial, texts, {});
  EXPECT_EQ((partial.texts.count(FakeControls::Key{"btnSaveLog", LangTarget::Caption, 0})), 0u);
  EXPECT_EQ(partial.Caption("btnClearLog"), "清除");
}

TEST(LanguageLoader, RefreshesFollowTheConnectionState) {
  TempFile ru(
      "[SYS_BUTTON]\nConnect=Подключить\nDisconnect=Отключить\n"
      "[CONFIG_SERIAL_PORT]\nConnecting=Подключение...\nConnected=Подключено...\n"
      "Disconnect=Отключено...\n[TAB_MMSI]\nCantBeProg1=\"MMSI \"\n"
      "CantBeProg2=: повторная запись невозможна!\n");
  struct Case {
    LanguageContext ctx;
    std::string openPort, status, mmsi;
  };
  const Case cases[] = {
      {{0, 0, 0}, "Подключить", "Отключено...", "MMSI 000000000: повторная запись невозможна!"},
      {{1, 1, 2000}, "Отключить", "Подключение...", "MMSI 000002000: повторная запись невозможна!"},
      {{1, 2, 123456789},
       "Отключить",
       "Подключено...",
       "MMSI 123456789: повторная запись невозможна!"},
      // Stray tag and state select nothing.
      {{7, 9, 4294967295u},
       "Connect",
       "unchanged",
       "MMSI 4294967295: повторная запись невозможна!"},
  };
  for (const auto& c : cases) {
    FakeControls controls;
    controls.texts[{"LabelConnectionStatus", LangTarget::Caption, 0}] = "unchanged";
    MSG_TEXT_STRUCT texts = Defaults();
    LoadLanguageFile(ru.Path(), "", controls, texts, c.ctx);
    EXPECT_EQ(controls.Caption("OpenPort"), c.openPort);
    EXPECT_EQ(controls.Caption("LabelConnectionStatus"), c.status);
    EXPECT_EQ(controls.Caption("LabelMMSICantProg"), c.mmsi);
  }
}
