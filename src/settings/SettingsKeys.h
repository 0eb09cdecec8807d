#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tavrilon::settings {

// Every section and key of the settings file is spelled here and nowhere
// else. Names match without regard to case; these are the spellings of the
// first start, so a key written later into an older file looks like the rest.

struct SettingKey {
  std::string_view section;
  std::string_view key;
};

// A key whose section or name carries a number; read and written as the
// SettingKey it holds.
struct NumberedKey {
  std::string section;
  std::string key;
  operator SettingKey() const { return {section, key}; }
};

inline constexpr std::string_view kGlobalsSection = "Globals";
inline constexpr std::string_view kLogSection = "Log";
inline constexpr std::string_view kLabelsSection = "QSL Labels";
inline constexpr std::string_view kReturnLabelSection = "Return Label";
inline constexpr std::string_view kCustomLogSection = "Custom Log";
inline constexpr std::string_view kCustomSheetSection = "Custom Label";
// One key per printer, named as the printer: "across,down" in millimetres.
inline constexpr std::string_view kCalibrationSection = "Printer Calibration";

inline constexpr SettingKey kMyCall{kGlobalsSection, "MyCall"};
inline constexpr SettingKey kPrinter{kGlobalsSection, "Printer"};
inline constexpr SettingKey kVersion{kGlobalsSection, "Version"};

inline constexpr SettingKey kLogInputFile{kLogSection, "ADIFile"};
inline constexpr SettingKey kLogFileType{kLogSection, "FileType"};  // written, never read
inline constexpr SettingKey kLogLayout{kLogSection, "LogLayOut"};

inline constexpr SettingKey kQrzDrive{kLabelsSection, "CDdrive"};
inline constexpr SettingKey kLabelDesign{kLabelsSection, "LabelLayOut"};
inline constexpr SettingKey kLabelFileType{kLabelsSection, "FileType"};  // written, never read
inline constexpr SettingKey kLabelInputFile{kLabelsSection, "ADIFile"};
inline constexpr SettingKey kUseQrz{kLabelsSection, "UseQRZ"};
inline constexpr SettingKey kLabelStyle{kLabelsSection, "LabelSet"};
inline constexpr SettingKey kLabelStock{kLabelsSection, "LabelType"};
inline constexpr SettingKey kSortFile{kLabelsSection, "SortFile"};       // 0 file, 1 call, 2 bureau
inline constexpr SettingKey kLabelContacts{kLabelsSection, "Contacts"};  // "all" or "to-send"
inline constexpr SettingKey kAddressPerStation{kLabelsSection, "AddressPerStation"};  // 0 or 1
// Another country file than the system's, for bureau order.
inline constexpr SettingKey kCountryFile{kLabelsSection, "CountryFile"};
// A sheet of the label database, by brand and part ("Zweckform 3490"); when
// set, it is the stock in force instead of "LabelType"'s entry.
inline constexpr SettingKey kDatabaseSheet{kLabelsSection, "DatabaseSheet"};
// One more folder of label database template files.
inline constexpr SettingKey kSheetTemplateFolder{kLabelsSection, "TemplateFolder"};

inline constexpr SettingKey kCustomLogGrid{kCustomLogSection, "Grid"};

inline constexpr int kReturnLabelLineCount = 4;
inline constexpr int kCustomLogColumnCount = 21;
inline constexpr int kCustomSheetCount = 3;
inline constexpr int kDesignCount = 3;
inline constexpr int kDesignFieldCount = 15;

NumberedKey ReturnLabelLineKey(int line);    // "Line1" to "Line4"
NumberedKey CustomLogColumnKey(int column);  // "column1" to "column21"
NumberedKey CustomSheetKey(int sheet);       // "Label-1" to "Label-3"

// A key of a custom label design's section, or the attribute of a design
// field, with what a new file holds in it ("" when the first start writes
// nothing or an empty value). The start-up pass and the readers take that
// value for an empty key too.
struct DesignKeyName {
  std::string_view name;
  std::string_view firstRunValue;
};

inline constexpr DesignKeyName kDesignName{"Name", ""};
inline constexpr DesignKeyName kDesignMultiLines{"MultiLines", "1"};
inline constexpr DesignKeyName kDesignMultiDx{"MultiDx", "0"};
inline constexpr DesignKeyName kDesignPrintImage{"Print Image", ""};
inline constexpr DesignKeyName kDesignImagePath{"Image Path", ""};
inline constexpr DesignKeyName kDesignImageWidth{"Image Width", ""};
inline constexpr DesignKeyName kDesignImageHeight{"Image Height", ""};
inline constexpr DesignKeyName kDesignOrientation{"Orientation", ""};
inline constexpr DesignKeyName kDesignShowGrid{"ShowGrid", ""};
inline constexpr DesignKeyName kDesignShortName{"ShortName", ""};

inline constexpr DesignKeyName kFieldAdif{"ADIF", ""};
inline constexpr DesignKeyName kFieldLabel{"Label", ""};
inline constexpr DesignKeyName kFieldCondition{"Condition", ""};
inline constexpr DesignKeyName kFieldHoriz{"Horiz", "0"};
inline constexpr DesignKeyName kFieldVert{"Vert", "0"};
inline constexpr DesignKeyName kFieldFontName{"FontName", "Arial"};
inline constexpr DesignKeyName kFieldFontSize{"FontSize", "10"};
inline constexpr DesignKeyName kFieldFontBold{"FontBold", "False"};
inline constexpr DesignKeyName kFieldFontItalic{"FontItalic", "False"};
inline constexpr DesignKeyName kFieldFontUnderline{"FontUnderline", "False"};
inline constexpr DesignKeyName kFieldFontStrikethru{"FontStrikethru", "False"};
inline constexpr DesignKeyName kFieldFontColor{"FontColor", "0"};
inline constexpr DesignKeyName kFieldMultiRpt{"MultiRpt", "0"};
// "Left", "Center" or "Right" on the field's place; missing is Left, so
// designs stored before it print as they did.
inline constexpr DesignKeyName kFieldAlign{"Align", ""};

// The attributes a new file holds for each field, in the order they are
// written; the upgrade fills in all but the first two.
inline constexpr std::array<DesignKeyName, 12> kFirstRunFieldAttributes = {
    kFieldAdif,          kFieldLabel,          kFieldHoriz,     kFieldVert,
    kFieldFontName,      kFieldFontSize,       kFieldFontBold,  kFieldFontItalic,
    kFieldFontUnderline, kFieldFontStrikethru, kFieldFontColor, kFieldMultiRpt};

// "Custom Label Layout-1" to "-3".
std::string DesignSection(int design);
NumberedKey DesignKey(int design, DesignKeyName name);
// "Field" + field number + attribute, as in "Field12FontBold".
NumberedKey DesignFieldKey(int design, int field, DesignKeyName attribute);

}  // namespace tavrilon::settings
