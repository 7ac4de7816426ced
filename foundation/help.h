#pragma once
// The program's help: one HTML page per help topic in the "help" folder of
// the program folder, shown in a help window that belongs to the window
// that asked for it and closes with it.

#include <QString>

#include <vector>

class QWidget;

namespace Support {

// Every topic number a window asks for, with its page and title. (There is
// no topic 15.)
struct HelpTopicPage {
    int Topic;
    const char* File;  // in the help folder
    const char* Title; // the page's own <title>
};
const std::vector<HelpTopicPage>& HelpTopics();

inline constexpr int HelpContentsTopic = 1;

// The folder of the help pages: the program folder and "help/".
QString HelpFolder();
// The page of a topic; the contents page for a number no window uses.
QString HelpTopicFile(int topic);

// Opens the owner's help window at the topic (window may be nullptr).
void ShowHelpContext(QWidget* window, int topic);
// Opens the owner's help window with the finder: every section by title
// and an index of key words.
void ShowHelpContents(QWidget* window);
// Closes the help window opened for the owner, if any. Every window that
// can open help calls it as it unloads.
void CloseHelp(QWidget* window);

} // namespace Support
