#pragma once

#include <QObject>

#include <atomic>
#include <functional>

class QThread;

// Work a window hands to a thread of its own so that it stays live: a job with a cancel
// flag, and what the window does once it ended. Stopping asks the job to end and waits.
class WindowWorker : public QObject {
    Q_OBJECT
public:
    explicit WindowWorker(QObject* window);
    ~WindowWorker() override;

    // What the job watches; set by stop().
    const std::atomic<bool>* cancelFlag() const { return &m_cancel; }

    // Runs job on the thread; finished runs on the window's thread when the job ended,
    // unless stop() came first.
    void start(std::function<void()> job, std::function<void()> finished);
    // Cancels the job, waits for it to end; finished is not called.
    void stop();

private:
    QThread* m_thread = nullptr;
    quint64 m_runs = 0;
    std::atomic<bool> m_cancel{false};
};
