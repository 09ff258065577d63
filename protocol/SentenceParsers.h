#pragma once
// The per-formatter parsers and builders. A parser gets the received line (checksum
// verified, empty fields padded, the wrapped proprietary form already rewritten),
// cuts it in place and fills its member; false when the line lacks the
// formatter's shape or a checked field is out of range. A builder appends the line
// without its checksum; false when a text would break the sentence.
#include <string>

#include "protocol/SentenceStruct.h"

// positioning, heading and motion
bool ParseGBS(char* line, SENTENCE_STRUCT& record);
bool ParseGGA(char* line, SENTENCE_STRUCT& record);
bool ParseGLL(char* line, SENTENCE_STRUCT& record);
bool ParseGSA(char* line, SENTENCE_STRUCT& record);
bool ParseGSV(char* line, SENTENCE_STRUCT& record);
bool ParseRMC(char* line, SENTENCE_STRUCT& record);
bool ParseRMC13(char* line, SENTENCE_STRUCT& record);
bool ParseRMC12(char* line, SENTENCE_STRUCT& record);
bool ParseRMC11(char* line, SENTENCE_STRUCT& record);
bool ParseVTG(char* line, SENTENCE_STRUCT& record);
bool ParseZDA(char* line, SENTENCE_STRUCT& record);
bool ParseGNS(char* line, SENTENCE_STRUCT& record);
bool ParseHDT(char* line, SENTENCE_STRUCT& record);
bool ParseROT(char* line, SENTENCE_STRUCT& record);
bool ParseVBW(char* line, SENTENCE_STRUCT& record);
bool ParseDTM(char* line, SENTENCE_STRUCT& record);
bool ParseGRS(char* line, SENTENCE_STRUCT& record);
bool ParseGST(char* line, SENTENCE_STRUCT& record);
bool ParseOSD(char* line, SENTENCE_STRUCT& record);
bool ParseWPL(char* line, SENTENCE_STRUCT& record);
bool ParseRMA(char* line, SENTENCE_STRUCT& record);
bool FormatGBS(std::string& out, const SENTENCE_STRUCT& record);
bool FormatGSA(std::string& out, const SENTENCE_STRUCT& record);
bool FormatRMC(std::string& out, const SENTENCE_STRUCT& record);
bool FormatHDT(std::string& out, const SENTENCE_STRUCT& record);

// AIS station sentences
bool ParseTXT(char* line, SENTENCE_STRUCT& record);
bool ParseABK(char* line, SENTENCE_STRUCT& record);
bool ParseABM(char* line, SENTENCE_STRUCT& record);
bool ParseACA(char* line, SENTENCE_STRUCT& record);
bool ParseACK(char* line, SENTENCE_STRUCT& record);
bool ParseACS(char* line, SENTENCE_STRUCT& record);
bool ParseALR(char* line, SENTENCE_STRUCT& record);
bool ParseBBM(char* line, SENTENCE_STRUCT& record);
bool ParseSSD(char* line, SENTENCE_STRUCT& record);
bool ParseVDM(char* line, SENTENCE_STRUCT& record);
bool ParseVDO(char* line, SENTENCE_STRUCT& record);
bool ParseVSD(char* line, SENTENCE_STRUCT& record);
bool FormatABK(std::string& out, const SENTENCE_STRUCT& record);
bool FormatABM(std::string& out, const SENTENCE_STRUCT& record);
bool FormatACK(std::string& out, const SENTENCE_STRUCT& record);
bool FormatALR(std::string& out, const SENTENCE_STRUCT& record);
bool FormatBBM(std::string& out, const SENTENCE_STRUCT& record);
bool FormatSSD(std::string& out, const SENTENCE_STRUCT& record);
bool FormatVDM(std::string& out, const SENTENCE_STRUCT& record);
bool FormatVDO(std::string& out, const SENTENCE_STRUCT& record);
bool FormatVSD(std::string& out, const SENTENCE_STRUCT& record);

// proprietary and auxiliary
bool ParseTST(char* line, SENTENCE_STRUCT& record);
bool ParseDBG(char* line, SENTENCE_STRUCT& record);
bool ParseMID(char* line, SENTENCE_STRUCT& record);
bool ParseCEK(char* line, SENTENCE_STRUCT& record);
bool ParseTPS(char* line, SENTENCE_STRUCT& record);
bool ParseBDY(char* line, SENTENCE_STRUCT& record);
bool ParseBTH(char* line, SENTENCE_STRUCT& record);
bool ParseFRQ(char* line, SENTENCE_STRUCT& record);
bool ParseMOB(char* line, SENTENCE_STRUCT& record);
bool ParseAIQ(char* line, SENTENCE_STRUCT& record);
bool ParseSmg(char* line, SENTENCE_STRUCT& record);
bool ParseQuery(char* line, SENTENCE_STRUCT& record);
bool FormatTST(std::string& out, const SENTENCE_STRUCT& record);
bool FormatDBG(std::string& out, const SENTENCE_STRUCT& record);
bool FormatMID(std::string& out, const SENTENCE_STRUCT& record);
bool FormatTPS(std::string& out, const SENTENCE_STRUCT& record);
bool FormatBDY(std::string& out, const SENTENCE_STRUCT& record);
bool FormatBTH(std::string& out, const SENTENCE_STRUCT& record);
bool FormatFRQ(std::string& out, const SENTENCE_STRUCT& record);
bool FormatMOB(std::string& out, const SENTENCE_STRUCT& record);

// "$" (or "!"), talker and formatter of the header.
void AppendAddress(std::string& out, char start, const SENTENCE_STRUCT& record);
