// The English message texts every language starts from.
#include "ui/core/MessageTexts.h"

void InitDefaultTexts(MSG_TEXT_STRUCT& t) {
  t.Connect[0] = "Connect";
  t.Connect[1] = "Disconnect";
  t.Exit_Caption = "Exit!";
  t.QueryExit = "Are you sure to exit?";
  t.NoSerialPortExist = "All serial ports are occupied or no existing!";
  t.AutoDetectTimeOut = "Serial port detecting failed!";
  t.ManualConnectTimeOut = "Serial port connection time out!";
  t.Connecting = "Connecting...";
  t.Connected = "Connected...";
  t.Disconnect = "Disconnect...";
  t.PortOpenError = "Serial port open error! Please check!";
  t.CmdSendFail = "Command sending fail!";
  t.ConnectPortFirst = "Please connect serial port first!";
  t.BaudChangedText = "Device's baud rate has been changed.";
  t.BaudChangeHint = "Please change PC's baud rate in accordance.";
  t.BaudChangedCaption = "Baud Rate Changed";
  t.CantBeProg1 = "MMSI is ";
  t.CantBeProg2 = ", can't be programmed twice!";
  t.MmsiWarning = "Can be programmed only one! Go on?";
  t.CheckPortError =
      "Note! Any force connect this serial port may cause unpredictable mistakes. Continue?";
  t.ConnectionChangeText = "Device is connected. Do you want to disconnect?";
  t.BAUD_2In = "NMEA 2 Input";
  t.BAUD_2 = "NMEA 2 Input/Output";
  t.Error = "Error";
  t.Warning = "Warning";
}
