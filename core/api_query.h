#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace nominator {

// One parameter of a request to the wiki's API: its name and its value as the API should read it.
using ApiParameter = std::pair<std::string_view, std::string_view>;

// The address of the wiki's API with these parameters, in this order, every value
// percent-encoded.
std::string ApiUrl(const std::vector<ApiParameter>& parameters);

// A query's parameters (action=query first) that list the project namespace's pages whose
// titles start with `prefix` (given without the namespace), redirects left out, as many as one
// answer takes; then `more`. `prefix` must outlive the parameters.
std::vector<ApiParameter> ProjectPagesQuery(std::string_view prefix,
                                            const std::vector<ApiParameter>& more);

// The value of a multi-valued parameter that holds these values. The API splits such a value at
// "|"; when a value holds "|" itself, the whole parameter is marked the API's way instead, with
// U+001F first and between the values, which no title can hold.
std::string MultiValue(const std::vector<std::string_view>& values);

}  // namespace nominator
