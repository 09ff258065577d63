#pragma once
// The language tables: every control and message text a language file sets,
// and the four languages with their files and old code pages.
#include <array>
#include <cstddef>

// What one language-file read sets.
enum class LangTarget {
  Caption,  // a control's caption or text (menu item, button, label, group, tab sheet)
  Label,    // the label of a labelled edit
  Item,     // entry `item` of a combo box's list
  Member,   // a MSG_TEXT_STRUCT member, by name ("Connect[0]", "Warning", ...)
};

struct LanguageRow {
  const char* section;
  const char* key;
  const char* target;  // control's objectName, or message member name
  LangTarget kind;
  int item;                // Item: the entry's index
  const char* designText;  // the English text the control is built with; null for members
};

inline constexpr std::size_t kLanguageRowCount = 118;
// Every read of a language file, in load order.
extern const std::array<LanguageRow, kLanguageRowCount> kLanguageRows;

struct LanguageInfo {
  int number;                // LanguageIndex and the menu item's Tag
  const char* menuItem;      // objectName of the language's menu item
  const char* languageFile;  // relative to the program's folder
  const char* readMeFile;
  int fontCharset;       // the old font character set; Qt renders Unicode, so data only
  const char* codePage;  // iconv name of the code page of files from old installations
};

extern const std::array<LanguageInfo, 4> kLanguages;

// The language of a menu item's Tag; null for any other number.
const LanguageInfo* LanguageByNumber(int number);
// The language a stored setting selects: 1 to 3 as they are, anything else English.
const LanguageInfo& LanguageForSetting(int languageIndex);
