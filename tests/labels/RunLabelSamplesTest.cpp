#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "adif/SortedCopy.h"
#include "labels/RunLabelSamples.h"
#include "support/LabelRunFixture.h"

namespace tavrilon::labels {
using sending::Contacts;
using sending::RunOrder;
namespace {

using Labels = std::vector<std::vector<std::string>>;  // each label's calls

std::string Contact(std::string_view call, std::string_view sent = "") {
  return "<CALL:" + std::to_string(call.size()) + ">" + std::string(call) + std::string(sent) +
         "<EOR>\n";
}

class RunLabelSamplesTest : public test::LabelRunFixture {
 protected:
  RunLabelSamplesTest() {
    test::WriteFile(dir_ / "cty.dat",
                    "Testland East: 14: 28: EU: 51.00: -10.00: -1.0: DL:\n    DL;\n"
                    "Testland West: 05: 08: NA: 43.00: 87.00: 5.0: K:\n    K,W;\n");
    const std::string done = "<QSL_SENT:1>Y";
    test::WriteFile(log_, "<EOH>\n" + Contact("W1AW", done) + Contact("DL1ABC") + Contact("K1ABC") +
                              Contact("W1AW") + Contact("W1AW") + Contact("DL2XYZ", done) +
                              Contact("W1AW") + Contact("W1AW") + Contact("K1ABC", done) +
                              Contact("DL1ABC"));
  }
  // A "+" on each label's first line, the call on every line.
  void Design(int multiLines) {
    test::WriteFile(dir_ / "tavrilon.ini",
                    "[Custom Label Layout-1]\nMultiLines=" + std::to_string(multiLines) +
                        "\nMultiDx=0.2\nField1Label=+\nField1Vert=0.1\n"
                        "Field2ADIF=CALL\nField2Horiz=0.5\nField2MultiRpt=1\n");
  }
  LabelRunRequest Request(sending::ContactChoice contacts, RunOrder order,
                          const std::filesystem::path& countryFile) const {
    return {.labelInputFile = log_.string(),
            .labelStock = "5160",
            .design = designs::LabelDesign::Custom1,
            .labelSkip = "0",
            .contacts = contacts,
            .order = order,
            .countryFile = countryFile.string()};
  }
  Labels Printed(const LabelRunRequest& request) {
    surface_.operations.clear();
    run_.PrintLabelRun(request, [this] { return &surface_; });
    Labels labels;
    for (const auto* text : surface_.Texts()) {
      if (text->text == "+") {
        labels.emplace_back();
      } else {
        labels.back().push_back(text->text);
      }
    }
    return labels;
  }
  static std::vector<std::string> Calls(const designs::ShownSample& shown) {
    std::vector<std::string> calls;
    for (const adif::FieldTable& contact : shown.sample.contacts) {
      calls.emplace_back(contact.StandardValue(adif::StandardField::Call));
    }
    return calls;
  }
  // Every label, stepped through to the last.
  Labels Stepped() {
    Labels labels;
    for (std::size_t i = 0; labels.empty() || samples_.HasNext(i - 1); ++i) {
      labels.push_back(Calls(samples_.Label(i)));
    }
    return labels;
  }

