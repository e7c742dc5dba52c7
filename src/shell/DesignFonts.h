// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace xuehai {

// The screens were designed with Windows font names; map each to an installed face that
// carries simplified Chinese.
void InstallDesignFonts();

}  // namespace xuehai
