#pragma once

#include "store/record_store.h"

namespace kinloom::core {

// The per-record texts, widths and row counts the charts are laid out from: labelText,
// birthText ("b. " or "c. " and the birth date), deathText ("d. " and the death date), their
// widths in the chart font (through the interaction layer), boxLines and blockLines of
// individuals; marriageText ("m. " and the marriage date) and marriageWidth of families. A
// text counts as present when its width is more than 5 pixels.

// Rebuilds every record's cached texts (record 0 included), under the progress caption
// "Initializing Chart".
void InitializeChart(store::RecordStore& store);
// Rebuilds one individual's texts and box rows; a change of its box rows moves each spouse's
// block rows by the difference.
void RefreshPersonTexts(store::RecordStore& store, int individual);
// Rebuilds one family's marriage text and width.
void RefreshMarriageText(store::RecordStore& store, int family);
// Recomputes an individual's blockLines from its own rows, its families' marriage texts and
// its spouses' rows.
void RefreshBlockLines(store::RecordStore& store, int individual);

}  // namespace kinloom::core
