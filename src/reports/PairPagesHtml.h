#pragma once

#include "reports/ReportContext.h"
#include "reports/ReportSink.h"
#include "reports/SessionMatchPoints.h"

namespace velk {

// The scores and match points of pair row `pair` of `group` as a page for the word processor
// ("Tonen als HTML bestand ?" Ja), with the match points `mp` holds. Returns false when the
// context has no program to hand pages to: the list is then written as text. Otherwise the
// window shows nothing, whatever became of the page.
bool ShowPairPagesAsHtml(ReportContext& context, SessionMatchPoints& mp, int group, int pair);

// "M.P.'n alle paren": the pages of every pair that played in the chosen groups and the name
// script, in the folders the save dialog chooses per group. Nothing goes to the window.
void WritePairPagesReport(ReportContext& context, ReportSink& sink);

} // namespace velk
