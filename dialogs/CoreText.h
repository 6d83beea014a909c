// The texts of the headless modules (database/ and link/ know no Qt) in the
// user's language. lupdate finds them in the list i18n/HeadlessTexts.cpp.
#pragma once

#include "PlaceholderText.h"

#include <QString>

#include <initializer_list>
#include <string>

// `text` translated in the context "Text"; a text without a translation (a
// name of the system's own lists, say) comes back as it is.
QString CoreText(const char* text);
QString CoreText(const std::string& text);
// The translated message with its placeholders filled; the arguments are data
// and stay as they are.
QString CoreText(const PlaceholderText& message);

// The translated `format` with its "%d"s replaced by `numbers` in order and
// "%%" by "%", for the constants written for printf.
QString CoreNumbers(const char* format, std::initializer_list<int> numbers);
