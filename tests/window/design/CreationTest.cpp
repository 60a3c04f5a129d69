// The window's state at creation, and the accessor that makes, finds and replaces the
// one window.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "DesignSupport.h"
#include "model/ModelState.h"
#include "platform/Graphics.h"
#include "platform/Seams.h"
#include "window/MainWindow.h"

namespace tavrel::design_test {
namespace {

using CreationTest = DesignTest;

template <class Array>
std::string NonZeroElements(const Array& a) {
  std::string found;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != typename Array::value_type{}) {
      found += " [" + std::to_string(i) + "]";
    }
  }
  return found;
}

TEST_F(CreationTest, EveryPropertyStartsFromItsCreationValue) {
  auto w = std::make_unique<MainWindow>();

  const std::pair<const char*, double MainWindow::*> doubles[] = {
      {"gHomePrice", &MainWindow::gHomePrice},
      {"gDownPayment", &MainWindow::gDownPayment},
      {"gMort", &MainWindow::gMort},
      {"gR", &MainWindow::gR},
      {"gClosing", &MainWindow::gClosing},
      {"gTaxRate", &MainWindow::gTaxRate},
      {"gRent", &MainWindow::gRent},
      {"gRentGrowth", &MainWindow::gRentGrowth},
      {"gPropTaxGrowth", &MainWindow::gPropTaxGrowth},
      {"gInsuranceGrowth", &MainWindow::gInsuranceGrowth},
      {"gUtilitiesGrowth", &MainWindow::gUtilitiesGrowth},
      {"gMaintenanceGrowth", &MainWindow::gMaintenanceGrowth},
      {"gPriceGrowth", &MainWindow::gPriceGrowth},
      {"gMort2", &MainWindow::gMort2},
      {"gR2", &MainWindow::gR2},
      {"gSavingsR", &MainWindow::gSavingsR},
      {"gX", &MainWindow::gX},
      {"gX2", &MainWindow::gX2},
      {"gIRR", &MainWindow::gIRR},
  };
  for (const auto& [name, field] : doubles) {
    EXPECT_EQ((*w).*field, 0.0) << name;
  }

  const std::pair<const char*, std::int64_t MainWindow::*> integers[] = {
      {"gN", &MainWindow::gN},
      {"gN2", &MainWindow::gN2},
      {"gHorizon", &MainWindow::gHorizon},
      {"gNumPVs", &MainWindow::gNumPVs},
      {"gMaxNumIRRcalcs", &MainWindow::gMaxNumIRRcalcs},
      {"gNumIRRcalcs", &MainWindow::gNumIRRcalcs},
      {"gTextHeight", &MainWindow::gTextHeight},
      {"gAboutWindowWidth", &MainWindow::gAboutWindowWidth},
      {"gAboutWindowHeight", &MainWindow::gAboutWindowHeight},
      {"gMainWindowWidth", &MainWindow::gMainWindowWidth},
      {"gMainWindowHeight", &MainWindow::gMainWindowHeight},
      {"gRightBoxLeftMargin", &MainWindow::gRightBoxLeftMargin},
      {"gWindow", &MainWindow::gWindow},
      {"gAboutFirst", &MainWindow::gAboutFirst},
      {"gAboutLast", &MainWindow::gAboutLast},
      {"gURLleft", &MainWindow::gURLleft},
      {"gURLright", &MainWindow::gURLright},
      {"gURLBottom", &MainWindow::gURLBottom},
      {"gNumTextFields", &MainWindow::gNumTextFields},
      {"gCheck", &MainWindow::gCheck},
  };
  for (const auto& [name, field] : integers) {
    EXPECT_EQ((*w).*field, 0) << name;
  }

  EXPECT_FALSE(w->gLiveInRent);
  EXPECT_FALSE(w->gCalculations);
  EXPECT_EQ(w->gFont, "");
  EXPECT_EQ(w->gWarning, "");
  EXPECT_EQ(w->gInputFilename, "Tavrelinput");
  EXPECT_EQ(w->gOutputFilename, "Tavreloutput");

  const std::pair<const char*, YearTable MainWindow::*> tables[] = {
      {"gAnnualRent", &MainWindow::gAnnualRent},
      {"gPropTaxes", &MainWindow::gPropTaxes},
      {"gInsurance", &MainWindow::gInsurance},
      {"gUtilities", &MainWindow::gUtilities},
      {"gMaintenance", &MainWindow::gMaintenance},
      {"gMortInterest", &MainWindow::gMortInterest},
      {"gMortInterest2", &MainWindow::gMortInterest2},
      {"gMortExpense", &MainWindow::gMortExpense},
      {"gMortExpense2", &MainWindow::gMortExpense2},
      {"gMortBalance", &MainWindow::gMortBalance},
      {"gMortBalance2", &MainWindow::gMortBalance2},
      {"gTaxSavings", &MainWindow::gTaxSavings},
      {"gTaxOnRent", &MainWindow::gTaxOnRent},
      {"gC", &MainWindow::gC},
      {"gE", &MainWindow::gE},
      {"gTavrel", &MainWindow::gTavrel},
      {"gCumTavrel", &MainWindow::gCumTavrel},
      {"gPrice", &MainWindow::gPrice},
      {"gHomeEquity", &MainWindow::gHomeEquity},
      {"gWealth", &MainWindow::gWealth},
  };
  for (const auto& [name, table] : tables) {
    EXPECT_EQ(((*w).*table).size(), 1001u) << name;
    EXPECT_EQ(NonZeroElements((*w).*table), "") << name;
  }

  EXPECT_EQ(w->gRR.size(), 11u);
  EXPECT_EQ(NonZeroElements(w->gRR), "");
  EXPECT_EQ(w->gPV.size(), 11u);
  EXPECT_EQ(NonZeroElements(w->gPV), "");
  EXPECT_EQ(w->gInputData.size(), 26u);
  EXPECT_EQ(NonZeroElements(w->gInputData), "");

  EXPECT_EQ(w->gMsg.size(), 51u);
  EXPECT_EQ(NonZeroElements(w->gMsg), "");
  EXPECT_EQ(NonZeroElements(w->gLeft), "");
  EXPECT_EQ(NonZeroElements(w->gRight), "");
  EXPECT_EQ(NonZeroElements(w->gJustify), "");
  EXPECT_EQ(NonZeroElements(w->gY), "");
  EXPECT_EQ(w->gFirst.size(), 6u);
  EXPECT_EQ(NonZeroElements(w->gFirst), "");
  EXPECT_EQ(NonZeroElements(w->gLast), "");
  EXPECT_EQ(w->gAboutMsg.size(), 15u);
  EXPECT_EQ(NonZeroElements(w->gAboutMsg), "");
  EXPECT_EQ(NonZeroElements(w->gAboutLeft), "");
  EXPECT_EQ(NonZeroElements(w->gAboutRight), "");
  EXPECT_EQ(NonZeroElements(w->gAboutJustify), "");
  EXPECT_EQ(NonZeroElements(w->gAboutY), "");
}

