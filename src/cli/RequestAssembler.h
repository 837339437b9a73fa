#pragma once

#include "cli/BlockDescription.h"
#include "cli/ParsedDeclaration.h"
#include "comments/CommentRequest.h"
#include "settings/SettingsLayout.h"

#include <QDate>
#include <optional>

namespace quillmark::cli {

// Fills a CommentRequest the way the window's copy operation would: what the JSON gives wins,
// then what the declaration says, then the settings file and the clock; a kind, access and texts
// left out entirely are the window's fresh state (Sub, Public, empty).
class RequestAssembler {
public:
    static CommentRequest Assemble(const BlockDescription& description,
                                   const std::optional<ParsedDeclaration>& declaration,
                                   const GlobalSettings& settings, const QDate& today);
};

} // namespace quillmark::cli
