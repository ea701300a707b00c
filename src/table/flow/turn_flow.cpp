#include "table/flow/turn_flow.h"

#include "storage/storage_error.h"

TurnFlow::TurnFlow(Engine& engine, TableView& view, FlowStorage& storage)
    : E(engine), View(view), Storage(storage) {}

// A pause lets the window breathe; should an event slip through meanwhile, it must not start
// a second turn sequence inside the first. The busy mark refuses it.
void TurnFlow::RunHandler(const std::function<void()>& body) {
    if (Busy_ || View.Closing())
        return;
    Busy_ = true;
    try {
        body();
    } catch (...) {
        Busy_ = false;
        PendingError_.clear();
        throw;
    }
    Busy_ = false;
    if (PendingError_.empty())
        return;
    const std::string text = PendingError_;
    PendingError_.clear();
    if (!View.Closing())
        View.ShowError(text);
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
