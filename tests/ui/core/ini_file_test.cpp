#include "ui/core/IniFile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "ui/core/LanguageSetting.h"
#include "ui/core/TextDecode.h"
#include "ui/core/Utf8.h"

namespace fs = std::filesystem;

namespace {

class TempDir {
 public:
  TempDir() {
    std::string tmpl = (fs::temp_directory_path() / "kvor-ini-XXXXXX").string();
    path_ = mkdtemp(tmpl.data());
  }
  ~TempDir() { fs::remove_all(path_); }
  std::string File(const std::string& name, const std::string& bytes) const {
    const std::string p = path_ + "/" + name;
    std::ofstream(p, std::ios::binary) << bytes;
    return p;
  }
  std::string Path(const std::string& name) const { return path_ + "/" + name; }
  const std::string& Dir() const { return path_; }

 private:
  std::string path_;
};

std::string Slurp(const std::string& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

TEST(IniFile, ReadsLikeThePrivateProfileReader) {
  TempDir dir;
  const std::string path = dir.File("a.ini",
                                    "; comment\r\n"
                                    "[Menu]\r\n"
                                    "  File  =   Datei(&D)   \r\n"
                                    "Quoted=\"MMSI is \"\r\n"
                                    "Single=' x '\r\n"
                                    "Unpaired=\"abc\r\n"
                                    "Mixed=\"abc'\r\n"
                                    "Empty=\r\n"
                                    "Eq=a=b\r\n"
                                    "file=second\r\n"
                                    "[menu]\r\n"
                                    "Other=in second section\r\n"
                                    "[ TAB ]\r\n"
                                    "Key=tab\r\n");
  IniFile ini(path);
  EXPECT_TRUE(ini.Loaded());
  EXPECT_EQ(ini.ReadString("MENU", "FILE", "-"), "Datei(&D)");
  EXPECT_EQ(ini.ReadString("menu", "quoted", "-"), "MMSI is ");
  EXPECT_EQ(ini.ReadString("MENU", "Single", "-"), " x ");
  EXPECT_EQ(ini.ReadString("MENU", "Unpaired", "-"), "\"abc");
  EXPECT_EQ(ini.ReadString("MENU", "Mixed", "-"), "\"abc'");
  EXPECT_EQ(ini.ReadString("MENU", "Empty", "-"), "");
  EXPECT_EQ(ini.ReadString("MENU", "Eq", "-"), "a=b");
  EXPECT_EQ(ini.ReadString("MENU", "Other", "-"), "in second section");
  EXPECT_EQ(ini.ReadString("TAB", "Key", "-"), "tab");
  EXPECT_EQ(ini.ReadString("MENU", "Missing", "default"), "default");
  EXPECT_EQ(ini.ReadString("NOPE", "File", "default"), "default");
  EXPECT_FALSE(ini.ValueExists("MENU", "; comment"));
}

TEST(IniFile, ValuesAreCutToWholeCharacters) {
  TempDir dir;
  std::string ascii(3000, 'a');
  std::string cjk;
  for (int i = 0; i < 2100; ++i) cjk += "\xE4\xB8\xAD";  // U+4E2D
  IniFile ini(dir.File("a.ini", "[S]\nA=" + ascii + "\nC=" + cjk + "\n"));
  EXPECT_EQ(ini.ReadString("S", "A", ""), std::string(2047, 'a'));
  const std::string c = ini.ReadString("S", "C", "");
  EXPECT_EQ(utf8::CountChars(c), 2047u);
  EXPECT_EQ(c.size(), 2047u * 3);
  EXPECT_TRUE(utf8::IsValid(c));
}

TEST(IniFile, FallsBackToTheLegacyCodePage) {
  TempDir dir;
  // "Файл" in CP1251, and Big5 for U+4E2D U+6587.
  IniFile ru(dir.File("ru.ini", "[MENU]\nFile=\xD4\xE0\xE9\xEB\n"), "CP1251");
  EXPECT_EQ(ru.ReadString("MENU", "File", ""), "Файл");
  IniFile tw(dir.File("tw.ini", "[MENU]\nFile=\xA4\xA4\xA4\xE5\n"), "CP950");
  EXPECT_EQ(tw.ReadString("MENU", "File", ""), "中文");
  // UTF-8 with a BOM is taken as UTF-8 whatever the language's code page.
  IniFile bom(dir.File("bom.ini", "\xEF\xBB\xBF[MENU]\nFile=Файл\n"), "CP1251");
  EXPECT_EQ(bom.ReadString("MENU", "File", ""), "Файл");
  // Not UTF-8 and no code page: still valid UTF-8 out.
  IniFile none(dir.File("none.ini",
                        "[MENU]\nFile=a\xFF"
                        "b\n"));
  EXPECT_EQ(none.ReadString("MENU", "File", ""),
            "a\xEF\xBF\xBD"
            "b");
}

TEST(IniFile, MissingFileGivesDefaults) {
  TempDir dir;
  IniFile ini(dir.Path("none.ini"));
  EXPECT_FALSE(ini.Loaded());
  EXPECT_EQ(ini.ReadString("A", "B", "x"), "x");
  EXPECT_EQ(ini.ReadInteger("A", "B", 7), 7);
}

TEST(IniFile, ReadInteger) {
  TempDir dir;
  IniFile ini(dir.File("a.ini", "[V]\na=3\nb= -2 \nc=x\nd=3x\ne=99999999999\nf=\ng=+4\ni=+-3\n"));
  const std::pair<const char*, int> cases[] = {{"a", 3}, {"b", -2}, {"c", 5}, {"d", 5}, {"e", 5},
                                               {"f", 5}, {"g", 4},  {"h", 5}, {"i", 5}};
  for (auto [key, want] : cases) EXPECT_EQ(ini.ReadInteger("V", key, 5), want) << key;
}

TEST(IniFile, WritesKeepTheRestOfTheFile) {
  TempDir dir;
  const std::string path =
      dir.File("a.ini", "; mine\n[view]\nlanguage=1\nOther=x\n\n[More]\nk=v\n");
  IniFile ini(path);
  ini.WriteInteger("VIEW", "Language", 3);
  ini.WriteString("VIEW", "New", "n");
  ini.WriteString("Added", "Key", "a\nb");
  ASSERT_TRUE(ini.UpdateFile());
  EXPECT_EQ(Slurp(path),
            "; mine\n[view]\nlanguage=3\nOther=x\nNew=n\n\n[More]\nk=v\n\n[Added]\nKey=a b\n");
  // No temporary file is left behind.
  int files = 0;
  for (auto& e : fs::directory_iterator(dir.Dir())) files += e.is_regular_file();
  EXPECT_EQ(files, 1);
}

TEST(IniFile, WrittenValuesReadBackAsWritten) {
  TempDir dir;
  const std::string path = dir.File("a.ini", "[S]\nOld=1\n");
  const std::string values[] = {" padded ", "\"quoted\"", "'single'",   "\t",
                                "\"",       "' x\"",      "plain text", ""};
  IniFile ini(path);
  for (std::size_t i = 0; i < std::size(values); ++i)
    ini.WriteString("S", "K" + std::to_string(i), values[i]);
  ASSERT_TRUE(ini.UpdateFile());
  IniFile back(path);
  for (std::size_t i = 0; i < std::size(values); ++i) {
    EXPECT_EQ(back.ReadString("S", "K" + std::to_string(i), "-"), values[i]) << i;
  }
  // Only a value the reader would change gets quotes.
  const std::string text = Slurp(path);
  EXPECT_NE(text.find("K0=\" padded \"\n"), std::string::npos) << text;
  EXPECT_NE(text.find("K6=plain text\n"), std::string::npos) << text;
  EXPECT_NE(text.find("K7=\n"), std::string::npos) << text;
}

TEST(IniFile, StoringKeepsALeadingByteOrderMarkInTheText) {
  // A second mark makes the first line no section header; storing must not
  // turn it into one.
  TempDir dir;
  const std::string path = dir.File("a.ini", "\xEF\xBB\xBF\xEF\xBB\xBF[S]\nK=1\n");
  IniFile ini(path);
  ASSERT_FALSE(ini.ValueExists("S", "K"));
  ini.WriteString("S", "K", "new");
  ASSERT_TRUE(ini.UpdateFile());
  IniFile back(path);
  EXPECT_EQ(back.ReadString("S", "K", "-"), "new");
  EXPECT_EQ(Slurp(path).rfind("\xEF\xBB\xBF\xEF\xBB\xBF[S]\n", 0), 0u);

  // A file with one mark is stored as before, without it.
  const std::string one = dir.File("b.ini", "\xEF\xBB\xBF[S]\nK=1\n");
  IniFile single(one);
  single.WriteString("S", "K", "2");
  ASSERT_TRUE(single.UpdateFile());
  EXPECT_EQ(Slurp(one), "[S]\nK=2\n");
}

TEST(LanguageSetting, RoundTripAndBadValues) {
  TempDir dir;
  const std::string path = dir.Path("KvorAisConfig.ini");
  EXPECT_EQ(ReadLanguageSetting(path), 0);
  ASSERT_TRUE(WriteLanguageSetting(path, 2));
  EXPECT_EQ(Slurp(path), "[VIEW]\nLanguage=2\n");
  EXPECT_EQ(ReadLanguageSetting(path), 2);
  ASSERT_TRUE(WriteLanguageSetting(path, 9));
  EXPECT_EQ(ReadLanguageSetting(path), 0);
  dir.File("KvorAisConfig.ini", "[View]\nLANGUAGE = \"3\"\n");
  EXPECT_EQ(ReadLanguageSetting(path), 3);
  dir.File("KvorAisConfig.ini", "[VIEW]\nLanguage=Russian\n");
  EXPECT_EQ(ReadLanguageSetting(path), 0);
}

TEST(LanguageSetting, UnwritableFileFailsWithoutHarm) {
  TempDir dir;
  std::string error;
  EXPECT_FALSE(WriteLanguageSetting(dir.Path("gone/KvorAisConfig.ini"), 3, &error));
  EXPECT_NE(error.find("Cannot create file"), std::string::npos) << error;
  // A folder in the way of the file: the rename fails, nothing is left behind.
  fs::create_directory(dir.Path("KvorAisConfig.ini"));
  fs::create_directory(dir.Path("KvorAisConfig.ini/x"));
  EXPECT_FALSE(WriteLanguageSetting(dir.Path("KvorAisConfig.ini"), 3));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.Dir()), fs::directory_iterator()), 1);
}
