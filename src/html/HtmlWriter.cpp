#include "html/HtmlWriter.h"

#include <ctime>

#include "html/HtmlText.h"
#include "text/Text.h"
#include "version/VersionString.h"

namespace tavrilon::html {

namespace {

constexpr std::string_view kCellStart = "<TD ALIGN=center><FONT SIZE=\"2\">";
constexpr std::string_view kCellEnd = "</font/></TD>";
constexpr std::string_view kMakersNotice = "Tavrilon - QSL labels and logbooks for radio amateurs";

void EndLine(std::string& out, std::string_view text) {
  out.append(text).append("\r\n");
}

void AppendCell(std::string& out, std::string_view text) {
  out.append(kCellStart);
  AppendHtmlText(text, out);
  out.append(kCellEnd);
}

std::string LocalDateTime(std::chrono::system_clock::time_point when) {
  const std::time_t time = std::chrono::system_clock::to_time_t(when);
  std::tm local{};
  localtime_r(&time, &local);
  char text[32];
  const std::size_t length = std::strftime(text, sizeof text, "%m/%d/%Y %H:%M:%S", &local);
  return std::string(text, length);
}

}  // namespace

HtmlWriter::HtmlWriter(HtmlSink& sink, const logbook::ColumnTable& columns)
    : sink_(sink), columns_(columns) {}

void HtmlWriter::HtmlWriteHead(std::string_view operatorCall, logbook::LogLayout layout,
                               std::chrono::system_clock::time_point createdOn) {
  std::string& out = text_;
  out.clear();
  EndLine(out, "<html>");
  EndLine(out, " ");
  EndLine(out, "<head>");
  EndLine(out, "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">");
  out.append("<title>");
  AppendHtmlText(operatorCall, out);
  EndLine(out, " Logbook</title>");
  EndLine(out, "</head>");
  EndLine(out, " ");
  EndLine(out,
          "<body background bgcolor=\"#FFFFFF\" text=\"#003399\" link=\"#3366FF\" "
          "vlink=\"#9900FF\" alink=\"#000066\">");
  EndLine(out, " ");
  EndLine(out, "<!--mstheme--><font face=\"Century Gothic, Arial, Helvetica\">");
  out.append("<p ALIGN=center><b><font face=\"Arial\" size=\"5\">");
  AppendHtmlText(operatorCall, out);
  out.append(
      " Logbook <b><font size=\"2\">&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;"
      "Created on: ");
  EndLine(out, LocalDateTime(createdOn));
  EndLine(out, "</font><font face=\"Arial\" size=\"3\"");
  EndLine(out, "S-Type=\"REGENERATED\" S-Format=\"%m/%d/%Y %H:%M\"<!--webbot");
  EndLine(out, "bot=\"Timestamp\" I-CheckSum=\"26219\" endspan -->");
  EndLine(out, "</font></b></p>");
  EndLine(out, "<p><font face=\"Courier New\" size=\"2\">");
  EndLine(out, " ");
  EndLine(out, "<TABLE WIDTH=\"85%\"ALIGN=center BORDER=\"1\">");
  EndLine(out, "<TR>");
  const bool customHeadings = layout == logbook::LogLayout::Custom;
  for (std::size_t row = 0; row < logbook::ColumnTable::kLaidOut; ++row) {
    const logbook::LogColumn& column = columns_.Row(row);
    if (!column.AdifField.empty()) {
      AppendCell(out, customHeadings ? column.Heading : column.AdifField);
    }
  }
  EndLine(out, "</TR>");
  sink_.Write(out);
}

void HtmlWriter::HtmlWriteRow(const adif::QsoRecord& qso) {
  const adif::FieldTable& fields = qso.fields;
  const logbook::ColumnSlots& slots = slots_.For(columns_, fields);
  std::string& out = text_;
  out.clear();
  EndLine(out, "<TR>");
  for (std::size_t row = 0; row < logbook::ColumnTable::kLaidOut; ++row) {
    const logbook::LogColumn& column = columns_.Row(row);
    if (column.AdifField.empty()) {
      continue;
    }
    const std::string_view value = text::FirstChars(fields.Value(slots[row]), column.Length);
    if (value.empty()) {
      out.append(kCellStart).append("&nbsp").append(kCellEnd);
    } else {
      AppendCell(out, value);
    }
  }
  EndLine(out, "");
  EndLine(out, "</TR>");
  sink_.Write(out);
}

void HtmlWriter::HtmlWriteFoot() {
  std::string& out = text_;
  out.clear();
  EndLine(out, "</TABLE>");
  EndLine(out, "</font></p>");
  out.append("<p ALIGN=left><b><font face=\"Arial\" size=\"1\">Created by Tavrilon version: ");
  out.append(VersionString());
  EndLine(out, "<br>");
  out.append("<ALIGN=left><b><font face=\"Arial\" size=\"1\">");
  out.append(kMakersNotice);
  EndLine(out, " </p>");
  EndLine(out, "<!--mstheme--></font>");
  EndLine(out, "</body>");
  EndLine(out, "</html>");
  sink_.Write(out);
}

}  // namespace tavrilon::html
