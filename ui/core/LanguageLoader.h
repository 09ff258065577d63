#pragma once
// Applying a language file: the controls it writes through, the window state
// it needs, and the captions composed from the message texts.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ui/core/LanguageTable.h"
#include "ui/core/MessageTexts.h"

// The windows' controls as the language loader sees them: texts by control
// name. Texts are UTF-8.
class LanguageControls {
 public:
  virtual ~LanguageControls() = default;
  // nullopt when there is no such control (or entry): the row is skipped.
  virtual std::optional<std::string> GetText(std::string_view control, LangTarget kind,
                                             int item) = 0;
  virtual void SetText(std::string_view control, LangTarget kind, int item,
                       const std::string& text) = 0;
};

// The main window's state that three of the loaded texts depend on.
struct LanguageContext {
  int openPortTag = 0;   // OpenPort.Tag: 1 while a connection is open or being made
  int connectState = 0;  // 0 idle, 1 detecting, 2 connected
  uint32_t mmsi = 0;     // the MMSI the device reported, 0 for none
};

// The member a row of kind Member names; null for an unknown name.
std::string* MessageMember(MSG_TEXT_STRUCT& texts, std::string_view name);

// Reads every row of kLanguageRows from the file at `path` (read in
// `codePage` when it is not UTF-8), each with its target's current text as
// the default, so a missing key or file leaves the target as it was. Then,
// in passing, OpenPort shows Connect[tag], LabelMMSICantProg the sentence of
// MmsiCantProgText and LabelConnectionStatus the text of the connection state.
void LoadLanguageFile(const std::string& path, const std::string& codePage,
                      LanguageControls& controls, MSG_TEXT_STRUCT& texts,
                      const LanguageContext& context);

// LabelUartNo3 after a language change: BAUD_2In for device type 2, BAUD_2
// for 3; nullopt (leave it) for others.
std::optional<std::string> UartNo3Caption(int multipleBaudType, const MSG_TEXT_STRUCT& texts);

// LabelMMSICantProg beside a programmed MMSI: one sentence from the two keys
// around the MMSI in nine digits ("MMSI is 123456789, can't be programmed twice!").
std::string MmsiCantProgText(uint32_t mmsi, const MSG_TEXT_STRUCT& texts);

// LabelConnectionStatus for a connection state; nullopt for unknown states.
std::optional<std::string> ConnectionStatusText(int connectState, const MSG_TEXT_STRUCT& texts);
