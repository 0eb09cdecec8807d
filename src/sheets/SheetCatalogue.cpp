#include "sheets/SheetCatalogue.h"

#include <algorithm>
#include <array>

#include "text/Text.h"

namespace tavrilon::sheets {

namespace {

// The maker's layout of a sheet. Where rows touch, the label is as tall as
// the pitch, so that rounding never makes it taller.
struct Geometry {
  int across;
  int down;
  double horizontalPitch;
  double verticalPitch;
  double topMargin;
  double leftMargin;
  double labelWidth;
  double labelHeight;
  double cornerRadius;
};

constexpr double Mm(double mm) {
  return mm / 25.4;
}

constexpr Geometry k5160{3, 10, 2.75, 1, 0.5, 0.1875, 2.625, 1, 0.0625};
constexpr Geometry k5161{2, 10, 4.19, 1, 0.5, 0.16, 4, 1, 0.0625};
constexpr Geometry k5162{2, 7, 4.19, 1.33, 0.83, 0.16, 4, 1.33, 0.0625};
constexpr Geometry k5163{2, 5, 4.19, 2, 0.5, 0.16, 4, 2, 0.125};
constexpr Geometry k5164{2, 3, 4.19, 3.33, 0.5, 0.16, 4, 3.33, 0.125};
constexpr Geometry k5167{4, 20, 2.06, 0.5, 0.5, 0.28, 1.75, 0.5, 0.0625};
// The label database has no 8386: its labels fill the pitch.
constexpr Geometry k8386{1, 2, 6, 4.5, 1.3, 1.3, 6, 4.5, 0};
constexpr Geometry kL7160{3, 7, 2.6, 1.5, 0.6, 0.3, 2.5, 1.5, Mm(1.76)};
constexpr Geometry kL7161{3, 6, 2.6, 1.83, 0.34, 0.28, 2.5, 1.83, Mm(2.47)};
constexpr Geometry kL7162{2, 8, 4, 1.33, 0.51, 0.18, Mm(99.1), 1.33, Mm(1.76)};
constexpr Geometry kL7163{2, 7, 4, 1.5, 0.6, 0.18, Mm(99.1), 1.5, Mm(1.76)};
constexpr Geometry kL7164{3, 4, 2.6, 2.83, 0.18, 0.28, 2.5, 2.83, Mm(3)};

struct Stock {
  std::string_view stock;
  const Geometry& geometry;
  std::string_view description;
};

// The descriptions keep the form users know, uneven spacing and number
// formats included; the numbers are the sheet's.
constexpr std::array<Stock, 30> kCatalogue = {{
    {"5160", k5160, "5160 - A: 3   D: 10   HP: 2.75   VP: 1.0   TM: 0.5   LM: .1875"},
    {"5161", k5161, "5161 - A: 2   D: 10   HP: 4.19   VP: 1.0   TM: 0.5   LM: 0.16"},
    {"5162", k5162, "5162 - A: 2   D: 7   HP: 4.19   VP: 1.33   TM: 0.83   LM: 0.16"},
    {"5163", k5163, "5163 - A: 2   D: 5   HP: 4.19   VP: 2.0   TM: 0.5   LM: 0.16"},
    {"5164", k5164, "5164 - A: 2   D: 3   HP: 4.19   VP: 3.33   TM: 0.5   LM: 0.16"},
    {"5167", k5167, "5167 - A: 4   D: 20   HP: 2.06   VP: 0.5   TM: 0.5   LM: 0.28"},
    {"5260", k5160, "5260 - A: 3   D: 10   HP: 2.75   VP: 1.0   TM: 0.5   LM: .1875"},
    {"5261", k5161, "5261 - A: 2   D: 10   HP: 4.19   VP: 1.0   TM: 0.5   LM: 0.16"},
    {"5810", k5160, "5810 - A: 3   D: 10   HP: 2.75   VP: 1.0   TM: 0.5   LM: .1875"},
    {"5960", k5160, "5960 - A: 3   D: 10   HP: 2.75   VP: 1.0   TM: 0.5   LM: .1875"},
    {"5970", k5160, "5970 - A: 3   D: 10   HP: 2.75   VP: 1.0   TM: 0.5   LM: .1875"},
    {"5971", k5160, "5971 - A: 3   D: 10   HP: 2.75   VP: 1.0   TM: 0.5   LM: .1875"},
    {"5972", k5160, "5972 - A: 3   D: 10   HP: 2.75   VP: 1.0   TM: 0.5   LM: .1875"},
    {"5979", k5160, "5979 - A: 3   D: 10   HP: 2.75   VP: 1.0   TM: 0.5   LM: .1875"},
    {"5980", k5160, "5980 - A: 3   D: 10   HP: 2.75   VP: 1.0   TM: 0.5   LM: .1875"},
    {"6460", k5160, "6460 - A: 3   D: 10   HP: 2.75   VP: 1.0   TM: 0.5   LM: .1875"},
    {"8160", k5160, "8160 - A: 3   D: 10   HP: 2.75   VP: 1.0   TM: 0.5   LM: .1875"},
    {"8161", k5161, "8161 - A: 2   D: 10   HP: 4.19   VP: 1.0   TM: 0.5   LM: 0.16"},
    {"8162", k5162, "8162 - A: 2   D: 7   HP: 4.19   VP: 1.33   TM: 0.83   LM: 0.16"},
    {"8250", k5160, "8250 - A: 3   D: 10   HP: 2.75   VP: 1.0   TM: 0.5   LM: .1875"},
    {"8386", k8386, "8386 - A: 1   D: 2  HP: 6.0   VP: 4.5   TM: 1.3   LM: 1.3"},
    {"8460", k5160, "8460 - A: 3   D: 10   HP: 2.75   VP: 1.0   TM: 0.5   LM: .1875"},
    {"8462", k5162, "8462 - A: 2   D: 7   HP: 4.19   VP: 1.33   TM: 0.83   LM: 0.16"},
    {"15160", k5160, "15160 - A: 3   D: 10   HP: 2.75   VP: 1.0   TM: 0.5   LM: .1875"},
    {"18662", k5162, "18662 - A: 2   D: 7   HP: 4.19   VP: 1.33   TM: 0.83   LM: 0.16"},
    {"L7160", kL7160, "L7160 - A: 3   D: 7   HP: 2.6   VP: 1.5   TM: 0.6   LM: 0.3"},
    {"L7161", kL7161, "L7161 - A: 3   D: 6   HP: 2.6   VP: 1.83   TM: 0.34   LM: 0.28"},
    {"L7162", kL7162, "L7162 - A: 2   D: 8   HP: 4.0   VP: 1.33   TM: 0.51   LM: 0.18"},
    {"L7163", kL7163, "L7163 - A: 2   D: 7   HP: 4.0   VP: 1.5   TM: 0.6   LM: 0.18"},
    {"L7164", kL7164, "L7164 - A: 3   D: 4   HP: 2.6   VP: 2.83   TM: 0.18   LM: 0.28"},
}};

const Stock* FindStock(std::string_view stock) {
  const auto found = std::find_if(kCatalogue.begin(), kCatalogue.end(), [stock](const Stock& s) {
    return text::EqualsIgnoringCase(s.stock, stock);
  });
  return found == kCatalogue.end() ? nullptr : &*found;
}

}  // namespace

std::optional<LabelSheet> CatalogueSheet(std::string_view stock) {
  const Stock* found = FindStock(stock);
  if (found == nullptr) {
    return std::nullopt;
  }
  const Geometry& g = found->geometry;
  LabelSheet sheet;
  sheet.name = std::string(stock);
  sheet.across = g.across;
  sheet.down = g.down;
  sheet.horizontalPitch = g.horizontalPitch;
  sheet.verticalPitch = g.verticalPitch;
  sheet.topMargin = g.topMargin;
  sheet.leftMargin = g.leftMargin;
  sheet.labelWidth = g.labelWidth;
  sheet.labelHeight = g.labelHeight;
  sheet.cornerRadius = g.cornerRadius;
  // The L stocks are sold on A4, the numbered ones on US Letter.
  sheet.paper = found->stock.front() == 'L' ? PaperSize{"A4", Mm(210), Mm(297)}
                                            : PaperSize{"US-Letter", 8.5, 11};
  return sheet;
}

std::optional<std::string_view> CatalogueDescription(std::string_view stock) {
  const Stock* found = FindStock(stock);
  return found == nullptr ? std::nullopt : std::optional(found->description);
}

}  // namespace tavrilon::sheets
