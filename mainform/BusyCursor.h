#pragma once

#include <QCursor>
#include <QGuiApplication>

namespace hexlume {

// The wait cursor while a long step runs; released early before a dialog comes up.
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { Release(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

    void Release()
    {
        if (m_busy)
            QGuiApplication::restoreOverrideCursor();
        m_busy = false;
    }

private:
    bool m_busy = true;
};

}  // namespace hexlume
