#pragma once

#include "calc/lab_record.h"

#include <string>

namespace ulvane {

// The program's side of the page it runs in: the events the page's scripts listen
// for, and the styles of the windows the platform draws in HTML.

// "ulvane-way-in": the workbook has opened, for a student who came in by the
// admission test (way "test") or the access code ("code").
void tellPageWayIn(WayIn way);

// "ulvane-result": the tab at index study of studies has shown a result; the page's
// learning-system bridge counts a study as done once its tab has shown one, and
// records what it showed: the record's study, cable, inputs and shown texts, each
// entry a pair [name, text].
void tellPageStudyShownResult(int study, int studies, const StudyRecord &record);

// "ulvane-finished": the student has closed the program's last window.
void tellPageWorkFinished();

// Adds a style sheet to every screen's element; the platform's styles live in a
// shadow root inside it.
void addWindowStyle(const std::string &css);

} // namespace ulvane
