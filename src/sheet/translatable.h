// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Texts a person reads, handed out by the core in English and marked for Qt's translation tools
// (lupdate reads the mark from the source) without the core linking Qt: the windows, the command
// line and the report translate them where they show them, in the context "Core". What files
// hold never goes through translation.
#pragma once

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
