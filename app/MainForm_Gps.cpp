// The status sentences: each received line offered to the sentence codec,
// and what it stored handed to the GPS STATUS page, the report counts or the
// encryption-key reply.
#include <cstring>

#include "app/MainForm.h"
#include "app/core/GpsRecords.h"
#include "app/pages/GpsStatusPage.h"
#include "app/pages/SystemCheckPage.h"
#include "protocol/Protocol.h"

namespace {
constexpr size_t kStatusSentenceLimit = 82;
}  // namespace

// A received line (CR LF included) for the status sentences.
void TForm1::DispatchStatusSentence(const std::string& line) {
  if (line.size() > kStatusSentenceLimit) return;
  const size_t start = line.find_first_of("$!");
  if (start == std::string::npos) return;
  std::string sentence = line.substr(start, kStatusSentenceLimit);
  if (!ProcessSentence(*protocol_, sentence)) return;

  const SENTENCE_STRUCT& rec = protocol_->incoming;
  switch (ClassifySentence(rec)) {
    case GROUP_GNSS:
      UpdateGpsStatus();
      break;
    case GROUP_AIS:
      if (rec.start == '!') CountAisReports();
      break;
    case GROUP_PROPRIETARY:
      if (std::strcmp(rec.formatter, "CEK") == 0) ParseCekSentence();
      break;
    default:
      break;
  }
}

void TForm1::CountAisReports() {
  const SENTENCE_STRUCT& rec = protocol_->incoming;
  TabSheetSystemCheck->CountAisReports(rec.formatter, rec.fields.vdm.channel);
}

// After a stored GNSS sentence, and after an AIS one that began with '!'.
void TForm1::UpdateGpsStatus() {
  GNSS_DATA_STRUCT& gnss = protocol_->gnss;
  const AIS_TARGET_STRUCT& own = protocol_->ais.targets.slot[0];
  const GpsSentenceInput in = GpsInputFromRecords(protocol_->incoming.formatter, gnss, own);
  // The page has shown this fix; the next GGA raises the flag again.
  if (gnss.fixUpdated == 1) gnss.fixUpdated = 0;
  TabSheetGpsStatus->UpdateGpsStatus(in);
}

void TForm1::CreateSatelliteChart() { TabSheetGpsStatus->CreateSatelliteChart(); }

void TForm1::ResetGpsCounters() {
  TabSheetGpsStatus->ResetGpsStatus();
  TabSheetSystemCheck->ResetReportCounters();
}
