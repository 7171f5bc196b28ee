#pragma once
// The maker's web address in its two written forms, and the one-line notice with the year.
// Shared by the main window, the About window, the plan sheet and the printed plans.
#include <string>

namespace varnloft {

// Lower-case form: the address that is opened and the one printed in page headers.
inline constexpr char kMakerWebAddress[] = "www.tellwicktables.example";
// Capitalised form, easier to read: the About window's link and the plans' footers.
inline constexpr char kMakerWebAddressCapitalised[] = "www.TellwickTables.example";

// The notice line with the year written as four digits, e.g. for 2007:
// "Copyright (c) 2007 Tellwick Picnic Tables. All rights reserved."
std::string NoticeTextForYear(int year);

}  // namespace varnloft
