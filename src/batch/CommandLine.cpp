#include "batch/CommandLine.h"

#include <algorithm>
#include <utility>

#include <QCommandLineParser>
#include <QStringList>

#include "batch/ExitStatus.h"
#include "designs/BlankCards.h"
#include "designs/LabelDesign.h"

namespace tavrilon::batch {

namespace {

constexpr const char* kUsage =
    "Usage: tavrilon-batch COMMAND [OPTIONS]\n"
    "\n"
    "Commands:\n"
    "  read [--labels] [--count] LOG   read LOG as the logbook does (or, with --labels,\n"
    "                                  as the label runs do) and write every record as\n"
    "                                  one JSON object per line; --count prints only the\n"
    "                                  number of records\n"
    "  labels LOG (--pdf OUT | --printer NAME) [--stock S] [--skip N] [--design D]\n"
    "          [--style 1|2|3] [--sent-log SENT.adi [--bureau]]\n"
    "          [--contacts all|to-send] [--from YYYYMMDD] [--to YYYYMMDD]\n"
    "          [--order file|call|bureau] [--address-per-station]\n"
    "                                  print a QSL label for every contact of LOG, in the\n"
    "                                  design and on the stock of the settings file, to\n"
    "                                  the PDF file OUT or on the printer NAME; D is one\n"
    "                                  of DEFAULT, SIMPLE, CUSTOM1, CUSTOM2, CUSTOM3; with\n"
    "                                  SIMPLE, style 2 adds the station's mailing label\n"
    "                                  from the callbook and style 3 the return label;\n"
    "                                  --sent-log writes the printed contacts to SENT.adi\n"
    "                                  for the logger, marked as sent today (--bureau:\n"
    "                                  through the QSL bureau); --contacts to-send\n"
    "                                  prints only the cards still to send (QSL_SENT R,\n"
    "                                  Q or empty, not sent electronically), --from and\n"
    "                                  --to only the contacts of those days; --order\n"
    "                                  bureau sorts by the country of the station the\n"
    "                                  card goes to (its QSL manager's, if any) from\n"
    "                                  cty.dat; --address-per-station prints one mailing\n"
    "                                  label per station with styles 2 and 3\n"
    "  blank N (--pdf OUT | --printer NAME) [--stock S] [--skip N] [--design D]\n"
    "                                  print N blank cards of the custom design: its\n"
    "                                  picture and fixed texts, no contacts\n"
    "  preview LOG --image OUT.bmp [--scale 1|2|4] [--stock S] [--design D]\n"
    "                                  draw the first sheet of LOG's labels in the custom\n"
    "                                  design as the preview window shows it, and save it\n"
    "                                  as a bitmap at full, half or quarter size\n"
    "  design export DESIGN FILE       write the custom design DESIGN (CUSTOM1, CUSTOM2\n"
    "                                  or CUSTOM3) to the design file FILE, its picture\n"
    "                                  in it, to share it or keep a copy\n"
    "  design import FILE DESIGN [--replace]\n"
    "                                  fill the custom design DESIGN from the design file\n"
    "                                  FILE; its picture goes into the folder \"pictures\"\n"
    "                                  beside the settings file; a design already there\n"
    "                                  is replaced only with --replace\n"
    "  logbook LOG (--pdf OUT | --printer NAME) [--from-page N |\n"
    "          --begin YYYYMMDD [--begin-time HHMM] --end YYYYMMDD [--end-time HHMM]]\n"
    "                                  print the logbook of LOG: all of it, from page N,\n"
    "                                  or the contacts of a date and time range (either\n"
    "                                  end may be left out)\n"
    "  html LOG                        write LOG as an HTML page beside it (its extension\n"
    "                                  replaced by .html) in the log layout of the\n"
    "                                  settings file\n"
    "  calibrate --printer NAME --across MM --down MM\n"
    "                                  store how far the printer NAME must move its\n"
    "                                  labels (right and down are positive); every\n"
    "                                  label run and blank card on it is moved so\n"
    "  alignment-page (--pdf OUT | --printer NAME) [--stock S]\n"
    "                                  print the page that shows where the printer puts\n"
    "                                  the labels of the stock, to measure the shift by\n"
    "  stocks [--search TEXT]          list the label sheets, one a line: brand, part,\n"
    "                                  paper, label size, layout and description,\n"
    "                                  separated by tabs (the catalogue's stocks have no\n"
    "                                  brand); with --search, those holding every word\n"
    "                                  of TEXT, in any case\n"
    "\n"
    "A stock S is a catalogued one (\"5160\", \"L7162\"), \"Custom 1\" to \"Custom 3\",\n"
    "or a sheet of the label database by brand and part (\"Zweckform 3490\").\n"
    "\n"
    "Options:\n"
    "  --help      show this text\n"
    "  --version   show the version\n"
    "\n"
    "Settings are read from and written to tavrilon.ini: beside the program, or\n"
    "when installed (or when its folder cannot be written) in ~/.config/tavrilon.\n";

// Latin-1 maps every byte to one character and back, so a file's name passes
// through Qt's parser as the bytes it is, whatever its encoding.
QString FromBytes(std::string_view word) {
  return QString::fromLatin1(word.data(), static_cast<qsizetype>(word.size()));
}

std::string ToBytes(const QString& word) {
  return word.toLatin1().toStdString();
}

std::string Quoted(std::string_view word) {
  std::string quoted(1, '"');
  return quoted.append(word).append(1, '"');
}

// The option a word names, without its dashes and value ("--pdf=a.pdf" names
// "pdf"); empty for a word that is no option.
std::string_view OptionName(std::string_view word) {
  if (word.size() < 2 || word[0] != '-' || word == "--") {
    return {};
  }
  word.remove_prefix(word.starts_with("--") ? 2 : 1);
  return word.substr(0, word.find('='));
}

// One command's words through Qt's parser. A word with one dash is an
// option's name as with two ("-pdf" is "--pdf"), never a bundle of one-letter
// options, so no "-x" is taken for something it does not say.
class CommandWords {
 public:
  // `usage` says what the command takes; `positional` names the words that
  // are no option, in order; `flags` and `values` are the options without
  // and with a value.
  CommandWords(std::string usage, std::vector<std::string_view> positional,
               std::vector<std::string_view> flags, std::vector<std::string_view> values)
      : usage_(std::move(usage)),
        positional_(std::move(positional)),
        flags_(std::move(flags)),
        values_(std::move(values)) {
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const std::string_view flag : flags_) {
      parser_.addOption(QCommandLineOption(FromBytes(flag)));
    }
    for (const std::string_view value : values_) {
      parser_.addOption(QCommandLineOption(FromBytes(value), {}, QStringLiteral("value")));
    }
  }

