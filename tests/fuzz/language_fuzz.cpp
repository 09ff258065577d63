// LoadLanguageFile on arbitrary files with each language's code page. Input:
// a byte choosing the code page, a byte for the window's connection state, a
// byte naming a control the window lacks, then the file. Every text set is
// valid UTF-8 within 2,047 characters; a row whose key is absent keeps its
// text and a row whose key is there takes the value IniFile reads; a missing
// control is never set; the three refreshes show what their rows loaded.
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <string_view>
#include <tuple>

#include "tests/fuzz/fuzz_check.h"
#include "tests/fuzz/fuzz_scratch.h"
#include "ui/core/IniFile.h"
#include "ui/core/LanguageLoader.h"
#include "ui/core/Utf8.h"

namespace {

const std::string& FilePath() {
  static FuzzScratchDir dir("kvor-lang-fuzz-");
  static const std::string file = dir.path + "/Lang.ini";
  return file;
}

bool GoodText(const std::string& t) {
  return utf8::IsValid(t) && utf8::CountChars(t) <= IniFile::kMaxValueChars;
}

class FakeControls : public LanguageControls {
 public:
  using Key = std::tuple<std::string, LangTarget, int>;
  std::map<Key, std::string> texts;

  std::optional<std::string> GetText(std::string_view c, LangTarget k, int i) override {
    auto it = texts.find({std::string(c), k, i});
    if (it == texts.end()) return std::nullopt;
    return it->second;
  }
  void SetText(std::string_view c, LangTarget k, int i, const std::string& t) override {
    FUZZ_CHECK(GoodText(t));
    auto it = texts.find({std::string(c), k, i});
    FUZZ_CHECK(it != texts.end());  // the window has no such control
    it->second = t;
  }
};

const FakeControls& Window() {
  static const FakeControls window = [] {
    FakeControls w;
    for (const auto& row : kLanguageRows) {
      if (row.kind != LangTarget::Member)
        w.texts[{row.target, row.kind, row.item}] = row.designText;
    }
    w.texts[{"OpenPort", LangTarget::Caption, 0}] = "Connect";
    w.texts[{"LabelMMSICantProg", LangTarget::Caption, 0}] = "";
    w.texts[{"LabelConnectionStatus", LangTarget::Caption, 0}] = "Disconnect...";
    return w;
  }();
  return window;
}

std::string Caption(const FakeControls& c, const char* name) {
  return c.texts.at({name, LangTarget::Caption, 0});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3) return 0;
  const unsigned cp = data[0] % (kLanguages.size() + 1);
  const std::string codePage = cp == 0 ? std::string() : std::string(kLanguages[cp - 1].codePage);
  LanguageContext context;
  context.openPortTag = data[1] % 3;         // 2 is a stray tag
  context.connectState = (data[1] / 3) % 4;  // 3 is a stray state
  const unsigned missing = data[2];          // a row index, or none
  context.mmsi = 123456789u * data[2];       // from none to ten digits
  std::string_view file(reinterpret_cast<const char*>(data) + 3, size - 3);

  const std::string& path = FilePath();
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(file.data(), static_cast<std::streamsize>(file.size()));

  FakeControls controls = Window();
  if (missing < kLanguageRows.size() && kLanguageRows[missing].kind != LangTarget::Member) {
    const auto& row = kLanguageRows[missing];
    controls.texts.erase({row.target, row.kind, row.item});
  }
  const FakeControls before = controls;
  MSG_TEXT_STRUCT texts;
  InitDefaultTexts(texts);
  const MSG_TEXT_STRUCT defaults = texts;

  LoadLanguageFile(path, codePage, controls, texts, context);

  const IniFile ini(path, codePage);
  for (const auto& row : kLanguageRows) {
    std::string was, now;
    if (row.kind == LangTarget::Member) {
      MSG_TEXT_STRUCT copy = defaults;
      was = *MessageMember(copy, row.target);
      now = *MessageMember(texts, row.target);
    } else {
      const FakeControls::Key key{row.target, row.kind, row.item};
      auto it = controls.texts.find(key);
      if (before.texts.count(key) == 0) {
        FUZZ_CHECK(it == controls.texts.end());
        continue;
      }
      was = before.texts.at(key);
      now = it->second;
    }
    FUZZ_CHECK(GoodText(now));
    if (ini.ValueExists(row.section, row.key)) {
      FUZZ_CHECK(now == ini.ReadString(row.section, row.key, ""));
    } else {
      FUZZ_CHECK(now == was);
    }
  }

  if (context.openPortTag <= 1) {
    FUZZ_CHECK(Caption(controls, "OpenPort") == texts.Connect[context.openPortTag]);
  } else {
    FUZZ_CHECK(Caption(controls, "OpenPort") == Caption(before, "OpenPort"));
  }
  std::string digits = std::to_string(context.mmsi);
  if (digits.size() < 9) digits.insert(0, 9 - digits.size(), '0');
  FUZZ_CHECK(Caption(controls, "LabelMMSICantProg") ==
             texts.CantBeProg1 + digits + texts.CantBeProg2);
  const auto status = ConnectionStatusText(context.connectState, texts);
  FUZZ_CHECK(Caption(controls, "LabelConnectionStatus") ==
             (status ? *status : Caption(before, "LabelConnectionStatus")));
  return 0;
}
