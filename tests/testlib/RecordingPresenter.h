// A message presenter for tests: records every box and beep and answers from
// a queue of result codes (mrOk, or the first offered button, when empty).
#pragma once

#include "widgets/MessagePresenter.h"

#include <QList>

#include <deque>

namespace vantor::test {

class RecordingPresenter final : public MessagePresenter {
public:
    RecordingPresenter() { previous_ = SetMessagePresenter(this); }
    ~RecordingPresenter() override { SetMessagePresenter(previous_); }
    RecordingPresenter(const RecordingPresenter&) = delete;
    RecordingPresenter& operator=(const RecordingPresenter&) = delete;

    void Beep() override { ++beeps; }
    int ShowMessage(const MessageBoxRequest& request) override
    {
        shown.append(request);
        if (!answers.empty()) {
            const int answer = answers.front();
            answers.pop_front();
            return answer;
        }
        if (request.Buttons & mbOK)
            return mrOk;
        if (request.Buttons & mbYes)
            return mrYes;
        return mrCancel;
    }

    QList<MessageBoxRequest> shown;
    std::deque<int> answers;
    int beeps = 0;

private:
    MessagePresenter* previous_ = nullptr;
};

} // namespace vantor::test