  // Nothing when the words are the command's; else what is wrong, naming the
  // word: an unknown option, an option without its value or with two, a
  // word too many or one missing.
  std::optional<std::string> Parse(const std::vector<std::string>& args) {
    QStringList words{QStringLiteral("tavrilon-batch")};  // the parser passes over the first
    for (const std::string& arg : args) {
      words.append(FromBytes(arg));
    }
    if (!parser_.parse(words)) {
      return Refusal(args);
    }
    for (const std::string_view value : values_) {
      if (parser_.values(FromBytes(value)).size() > 1) {
        return "--" + std::string(value) + " given twice";
      }
    }
    const QStringList positional = parser_.positionalArguments();
    const auto count = static_cast<std::size_t>(positional.size());
    if (count > positional_.size()) {
      return "one argument too many: " + Quoted(ToBytes(positional[std::ssize(positional_)]));
    }
    if (count < positional_.size()) {
      return "no " + std::string(positional_[count]) + " given";
    }
    return std::nullopt;
  }

  template <typename Options>
  Parsed<Options> Refuse(std::string_view wrong) const {
    return {std::nullopt, std::string(wrong) + "; " + usage_};
  }

  bool IsSet(std::string_view name) const { return parser_.isSet(FromBytes(name)); }

  std::optional<std::string> Value(std::string_view name) const {
    return IsSet(name) ? std::optional(ToBytes(parser_.value(FromBytes(name)))) : std::nullopt;
  }

