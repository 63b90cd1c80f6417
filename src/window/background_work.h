// One piece of work at a time on a thread of its own, so that the window never waits for it:
// its result is handed to the GUI thread, unless the work was stopped or replaced first.
#pragma once

#include <QMetaObject>
#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

namespace fp {

class BackgroundWork : public QObject {
  public:
    explicit BackgroundWork(QObject* parent = nullptr) : QObject(parent) {}
    // Stops the work in progress and waits for its thread.
    ~BackgroundWork() override { stop(); }

    // Stops the work in progress, then runs `work` on a thread of its own; `work` asks the
    // function it is given whether it is to stop. `done` is called on the GUI thread with the
    // result, unless this work is stopped or replaced first.
    template <typename Result>
    void start(std::function<Result(const std::function<bool()>& stopped)> work,
               std::function<void(Result)> done) {
        stop();
        auto flag = std::make_shared<std::atomic<bool>>(false);
        stop_ = flag;
        busy_ = true;
        thread_ = std::thread([this, flag, work = std::move(work), done = std::move(done)] {
            Result result = work([flag] { return flag->load(); });
            // Handed over on the GUI thread; a work stopped meanwhile is dropped there.
            QMetaObject::invokeMethod(
                this,
                [this, flag, done, result = std::move(result)]() mutable {
                    if (!flag->load() && flag == stop_) {
                        busy_ = false;
                        done(std::move(result));
                    }
                },
                Qt::QueuedConnection);
        });
    }

    // Asks the work in progress to stop and waits for its thread; its result is never handed
    // over.
    void stop() {
        if (stop_) {
            stop_->store(true);
        }
        if (thread_.joinable()) {
            thread_.join();
        }
        busy_ = false;
    }

    // Whether a work was started and its result is still to come.
    bool isBusy() const { return busy_; }

  private:
    std::shared_ptr<std::atomic<bool>> stop_;
    std::thread thread_;
    bool busy_ = false;
};

}  // namespace fp
