// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/print_job.h"

#include <QPrinter>

#include <dlfcn.h>

namespace tallivant {

// Qt submits a finished job to CUPS inside QPainter::end() and drops CUPS's answer; the answer
// is still CUPS's last status on this thread, so a refused job can be told from a taken one.
// The CUPS library is the one Qt's print plugin has loaded to print: it is looked up, never
// loaded, so a program that does not print does not carry it (and its twenty libraries).
bool printJobTaken(const QPrinter& printer) {
    if (printer.outputFormat() != QPrinter::NativeFormat || !printer.outputFileName().isEmpty())
        return true;
    void* cups = ::dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD);
    if (!cups) return true; // Qt did not print through CUPS
    using LastError = int (*)();
    const auto lastError = reinterpret_cast<LastError>(::dlsym(cups, "cupsLastError"));
    // IPP status codes up to successful-ok-events-complete (0x0007) are successes.
    constexpr int kLastSuccess = 0x0007;
    const bool taken = !lastError || lastError() <= kLastSuccess;
    ::dlclose(cups);
    return taken;
}

} // namespace tallivant