  std::string Positional(std::size_t index) const {
    return ToBytes(parser_.positionalArguments().at(static_cast<qsizetype>(index)));
  }

 private:
  // Why the parser refused `args`, with the word as it was typed.
  std::string Refusal(const std::vector<std::string>& args) const {
    const QStringList unknown = parser_.unknownOptionNames();
    for (const std::string& arg : args) {
      const std::string_view name = OptionName(arg);
      const std::string typed = arg.substr(0, arg.find('='));
      if (!unknown.isEmpty() && name == ToBytes(unknown.first())) {
        return "unknown option " + Quoted(typed);
      }
      if (unknown.isEmpty() && typed != arg && std::ranges::find(flags_, name) != flags_.end()) {
        return typed + " takes no value";
      }
    }
    // Only the last word can lack its value: any other takes the next word.
    return args.back() + " needs a value";
  }

  QCommandLineParser parser_;
  std::string usage_;
  std::vector<std::string_view> positional_;
  std::vector<std::string_view> flags_;
  std::vector<std::string_view> values_;
};

// --pdf and --printer: where a print run goes.
std::optional<PrintTarget> TargetOf(const CommandWords& words) {
  PrintTarget target{words.Value("pdf"), words.Value("printer")};
  if (!target.pdf && !target.printer) {
    return std::nullopt;
  }
  return target;
}

// --stock, --skip and --design: the label choices a label command may
// override.
LabelsOptions LabelChoices(const CommandWords& words, const PrintTarget& target) {
  LabelsOptions o;
  o.target = target;
  o.stock = words.Value("stock");
  o.skip = words.Value("skip").value_or("0");
  o.design = words.Value("design");
  return o;
}

constexpr std::string_view kNoTarget = "no --pdf or --printer given";

}  // namespace

void PrintUsage(std::FILE* out) {
  std::fputs(kUsage, out);
}

int UsageMistake(std::string_view mistake) {
  std::fprintf(stderr, "tavrilon-batch: %.*s\n\n%s", static_cast<int>(mistake.size()),
               mistake.data(), kUsage);
  return kExitUsage;
}

Parsed<ReadOptions> ParseRead(const std::vector<std::string>& args) {
  CommandWords words("read takes [--labels] [--count] and one LOG", {"LOG"}, {"labels", "count"},
                     {});
  if (const auto wrong = words.Parse(args)) {
    return words.Refuse<ReadOptions>(*wrong);
  }
  return {ReadOptions{words.Positional(0), words.IsSet("labels"), words.IsSet("count")}, {}};
}

