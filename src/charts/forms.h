#pragma once

#include "reports/report_job.h"
#include "store/record_store.h"

// The printed forms of the reports window. Each job reads what it prints when it is made, so
// it can be counted, printed and written as PDF later without the tree.
namespace kinloom::charts {

// A couple with their events, parents, notes and sources, and every child with birth, death
// and first marriage.
reports::ReportJob FamilyGroupSheetJob(const store::RecordStore& store, int family);
// The same form with empty fields, to be filled in by hand.
reports::ReportJob BlankFamilyGroupSheetJob();
// Four generations on one landscape page: boxes numbered 1 the person, 2 the father, 3 the
// mother ... 15.
reports::ReportJob PedigreeChartJob(const store::RecordStore& store, int individual);
// Every event, note and citation of one person, and their families.
reports::ReportJob PersonDetailsJob(const store::RecordStore& store, int individual);
// Every source with what cites it.
reports::ReportJob SourceListJob(const store::RecordStore& store);

}  // namespace kinloom::charts
