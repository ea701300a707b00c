// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/flow/turn_flow.h"

#include "storage/storage_error.h"

TurnFlow::TurnFlow(Engine& engine, TableView& view, FlowStorage& storage)
    : E(engine), View(view), Storage(storage) {}

namespace {

// Runs a handler's body; the text of the failure that ended it, or "" when none did.
std::string FailureOf(const std::function<void()>& body) {
    try {
        body();
    } catch (const std::exception& error) {
        return error.what();
    }
    return {};
}

} // namespace

// Handlers may nest: the suit chooser and the pauses let the window breathe, and the chooser
// takes input. Each one is counted, so that the window never goes from under a handler.
void TurnFlow::RunEvent(const std::function<void()>& body) {
    ++Depth_;
    EndEvent(FailureOf(body));
}

// A pause lets the window breathe; should an event slip through meanwhile, it must not start
// a second turn sequence inside the first. The busy mark refuses it.
void TurnFlow::RunTurnEvent(const std::function<void()>& body) {
    if (Busy_ || Closing_)
        return;
    ++Depth_;
    Busy_ = true;
    std::string failure = FailureOf(body);
    Busy_ = false;
    // A failure that ended the sequence is the one the player hears of.
    if (failure.empty())
        failure = PendingError_;
    PendingError_.clear();
    EndEvent(failure);
}

void TurnFlow::EndEvent(const std::string& failure) {
    --Depth_;
    if (!failure.empty() && !Closing_)
        View.ShowError(failure);
    if (Depth_ > 0)
        return;
    if (Closing_)
        View.CloseWindow();
    else
        View.TableChanged();
}

bool TurnFlow::AskToClose() {
    Closing_ = true;
    return Depth_ == 0;
}

void TurnFlow::FormClose() {
    Storage.CloseLog(E);
}

// A file that fails must not stop a turn half-way: the failure is kept and shown once the
// event has been handled to its end.
void TurnFlow::Guarded(const std::function<void()>& write) {
    try {
        write();
    } catch (const StorageError& failure) {
        if (PendingError_.empty())
            PendingError_ = failure.what();
    }
}

void TurnFlow::LogState(std::string_view text, int count) {
    if (E.LogEnabled)
        LogState(std::string(text) + std::to_string(count) + " ");
}

void TurnFlow::LogState(std::string_view text) {
    if (!E.LogEnabled)
        return;
    try {
        Storage.LogState(E, std::string(text));
    } catch (const StorageError& failure) {
        // One failed line is reported once; the rest of the run goes on without a log.
        E.LogEnabled = false;
        if (PendingError_.empty())
            PendingError_ = failure.what();
    }
}