Parsed<LabelsOptions> ParseLabels(const std::vector<std::string>& args) {
  CommandWords words(
      "labels takes one LOG, --pdf OUT or --printer NAME, [--stock S], [--skip N], "
      "[--design D], [--style 1|2|3], [--sent-log SENT.adi [--bureau]], "
      "[--contacts all|to-send], [--from YYYYMMDD], [--to YYYYMMDD], [--order file|call|bureau], "
      "[--address-per-station]",
      {"LOG"}, {"bureau", "address-per-station"},
      {"pdf", "printer", "stock", "skip", "design", "style", "sent-log", "contacts", "from", "to",
       "order"});
  if (const auto wrong = words.Parse(args)) {
    return words.Refuse<LabelsOptions>(*wrong);
  }
  const auto target = TargetOf(words);
  if (!target) {
    return words.Refuse<LabelsOptions>(kNoTarget);
  }
  LabelsOptions o = LabelChoices(words, *target);
  o.log = words.Positional(0);
  o.style = words.Value("style");
  o.sentLog = words.Value("sent-log");
  o.bureau = words.IsSet("bureau");
  if (o.bureau && !o.sentLog) {
    return words.Refuse<LabelsOptions>("--bureau goes with --sent-log only");
  }
  if (const auto contacts = words.Value("contacts")) {
    o.contacts = sending::ContactsOf(*contacts);
    if (!o.contacts) {
      return words.Refuse<LabelsOptions>("--contacts takes all or to-send, not " +
                                         Quoted(*contacts));
    }
  }
  if (const auto order = words.Value("order")) {
    o.order = sending::RunOrderOf(*order);
    if (!o.order) {
      return words.Refuse<LabelsOptions>("--order takes file, call or bureau, not " +
                                         Quoted(*order));
    }
  }
  for (const auto& [name, day] : {std::pair{"from", &o.from}, std::pair{"to", &o.to}}) {
    if (const auto typed = words.Value(name)) {
      *day = sending::DayOf(*typed);
      if (!*day) {
        return words.Refuse<LabelsOptions>("--" + std::string(name) +
                                           " takes a day as YYYYMMDD, not " + Quoted(*typed));
      }
    }
  }
  if (o.from && o.to && *o.from > *o.to) {
    return words.Refuse<LabelsOptions>("--from " + std::to_string(*o.from) + " is after --to " +
                                       std::to_string(*o.to));
  }
  o.addressPerStation = words.IsSet("address-per-station");
  return {std::move(o), {}};
}

Parsed<BlankOptions> ParseBlank(const std::vector<std::string>& args) {
  CommandWords words(
      "blank takes N, --pdf OUT or --printer NAME, [--stock S], [--skip N], [--design D]", {"N"},
      {}, {"pdf", "printer", "stock", "skip", "design"});
  if (const auto wrong = words.Parse(args)) {
    return words.Refuse<BlankOptions>(*wrong);
  }
  const std::string count = words.Positional(0);
  const auto cards = designs::BlankCardsArgument(count);
  if (!cards) {
    return words.Refuse<BlankOptions>("N must be a whole number from 1 to " +
                                      std::to_string(designs::kMostBlankCards) + ", not " +
                                      Quoted(count));
  }
  const auto target = TargetOf(words);
  if (!target) {
    return words.Refuse<BlankOptions>(kNoTarget);
  }
  return {BlankOptions{LabelChoices(words, *target), *cards}, {}};
}

Parsed<PreviewOptions> ParsePreview(const std::vector<std::string>& args) {
  CommandWords words(
      "preview takes one LOG, --image OUT, [--scale 1|2|4], [--stock S], [--design D]", {"LOG"}, {},
      {"image", "scale", "stock", "design"});
  if (const auto wrong = words.Parse(args)) {
    return words.Refuse<PreviewOptions>(*wrong);
  }
  const auto image = words.Value("image");
  if (!image) {
    return words.Refuse<PreviewOptions>("no --image given");
  }
  const std::string scale = words.Value("scale").value_or("1");
  if (scale != "1" && scale != "2" && scale != "4") {
    return words.Refuse<PreviewOptions>("--scale takes 1, 2 or 4, not " + Quoted(scale));
  }
  PreviewOptions o;
  o.labels.log = words.Positional(0);
  o.labels.stock = words.Value("stock");
  o.labels.design = words.Value("design");
  o.image = *image;
  o.scale = scale[0] - '0';
  return {std::move(o), {}};
}

Parsed<LogbookOptions> ParseLogbook(const std::vector<std::string>& args) {
  CommandWords words(
      "logbook takes one LOG, --pdf OUT or --printer NAME, and either --from-page N or "
      "--begin/--end dates with their times",
      {"LOG"}, {}, {"pdf", "printer", "from-page", "begin", "begin-time", "end", "end-time"});
  if (const auto wrong = words.Parse(args)) {
    return words.Refuse<LogbookOptions>(*wrong);
  }
  const auto target = TargetOf(words);
  if (!target) {
    return words.Refuse<LogbookOptions>(kNoTarget);
  }
  LogbookOptions o{words.Positional(0),       *target,
                   words.Value("from-page"),  words.Value("begin"),
                   words.Value("begin-time"), words.Value("end"),
                   words.Value("end-time")};
  if (o.fromPage && (o.beginDate || o.endDate)) {
    return words.Refuse<LogbookOptions>("--from-page goes with neither --begin nor --end");
  }
  if (o.beginTime && !o.beginDate) {
    return words.Refuse<LogbookOptions>("--begin-time goes with --begin only");
  }
  if (o.endTime && !o.endDate) {
    return words.Refuse<LogbookOptions>("--end-time goes with --end only");
  }
  return {std::move(o), {}};
}

