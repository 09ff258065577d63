#pragma once
// The message-text record the main window, the language loader and the
// Wi-Fi set-up share.
#include <string>

// The main window's language-dependent message texts. Every member holds its
// English default from InitDefaultTexts until the language loader replaces the
// members that have a language-file key. Texts are UTF-8.
struct MSG_TEXT_STRUCT {
  std::string Connect[2];  // [0] "Connect", [1] "Disconnect": caption of OpenPort by its Tag
  std::string Exit_Caption;
  std::string QueryExit;
  std::string NoSerialPortExist;
  std::string AutoDetectTimeOut;
  std::string ManualConnectTimeOut;
  std::string Connecting;
  std::string Connected;
  std::string Disconnect;
  std::string PortOpenError;
  std::string CmdSendFail;
  std::string ConnectPortFirst;
  std::string BaudChangedText;
  std::string BaudChangeHint;
  std::string BaudChangedCaption;
  std::string CantBeProg1;
  std::string CantBeProg2;
  std::string MmsiWarning;
  std::string CheckPortError;
  std::string ConnectionChangeText;
  std::string BAUD_2In;
  std::string BAUD_2;
  std::string Error;
  std::string Warning;
};

void InitDefaultTexts(MSG_TEXT_STRUCT& texts);
