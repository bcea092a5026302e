#include "ui/window_worker.h"

#include <QThread>

WindowWorker::WindowWorker(QObject* window) : QObject(window) {}

WindowWorker::~WindowWorker()
{
    stop();
}

void WindowWorker::start(std::function<void()> job, std::function<void()> finished)
{
    stop();
    m_cancel = false;
    const quint64 run = ++m_runs;
    m_thread = QThread::create(std::move(job));
    connect(m_thread, &QThread::finished, this, [this, run, finished = std::move(finished)] {
        // The end of a stopped run may still be queued: it belongs to a thread that is gone.
        if (run != m_runs || !m_thread)
            return;
        m_thread->wait();
        delete m_thread;
        m_thread = nullptr;
        finished();
    });
    m_thread->start();
}

void WindowWorker::stop()
{
    if (!m_thread)
        return;
    m_cancel = true;
    ++m_runs;
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
}
