#pragma once

#include <QObject>

// The hourglass of the main window as state: long operations set it, some buttons do
// nothing while it is set, and the window shows the busy pointer while it is on.
class BusyState : public QObject {
    Q_OBJECT
public:
    bool isBusy() const { return m_busy; }
    void setBusy(bool busy)
    {
        if (busy == m_busy)
            return;
        m_busy = busy;
        emit changed(busy);
    }

signals:
    void changed(bool busy);

private:
    bool m_busy = false;
};

// Sets the busy state for a scope and clears it on every way out.
class BusyScope {
public:
    explicit BusyScope(BusyState& state) : m_state(state) { m_state.setBusy(true); }
    ~BusyScope() { m_state.setBusy(false); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    BusyState& m_state;
};
