#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <ostream>
#include <string>

#include "platform/Controls.h"
#include "platform/TestDriver.h"
#include "support/UiTest.h"
#include "window/MainWindow.h"

namespace tavrel::formtest {

using Entries = std::array<std::string, 22>;

// The complete live-in run of the model, as a person types it into the 22 fields.
inline const Entries kExampleEntries = {
    "250000", "50000", "200000", "6", "30", "5000", "25", "1500", "3000", "1000", "0",
    "1000",   "3",     "3",      "3", "3",  "3",    "3",  "0",    "0",    "0",    "5",
};

// Entries that pass every check and keep the model cheap: nothing borrowed.
inline const Entries kPassingEntries = {
    "100000", "100000", "0", "0", "0", "0", "0", "1000", "2000", "0", "0",
    "0",      "0",      "0", "0", "0", "0", "0", "0",    "0",    "0", "0",
};

// What the mode shows: the flag, the caption of field 7, its two help texts and the
// radio buttons.
struct ModeView {
  bool liveIn;
  std::string caption7;
  std::string help7;
  std::string help12;
  bool value0;
  bool value1;
  friend bool operator==(const ModeView&, const ModeView&) = default;
};

inline ModeView Mode(const MainWindow& w) {
  return {w.gLiveInRent,           w.Label1(7)->Text(),        w.Label1(7)->HelpTag(),
          w.Label1(12)->HelpTag(), w.RadioButton1(0)->Value(), w.RadioButton1(1)->Value()};
}

// The value each field was stored as by the last Okay, by input index; the two lengths
// as their whole years.
inline std::array<double, 22> StoredInputs(const MainWindow& w) {
  return {w.gHomePrice,
          w.gDownPayment,
          w.gMort,
          w.gR,
          double(w.gN),
          w.gClosing,
          w.gTaxRate,
          w.gRent,
          w.gPropTaxes[1],
          w.gInsurance[1],
          w.gUtilities[1],
          w.gMaintenance[1],
          w.gRentGrowth,
          w.gPropTaxGrowth,
          w.gInsuranceGrowth,
          w.gUtilitiesGrowth,
          w.gMaintenanceGrowth,
          w.gPriceGrowth,
          w.gMort2,
          w.gR2,
          double(w.gN2),
          w.gSavingsR};
}

class FormTest : public testing::UiTest {
 protected:
  // The program's window, open on the About page.
  MainWindow& OpenWindow() { return TheMainWindow(); }

  // The program's window, moved to the form page by its Okay button.
  MainWindow& OpenForm() {
    MainWindow& w = TheMainWindow();
    Okay(w);
    EXPECT_EQ(w.gWindow, 1);
    return w;
  }

  static void Okay(MainWindow& w) { w.OkayButton()->Push(); }

  static void Fill(MainWindow& w, const Entries& entries) {
    for (std::int64_t i = 0; i < 22; ++i) {
      w.TextField1(i)->SetText(entries[static_cast<std::size_t>(i)]);
    }
  }

  static Entries Texts(const MainWindow& w) {
    Entries texts;
    for (std::int64_t i = 0; i < 22; ++i) {
      texts[static_cast<std::size_t>(i)] = w.TextField1(i)->Text();
    }
    return texts;
  }

  // The entry field that has the keyboard focus, or -1.
  static std::int64_t FocusedField(MainWindow& w) {
    platform::testdriver::Activate(w);
    for (std::int64_t i = 0; i < 22; ++i) {
      if (w.TextField1(i)->HasFocus()) {
        return i;
      }
    }
    return -1;
  }
};

inline std::ostream& operator<<(std::ostream& os, const ModeView& m) {
  return os << "{liveIn " << m.liveIn << ", caption7 \"" << m.caption7 << "\", help7 \"" << m.help7
            << "\", help12 \"" << m.help12 << "\", values " << m.value0 << "/" << m.value1 << "}";
}

inline const char* const kLiveInCaption = "Monthly rent savings ($):";
inline const char* const kLiveInHelp7 = "How much it would cost each month to rent this home.";
inline const char* const kLiveInHelp12 =
    "The anticipated annual rate of increase of rent saving (maybe the rate of inflation).";
inline const char* const kRentCaption = "Monthly rent ($):";
inline const char* const kRentHelp7 = "How much rent you canm charge each month for this home.";
inline const char* const kRentHelp12 =
    "The anticipated annual rate of increase of rent (maybe the rate of inflation).";

}  // namespace tavrel::formtest
