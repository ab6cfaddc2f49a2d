#include "history/lessons.h"

#include "history/display_text.h"
#include "history/translatable.h"

std::vector<LessonEntry> lessonList()
{
    std::vector<LessonEntry> list;
    for (int i = 0; i < lessons_data::LessonCount; ++i) {
        const RunFileResult read = readRunText(lessons_data::Lessons[i].text);
        list.push_back({lessons_data::Lessons[i].name, read.script ? read.script->title : read.error});
    }
    return list;
}

std::vector<std::string> lessonNames()
{
    std::vector<std::string> names;
    for (int i = 0; i < lessons_data::LessonCount; ++i)
        names.emplace_back(lessons_data::Lessons[i].name);
    return names;
}

RunFileResult loadLesson(std::string_view name)
{
    for (int i = 0; i < lessons_data::LessonCount; ++i) {
        if (name == lessons_data::Lessons[i].name) return readRunText(lessons_data::Lessons[i].text);
    }
    return {std::nullopt, texts::fill(texts::translatable("lessons", "There is no lesson called \"%1\"."),
                                      displaytext::name(name))};
}
