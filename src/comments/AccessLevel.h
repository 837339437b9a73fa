#pragma once

namespace quillmark {

// The main window's "Access:" group. None stands for a group with nothing selected.
enum class AccessLevel { None, Public, Private, Protected };

} // namespace quillmark
