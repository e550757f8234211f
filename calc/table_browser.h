// The modal table browser: the window's grid form, a scripted stand-in for tests, the batch default.
#pragma once

#include <string>
#include <vector>

namespace vx11 {

struct CalcContext;

enum class BrowseMode { Edit = 0, Select = 1 };

struct BrowseRequest {
  BrowseMode mode = BrowseMode::Select;
  std::string caption;         // built from the two titles
  int help_number = 0;         // topic of the browser's help button
  bool working_on_copy = false;  // the table is a copy in the temporary folder
};

enum class BrowseResult { Ok, Cancel };

// Shows the open table (ctx.tables) until the person confirms (Enter, OK) or cancels (Escape).
// The browser may move the current record; the table object reads the outcome from it.
class TableBrowser {
 public:
  virtual ~TableBrowser() = default;
  virtual BrowseResult show(CalcContext& ctx, const BrowseRequest& request) = 0;
};

// Batch mode: confirms the record the table stands on, without waiting (in selection mode the
// first visible one when that record is marked as deleted; Cancel when none is visible).
class BatchTableBrowser : public TableBrowser {
 public:
  BrowseResult show(CalcContext& ctx, const BrowseRequest& request) override;
};

// Tests and scripted runs: each use takes the next step; without steps it confirms in place.
class ScriptedTableBrowser : public TableBrowser {
 public:
  struct Step {
    BrowseResult result = BrowseResult::Ok;
    int record = 0;  // record to move to before closing; 0 = stay
  };
  void confirm(int record = 0) { steps.push_back({BrowseResult::Ok, record}); }
  void cancel(int record = 0) { steps.push_back({BrowseResult::Cancel, record}); }

  BrowseResult show(CalcContext& ctx, const BrowseRequest& request) override;

  std::vector<Step> steps;
  std::vector<BrowseRequest> shown;  // every request, in order
  std::vector<int> opened_on;        // the current record when each use began
};

}  // namespace vx11