TEST_F(CreationTest, NoWindowIsOpenUntilTheAccessorMakesOne) {
  EXPECT_EQ(OpenMainWindow(), nullptr);
  MainWindow& w = TheMainWindow();
  EXPECT_TRUE(w.IsOpen());
  EXPECT_EQ(OpenMainWindow(), &w);
  EXPECT_EQ(&TheMainWindow(), &w) << "a second call must find the open window";
}

// A measuring context that asks the accessor for the window whenever the window sets
// it up or measures with it, which it does while it opens (font set-up, text layout).
class ProbeGraphics : public platform::RecordingGraphics {
 public:
  explicit ProbeGraphics(std::vector<std::pair<MainWindow*, MainWindow*>>& seen) : seen_(seen) {}
  void SetTextFont(const std::string& name) override {
    Probe();
    RecordingGraphics::SetTextFont(name);
  }
  double StringWidth(const std::string& text) override {
    Probe();
    return RecordingGraphics::StringWidth(text);
  }

 private:
  void Probe() {
    static int depth = 0;
    if (depth > 0) {
      ADD_FAILURE() << "the accessor made a second window while the first opened";
      return;
    }
    // Before the window object exists there is nothing to find.
    if (MainWindow* open = OpenMainWindow()) {
      ++depth;
      seen_.emplace_back(open, &TheMainWindow());
      --depth;
    }
  }
  std::vector<std::pair<MainWindow*, MainWindow*>>& seen_;
};

