#pragma once

// The words of the form that change with the live-in/rent choice. The form opens in the
// live-in mode, so Event_Open sets the live-in texts and RadioButton1_Action switches them.
namespace tavrel::formtext {

struct ModeTexts {
  const char* rentCaption;     // caption of field 7, the monthly rent
  const char* rentHelp;        // help text of caption 7
  const char* rentGrowthHelp;  // help text of caption 12, the rent's growth rate
};

inline constexpr ModeTexts kLiveIn{
    "Monthly rent savings ($):",
    "How much it would cost each month to rent this home.",
    "The anticipated annual rate of increase of rent saving (maybe the rate of inflation).",
};

inline constexpr ModeTexts kRent{
    "Monthly rent ($):",
    "How much rent you canm charge each month for this home.",
    "The anticipated annual rate of increase of rent (maybe the rate of inflation).",
};

}  // namespace tavrel::formtext
