#pragma once

#include <gtest/gtest.h>

#include "labels/LabelRun.h"
#include "print/RecordingSurface.h"
#include "support/ScriptedUserInterface.h"
#include "support/TestSupport.h"

namespace tavrilon::test {

// A label run of its own: a program folder with the dictionary, its settings
// file, the reader, a scripted user and a surface that records the drawing.
class LabelRunFixture : public ::testing::Test {
 protected:
  explicit LabelRunFixture(std::size_t recordLimit = adif::AdifInput::kRecordLimit,
                           Clock clock = SystemClock())
      : input_(dir_.Dictionary(), recordLimit),
        run_(input_, settings_, installed_, ui_, ui_, std::move(clock)) {}

  ProgramFolder dir_;
  settings::SettingsFile settings_{dir_ / "tavrilon.ini"};
  adif::AdifInput input_;
  ScriptedUserInterface ui_;
  sheets::InstalledSheets installed_;  // the catalogue alone
  labels::LabelRun run_;
  print::RecordingSurface surface_;
};

}  // namespace tavrilon::test
