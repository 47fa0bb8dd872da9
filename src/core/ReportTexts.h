#pragma once

#include "ScanRecords.h"

#include <cstdint>
#include <string>

/// The sentences of a scan report that the window and the command line both show, in the
/// current language.
namespace orvelane::ReportTexts {

/// "Total found: <size>".
std::string totalFound(std::int64_t bytes);

/// "<free> free of <size>", of the home folder's disk.
std::string freeSpace(std::int64_t available, std::int64_t total);

/// "Protected / Skipped (<count>)".
std::string skippedCount(std::int64_t count);

/// What a tidy did, in one or two sentences: what it moved to the Trash (and that Undo in
/// Orvelane takes it back), what it deleted from the Trash; empty when it did neither.
std::string tidyDone(std::int64_t trashed, std::int64_t deleted);

/// What a removal takes away: "12,408 files and 310 folders", "1 file"; empty when nothing is
/// known of it.
std::string contents(const ItemContents& contents);

/// The title of the notice after a tidy.
std::string tidyTitle();

} // namespace orvelane::ReportTexts
