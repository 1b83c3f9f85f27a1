// The wait cursor for as long as a piece of work runs; nests, and always
// comes back, also when the work throws.
#pragma once

#include <QApplication>

namespace vantor {

class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace vantor
