// The floor for printing labels: the texts of Default labels drawn straight
// with QPainter, fonts and their metrics made once, on a QPrinter set up as a
// label run to PDF on stock 5160 sets it up. The contacts come from a log
// made by generate-log, so the texts are those the run prints for it.
// Usage: bare-painter-bench LOG OUT.pdf
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>

#include "adif/QsoFormats.h"
#include "qt/QtPrintSurface.h"
#include "sheets/SheetCatalogue.h"
#include "text/Text.h"

namespace {

struct Contact {
  std::string call, mode, rst, date, time, band, name;
};

// A scan of generate-log's tags, not a reader. Values run to the next tag,
// a line end taken as a blank, as the label runs' reader gives them. Generated
// logs name no operator, QSL manager or received QSL.
std::vector<Contact> ReadContacts(const char* path) {
  std::ifstream in(path, std::ios::binary);
  std::string log{std::istreambuf_iterator<char>(in), {}};
  std::replace(log.begin(), log.end(), '\n', ' ');
  static constexpr std::pair<std::string_view, std::string Contact::*> kFields[] = {
      {"call", &Contact::call},     {"mode", &Contact::mode},    {"rst_sent", &Contact::rst},
      {"qso_date", &Contact::date}, {"time_on", &Contact::time}, {"band", &Contact::band},
      {"name", &Contact::name}};
  std::vector<Contact> contacts(1);
  for (std::size_t at = log.find('<'); at != std::string::npos;) {
    const std::size_t close = log.find('>', at);
    if (close == std::string::npos) {
      break;
    }
    const std::size_t next = log.find('<', close);
    const std::string_view name = std::string_view(log).substr(at + 1, close - at - 1);
    for (const auto& [field, member] : kFields) {
      if (name.starts_with(field) && name.substr(field.size()).starts_with(':')) {
        contacts.back().*member = log.substr(close + 1, next - close - 1);
      }
    }
    if (name == "eor") {
      contacts.emplace_back();
    }
    at = next;
  }
  contacts.pop_back();
  return contacts;
}

struct Face {
  QFont font;
  double ascent = 0;  // device pixels, as the line spacing
  double lineSpacing = 0;
};

Face MakeFace(std::string_view face, double points, bool bold, QPaintDevice& device) {
  QFont font(tavrilon::qt::QtPrintSurface::FamilyFor(face));
  font.setPointSizeF(points);
  font.setBold(bold);
  const QFontMetricsF metrics(font, &device);
  return {font, metrics.ascent(), metrics.lineSpacing()};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: bare-painter-bench LOG OUT.pdf\n");
    return 64;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromLocal8Bit(argv[2]));
  printer.setFullPage(false);
  printer.setDocName(QStringLiteral("Tavrilon QSL labels"));
  printer.setCreator(QStringLiteral("Tavrilon"));
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setPageSize(QPageSize(QPageSize::Letter));
  printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);

  const std::vector<Contact> contacts = ReadContacts(argv[1]);
  QPainter painter;
  if (contacts.empty() || !painter.begin(&printer)) {
    return 1;
  }
  painter.setRenderHint(QPainter::Antialiasing);
  const double dpi = printer.resolution();
  const Face call = MakeFace("Times New Roman", 15, true, printer);
  const Face large = MakeFace("Times New Roman", 15, false, printer);
  const Face small = MakeFace("Times New Roman", 9, false, printer);
  const Face table = MakeFace("Courier New", 8, true, printer);
  const tavrilon::sheets::LabelSheet sheet = *tavrilon::sheets::CatalogueSheet("5160");
  const int perPage = sheet.across * sheet.down;
  const auto gap = [dpi](double points) { return tavrilon::sheets::LineGap(points) * dpi; };

  int onPage = 0;
  for (const Contact& c : contacts) {
    const double x = (sheet.leftMargin + onPage % sheet.across * sheet.horizontalPitch) * dpi;
    double y = (sheet.topMargin + onPage / sheet.across * sheet.verticalPitch) * dpi;
    const auto draw = [&](const Face& face, double dx, const std::string& text) {
      painter.drawText(QPointF(x + dx * dpi, y + face.ascent), QString::fromStdString(text));
    };
    painter.setFont(call.font);
    painter.setPen(QColor(0, 0, 255));
    draw(call, 0, c.call);
    painter.setPen(Qt::black);
    y += large.lineSpacing + gap(15);
    painter.setFont(small.font);
    draw(small, 0, " confirms the 2x" + c.mode + " QSO");
    y += small.lineSpacing + gap(9);
    painter.setFont(table.font);
    draw(table, 0, "    Date     Time   Band   RST");
    y += table.lineSpacing + gap(8);
    draw(table, 0, tavrilon::adif::FormatAdifDate(c.date));
    draw(table, 0.85, tavrilon::adif::FormatAdifTime(c.time));
    draw(table, 1.35, std::string(tavrilon::text::TrimBlanks(c.band)));
    draw(table, 1.8, c.rst);
    y += table.lineSpacing + gap(9);
    painter.setFont(small.font);
    draw(small, 0, "Thanks " + c.name.substr(0, c.name.find(' ')) + "  Please Send QSL");
    if (++onPage == perPage) {
      printer.newPage();
      onPage = 0;
    }
  }
  painter.end();
  std::printf("%zu labels\n", contacts.size());
  return 0;
}
