#include "settings/FirstRunSettings.h"

#include <array>
#include <string_view>

#include "settings/OperatorInfo.h"

namespace tavrilon::settings {

namespace {

SettingRow Row(const SettingKey& key, std::string_view value) {
  return {std::string(key.section), std::string(key.key), std::string(value)};
}

SettingRow Row(NumberedKey key, std::string_view value) {
  return {std::move(key.section), std::move(key.key), std::string(value)};
}

// The default custom log; the columns after these start blank.
constexpr std::array<std::string_view, 12> kFirstRunColumns = {
    "QSO_DATE,11,DATE,11,11",   "TIME_ON,31,TIME,31,5",     "CALL,41,CALL,41,10",
    "PFX,60,PFX,60,8",          "FREQ,72,FREQ,72,8",        "BAND,85,BAND,85,5",
    "MODE,95,MODE,95,10",       "RST_RCVD,108,RCVD,106,4",  "RST_SENT,117,SENT,115,4",
    "QSL_RCVD,128,QSL-R,125,4", "QSL_SENT,138,QSL-S,135,4", "IOTA,146,IOTA,146,6",
};

}  // namespace

std::vector<SettingRow> FirstRunSettings() {
  std::vector<SettingRow> rows = {
      Row(kMyCall, FirstRunPrompt(kMyCall)),
      Row(kLogInputFile, ""),
      Row(kLogFileType, "ADIF"),
      Row(kLogLayout, "DEFAULT"),
      Row(kQrzDrive, "C:"),
      Row(kLabelDesign, "DEFAULT"),
      Row(kLabelFileType, "ADIF"),
      Row(kLabelInputFile, ""),
      Row(kUseQrz, "FALSE"),
      Row(kLabelStyle, "1"),
      Row(kLabelStock, "0"),
      Row(kSortFile, "0"),
  };
  for (int line = 1; line <= kReturnLabelLineCount; ++line) {
    const NumberedKey key = ReturnLabelLineKey(line);
    rows.push_back(Row(key, FirstRunPrompt(key)));
  }
  rows.push_back(Row(kCustomLogGrid, "250"));
  for (int column = 1; column <= kCustomLogColumnCount; ++column) {
    const auto index = static_cast<std::size_t>(column - 1);
    // The write trims the blank: the file holds ",,,,".
    rows.push_back(Row(CustomLogColumnKey(column),
                       index < kFirstRunColumns.size() ? kFirstRunColumns[index] : " ,,,,"));
  }
  for (int sheet = 1; sheet <= kCustomSheetCount; ++sheet) {
    rows.push_back(Row(CustomSheetKey(sheet), ""));
  }
  for (int design = 1; design <= kDesignCount; ++design) {
    rows.push_back(Row(DesignKey(design, kDesignMultiLines), kDesignMultiLines.firstRunValue));
    rows.push_back(Row(DesignKey(design, kDesignMultiDx), kDesignMultiDx.firstRunValue));
    for (int field = 1; field <= kDesignFieldCount; ++field) {
      for (const DesignKeyName& attribute : kFirstRunFieldAttributes) {
        rows.push_back(Row(DesignFieldKey(design, field, attribute), attribute.firstRunValue));
      }
    }
  }
  return rows;
}

}  // namespace tavrilon::settings
