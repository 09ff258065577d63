// Loading a language file row by row into controls and message texts, with
// the three captions refreshed as the rows that feed them are read.
#include "ui/core/LanguageLoader.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>

#include "ui/core/IniFile.h"

namespace {

struct MemberName {
  const char* name;
  std::string MSG_TEXT_STRUCT::*member;
};

// The keyed members; Connect[] is handled apart, being an array.
constexpr MemberName kMembers[] = {
    {"Exit_Caption", &MSG_TEXT_STRUCT::Exit_Caption},
    {"QueryExit", &MSG_TEXT_STRUCT::QueryExit},
    {"NoSerialPortExist", &MSG_TEXT_STRUCT::NoSerialPortExist},
    {"AutoDetectTimeOut", &MSG_TEXT_STRUCT::AutoDetectTimeOut},
    {"ManualConnectTimeOut", &MSG_TEXT_STRUCT::ManualConnectTimeOut},
    {"Connecting", &MSG_TEXT_STRUCT::Connecting},
    {"Connected", &MSG_TEXT_STRUCT::Connected},
    {"Disconnect", &MSG_TEXT_STRUCT::Disconnect},
    {"PortOpenError", &MSG_TEXT_STRUCT::PortOpenError},
    {"CmdSendFail", &MSG_TEXT_STRUCT::CmdSendFail},
    {"ConnectPortFirst", &MSG_TEXT_STRUCT::ConnectPortFirst},
    {"BaudChangedText", &MSG_TEXT_STRUCT::BaudChangedText},
    {"BaudChangeHint", &MSG_TEXT_STRUCT::BaudChangeHint},
    {"BaudChangedCaption", &MSG_TEXT_STRUCT::BaudChangedCaption},
    {"CantBeProg1", &MSG_TEXT_STRUCT::CantBeProg1},
    {"CantBeProg2", &MSG_TEXT_STRUCT::CantBeProg2},
    {"MmsiWarning", &MSG_TEXT_STRUCT::MmsiWarning},
    {"CheckPortError", &MSG_TEXT_STRUCT::CheckPortError},
    {"ConnectionChangeText", &MSG_TEXT_STRUCT::ConnectionChangeText},
    {"BAUD_2In", &MSG_TEXT_STRUCT::BAUD_2In},
    {"BAUD_2", &MSG_TEXT_STRUCT::BAUD_2},
    {"Error", &MSG_TEXT_STRUCT::Error},
    {"Warning", &MSG_TEXT_STRUCT::Warning},
};

bool Is(const LanguageRow& row, const char* section, const char* key) {
  return std::strcmp(row.section, section) == 0 && std::strcmp(row.key, key) == 0;
}

}  // namespace

std::string* MessageMember(MSG_TEXT_STRUCT& texts, std::string_view name) {
  if (name == "Connect[0]") return &texts.Connect[0];
  if (name == "Connect[1]") return &texts.Connect[1];
  for (const auto& m : kMembers) {
    if (name == m.name) return &(texts.*m.member);
  }
  return nullptr;
}

std::optional<std::string> UartNo3Caption(int multipleBaudType, const MSG_TEXT_STRUCT& texts) {
  if (multipleBaudType == 2) return texts.BAUD_2In;
  if (multipleBaudType == 3) return texts.BAUD_2;
  return std::nullopt;
}

std::string MmsiCantProgText(uint32_t mmsi, const MSG_TEXT_STRUCT& texts) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%09" PRIu32, mmsi);
  return texts.CantBeProg1 + digits + texts.CantBeProg2;
}

std::optional<std::string> ConnectionStatusText(int connectState, const MSG_TEXT_STRUCT& texts) {
  switch (connectState) {
    case 0:
      return texts.Disconnect;
    case 1:
      return texts.Connecting;
    case 2:
      return texts.Connected;
    default:
      return std::nullopt;
  }
}

void LoadLanguageFile(const std::string& path, const std::string& codePage,
                      LanguageControls& controls, MSG_TEXT_STRUCT& texts,
                      const LanguageContext& context) {
  const IniFile ini(path, codePage);
  for (const LanguageRow& row : kLanguageRows) {
    if (row.kind == LangTarget::Member) {
      if (std::string* member = MessageMember(texts, row.target)) {
        *member = ini.ReadString(row.section, row.key, *member);
      }
    } else if (auto current = controls.GetText(row.target, row.kind, row.item)) {
      controls.SetText(row.target, row.kind, row.item,
                       ini.ReadString(row.section, row.key, *current));
    }

    if (Is(row, "SYS_BUTTON", "Disconnect")) {
      // The tag is the window's state, not ours: a stray value selects nothing.
      if (context.openPortTag == 0 || context.openPortTag == 1) {
        controls.SetText("OpenPort", LangTarget::Caption, 0, texts.Connect[context.openPortTag]);
      }
    } else if (Is(row, "TAB_MMSI", "CantBeProg2")) {
      controls.SetText("LabelMMSICantProg", LangTarget::Caption, 0,
                       MmsiCantProgText(context.mmsi, texts));
    } else if (Is(row, "CONFIG_SERIAL_PORT", "Ethernet_Port")) {
      if (auto status = ConnectionStatusText(context.connectState, texts)) {
        controls.SetText("LabelConnectionStatus", LangTarget::Caption, 0, *status);
      }
    }
  }
}
