#include "search/searchreadiness.h"

#include "shell/placeholders.h"
#include "text/spacetrim.h"

namespace search {

std::optional<QString> queryWhenReady(const QString& query, const QString& book) {
    if (query == placeholders::kSearchPrompt || book == placeholders::kSelectBook)
        return std::nullopt;
    return spacetrim::trimmed(query);
}

} // namespace search
