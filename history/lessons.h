// The built-in lessons: run files from the repository's lessons/ folder,
// compiled into the program, each with a title and a note for the teacher.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "history/run_file.h"

namespace lessons_data {
struct EmbeddedLesson {
    const char* name;
    const char* text;
};
extern const EmbeddedLesson Lessons[];
extern const int LessonCount;
} // namespace lessons_data

struct LessonEntry {
    std::string name; // for --lesson and lesson=NAME: "fast-retransmit"
    std::string title;
};

// Every lesson, in the order they are taught.
std::vector<LessonEntry> lessonList();
std::vector<std::string> lessonNames();

// The lesson's run, or a sentence saying there is no such lesson.
RunFileResult loadLesson(std::string_view name);
