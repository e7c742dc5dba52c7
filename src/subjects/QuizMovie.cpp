// SPDX-License-Identifier: GPL-3.0-or-later
#include "subjects/QuizMovie.h"

namespace xuehai::subjects {

namespace {

void ReplaceAll(std::string& text, std::string_view key, const std::string& value) {
    for (std::size_t at = text.find(key); at != std::string::npos;
         at = text.find(key, at + value.size())) {
        text.replace(at, key.size(), value);
    }
}

}  // namespace

std::string QuizMovieText(const std::string& code, const std::string& name) {
    std::string text(QuizTemplate());
    ReplaceAll(text, "@CODE@", code);
    ReplaceAll(text, "@NAME@", name);
    return text;
}

}  // namespace xuehai::subjects
