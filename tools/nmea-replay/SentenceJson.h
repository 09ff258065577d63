#pragma once
// The decoded fields of one sentence, for the object the replay prints per line.
#include "protocol/SentenceStruct.h"
#include "tools/nmea-replay/Json.h"

// Writes the member of the record's formatter as "fields":{...}; an empty object
// for a formatter without a member.
void WriteSentenceFields(JsonWriter& json, const SENTENCE_STRUCT& record);