Parsed<std::filesystem::path> ParseHtml(const std::vector<std::string>& args) {
  CommandWords words("html takes one LOG", {"LOG"}, {}, {});
  if (const auto wrong = words.Parse(args)) {
    return words.Refuse<std::filesystem::path>(*wrong);
  }
  return {std::filesystem::path(words.Positional(0)), {}};
}

Parsed<StocksOptions> ParseStocks(const std::vector<std::string>& args) {
  CommandWords words("stocks takes [--search TEXT]", {}, {}, {"search"});
  if (const auto wrong = words.Parse(args)) {
    return words.Refuse<StocksOptions>(*wrong);
  }
  return {StocksOptions{words.Value("search").value_or("")}, {}};
}

Parsed<DesignFileOptions> ParseDesign(const std::vector<std::string>& args) {
  const bool importing = !args.empty() && args.front() == "import";
  if (!importing && (args.empty() || args.front() != "export")) {
    return {std::nullopt, "design takes export or import"};
  }
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  CommandWords words(
      importing ? "design import takes one FILE, one DESIGN and [--replace]"
                : "design export takes one DESIGN and one FILE",
      importing ? std::vector<std::string_view>{"FILE", "DESIGN"}
                : std::vector<std::string_view>{"DESIGN", "FILE"},
      importing ? std::vector<std::string_view>{"replace"} : std::vector<std::string_view>{}, {});
  if (const auto wrong = words.Parse(rest)) {
    return words.Refuse<DesignFileOptions>(*wrong);
  }
  DesignFileOptions o;
  o.importing = importing;
  const std::string design = words.Positional(importing ? 1 : 0);
  o.design = designs::CustomDesignNumberOf(designs::LabelDesignOf(design));
  if (o.design == 0) {
    return words.Refuse<DesignFileOptions>("the design " + Quoted(design) +
                                           " is none of CUSTOM1, CUSTOM2, CUSTOM3");
  }
  o.file = words.Positional(importing ? 0 : 1);
  o.replace = importing && words.IsSet("replace");
  return {std::move(o), {}};
}

Parsed<CalibrateOptions> ParseCalibrate(const std::vector<std::string>& args) {
  CommandWords words("calibrate takes --printer NAME, --across MM and --down MM", {}, {},
                     {"printer", "across", "down"});
  if (const auto wrong = words.Parse(args)) {
    return words.Refuse<CalibrateOptions>(*wrong);
  }
  for (const char* option : {"printer", "across", "down"}) {
    if (!words.IsSet(option)) {
      return words.Refuse<CalibrateOptions>("no --" + std::string(option) + " given");
    }
  }
  return {CalibrateOptions{*words.Value("printer"), *words.Value("across"), *words.Value("down")},
          {}};
}

Parsed<LabelsOptions> ParseAlignmentPage(const std::vector<std::string>& args) {
  CommandWords words("alignment-page takes --pdf OUT or --printer NAME, and [--stock S]", {}, {},
                     {"pdf", "printer", "stock"});
  if (const auto wrong = words.Parse(args)) {
    return words.Refuse<LabelsOptions>(*wrong);
  }
  const auto target = TargetOf(words);
  if (!target) {
    return words.Refuse<LabelsOptions>(kNoTarget);
  }
  LabelsOptions o;
  o.target = *target;
  o.stock = words.Value("stock");
  return {std::move(o), {}};
}

}  // namespace tavrilon::batch
