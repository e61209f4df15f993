// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Whether the print system took the job that QPainter::end() just handed it, where Qt does not
// tell: one implementation per print system (print_job_cups.cpp on Linux, print_job_qt.cpp
// where Qt's own answer is all there is, as on Windows).
#pragma once

class QPrinter;

namespace tallivant {

bool printJobTaken(const QPrinter& printer);

} // namespace tallivant
