#pragma once
// A run as one web page that plays it in any browser: the player's script,
// styles and the run's data inline, nothing fetched. The data is the run's
// timeline as the program holds it: the tree at the first step, then each
// step's changes of the tree and of the picture, its line, the nodes it
// points at, its counts, its narration and its question, the texts in the
// program's languages.

#include "RunExport.h"

// The most a page holds: beyond this a browser would take too long to load.
constexpr int64_t kMaxPageSteps = 2000000;
constexpr int64_t kMaxPageNodes = 65535;

bool IsWebPageType(const QString &path);
RunExportResult ExportWebPage(CZarniView *view, const QString &path, const RunExportOptions &options);
// The view's exercise as a page the learner does it in, graded as the
// program grades.
RunExportResult ExportExercisePage(CZarniView *view, const QString &path, RunExportOptions options);
