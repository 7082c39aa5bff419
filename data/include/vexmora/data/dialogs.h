#pragma once
// Questions and messages that need a person. The rules ask through this interface and the
// game answers with its message boxes; tests answer with a script.

#include <string>
#include <vector>

namespace vex {

enum class DialogIcon { None, Information, Warning, Error, Question };
enum class DialogButtons { Ok, OkCancel, YesNo };
enum class DialogAnswer { Ok, Cancel, Yes, No };

struct DialogRequest {
    std::string title;
    std::string text;  // lines joined by "\r\n"
    DialogIcon icon = DialogIcon::None;
    DialogButtons buttons = DialogButtons::Ok;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual DialogAnswer ask(const DialogRequest& request) = 0;
};

// Answers every question with the given answers in turn (then the last one again) and keeps
// what was asked: for tests and for the command-line tool.
class ScriptedDialogs final : public Dialogs {
public:
    explicit ScriptedDialogs(std::vector<DialogAnswer> answers = {DialogAnswer::Ok}) : answers_(std::move(answers)) {}
    DialogAnswer ask(const DialogRequest& request) override {
        asked.push_back(request);
        if (answers_.empty()) return DialogAnswer::Ok;
        const DialogAnswer a = answers_[next_ < answers_.size() ? next_ : answers_.size() - 1];
        ++next_;
        return a;
    }
    std::vector<DialogRequest> asked;

private:
    std::vector<DialogAnswer> answers_;
    size_t next_ = 0;
};

}  // namespace vex
