#pragma once

#include "reports/report_job.h"
#include "reports/report_output.h"
#include "store/record_store.h"

namespace kinloom::reports {

// The generation limits of the ancestor and descendant lists (the window's up-downs).
inline constexpr int kListGenerationsMin = 2;
inline constexpr int kListGenerationsMax = 30;
inline constexpr int kListGenerationsDefault = 6;
// From this limit on a list prints in landscape.
inline constexpr int kLandscapeGenerations = 19;

// Whether a list can be made for the number: an existing individual from 1 to the highest.
bool ListablePerson(const store::RecordStore& store, int individual);

// The ancestor list of `root`: a sideways pedigree of depths 0 (the root) to `generations`,
// fathers above and mothers below, joined by connector lines (slashes and bars in the text
// form). Each line is the display name, three blanks, "b. date  " when the first of BIRT, BAPM
// and CHR has a date and "d. date" when the first of DEAT, BURI and CREM has one. Returns the
// page number reached (1 in text mode). `generations` is held to 2..30.
int AncestorChart(ReportOutput& out, const store::RecordStore& store, int root, int generations);

// The descendant list of `root`: generations 1 (the root) to `generations`, each person
// followed by the spouse of each family and that family's children, indented by generation.
// Stepchildren appear under the natural parent only; foster and sealing children under
// neither. Returns the page number reached.
int DescendantIndent(ReportOutput& out, const store::RecordStore& store, int root, int generations);

// The lists as print jobs (the document is titled with the root's display name; landscape
// from 19 generations on). The store must outlive the job.
ReportJob AncestorListJob(const store::RecordStore& store, int root, int generations);
ReportJob DescendantListJob(const store::RecordStore& store, int root, int generations);

}  // namespace kinloom::reports
