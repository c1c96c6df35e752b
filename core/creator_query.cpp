#include "core/creator_query.h"

#include "core/api_query.h"

namespace nominator {

std::string CreatorQueryUrl(std::string_view article) {
    const std::string title = MultiValue({article});
    return ApiUrl({
        {"action", "query"},
        {"titles", title},
        {"prop", "revisions"},
        {"rvdir", "newer"},
        {"rvlimit", "50"},
        {"rvprop", "user|content"},
        {"rvslots", "main"},
        {"meta", "userinfo"},
        {"format", "json"},
    });
}

}  // namespace nominator
