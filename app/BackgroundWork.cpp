#include "app/BackgroundWork.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QObject>
#include <QThread>
#include <atomic>
#include <exception>
#include <memory>

namespace vorlanda {

namespace {
std::atomic<int> pending{0};
} // namespace

void RunInBackground(const std::function<void()>& work) {
    std::exception_ptr failure;
    std::unique_ptr<QThread> thread(QThread::create([&work, &failure] {
        try {
            work();
        } catch (...) {
            failure = std::current_exception();
        }
    }));
    // The signal of the thread's end, delivered here, wakes the wait below.
    bool finished = false;
    QObject here;
    QObject::connect(
        thread.get(), &QThread::finished, &here, [&finished] { finished = true; },
        Qt::QueuedConnection);
    ++pending;
    thread->start();
    // Not a nested event loop: one would return at once, over and over, once the application
    // has been told to quit.
    while (!finished)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    thread->wait();
    --pending;
    if (failure)
        std::rethrow_exception(failure);
}

bool BackgroundWorkPending() noexcept {
    return pending > 0;
}

void OnWindowThread(const std::function<void()>& call) {
    QCoreApplication* application = QCoreApplication::instance();
    if (QThread::currentThread() == application->thread())
        call();
    else
        QMetaObject::invokeMethod(application, call, Qt::BlockingQueuedConnection);
}

} // namespace vorlanda
