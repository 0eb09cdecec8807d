#include "shell/StoredChoices.h"

#include "settings/OperatorInfo.h"
#include "sheets/LabelStocks.h"
#include "text/Text.h"

namespace tavrilon::shell {

int StoredChoices::StyleInForce() const {
  return StyleFitsDesign(labelStyle, designOption) ? labelStyle : 1;
}

StoredChoices ReadStoredChoices(settings::SettingsFile& settings) {
  StoredChoices choices;
  choices.operatorCall = settings::ReadOperatorCall(settings);
  choices.logInputFile = settings.ReadSetting(settings::kLogInputFile, "");
  choices.labelInputFile = settings.ReadSetting(settings::kLabelInputFile, "");
  choices.logLayout = logbook::LogLayoutOf(settings.ReadSetting(settings::kLogLayout, "DEFAULT"));

  const std::string storedDesign = settings.ReadSetting(settings::kLabelDesign, "");
  choices.labelDesign = designs::LabelDesignOf(storedDesign);
  if (storedDesign == designs::StoredLabelDesign(choices.labelDesign)) {
    choices.designOption = choices.labelDesign;
  }

  // Stored values out of range fall back to the first-run values.
  const auto style = text::ParseWholeNumber(settings.ReadSetting(settings::kLabelStyle, "1"));
  choices.labelStyle = style && *style >= 1 && *style <= 3 ? static_cast<int>(*style) : 1;
  const auto stock = text::ParseWholeNumber(settings.ReadSetting(settings::kLabelStock, "0"));
  if (stock && *stock >= 0 && static_cast<std::size_t>(*stock) < sheets::kLabelStocks.size()) {
    choices.stockIndex = static_cast<std::size_t>(*stock);
  }
  choices.databaseSheet = text::TrimBlanks(settings.ReadSetting(settings::kDatabaseSheet, ""));
  choices.useQrz = settings.ReadSetting(settings::kUseQrz, "") == "TRUE";
  choices.order = sending::RunOrderOfStored(settings.ReadSetting(settings::kSortFile, "0"));
  choices.contacts = sending::ContactsOf(settings.ReadSetting(settings::kLabelContacts, ""))
                         .value_or(sending::Contacts::All);
  choices.addressPerStation =
      text::ParseWholeNumber(settings.ReadSetting(settings::kAddressPerStation, "0")) == 1;
  choices.countryFile = text::TrimBlanks(settings.ReadSetting(settings::kCountryFile, ""));
  return choices;
}

std::string StoredChoices::StockInForce() const {
  return databaseSheet.empty() ? std::string(sheets::kLabelStocks.at(stockIndex)) : databaseSheet;
}

}  // namespace tavrilon::shell
