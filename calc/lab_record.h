#pragma once

#include <string>
#include <utility>
#include <vector>

namespace ulvane {

// What the lab tells a record kept outside the program, such as a learning system's
// report for the teacher: the way the student came in, and each result a study
// showed. Texts are UTF-8, as the student saw them.

// How the student reached the workbook.
enum class WayIn { AdmissionTest, AccessCode };

// One entry of a record: a short name of the quantity ("ρ", "E"), or none where the
// text says what it is, and the text.
using RecordEntry = std::pair<std::string, std::string>;

// A result a study showed: the study's identifier, the chosen cable type, each input
// as typed, in the order of the page, and each result text as its box shows it.
struct StudyRecord {
    std::string Study;
    std::string Cable;
    std::vector<RecordEntry> Inputs;
    std::vector<RecordEntry> Shown;
};

} // namespace ulvane
