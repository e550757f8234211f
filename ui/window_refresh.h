// What the main window shows of the program state: caption, recent-file entries, the message count,
// and the refresh after every rating.
#pragma once

#include <QString>

#include <string>

namespace vx11 {

class ProgramState;
class Thh;

// A code page 850 text as the window shows it.
QString shown_text(const ProgramState& st, const std::string& cp850);

void show_caption(Thh& window, const ProgramState& st);
void show_recent_files(Thh& window, const ProgramState& st);

// "(n)" behind the error-messages item, caption and recent files.
void show_rating_summary(Thh& window, const ProgramState& st);
// After a rating: the summary above, then the current view.
void refresh_after_rating(Thh& window, ProgramState& st);
// Runs the rating with the abort flag cleared before and after.
void rate(ProgramState& st);
// The rating, then the refresh.
void rate_and_refresh(Thh& window, ProgramState& st);

}  // namespace vx11
