#include "core/nomination_check_query.h"

#include "core/api_query.h"
#include "core/nomination_page.h"

namespace nominator {
namespace {

// The deletion tags an article may carry already: this venue's, and the other processes'.
std::string DeletionTemplates() {
    return MultiValue({kFirstNominationTemplate, kRenominationTemplate, kProposedDeletionTemplate,
                       kBiographyProposedDeletionTemplate, kSpeedyDeletionTemplate});
}

}  // namespace

std::string NominationCheckUrl(std::string_view name) {
    const std::string prefix = std::string(kDiscussionStem) + std::string(name);
    const std::string templates = DeletionTemplates();
    const std::string title = MultiValue({name});
    // Its earlier nominations, and the article itself.
    const std::vector<ApiParameter> article = {
        {"titles", title},          {"prop", "info|templates|revisions"},
        {"tltemplates", templates}, {"rvdir", "newer"},
        {"rvlimit", "1"},           {"rvprop", "user|content"},
        {"rvslots", "main"},        {"meta", "userinfo"},
        {"format", "json"},
    };
    return ApiUrl(ProjectPagesQuery(prefix, article));
}

std::string FurtherCheckUrl(const std::vector<std::string>& names) {
    const std::string templates = DeletionTemplates();
    const std::string titles = MultiValue({names.begin(), names.end()});
    return ApiUrl({
        {"action", "query"},
        {"titles", titles},
        {"prop", "info|templates"},
        {"tltemplates", templates},
        {"tllimit", "max"},
        {"format", "json"},
    });
}

}  // namespace nominator
