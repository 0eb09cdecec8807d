#pragma once

#include <chrono>
#include <string>
#include <string_view>

#include "adif/QsoRecord.h"
#include "html/HtmlSink.h"
#include "logbook/LogColumns.h"
#include "logbook/LogLayout.h"

namespace tavrilon::html {

// The logbook as one web page: the head with the operator's call and the
// creation time, one table row per contact in the columns of the logbook,
// and the foot. Every line ends in CR LF.
class HtmlWriter {
 public:
  HtmlWriter(HtmlSink& sink, const logbook::ColumnTable& columns);

  // The head, the table's start and its heading row: the columns' headings
  // in the custom layout, their field names in the default one. `createdOn`
  // is shown in local time as MM/DD/YYYY HH:MM:SS.
  void HtmlWriteHead(std::string_view operatorCall, logbook::LogLayout layout,
                     std::chrono::system_clock::time_point createdOn);
  void HtmlWriteRow(const adif::QsoRecord& qso);
  void HtmlWriteFoot();

 private:
  HtmlSink& sink_;
  const logbook::ColumnTable& columns_;
  std::string text_;  // kept to re-use its memory from row to row
  logbook::ColumnSlotCache slots_;
};

}  // namespace tavrilon::html
