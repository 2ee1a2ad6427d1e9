#pragma once

#include <string_view>

#include "store/record_store.h"

namespace kinloom::core {

inline constexpr std::string_view kCannotChangeToLivingCaption = " *** Cannot Change to Living ***";
inline constexpr std::string_view kCannotChangeToLivingText =
    "This individual cannot be changed to living status until all\n"
    "details in Death, Burial and Cremation fields are removed.\n\n"
    "Also, Birth, Baptism, Christening dates for this individual\n"
    "(and near relation) cannot be over 120 years old.";

// The living mark follows the death line: a person with one is not marked living, a person
// whose death line the user removed is. Marks the tree changed when the mark changes.
void MarkLiving(store::RecordStore& store, int individual, bool living);

enum class LivingChange { kDone, kMustStayDeceased, kNoPerson };

// The person page's "Living" box: living removes every bare death line, not living adds one.
// A person whose dates or whose near relations' dates say they died stays deceased
// (kMustStayDeceased: the caller shows the message above; the rule may have written a bare
// "1 DEAT", so the caller refreshes what it shows).
LivingChange SetLivingStatus(store::RecordStore& store, int individual, bool living);

}  // namespace kinloom::core
