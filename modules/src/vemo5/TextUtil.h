#pragma once
// Small text helpers shared by the host's file and command-line readers.
#include <optional>
#include <string>

namespace vemo5 {

std::string trim(const std::string& text);
// "true"/"false", "1"/"0", "yes"/"no", in any letter case; nothing otherwise.
std::optional<bool> parseBoolean(const std::string& text);

// Input from a file or the command line as a message may show it: control
// characters (C0, DEL, C1) and bytes that are not UTF-8 become \xHH, so that
// what an operator typed or a file holds cannot move the console's cursor,
// start an escape sequence or break the message's line.
std::string printable(const std::string& input);
// printable(input) in double quotes: how a message names what it quotes.
std::string quote(const std::string& input);

}  // namespace vemo5
