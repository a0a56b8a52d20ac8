#pragma once
// Message boxes and ending the process.
#include <functional>
#include <string>

namespace plat {

enum class MessageIcon { Stop, Exclamation };

// Writes "caption: text" (UTF-8) to stderr, then shows a modal box when a
// real display is in use. Texts are Windows-1252.
void ShowMessage(const std::string& caption, const std::string& text, MessageIcon icon);

// Test seam: while set, messages go to the sink instead of stderr and screen.
using MessageSink = std::function<void(const std::string& caption, const std::string& text, MessageIcon icon)>;
void SetMessageSink(MessageSink sink);

// Ends the process through the normal exit path (global objects destroyed).
[[noreturn]] void ExitProcess(int code);

} // namespace plat