TEST_F(CreationTest, CallsMadeWhileTheWindowOpensReachTheWindowBeingOpened) {
  std::vector<std::pair<MainWindow*, MainWindow*>> seen;
  platform::seams::Overrides probe;
  probe.measuring = [&seen] { return std::make_unique<ProbeGraphics>(seen); };
  MainWindow* made = nullptr;
  {
    platform::seams::ScopedOverrides scoped(std::move(probe));
    made = &TheMainWindow();
  }
  ASSERT_FALSE(seen.empty()) << "the window never measured text while it opened";
  for (const auto& [open, accessed] : seen) {
    EXPECT_EQ(open, made);
    EXPECT_EQ(accessed, made);
  }
  EXPECT_EQ(&TheMainWindow(), made);
}

// A measuring context that destroys the program's window the first time it measures,
// that is while the window opens, and then asks the accessor for the window.
class DestroyingGraphics : public platform::RecordingGraphics {
 public:
  explicit DestroyingGraphics(std::vector<MainWindow*>& seen) : seen_(seen) {}
  double StringWidth(const std::string& text) override {
    if (OpenMainWindow() != nullptr && seen_.empty()) {
      DestroyMainWindow();
      seen_.push_back(OpenMainWindow());
      seen_.push_back(&TheMainWindow());
    }
    return RecordingGraphics::StringWidth(text);
  }

 private:
  std::vector<MainWindow*>& seen_;
};

TEST_F(CreationTest, DestroyingTheWindowWhileItOpensNeitherFreesItNorMakesASecond) {
  std::vector<MainWindow*> seen;
  platform::seams::Overrides destroying;
  destroying.measuring = [&seen] { return std::make_unique<DestroyingGraphics>(seen); };
  MainWindow* made = nullptr;
  {
    platform::seams::ScopedOverrides scoped(std::move(destroying));
    made = &TheMainWindow();
  }
  ASSERT_EQ(seen.size(), 2u) << "the window never measured text while it opened";
  // Its Open is still running: the window stays reachable, closed, and is the one given.
  EXPECT_EQ(seen[0], made);
  EXPECT_EQ(seen[1], made);
  EXPECT_FALSE(made->IsOpen());
  EXPECT_EQ(OpenMainWindow(), nullptr) << "once opened, a closed window is not the open one";

  MainWindow& next = TheMainWindow();
  EXPECT_TRUE(next.IsOpen());
  EXPECT_EQ(OpenMainWindow(), &next);
}

TEST_F(CreationTest, WindowMadeAfterTheFirstWasClosedStartsAfresh) {
  {
    MainWindow& first = TheMainWindow();
    first.gInputFilename = "mine.txt";
    first.gOutputFilename = "report.txt";
    first.gCalculations = true;
    first.gHomePrice = 250000;
    first.gAnnualRent[1] = 18000;
    first.TextField1(0)->SetText("250000");
    first.RadioButton1(1)->SetValue(true);
    first.Close();
  }
  EXPECT_EQ(OpenMainWindow(), nullptr) << "a closed window is not the open window";

  MainWindow& second = TheMainWindow();
  EXPECT_TRUE(second.IsOpen());
  EXPECT_EQ(second.gWindow, 0) << "starts on the About page";
  EXPECT_EQ(second.Title(), "About Tavrel");
  EXPECT_EQ(second.gInputFilename, "Tavrelinput");
  EXPECT_EQ(second.gOutputFilename, "Tavreloutput");
  EXPECT_FALSE(second.gCalculations);
  EXPECT_EQ(second.gHomePrice, 0);
  EXPECT_EQ(second.gAnnualRent[1], 0);
  for (std::int64_t i = 0; i <= 21; ++i) {
    EXPECT_EQ(second.TextField1(i)->Text(), "") << "field " << i;
  }
  EXPECT_TRUE(second.RadioButton1(0)->Value());
  EXPECT_FALSE(second.RadioButton1(1)->Value());
  EXPECT_TRUE(second.gLiveInRent);
  EXPECT_EQ(second.Label1(7)->Text(), "Monthly rent savings ($):");
}

TEST_F(CreationTest, DestroyingTheWindowLetsTheNextCallMakeANewOne) {
  MainWindow& first = TheMainWindow();
  first.gInputFilename = "kept nowhere";
  DestroyMainWindow();
  EXPECT_EQ(OpenMainWindow(), nullptr);
  DestroyMainWindow();  // nothing left to destroy
  EXPECT_EQ(TheMainWindow().gInputFilename, "Tavrelinput");
}

}  // namespace
}  // namespace tavrel::design_test
