#include "frontend/classroom_texts.h"

#include "core/numbers.h"

namespace classroom::texts {

namespace {

std::string count(int value) { return numbers::plainText(value); }

} // namespace

std::string studentsText(int students)
{
    return count(students) + (students == 1 ? " student" : " students");
}

std::string answeredText(int answered, int students)
{
    return count(answered) + " of " + count(students) + (answered == 1 ? " has answered" : " have answered");
}

std::string histogramCaption(int question, int round, int total)
{
    return "Question " + count(question) + (round == 1 ? ", first vote: " : ", second vote: ") +
           count(total) + (total == 1 ? " answer" : " answers");
}

std::string barText(int votes, int percent) { return count(votes) + " (" + count(percent) + " %)"; }

std::string joinAt(std::string_view address) { return "Join at " + std::string(address); }

} // namespace classroom::texts
