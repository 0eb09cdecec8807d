#include "settings/FirstRunSettings.h"

namespace tavrilon::settings {

std::string DesignSection(int design) {
  return "Custom Label Layout-" + std::to_string(design);
}

std::string DesignFieldKey(int field, std::string_view attribute) {
  return "Field" + std::to_string(field) + std::string(attribute);
}

std::vector<SettingRow> FirstRunSettings() {
  std::vector<SettingRow> rows = {
      {"Globals", "MyCall", "Enter your call here"},
      {"Log", "ADIFile", ""},
      {"Log", "FileType", "ADIF"},
      {"Log", "LogLayOut", "DEFAULT"},
      {"QSL Labels", "CDdrive", "C:"},
      {"QSL Labels", "LabelLayOut", "DEFAULT"},
      {"QSL Labels", "FileType", "ADIF"},
      {"QSL Labels", "ADIFile", ""},
      {"QSL Labels", "UseQRZ", "FALSE"},
      {"QSL Labels", "LabelSet", "1"},
      {"QSL Labels", "LabelType", "0"},
      {"QSL Labels", "SortFile", "0"},
      {"Return Label", "Line1", "Your Address Line 1"},
      {"Return Label", "Line2", "Your Address Line 2"},
      {"Return Label", "Line3", "Your Address Line 3"},
      {"Return Label", "Line4", "Your Address Line 4"},
      {"Custom Log", "Grid", "250"},
      {"Custom Log", "column1", "QSO_DATE,11,DATE,11,11"},
      {"Custom Log", "column2", "TIME_ON,31,TIME,31,5"},
      {"Custom Log", "column3", "CALL,41,CALL,41,10"},
      {"Custom Log", "column4", "PFX,60,PFX,60,8"},
      {"Custom Log", "column5", "FREQ,72,FREQ,72,8"},
      {"Custom Log", "column6", "BAND,85,BAND,85,5"},
      {"Custom Log", "column7", "MODE,95,MODE,95,10"},
      {"Custom Log", "column8", "RST_RCVD,108,RCVD,106,4"},
      {"Custom Log", "column9", "RST_SENT,117,SENT,115,4"},
      {"Custom Log", "column10", "QSL_RCVD,128,QSL-R,125,4"},
      {"Custom Log", "column11", "QSL_SENT,138,QSL-S,135,4"},
      {"Custom Log", "column12", "IOTA,146,IOTA,146,6"},
  };
  for (int column = 13; column <= kCustomLogColumnCount; ++column) {
    // The write trims the blank: the file holds ",,,,".
    rows.push_back({"Custom Log", "column" + std::to_string(column), " ,,,,"});
  }
  for (int label = 1; label <= 3; ++label) {
    rows.push_back({"Custom Label", "Label-" + std::to_string(label), ""});
  }
  for (int design = 1; design <= kDesignCount; ++design) {
    const std::string section = DesignSection(design);
    rows.push_back({section, "MultiLines", "1"});
    rows.push_back({section, "MultiDx", "0"});
    for (int field = 1; field <= kDesignFieldCount; ++field) {
      for (const FieldAttribute& attribute : kFieldAttributes) {
        rows.push_back(
            {section, DesignFieldKey(field, attribute.name), std::string(attribute.firstRunValue)});
      }
    }
  }
  return rows;
}

}  // namespace tavrilon::settings
