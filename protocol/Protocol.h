#pragma once
// Entry points of the sentence codec for the rest of the program.
//
// Lines are passed as std::string. A received line must end in CR LF; the codec
// pads its empty fields (the string may grow, at most to 98 characters), rewrites
// the wrapped proprietary form $PKVR,c,FFF,... and cuts the fields in place with
// NULs, so pass a copy you no longer need. Built lines are written into a
// std::string; a line longer than the 100-byte send buffer (99 characters and the
// NUL) is refused with false and the string left empty.
//
// The field cursor (FieldCursor) and the field converters are in
// protocol/SentenceFields.h. All of it runs on the user-interface thread.
#include <cstdint>
#include <string>
#include <string_view>

#include "protocol/GroupRecords.h"
#include "protocol/ProtocolState.h"
#include "protocol/SentenceStruct.h"

// Parses a received line into state.incoming, files it into its group record and,
// for !..VDM / !..VDO, hands it to the AIS assembly. True when the caller goes on
// with the line.
bool ProcessSentence(ProtocolState& state, std::string& line);
bool ProcessSentence(ProtocolState& state, std::string_view line);  // works on a copy

// Loads state.outgoing from the group record of `formatter`, with `talker`, and
// formats it: the whole line with "*", checksum and CR LF.
bool BuildSentence(ProtocolState& state, std::string& out, std::string_view formatter,
                   std::string_view talker);

// The record-level steps, for callers that hold a record of their own.
bool ParseSentence(std::string& line, SENTENCE_STRUCT& record);
bool FormatSentence(std::string& out, const SENTENCE_STRUCT& record);
SentenceGroup ClassifySentence(const SENTENCE_STRUCT& record);
void StoreSentence(ProtocolState& state, const SENTENCE_STRUCT& record);
void LoadSentence(const ProtocolState& state, SENTENCE_STRUCT& record);

// Checksum: XOR of the characters between the start character and '*'.
bool VerifyChecksum(std::string_view line);
// Appends '*', two upper-case hex digits, CR and LF. False (nothing appended) when
// the text is 65,535 characters or longer or already holds '*'.
bool AppendChecksum(std::string& text);

// Decimal text to integer as the device texts need it: leading white space, an
// optional sign, digits up to the first other character; 0 when there are none.
// The low-order 32 bits are kept, so an unsigned field is exact as uint32_t.
int32_t FieldToInt(std::string_view text);

// Device-data dump helpers. CopyAfterKey copies up to `count` bytes after the
// first occurrence of `key` (fewer when the text ends first); no NUL is added.
bool CopyAfterKey(char* destination, std::string_view key, int count, std::string_view text);
bool IntAfterKey(int32_t& destination, std::string_view key, std::string_view text);

// "YYYY/MM/DD hh:mm:ss" ("%04d/%02d/%02d %02d:%02d:%02d").
std::string FormatTimestamp(int year, int month, int day, int hour, int minute, int second);
int CompareInt(const int32_t* first, const int32_t* second);
