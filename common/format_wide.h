// Filling the "%s" and "%d" places of a UTF-16 message, so that a message
// shown to a person is formed in UTF-16 from the resource's own text and
// never passes through the ANSI code page on its way to the screen.
#pragma once

#include <initializer_list>
#include <string>

namespace common {

// Each "%s" or "%d" of `format` takes the next of `arguments` as it is (a
// number is passed as its text); "%%" is one "%". A place without an
// argument left is dropped, and any other "%" sequence is kept as written,
// so no message can read past what the caller gave.
std::u16string FormatWide(const std::u16string& format,
                          std::initializer_list<std::u16string> arguments);

// The decimal text of `number`, for the "%d" places.
std::u16string DecimalWide(long long number);

}  // namespace common
