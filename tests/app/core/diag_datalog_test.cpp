#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "app/core/DataLog.h"

namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

class DataLogFile : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/diag_datalog_XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    dir = tmpl;
  }
  void TearDown() override {
    std::system(("chmod -R u+w '" + dir + "'; rm -rf '" + dir + "'").c_str());
  }
  std::string dir;
};

}  // namespace

TEST_F(DataLogFile, WritesEveryLineWithCrLfAndReplacesAnEarlierSave) {
  const std::string path = dir + "/log.TXT";
  std::string err;
  ASSERT_TRUE(SaveDataLog(path, {"old"}, err)) << err;
  ASSERT_TRUE(SaveDataLog(path, {"$GPRMC,1*00", "", "!AIVDM,x"}, err)) << err;
  EXPECT_EQ(ReadAll(path), "$GPRMC,1*00\r\n\r\n!AIVDM,x\r\n");
  ASSERT_TRUE(SaveDataLog(path, {}, err));
  EXPECT_EQ(ReadAll(path), "");
}

TEST_F(DataLogFile, FailedSaveReportsAndKeepsTheEarlierFile) {
  const std::string path = dir + "/log.TXT";
  std::string err;
  ASSERT_TRUE(SaveDataLog(path, {"kept"}, err));
  if (geteuid() != 0) {
    chmod(dir.c_str(), 0500);  // no new file may be made beside it
    EXPECT_FALSE(SaveDataLog(path, {"lost"}, err));
    EXPECT_FALSE(err.empty());
    EXPECT_EQ(ReadAll(path), "kept\r\n");
    chmod(dir.c_str(), 0700);
  }
  EXPECT_FALSE(SaveDataLog(dir + "/no/such/folder/log.TXT", {"x"}, err));
  EXPECT_FALSE(err.empty());
  // A folder in the way of the file: refused, folder untouched.
  mkdir((dir + "/taken").c_str(), 0700);
  mkdir((dir + "/taken/inner").c_str(), 0700);
  EXPECT_FALSE(SaveDataLog(dir + "/taken", {"x"}, err));
  struct stat st {};
  EXPECT_EQ(stat((dir + "/taken/inner").c_str(), &st), 0);
}

TEST(CustomCommand, WiFiCommandsStopTheStepMachine) {
  EXPECT_TRUE(PrepareCustomCommand("AT+SCAN").stopWiFi);
  EXPECT_TRUE(PrepareCustomCommand("AT+").stopWiFi);
  EXPECT_TRUE(PrepareCustomCommand("$PDBG,163,1,,,,,,*14").stopWiFi);
  EXPECT_FALSE(PrepareCustomCommand("AT").stopWiFi);
  EXPECT_FALSE(PrepareCustomCommand("$PDBG,163,0,,,,,,*15").stopWiFi);
  EXPECT_FALSE(PrepareCustomCommand("at+scan").stopWiFi);
}

TEST(CustomCommand, CutTo84BytesWithoutSplittingACharacter) {
  const std::string longText(100, 'A');
  EXPECT_EQ(PrepareCustomCommand(longText).bytes, std::string(84, 'A') + "\r\n");
  std::string mixed(83, 'B');
  mixed += "\u00E9";  // two bytes straddling the limit
  EXPECT_EQ(PrepareCustomCommand(mixed).bytes, std::string(83, 'B') + "\r\n");
}
