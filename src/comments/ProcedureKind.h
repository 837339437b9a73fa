#pragma once

namespace quillmark {

// The main window's "Comments Type:" group. None stands for a group with nothing selected.
enum class ProcedureKind { None, Sub, Function, Property, General };

} // namespace quillmark
