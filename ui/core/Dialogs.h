#pragma once
// Message boxes and file dialogs behind one small interface: the program uses
// Qt's, tests use RecordingDialogs with scripted answers.
#include <algorithm>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

enum class DialogButtons { Ok, OkCancel, YesNo };
enum class DialogIcon { None, Information, Warning, Error, Question };
enum class DialogResult { Ok, Cancel, Yes, No };

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Texts are UTF-8. Blocks until answered in the real program.
  virtual DialogResult MessageBox(const std::string& text, const std::string& caption,
                                  DialogButtons buttons, DialogIcon icon = DialogIcon::None) = 0;
  // A save dialog; nullopt when cancelled. filter as "Report File (*.TXT)".
  virtual std::optional<std::string> SaveFileName(const std::string& filter,
                                                  const std::string& defaultName,
                                                  const std::string& folder) = 0;
};

// Records every box shown and answers from a script (default: Ok / Yes / cancelled save).
class RecordingDialogs : public Dialogs {
 public:
  struct Shown {
    std::string text, caption;
    DialogButtons buttons;
    DialogIcon icon;
  };
  std::vector<Shown> shown;
  std::deque<DialogResult> answers;  // consumed in order
  std::deque<std::optional<std::string>> saveAnswers;
  std::vector<std::string> saveRequests;  // default names asked for
  // Runs while a box is up, as the real box's own event loop would run what
  // is posted meanwhile; the boxes up at once are counted.
  std::function<void()> whileOpen;
  int openBoxes = 0;
  int mostOpenAtOnce = 0;

  DialogResult MessageBox(const std::string& text, const std::string& caption,
                          DialogButtons buttons, DialogIcon icon = DialogIcon::None) override {
    shown.push_back({text, caption, buttons, icon});
    mostOpenAtOnce = std::max(mostOpenAtOnce, ++openBoxes);
    if (whileOpen) whileOpen();
    --openBoxes;
    if (!answers.empty()) {
      DialogResult r = answers.front();
      answers.pop_front();
      return r;
    }
    return buttons == DialogButtons::YesNo ? DialogResult::Yes : DialogResult::Ok;
  }
  std::optional<std::string> SaveFileName(const std::string&, const std::string& defaultName,
                                          const std::string&) override {
    saveRequests.push_back(defaultName);
    if (saveAnswers.empty()) return std::nullopt;
    auto r = saveAnswers.front();
    saveAnswers.pop_front();
    return r;
  }
};
