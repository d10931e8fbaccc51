// Substring search and replace over 8-bit text that steps through the
// characters of a multibyte code page, as the Windows runtime's _mbsstr does:
// a match never begins on the second byte of a double-byte character.
// (Wine's _mbsstr is a plain byte search, so the framework does this itself.)
#pragma once

#include <string>

namespace mbcs {

constexpr size_t npos = std::string::npos;

// First occurrence of `needle` that begins on a character boundary at or after
// `start` (itself a boundary), or npos. An empty needle matches at `start`.
size_t Find(const std::string& text, const std::string& needle, size_t start,
            unsigned codePage);

// Replaces every occurrence, found left to right without overlap. The search
// goes on behind each replacement, so an occurrence that a replacement puts
// together from the text around it is left alone. Returns the count.
int Replace(std::string& text, const std::string& oldText,
            const std::string& newText, unsigned codePage);

}  // namespace mbcs
