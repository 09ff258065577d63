#pragma once
// What the group records' two source files share: the formatter test and the
// filing of the GNSS and motion records, which live in a file of their own.
#include <cstring>

#include "protocol/GroupRecords.h"
#include "protocol/SentenceStruct.h"

namespace group_records {

inline bool Is(const SENTENCE_STRUCT& r, const char* formatter) {
  return std::strncmp(r.formatter, formatter, sizeof r.formatter) == 0;
}

void StoreGnss(const SENTENCE_STRUCT& r, GNSS_DATA_STRUCT& g);
void LoadGnss(const GNSS_DATA_STRUCT& g, SENTENCE_STRUCT& r);
void StoreMotion(const SENTENCE_STRUCT& r, MOTION_DATA_STRUCT& m);
void LoadMotion(const MOTION_DATA_STRUCT& m, SENTENCE_STRUCT& r);

}  // namespace group_records