  std::filesystem::path log_ = dir_ / "log.adi";
  RunLabelSamples samples_{settings_, dir_.Dictionary()};
};

TEST_F(RunLabelSamplesTest, TheLabelsAreThoseTheRunPrintsLabelByLabel) {
  const sending::ContactChoice toSend{Contacts::ToSend};
  const std::string byCall = "by call, as the design puts a station's contacts on one label.";
  const struct {
    sending::ContactChoice contacts;
    RunOrder order;
    int multiLines;
    std::string firstNote;  // past "Label 1 of <labels> of a run of <log>: "
  } cases[] = {
      {{}, RunOrder::File, 1, "contact 1 of 10, in file order."},
      {toSend, RunOrder::Call, 1, "contact 1 of 7 (cards still to send), by call."},
      {toSend, RunOrder::Bureau, 1, "contact 1 of 7 (cards still to send), in bureau order."},
      {{}, RunOrder::File, 3, "contacts 1 to 2 of 10, " + byCall},  // 5 W1AW: 3 and 2
      {toSend, RunOrder::Bureau, 3, "contacts 1 to 2 of 7 (cards still to send), in bureau order."},
      {{}, RunOrder::Call, 3, "contacts 1 to 2 of 10, by call."},
  };
  for (const auto& c : cases) {
    Design(c.multiLines);
    const LabelRunRequest request = Request(c.contacts, c.order, dir_ / "cty.dat");
    std::filesystem::remove(adif::SortedFilePath(log_));
    EXPECT_TRUE(samples_.Follow(request));
    const Labels stepped = Stepped();
    EXPECT_FALSE(std::filesystem::exists(adif::SortedFilePath(log_))) << "no sorted copy";
    const Labels printed = Printed(request);
    EXPECT_EQ(stepped, printed) << c.firstNote;
    EXPECT_EQ(samples_.Label(0).note, "Label 1 of " + std::to_string(printed.size()) +
                                          " of a run of " + log_.string() + ": " + c.firstNote);
    for (std::size_t i = stepped.size(); i-- > 0;) {
      EXPECT_EQ(Calls(samples_.Label(i)), stepped[i]) << "stepping back, " << i;
    }
    EXPECT_FALSE(samples_.Follow(request)) << "nothing changed";
  }

  // A date that is no date is told of under the label, as after a run.
  test::WriteFile(log_, "<EOH>\n" + Contact("W1AW", "<QSO_DATE:8>20241340"));
  EXPECT_TRUE(samples_.Follow(Request({}, RunOrder::File, {})));
  EXPECT_TRUE(samples_.Label(0).note.ends_with(
      "1 contact has a QSO_DATE that is no date, printed as it stands: W1AW (40 XXX 2024)."));

  // Without its country file bureau order is file order, and the note says why.
  const auto missing = dir_ / "none" / "cty.dat";
  Design(1);
  EXPECT_TRUE(samples_.Follow(Request({}, RunOrder::Bureau, missing)));
  EXPECT_EQ(Stepped(), Printed(Request({}, RunOrder::File, missing)));
  EXPECT_NE(samples_.Label(0).note.find(missing.string()), std::string::npos);
}

TEST_F(RunLabelSamplesTest, WithoutALabelTheBracketedContactSaysWhy) {
  const std::string bracketed = ", so field names in brackets stand for a contact's values.";
  const std::string missing = (dir_ / "missing.adi").string();
  const std::string empty = (dir_ / "empty.adi").string();
  test::WriteFile(empty, "<EOH>\n");
  const struct {
    std::string log;
    sending::ContactChoice contacts;
    std::string note;
  } cases[] = {
      {"", {}, "No label input file is chosen" + bracketed},
      {missing, {}, "The label file " + missing + " does not exist" + bracketed},
      {empty, {}, empty + " holds no contacts" + bracketed},
      {log_.string(),
       {Contacts::All, 20990101, std::nullopt},
       "None of the 10 contacts of " + log_.string() + " is chosen (from 20990101)" + bracketed},
  };
  for (const auto& c : cases) {
    LabelRunRequest request = Request(c.contacts, RunOrder::Call, {});
    request.labelInputFile = c.log;
    samples_.Follow(request);
    const designs::ShownSample shown = samples_.Label(0);
    EXPECT_EQ(Calls(shown), std::vector<std::string>{"[CALL]"}) << c.note;
    EXPECT_EQ(shown.note, c.note);
    EXPECT_FALSE(samples_.HasNext(0)) << c.note;
  }
  // Nothing to draw a contact from.
  RunLabelSamples withoutDictionary(settings_, dir_ / "none.txt");
  withoutDictionary.Follow(Request({}, RunOrder::File, {}));
  EXPECT_EQ(Calls(withoutDictionary.Label(0)), std::vector<std::string>{});
  EXPECT_EQ(withoutDictionary.Label(0).note, adif::DictionaryStopText(""));
}

// A long log in file order keeps only the last labels read: an earlier one
// is read again from the first.
TEST_F(RunLabelSamplesTest, ALabelNoLongerKeptIsReadAgain) {
  test::WriteFile(log_, test::ContactLog(1500));
  Design(1);
  samples_.Follow(Request({}, RunOrder::File, {}));
  EXPECT_EQ(Calls(samples_.Label(1400)), std::vector<std::string>{"ZZ1401Q"});
  EXPECT_TRUE(samples_.HasNext(1400));
  EXPECT_EQ(Calls(samples_.Label(2)), std::vector<std::string>{"ZZ3Q"});
  EXPECT_EQ(Calls(samples_.Label(9999)), std::vector<std::string>{"ZZ1500Q"});
  EXPECT_FALSE(samples_.HasNext(1499));
}

}  // namespace
}  // namespace tavrilon::labels
