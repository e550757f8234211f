// The person's side of a run as forwarders whose targets can be replaced: the program state is bound
// to them once, before anyone knows whether a window will open; the window points them at its dialogs
// while it runs and back at the batch stand-ins when it ends.
#pragma once

#include <optional>

#include "calc/table_browser.h"
#include "base/interaction.h"
#include "report/report_outlets.h"

namespace vx11 {

class ProgramState;
struct Frontend;

class ForwardingInteraction : public Interaction {
 public:
  explicit ForwardingInteraction(Interaction& target) : target_(&target) {}
  void set_target(Interaction& target) { target_ = &target; }
  Interaction& target() const { return *target_; }

  void message(const std::string& caption, const std::string& text) override {
    target_->message(caption, text);
  }
  Answer ask_yes_no_cancel(const std::string& caption, const std::string& text) override {
    return target_->ask_yes_no_cancel(caption, text);
  }
  std::optional<int> choose(const std::string& caption, const std::vector<std::string>& items,
                            int preset) override {
    return target_->choose(caption, items, preset);
  }
  std::optional<std::string> ask_text(const std::string& caption, const std::string& prompt,
                                      const std::string& text) override {
    return target_->ask_text(caption, prompt, text);
  }
  std::optional<std::string> open_file(const std::string& title, const std::string& folder,
                                       const std::string& filter) override {
    return target_->open_file(title, folder, filter);
  }
  std::optional<std::string> save_file(const std::string& title, const std::string& folder,
                                       const std::string& name, const std::string& filter) override {
    return target_->save_file(title, folder, name, filter);
  }

 private:
  Interaction* target_;
};

class ForwardingTableBrowser : public TableBrowser {
 public:
  explicit ForwardingTableBrowser(TableBrowser& target) : target_(&target) {}
  void set_target(TableBrowser& target) { target_ = &target; }
  TableBrowser& target() const { return *target_; }
  BrowseResult show(CalcContext& ctx, const BrowseRequest& request) override { return target_->show(ctx, request); }

 private:
  TableBrowser* target_;
};

class ForwardingTextWindow : public TextWindow {
 public:
  explicit ForwardingTextWindow(TextWindow& target) : target_(&target) {}
  void set_target(TextWindow& target) { target_ = &target; }
  TextWindow& target() const { return *target_; }
  void show(const TextWindowRequest& request) override { target_->show(request); }

 private:
  TextWindow* target_;
};

class ForwardingTextPrinter : public TextPrinter {
 public:
  explicit ForwardingTextPrinter(TextPrinter& target) : target_(&target) {}
  void set_target(TextPrinter& target) { target_ = &target; }
  TextPrinter& target() const { return *target_; }
  void print(const std::string& cp850_path) override { target_->print(cp850_path); }

 private:
  TextPrinter* target_;
};

class ForwardingProcessStarter : public ProcessStarter {
 public:
  explicit ForwardingProcessStarter(ProcessStarter& target) : target_(&target) {}
  void set_target(ProcessStarter& target) { target_ = &target; }
  ProcessStarter& target() const { return *target_; }
  bool exists(const std::string& program) override { return target_->exists(program); }
  bool start(const std::vector<std::string>& argv) override { return target_->start(argv); }
  int last_error() const override { return target_->last_error(); }
  void reap() override { target_->reap(); }

 private:
  ProcessStarter* target_;
};

// What a frontend provides; the switch forwards to one of these at a time.
struct FrontendTargets {
  Interaction& ui;
  TableBrowser& browser;
  TextWindow& window;
  TextPrinter& printer;
  ProcessStarter& starter;
};

class FrontendSwitch {
 public:
  FrontendSwitch();
  FrontendSwitch(const FrontendSwitch&) = delete;
  FrontendSwitch& operator=(const FrontendSwitch&) = delete;

  // The forwarders, to build the program state with.
  Frontend frontend();
  // Once the state exists: the batch printer takes the state's settings, and the state keeps a
  // pointer to the switch so the window can reach it.
  void bind(ProgramState& state);

  // Every forwarder to the given frontend; `use_batch` back to the stand-ins.
  void use(const FrontendTargets& targets);
  void use_batch();
  bool batch() const { return &ui_.target() == &batch_ui_; }

  // The stand-ins (batch printer only after `bind`).
  BatchInteraction& batch_ui() { return batch_ui_; }
  FrontendTargets batch_targets();

 private:
  // Without a bound state there is nothing to print with: the request is dropped.
  class UnboundPrinter : public TextPrinter {
   public:
    void print(const std::string&) override {}
  };

  BatchInteraction batch_ui_;
  BatchTableBrowser batch_browser_;
  RecordingTextWindow batch_window_;
  SpawnProcessStarter batch_starter_;
  UnboundPrinter unbound_printer_;
  std::optional<LpTextPrinter> batch_printer_;

  ForwardingInteraction ui_;
  ForwardingTableBrowser browser_;
  ForwardingTextWindow window_;
  ForwardingTextPrinter printer_;
  ForwardingProcessStarter starter_;
};

// Points the switch at a frontend for as long as it lives.
class FrontendScope {
 public:
  FrontendScope(FrontendSwitch* sw, const FrontendTargets& targets) : sw_(sw) {
    if (sw_) sw_->use(targets);
  }
  ~FrontendScope() {
    if (sw_) sw_->use_batch();
  }
  FrontendScope(const FrontendScope&) = delete;
  FrontendScope& operator=(const FrontendScope&) = delete;

 private:
  FrontendSwitch* sw_;
};

}  // namespace vx11
