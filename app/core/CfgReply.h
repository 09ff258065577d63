#pragma once
// Configuration replies from the device, and the rate codes of the NMEA
// baud-rate replies.
#include <cstdint>
#include <string_view>

// One "$PKVR,R,CFG,id,sub,value,text*hh" reply. A line whose type is not 'R'
// gives an all-zero record, which callers ignore (id 0).
struct CfgReply {
  int32_t id = 0;
  int32_t sub = 0;
  int32_t value = 0;
  char text[100] = {};
};

// Empty id or sub give 0, an empty value 255, an empty text "". Fields that
// are missing altogether count as empty; the text is cut to 99 bytes.
CfgReply ParseCfgReply(std::string_view line);

// Entry of the NMEA baud-rate lists ("38400", "9600", "4800") for a rate code
// of item 183, or -1 when the reply is to be ignored (outside 0..6).
int BaudIndexForRateCode(int32_t code);

// The rate an entry of those lists stands for (0 for no selection).
int32_t BaudRateOfIndex(int index);
