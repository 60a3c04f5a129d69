#include <array>
#include <cstdint>
#include <string>

#include "model/MathFunctions.h"
#include "platform/Text.h"
#include "window/MainWindow.h"

namespace tavrel {

namespace {

enum class Check { None, Positive, NotNegative };

// One entry field: where its value goes and what it must satisfy. Exactly one of
// value and length is set; a length is kept in whole years, truncated toward zero.
struct Input {
  double* value = nullptr;
  std::int64_t* length = nullptr;
  Check check = Check::None;
  const char* message = nullptr;
};

bool Fails(Check check, double v) {
  switch (check) {
    case Check::None:
      return false;
    case Check::Positive:
      return !(v > 0);
    case Check::NotNegative:
      return v < 0;
  }
  return false;
}

bool IsNumberCharacter(char c) {
  return (c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-';
}

}  // namespace

void MainWindow::OkayButton_Action(platform::PushButton& /*sender*/) {
  if (gWindow == 0) {
    OpenFormPage();
    return;
  }
  if (gWindow != 1) {
    return;
  }

  const char* const kMortgage = "The mortgage cannot be negative!";
  const char* const kRate = "The mortgage rate cannot be negative!";
  const char* const kLength = "The mortgage length cannot be negative!";
  const std::array<Input, 22> inputs = {{
      {&gHomePrice, nullptr, Check::Positive, "The home price must be greater than 0!"},
      {&gDownPayment, nullptr, Check::NotNegative, "The downpayment cannot be negative!"},
      {&gMort, nullptr, Check::NotNegative, kMortgage},
      {&gR, nullptr, Check::NotNegative, kRate},
      {nullptr, &gN, Check::NotNegative, kLength},
      {&gClosing, nullptr, Check::None, nullptr},
      {&gTaxRate, nullptr, Check::NotNegative, "The tax rate cannot be negative!"},
      {&gRent, nullptr, Check::NotNegative, "The rent savings cannot be negative!"},
      {&gPropTaxes[1], nullptr, Check::NotNegative, "Property taxes cannot be negative!"},
      {&gInsurance[1], nullptr, Check::NotNegative, "The cost of insurance cannot be negative!"},
      {&gUtilities[1], nullptr, Check::NotNegative, "The cost of utilities cannot be negative!"},
      {&gMaintenance[1], nullptr, Check::NotNegative, "Maintenance expenses cannot be negative!"},
      {&gRentGrowth, nullptr, Check::None, nullptr},
      {&gPropTaxGrowth, nullptr, Check::None, nullptr},
      {&gInsuranceGrowth, nullptr, Check::None, nullptr},
      {&gUtilitiesGrowth, nullptr, Check::None, nullptr},
      {&gMaintenanceGrowth, nullptr, Check::None, nullptr},
      {&gPriceGrowth, nullptr, Check::None, nullptr},
      {&gMort2, nullptr, Check::NotNegative, kMortgage},
      {&gR2, nullptr, Check::NotNegative, kRate},
      {nullptr, &gN2, Check::NotNegative, kLength},
      {&gSavingsR, nullptr, Check::None, nullptr},
  }};

  // Every field is read and stored and every check runs; the last failure is the one
  // reported.
  gCheck = -1;
  for (std::int64_t i = 0; i < static_cast<std::int64_t>(inputs.size()); ++i) {
    const Input& input = inputs[static_cast<std::size_t>(i)];
    const double v = platform::Val(TextCheck(TextField1(i)->Text()));
    double stored = v;
    if (input.length != nullptr) {
      *input.length = Int(v);
      stored = static_cast<double>(*input.length);
    } else {
      *input.value = v;
    }
    if (Fails(input.check, stored)) {
      gCheck = i;
      gWarning = input.message;
    }
  }

  // The year-1 rent and the opening balances, written also when a check failed.
  gAnnualRent[1] = 12.0 * gRent;
  gMortBalance[0] = gMort;
  gMortBalance2[0] = gMort2;
  gCumTavrel[0] = 0;

  if (gCheck >= 0) {
    TextField1(gCheck)->SetFocus();
  } else {
    Calculations();
  }
  Refresh(true);
}

std::string MainWindow::TextCheck(const std::string& s) const {
  // Byte by byte, which keeps exactly the characters a character-by-character pass
  // keeps: every kept character is one ASCII byte, and every byte of a multi-byte or
  // invalid UTF-8 sequence is 0x80 or above, so no piece of one is ever kept.
  std::string result;
  for (const char c : s) {
    if (IsNumberCharacter(c)) {
      result += c;
    }
  }
  return result;
}

}  // namespace tavrel
