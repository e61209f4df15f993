// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "system/places.h"

#include <cstdlib>

#include <shlobj.h>
#include <windows.h>

#include "system/windows_text.h"

namespace tallivant {

std::string defaultStateFolder() {
    std::wstring base;
    if (const wchar_t* local = ::_wgetenv(L"LOCALAPPDATA"); local && *local) {
        base = local;
    } else {
        PWSTR known = nullptr;
        if (::SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &known) == S_OK) base = known;
        ::CoTaskMemFree(known);
    }
    if (base.empty()) base = L".";
    return utf8OfWide(base + L"\\Tallivant");
}

unsigned long processId() {
    return ::GetCurrentProcessId();
}

} // namespace tallivant
