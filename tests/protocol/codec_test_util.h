#pragma once
#include <cstring>
#include <memory>
#include <string>

#include "protocol/Protocol.h"
#include "protocol/SentenceFields.h"

// A sentence body ("$GPGGA,...") with its checksum and CR LF.
inline std::string WithChecksum(std::string body) {
  AppendChecksum(body);
  return body;
}

inline bool ParseBody(const std::string& body, SENTENCE_STRUCT& record) {
  std::string line = WithChecksum(body);
  return ParseSentence(line, record);
}

inline std::unique_ptr<ProtocolState> FreshState() { return std::make_unique<ProtocolState>(); }

inline bool Feed(ProtocolState& state, const std::string& body) {
  std::string line = WithChecksum(body);
  return ProcessSentence(state, line);
}

// The built line without its "*hh\r\n".
inline std::string Body(const std::string& line) {
  return line.size() >= 5 ? line.substr(0, line.size() - 5) : line;
}
