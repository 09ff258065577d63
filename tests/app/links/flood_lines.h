#pragma once
// What a flooding device sends: a receiver's GPS cycle with an AIS report,
// whose every line goes through the window's parsers, and numbered lines
// whose order and wholeness can be checked in the data log.
#include <cstdio>
#include <string>

#include "protocol/SentenceFields.h"

namespace floodlines {

inline std::string Sentence(std::string body) {
  AppendChecksum(body);
  return body;
}

inline std::string GpsCycle() {
  std::string s;
  for (const char* body : {"$GPRMC,081502,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W",
                           "$GPGGA,081502,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,",
                           "$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1",
                           "$GPGSV,2,1,08,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45",
                           "$GPGSV,2,2,08,15,30,050,47,19,10,200,38,24,55,120,44,25,60,300,40",
                           "!AIVDM,1,1,,A,13u?etPv2;0n:dDPwUM1U1Cb069D,0"})
    s += Sentence(body);
  return s;
}

// "$GPTXT,01,01,02,FLOOD 00000042*hh" with CR LF.
inline std::string NumberedLine(unsigned n) {
  char body[48];
  std::snprintf(body, sizeof body, "$GPTXT,01,01,02,FLOOD %08u", n);
  return Sentence(body);
}

}  // namespace floodlines
