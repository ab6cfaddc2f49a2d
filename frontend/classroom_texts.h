// The words of a classroom session that the desktop and the page both show:
// the projector's panel, the phones' follow bar and question, and the
// sentences a phone shows when the session turns it away. Numbers go into
// them through the functions below, never by joining texts elsewhere.
#pragma once

#include <string>
#include <string_view>

namespace classroom::texts {

inline constexpr std::string_view Following = "Following the class";
inline constexpr std::string_view TryItYourself = "Try it yourself";
inline constexpr std::string_view BackToTheClass = "Back to the class";
inline constexpr std::string_view TryingItYourself = "Your own copy: nothing you do here reaches the class.";
inline constexpr std::string_view Connecting = "Joining the class\u2026";
inline constexpr std::string_view Reconnecting = "The connection to the class was lost; joining again\u2026";
inline constexpr std::string_view ClassFull =
    "This class is full: the teacher's laptop takes no more phones. Ask your neighbour to share a screen.";
inline constexpr std::string_view ClassOver = "The class session has ended. Thank you for following.";
inline constexpr std::string_view WrongLink =
    "This link does not belong to the class session running now. Scan the code on the projector again.";
inline constexpr std::string_view OwnCopyFirst =
    "This page follows the class: press Try it yourself first to open a run of your own.";
inline constexpr std::string_view QuestionToTheRoom = "Question to the room";
inline constexpr std::string_view VoteCounted =
    "Your answer is in. You may change it until the teacher reveals the answers.";
inline constexpr std::string_view SecondVote = "Second vote, after discussion";
inline constexpr std::string_view RightAnswer = "right answer";
inline constexpr std::string_view QuestionWithdrawn =
    "Question withdrawn: the run changed before the event it was about.";
inline constexpr std::string_view NothingToAsk =
    "Nothing teachable happens in the next 15 seconds of this run; let it go on a little and ask again.";

// "1 student", "37 students".
std::string studentsText(int students);
// "12 of 37 have answered".
std::string answeredText(int answered, int students);
// "Question 3, first vote: 37 answers", "Question 3, second vote: 1 answer".
std::string histogramCaption(int question, int round, int total);
// "14 (38 %)".
std::string barText(int votes, int percent);
// The join address for the panel: "Join at http://192.168.1.20:8080/".
std::string joinAt(std::string_view address);

} // namespace classroom::texts
