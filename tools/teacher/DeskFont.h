// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace xuehai::teacher {

// Every text of the desk is Chinese: the widgets take a simplified Chinese sans face where
// one is installed, rather than whichever face the system falls back to for the characters.
void UseChineseFace();

}  // namespace xuehai::teacher
